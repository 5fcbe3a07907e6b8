// Rules of book B15 for disadvantages.
#include "rules/rule_tables.h"

#include "adjusters/check_adjusters.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB15 = {
    AdvantageRow(AdjustHearingCheckFromDescription, kCharacter, kRecord, 2, "DISAD"),
    AdvantageRow(AdjustSmellTasteCheckFromDescription, kCharacter, kRecord, 3, "DISAD"),
};

}  // namespace

bool DisadvantageRulesB15(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB15, {character, record, keepRecords});
}

}  // namespace zulparvo
