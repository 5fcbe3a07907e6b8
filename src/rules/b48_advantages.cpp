// Rules of book B48 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/attribute_adjusters.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB48 = {
    AdvantageRow(ScaleMoveMultiplier, kCharacter, kRecord, 4, "RACAD", 0.5),
};

}  // namespace

bool AdvantageRulesB48(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB48, {character, record, keepRecords});
}

}  // namespace zulparvo
