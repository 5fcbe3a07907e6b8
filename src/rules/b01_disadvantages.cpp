// Rules of book B01 for disadvantages.
#include "rules/rule_tables.h"

#include "adjusters/attribute_adjusters.h"
#include "adjusters/check_adjusters.h"
#include "adjusters/skill_bonus_adjusters.h"
#include "base/book_codes.h"
#include "rules/racial_rules.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

const std::vector<AdvantageRule> kDisadvantageRulesB01 = {
    AdvantageRow(AdjustSkillsPerLevel, kCharacter, kRecord, 52, "RACDISAD"),
    AdvantageRow(AdjustSkillBonusByFlag, kCharacter, kRecord, 42, "RACDISAD", 8, -3),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 122, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 53, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 107, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 21, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 115, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 128, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 148, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 169, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 190, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 193, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 196, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 200, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 201, -3, "RACDISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_15, 1, -3, "RACDISAD"),
    AdvantageRow(AdjustHitPointBonus, kCharacter, kRecord, 18, "RACDISAD"),
    AdvantageRow(AdjustMove, kCharacter, kRecord, 19, "RACDISAD"),
    AdvantageRow(AdjustWillCheck, kCharacter, kRecord, 22, -6, "RACDISAD"),
    // Rules of their own, after the rows.
    AdvantageRow(ApplyRacialStrength, kCharacter, kRecord, "-"),
    AdvantageRow(ApplyRacialIntelligence, kCharacter, kRecord, "-"),
    AdvantageRow(ApplyRacialDexterity, kCharacter, kRecord, "-"),
    AdvantageRow(ApplyRacialHealth, kCharacter, kRecord, "-"),
    AdvantageRow(ApplyRacialSelectedSkillModifier, kCharacter, kRecord, 51, "RACDISAD"),
};

}  // namespace

bool DisadvantageRulesB01(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB01, {character, record, keepRecords});
}

}  // namespace zulparvo
