// Rules of book B13 for advantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB13 = {
};

}  // namespace

bool AdvantageRulesB13(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kAdvantageRulesB13, {character, record, keepRecords}); }

}  // namespace zulparvo
