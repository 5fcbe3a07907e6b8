// Rules of book B15 for advantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB15 = {
};

}  // namespace

bool AdvantageRulesB15(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kAdvantageRulesB15, {character, record, keepRecords}); }

}  // namespace zulparvo
