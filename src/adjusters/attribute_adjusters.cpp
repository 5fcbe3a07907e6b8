#include "adjusters/attribute_adjusters.h"

namespace zulparvo {

namespace {

const CharacterField kHitPointBonus{&CChar_Character::GetHitPointBonus, &CChar_Character::SetHitPointBonus,
                                    "Hit Point Bonus"};
const CharacterField kFatigueBonus{&CChar_Character::GetFatigueBonus, &CChar_Character::SetFatigueBonus,
                                   "Fatigue Bonus"};
const CharacterField kSpellFatigueBonus{&CChar_Character::GetSpellFatigueBonus,
                                        &CChar_Character::SetSpellFatigueBonus, "Spell Fatigue Bonus"};

void AddToBasicSpeed(CChar_Character& character, double amount) {
  character.SetBasicSpeedBonus(character.GetBasicSpeedBonus() + amount);
}

void AdjustByDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                         const CString& typeTag, const CharacterField& field) {
  if (MatchesRule(record, identifier, typeTag)) AddToField(character, field, DescriptionBonusPlusLevel(record), record);
}

}  // namespace

void AdjustBasicSpeed(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                      const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  AddToBasicSpeed(character, amount);
  LogChange(character, amount, "Basic Speed", record);
}

void AdjustMove(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  const int32_t amount = DescriptionBonusPlusLevel(record);
  character.SetMoveBonus(character.GetMoveBonus() + amount);
  LogChange(character, amount, "Move", record);
}

void AdjustHitPointBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                         const CString& typeTag) {
  AdjustByDescription(character, record, identifier, typeTag, kHitPointBonus);
}

void AdjustFatigueBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                        const CString& typeTag) {
  AdjustByDescription(character, record, identifier, typeTag, kFatigueBonus);
}

void AdjustSpellFatigueBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                             const CString& typeTag) {
  AdjustByDescription(character, record, identifier, typeTag, kSpellFatigueBonus);
}

void ScaleMoveMultiplier(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                         const CString& typeTag, double factor) {
  if (MatchesRule(record, identifier, typeTag)) character.SetMoveMultiplier(character.GetMoveMultiplier() * factor);
}

void AdjustBasicSpeedPerLevel(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                              double factorPerLevel, const CString& typeTag) {
  if (!MatchesRule(record, identifier, typeTag)) return;
  const int32_t levels = DividedAmount(record.GetBaseCost(), record.GetCostPerLevel());
  AddToBasicSpeed(character, levels * factorPerLevel);
}

}  // namespace zulparvo
