// Rules of book B06 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/attribute_adjusters.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB06 = {
    AdvantageRow(AdjustBasicSpeedPerLevel, kCharacter, kRecord, 3, 0.25, "RACAD"),
};

}  // namespace

bool AdvantageRulesB06(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB06, {character, record, keepRecords});
}

}  // namespace zulparvo
