// Rules of book B34 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/attribute_adjusters.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB34 = {
    AdvantageRow(AdjustSpellFatigueBonus, kCharacter, kRecord, 1, "AD"),
};

}  // namespace

bool AdvantageRulesB34(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB34, {character, record, keepRecords});
}

}  // namespace zulparvo
