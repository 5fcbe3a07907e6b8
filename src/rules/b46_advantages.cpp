// Rules of book B46 for advantages.
#include "rules/rule_tables.h"

#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB46 = {
};

}  // namespace

bool AdvantageRulesB46(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) { return RunRules<CChar_Ad_Disad>(kAdvantageRulesB46, {character, record, keepRecords}); }

}  // namespace zulparvo
