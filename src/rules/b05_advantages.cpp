// Rules of book B05 for advantages.
#include "rules/rule_tables.h"

#include "adjusters/adjuster_framework.h"
#include "adjusters/advantage_cost_adjusters.h"
#include "adjusters/check_adjusters.h"
#include "adjusters/defence_adjusters.h"
#include "adjusters/skill_bonus_adjusters.h"
#include "adjusters/spell_bonus_adjusters.h"
#include "base/book_codes.h"
#include "model/type_tags.h"
#include "rules/rule_table.h"

namespace zulparvo {

namespace {

// The record's description bonus plus its level to the bonus of the skill record that
// the character keeps in skill slot 1. The slot may be empty or hold a record of
// another class; then, as for a slot record of identifier 0, nothing is changed.
// No message.
void AdjustSkillSlotBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                          const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  const int32_t amount = DescriptionBonusPlusLevel(record);
  auto* slot = DynamicDownCast<CChar_Skill_Base>(character.GetSkillSlot1());
  if (slot == nullptr || slot->GetIdentifier() == 0) return;
  AddToBonus(*slot, amount);
}

// The basic magic advantage taken in the variant of B15 sub-entry 1 brings the
// disadvantage "Secret: True Name" with it, unless records are kept as they are. The
// character gets it once: a second call finds the first one. No message.
void AddTrueNameSecret(CChar_Character& character, const CChar_Ad_Disad& record, bool keepRecords) {
  constexpr int kMagicAdvantage = 28;
  constexpr int kSecret = 95;
  const CString description = "Secret: True Name";
  if (record.GetIdentifier() != kMagicAdvantage || record.GetSubBookCode() != BOOK_15 ||
      record.GetSubIdentifier() != 1 || record.GetCategory() != kCategoryAdvantage || keepRecords) {
    return;
  }
  const auto sameSecret = [&](const CChar_Ad_Disad& entry) { return entry.GetDescription() == description; };
  if (FindAdvantage(character.GetDisadvantages(), CString(BOOK_05), kSecret, kCategoryDisadvantage, sameSecret)) {
    return;
  }
  character.AddNewAdDisad(kCategoryDisadvantage, kSecret, -20.0, description, CString(BOOK_05), 0, "", 0);
}

const std::vector<AdvantageRule> kAdvantageRulesB05 = {
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 61, BOOK_05, 122, 1, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 61, BOOK_05, 14, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 61, BOOK_15, 1, 1, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 61, BOOK_05, 190, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 1, BOOK_05, 110, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 1, BOOK_05, 186, 3, "AD"),
    AdvantageRow(AdjustHearingCheckFromDescription, kCharacter, kRecord, 3, "AD"),
    AdvantageRow(AdjustSmellTasteCheckFromDescription, kCharacter, kRecord, 4, "AD"),
    AdvantageRow(AdjustPerceptionCheckFromDescription, kCharacter, kRecord, 5, "AD"),
    AdvantageRow(AdjustPerceptionCheckFromDescription, kCharacter, kRecord, 6, "AD"),
    AdvantageRow(AdjustSmellTasteCheckFromDescription, kCharacter, kRecord, 6, "AD"),
    AdvantageRow(AdjustHearingCheckFromDescription, kCharacter, kRecord, 6, "AD"),
    AdvantageRow(AdjustSkillBonusByFlag, kCharacter, kRecord, 9, "AD", 1, 4),  // skill group "ANIMAL"
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 9, BOOK_05, 182, 4, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 9, BOOK_05, 82, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 9, BOOK_05, 65, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 9, BOOK_13, 5, 3, "AD"),
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 10, 1, 1, 1, BOOK_05, "AD"),
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 10, 2, 4, 2, BOOK_05, "AD"),
    AdvantageRow(AdjustReactionForOption, kCharacter, kRecord, BOOK_05, 10, 2, 6, 3, BOOK_05, "AD"),
    AdvantageRow(AdjustAdvantageLevel, kCharacter, kRecord, 11, BOOK_01, 10, "AD", "RACAD", 1),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 13, BOOK_05, 61, 1, "AD"),
    AdvantageRow(AdjustDodge, kCharacter, kRecord, 13, 1, "AD"),
    AdvantageRow(AdjustParry, kCharacter, kRecord, 13, 1, "AD"),
    AdvantageRow(AdjustBlock, kCharacter, kRecord, 13, 1, "AD"),
    AdvantageRow(AdjustFrightCheck, kCharacter, kRecord, 13, 2, "AD"),
    AdvantageRow(AdjustMentalStunCheck, kCharacter, kRecord, 13, 6, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 16, BOOK_05, 41, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 16, BOOK_05, 59, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 16, BOOK_05, 103, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 18, BOOK_13, 96, 3, "AD"),
    AdvantageRow(AdjustFrightCheckFromDescription, kCharacter, kRecord, 50, "AD"),
    // The level row of 22 comes last, so that the rows before it read the level that
    // the record came with.
    AdvantageRow(AdjustSkillBonusFromDescription, kCharacter, kRecord, 22, BOOK_05, 93, "AD"),
    AdvantageRow(AdjustSkillBonusFromDescription, kCharacter, kRecord, 22, BOOK_05, 99, "AD"),
    AdvantageRow(AdjustSkillSlotBonus, kCharacter, kRecord, 22, "AD"),
    AdvantageRow(AdjustAdvantageLevel, kCharacter, kRecord, 22, BOOK_01, 10, "AD", "RACAD", 2),

    // 28, the basic magic advantage, over every spell of every book. In a group of rows
    // that differ only in the base cost, at most one fires.
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSpells, kRecord, 28, "ALL", -1, 15.0, 1, "AD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSpells, kRecord, 28, "ALL", -1, 25.0, 2, "AD"),
    AdvantageRow(AdjustSpellBonusAtValue, kCharacter, kSpells, kRecord, 28, "ALL", -1, 35.0, 3, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 8.0, 1, 1, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 13.0, 2, 1, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 18.0, 3, 1, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 8.0, 1, 2, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 13.0, 2, 2, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 18.0, 3, 2, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 50.0, 4, 1, BOOK_34, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 65.0, 5, 2, BOOK_34, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 85.0, 6, 3, BOOK_34, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 105.0, 7, 4, BOOK_34, "AD"),
    AdvantageRow(AdjustSpellBonusFromValueStep, kCharacter, kSpells, kRecord, 28, "ALL", -1, 105.0, 25, 7, 5, BOOK_34, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 8.0, 1, 3, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 13.0, 2, 3, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 18.0, 3, 3, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 10.0, 1, 4, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 16.0, 2, 4, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 22.0, 3, 4, BOOK_13, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 10.0, 1, 3, BOOK_15, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 16.0, 2, 3, BOOK_15, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 22.0, 3, 3, BOOK_15, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 10.0, 1, 2, BOOK_15, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 16.0, 2, 2, BOOK_15, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 22.0, 3, 2, BOOK_15, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 70.0, 4, 1, BOOK_15, "AD"),
    AdvantageRow(AddTrueNameSecret, kCharacter, kRecord, kKeepRecords),
    AdvantageRow(AdjustSpellBonusClearing, kCharacter, kSpells, kRecord, 28, 10.0, 1, 1, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellBonusClearing, kCharacter, kSpells, kRecord, 28, 16.0, 2, 1, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellBonusClearing, kCharacter, kSpells, kRecord, 28, 22.0, 3, 1, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 10.0, 1, 2, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 16.0, 2, 2, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 22.0, 3, 2, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 8.0, 1, 3, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 13.0, 2, 3, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 18.0, 3, 3, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 8.0, 1, 4, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 13.0, 2, 4, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 18.0, 3, 4, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 8.0, 1, 5, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 13.0, 2, 5, BOOK_30, "AD"),
    AdvantageRow(AdjustSpellOrPowerSkillBonus, kCharacter, kSpells, kRecord, 28, "ALL", -1, 18.0, 3, 5, BOOK_30, "AD"),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 10.0, 1, 6, BOOK_30, "AD", 1),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 16.0, 2, 6, BOOK_30, "AD", 1),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 22.0, 3, 6, BOOK_30, "AD", 1),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 10.0, 1, 7, BOOK_30, "AD", 2),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 16.0, 2, 7, BOOK_30, "AD", 2),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 22.0, 3, 7, BOOK_30, "AD", 2),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 10.0, 1, 8, BOOK_30, "AD", 3),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 16.0, 2, 8, BOOK_30, "AD", 3),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 22.0, 3, 8, BOOK_30, "AD", 3),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 10.0, 1, 9, BOOK_30, "AD", 4),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 16.0, 2, 9, BOOK_30, "AD", 4),
    AdvantageRow(AdjustElementalSpellBonus, kCharacter, kSpells, kRecord, 28, 22.0, 3, 9, BOOK_30, "AD", 4),

    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 30, BOOK_05, 102, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 30, BOOK_05, 43, 3, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 30, BOOK_05, 189, 3, "AD"),
    AdvantageRow(AdjustSkillBonusBySubject, kCharacter, kRecord, 30, BOOK_05, 56, 3, "Electronics: Computers", "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 30, BOOK_05, 58, 2, "AD"),
    AdvantageRow(AdjustAdvantageCostFraction, kCharacter, kAdvantages, kRecord, 31, "AD", 15.0, 38, BOOK_05, "AD", -5.0),
    AdvantageRow(AdjustSkillBonusFromDescription, kCharacter, kRecord, 32, BOOK_05, 147, "AD"),
    AdvantageRow(AdjustSkillBonusFromDescription, kCharacter, kRecord, 32, BOOK_05, 108, "AD"),
    AdvantageRow(AdjustCripplingInjuryCheck, kCharacter, kRecord, 36, 5, "AD"),
    AdvantageRow(AdjustWillCheckFromDescription, kCharacter, kRecord, 39, "AD"),
    AdvantageRow(AdjustFrightCheckFromDescription, kCharacter, kRecord, 39, "AD"),
    AdvantageRow(AdjustMentalStunCheckFromDescription, kCharacter, kRecord, 39, "AD"),
    AdvantageRow(AdjustPhysicalStunCheckFromDescription, kCharacter, kRecord, 39, "AD"),
    AdvantageRow(AdjustDRBonusAtCost, kCharacter, kRecord, 40, 10, 1, "Toughness DR+1", "AD"),
    AdvantageRow(AdjustDRBonusAtCost, kCharacter, kRecord, 40, 25, 2, "Toughness DR+2", "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 18, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 51, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 116, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 126, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 136, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 141, 2, "AD"),
    AdvantageRow(AdjustSkillBonus, kCharacter, kRecord, 42, BOOK_05, 147, 2, "AD"),
    AdvantageRow(AdjustReaction, kCharacter, kRecord, 42, 2, "AD"),
    AdvantageRow(AdjustAdvantageCostPoints, kCharacter, kAdvantages, kRecord, 43, "AD", 20.0, 38, BOOK_05, "AD", -5.0),
};

}  // namespace

bool AdvantageRulesB05(CChar_Character& character, CChar_Ad_Disad& record, bool keepRecords) {
  return RunRules<CChar_Ad_Disad>(kAdvantageRulesB05, {character, record, keepRecords});
}

}  // namespace zulparvo
