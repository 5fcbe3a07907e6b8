// Rules of book B15 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/check_adjusters.h"
#include "adjusters/defence_adjusters.h"
#include "adjusters/skill_bonus_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB15 = {
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 2, BOOK_15, 61, 2, "AD"),
    AdvantageRow(AdjustDodge, kCharacter, kRecord, 2, 2, "AD"),
    AdvantageRow(AdjustParry, kCharacter, kRecord, 2, 2, "AD"),
    AdvantageRow(AdjustBlock, kCharacter, kRecord, 2, 2, "AD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 2, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 3, BOOK_15, 61, 3, "AD"),
    AdvantageRow(AdjustDodge, kCharacter, kRecord, 3, 3, "AD"),
    AdvantageRow(AdjustParry, kCharacter, kRecord, 3, 3, "AD"),
    AdvantageRow(AdjustBlock, kCharacter, kRecord, 3, 3, "AD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 3, 2, "AD"),  // +2, not +3
};

}  // namespace

bool AdvantageRulesB15(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB15, {character, record, keepRecords});
}

}  // namespace zulparvo
