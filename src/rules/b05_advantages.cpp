// Rules of book B05 for advantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB05 = {
};

}  // namespace

bool AdvantageRulesB05(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kAdvantageRulesB05, {character, record, keepRecords}); }

}  // namespace zulparvo
