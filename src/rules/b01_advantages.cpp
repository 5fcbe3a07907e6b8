// Rules of book B01 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/attribute_adjusters.h"
#include "adjusters/defence_adjusters.h"
#include "adjusters/skill_bonus_adjusters.h"
#include "base/book_codes.h"
#include "rules/racial_rules.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kAdvantageRulesB01 = {
    AdvantageRow(AdjustDRBonusByValue, kCharacter, kRecord, 11, 3, "Dam Resis DR+", 1,
                 "Racial Advantages-Damage Resistance", "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 100, BOOK_05, 171, 4, "RACAD"),
    AdvantageRow(AdjustFatigueBonus, kCharacter, kRecord, 23, "RACAD"),
    AdvantageRow(AdjustHitPointBonus, kCharacter, kRecord, 26, "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 102, BOOK_05, 41, 5, "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 102, BOOK_05, 59, 5, "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 102, BOOK_05, 103, 5, "RACAD"),
    AdvantageRow(AdjustBasicSpeedPerLevel, kCharacter, kRecord, 41, 1.0, "RACAD"),
    AdvantageRow(AdjustSkillsPerLevel, kCharacter, kRecord, 128, "RACAD"),
    AdvantageRow(AdjustPDBonusByValue, kCharacter, kRecord, 56, 25, "Passive Def PD+", "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 57, BOOK_05, 122, 1, "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 57, BOOK_05, 3, 1, "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 57, BOOK_05, 190, 1, "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 57, BOOK_15, 1, 1, "RACAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 112, BOOK_05, 171, 1, "RACAD"),
    // Rules of their own, after the rows.
    AdvantageRow(ScaleStrengthBySize, kCharacter, kRecord),
    AdvantageRow(ApplyFixedStrength, kCharacter, kRecord, 127, "RACAD"),
    AdvantageRow(ApplyFixedStrength, kCharacter, kRecord, 130, "RACAD"),
    AdvantageRow(ApplyRacialStrength, kCharacter, kRecord, "+"),
    AdvantageRow(ApplyRacialIntelligence, kCharacter, kRecord, "+"),
    AdvantageRow(ApplyRacialDexterity, kCharacter, kRecord, "+"),
    AdvantageRow(ApplyRacialHealth, kCharacter, kRecord, "+"),
    AdvantageRow(ApplyRacialTalentPackage, kCharacter, kRecord, kKeepRecords),
    AdvantageRow(ApplyRacialSelectedSkillModifier, kCharacter, kRecord, 95, "RACAD"),
};

}  // namespace

bool AdvantageRulesB01(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB01, {character, record, keepRecords});
}

}  // namespace zulparvo
