// Rules of book B13 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/check_adjusters.h"
#include "adjusters/defence_adjusters.h"
#include "adjusters/skill_bonus_adjusters.h"
#include "adjusters/spell_bonus_adjusters.h"
#include "base/book_codes.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB13 = {
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 59, "ALL", -1, 5.0, 1, 5, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 59, "ALL", -1, 10.0, 2, 5, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 59, "ALL", -1, 15.0, 3, 5, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellBonusForColleges, kCharacter, kSpells, kRecord, 59, "ALL", -1, 2.0, 1, 6, BOOK_13, "Heal", "AD"),
    AdvantageRow(AdjustSpellBonusForColleges, kCharacter, kSpells, kRecord, 59, "ALL", -1, 4.0, 2, 6, BOOK_13, "Heal", "AD"),
    AdvantageRow(AdjustSpellBonusForColleges, kCharacter, kSpells, kRecord, 59, "ALL", -1, 6.0, 3, 6, BOOK_13, "Heal", "AD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 4, 3, "AD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 12, 2, "AD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 13, 1, "AD"),
    AdvantageRow(AdjustDodge, kCharacter, kRecord, 18, 1, "AD"),
    AdvantageRow(AdjustParryAtCost, kCharacter, kRecord, 19, 1, "AD", 10),
    AdvantageRow(AdjustHealthCheck, kCharacter, kRecord, 21, 1, "AD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 12, 1, 2, BOOK_13, "Average Fur DR+1", "RACAD"),
    AdvantageRow(AdjustPDBonusForOption, kCharacter, kRecord, 12, 1, 3, BOOK_13, "Thick Fur PD+1", "RACAD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 12, 1, 3, BOOK_13, "Thick Fur DR+1", "RACAD"),
    AdvantageRow(AdjustPDBonusForOption, kCharacter, kRecord, 12, 1, 4, BOOK_13, "Spiny Fur PD+1", "RACAD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 12, 1, 4, BOOK_13, "Spiny Fur DR+1", "RACAD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 14, 1, 2, BOOK_13, "Avg Scales DR+1", "RACAD"),
    AdvantageRow(AdjustPDBonusForOption, kCharacter, kRecord, 14, 1, 3, BOOK_13, "Hvy Scales PD+1", "RACAD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 14, 1, 3, BOOK_13, "Hvy Scales DR+1", "RACAD"),
    AdvantageRow(AdjustPDBonusForOption, kCharacter, kRecord, 14, 1, 4, BOOK_13, "Thick Hide PD+1", "RACAD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 14, 1, 4, BOOK_13, "Thick Hide DR+1", "RACAD"),
    AdvantageRow(AdjustPDBonusForOption, kCharacter, kRecord, 14, 2, 5, BOOK_13, "Carapace PD+2", "RACAD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 14, 2, 5, BOOK_13, "Carapace DR+2", "RACAD"),
    AdvantageRow(AdjustPDBonusForOption, kCharacter, kRecord, 14, 2, 6, BOOK_13, "Armor Plates PD+2", "RACAD"),
    AdvantageRow(AdjustDRBonusForOption, kCharacter, kRecord, 14, 3, 6, BOOK_13, "Armor Plates DR+3", "RACAD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 25, 5, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 34, BOOK_13, 98, 3, "AD"),
    AdvantageRow(AdjustSpellBonusByValue, kCharacter, kSpells, kRecord, 72, "ALL", -1, 10.0, "AD"),
    AdvantageRow(AdjustHealthCheck, kCharacter, kRecord, 54, 2, "AD"),
    AdvantageRow(AdjustCripplingInjuryCheck, kCharacter, kRecord, 55, 5, "AD"),
};

}  // namespace

bool AdvantageRulesB13(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB13, {character, record, keepRecords});
}

}  // namespace zulparvo
