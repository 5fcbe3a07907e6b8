// Rules of book B13 for disadvantages.
#include "rules/rule_tables.h"

#include "adjusters/check_adjusters.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB13 = {
    AdvantageRow(AdjustReaction, kCharacter, kRecord, 15, -2, "DISAD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 49, -1, "DISAD"),
    AdvantageRow(AdjustHealthCheck, kCharacter, kRecord, 35, -1, "DISAD"),
    AdvantageRow(AdjustHealthCheck, kCharacter, kRecord, 37, -2, "DISAD"),
};

}  // namespace

bool DisadvantageRulesB13(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB13, {character, record, keepRecords});
}

}  // namespace zulparvo
