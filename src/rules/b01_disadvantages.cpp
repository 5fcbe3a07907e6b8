// Rules of book B01 for disadvantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB01 = {
};

}  // namespace

bool DisadvantageRulesB01(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB01, {character, record, keepRecords}); }

}  // namespace zulparvo
