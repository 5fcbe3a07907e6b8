// Rules of book B01 for advantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB01 = {
};

}  // namespace

bool AdvantageRulesB01(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kAdvantageRulesB01, {character, record, keepRecords}); }

}  // namespace zulparvo
