// Rules of book B05 for disadvantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB05 = {
};

}  // namespace

bool DisadvantageRulesB05(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB05, {character, record, keepRecords}); }

}  // namespace zulparvo
