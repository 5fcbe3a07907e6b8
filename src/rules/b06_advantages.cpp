// Rules of book B06 for advantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB06 = {
};

}  // namespace

bool AdvantageRulesB06(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kAdvantageRulesB06, {character, record, keepRecords}); }

}  // namespace zulparvo
