// Rules of book B13 for disadvantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB13 = {
};

}  // namespace

bool DisadvantageRulesB13(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB13, {character, record, keepRecords}); }

}  // namespace zulparvo
