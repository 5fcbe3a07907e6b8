// Rules of book B05 for disadvantages.
#include "rules/rule_tables.h"

#include "adjusters/attribute_adjusters.h"
#include "adjusters/check_adjusters.h"
#include "adjusters/skill_bonus_adjusters.h"
#include "adjusters/spell_bonus_adjusters.h"
#include "base/book_codes.h"
#include "base/utilities.h"
#include "rules/b05_disadvantage_rules.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

constexpr int kCombatWeaponGroup = 1 << 3;  // "COMBAT-WEAPON"

// AdjustReaction with the bonus that the record's shown name states. The name is
// fetched for every record that reaches the table, whatever its identifier; fetching
// it may fill the record's cached name.
void AdjustReactionFromShownName(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                 const CString& typeTag) {
  const int32_t amount = TruncateToInt(static_cast<double>(GetDescBonus(record.GetDisplayName())));
  AdjustReaction(character, record, identifier, amount, typeTag);
}

const std::vector<AdvantageRule> kDisadvantageRulesB05 = {
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 6, -1, -1, 1, BOOK_05, "DISAD"),
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 6, -2, -2, 2, BOOK_05, "DISAD"),
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 6, -4, -4, 3, BOOK_05, "DISAD"),
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 6, -5, -5, 4, BOOK_05, "DISAD"),
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 6, -6, -6, 5, BOOK_05, "DISAD"),
    AdvantageRow(AdjustSkillBonusByFlag, kCharacter, kRecord, 10, "DISAD", kCombatWeaponGroup, -6),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 10, BOOK_05, 169, -6, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_05, 53, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_05, 122, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_05, 40, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_05, 104, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_05, 171, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_05, 107, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_05, 37, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 14, BOOK_15, 1, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 19, BOOK_05, 93, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 19, BOOK_05, 98, 3, "DISAD"),
    AdvantageRow(AdjustSkillBonusUnlessAdvantage, kCharacter, kRecord, 19, "DISAD", 76, BOOK_05, 3,
                 kDisadvantages, 48, BOOK_05, "DISAD"),
    AdvantageRow(AdjustSkillBonusUnlessAdvantage, kCharacter, kRecord, 19, "DISAD", 146, BOOK_05, 3,
                 kDisadvantages, 48, BOOK_05, "DISAD"),
    AdvantageRow(AdjustHearingCheck, kCharacter, kRecord, 19, -1000, "DISAD"),
    AdvantageRow(AdjustBasicSpeed, kCharacter, kRecord, 23, -1, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 29, BOOK_05, 52, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 29, BOOK_05, 142, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 29, BOOK_05, 163, 5, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 33, BOOK_05, 104, -3, "DISAD"),
    AdvantageRow(AdjustHearingCheck, kCharacter, kRecord, 34, -4, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 34, BOOK_05, 93, -4, "DISAD"),
    AdvantageRow(AdjustSkillBonusUnlessAdvantage, kCharacter, kRecord, 48, "DISAD", 76, BOOK_05, 3,
                 kDisadvantages, 19, BOOK_05, "DISAD"),
    AdvantageRow(AdjustSkillBonusUnlessAdvantage, kCharacter, kRecord, 48, "DISAD", 146, BOOK_05, 3,
                 kDisadvantages, 19, BOOK_05, "DISAD"),
    AdvantageRow(AdjustSmellTasteCheck, kCharacter, kRecord, 49, -1000, "DISAD"),
    AdvantageRow(AdjustSkillBonusByFlag, kCharacter, kRecord, 52, "DISAD", kCombatWeaponGroup, -3),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 122, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 53, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 107, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 21, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 115, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 128, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 148, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 169, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 190, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 193, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 196, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 200, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_05, 201, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 52, BOOK_15, 1, -3, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 55, BOOK_05, 163, 2, "DISAD"),
    AdvantageRow(AdjustReactionFromShownName, kCharacter, kRecord, 63, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 67, BOOK_05, 52, -2, "DISAD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 67, BOOK_05, 142, -2, "DISAD"),
    // Identifier 66 reaches skills through the spell adjuster, over the skill list.
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 2, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 2, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 18, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 18, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 38, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 38, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 51, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 51, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 62, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 62, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 96, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 96, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 104, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 104, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 126, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 126, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 136, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 136, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 141, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 141, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 160, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 160, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 165, -5.0, -1, "DISAD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSkills, kRecord, 66, BOOK_05, 165, -10.0, -2, "DISAD"),
    AdvantageRow(AdjustWillCheckFromDescription, kCharacter, kRecord, 76, "DISAD"),
    AdvantageRow(AdjustFrightCheckFromDescription, kCharacter, kRecord, 76, "DISAD"),
    AdvantageRow(AdjustMentalStunCheckFromDescription, kCharacter, kRecord, 76, "DISAD"),
    AdvantageRow(AdjustPhysicalStunCheckFromDescription, kCharacter, kRecord, 76, "DISAD"),
    // The movement rule runs after every row.
    AdvantageRow(ApplyMovePenaltyRule, kCharacter, kRecord),
};

}  // namespace

bool DisadvantageRulesB05(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kDisadvantageRulesB05, {character, record, keepRecords});
}

}  // namespace zulparvo
