#include "adjusters/defence_adjusters.h"

#include "base/utilities.h"

namespace zulparvo {

namespace {

const CharacterField kDodge{&CChar_Character::GetDodgeBonus, &CChar_Character::SetDodgeBonus, "Dodge"};
const CharacterField kParry{&CChar_Character::GetParryBonus, &CChar_Character::SetParryBonus, "Parry"};
const CharacterField kBlock{&CChar_Character::GetBlockBonus, &CChar_Character::SetBlockBonus, "Block"};

// A protection bonus and the list that names its sources.
struct Protection {
  CharacterField bonus;
  bool (CChar_Character::*addSource)(const CString&);
};
const Protection kPD{{&CChar_Character::GetPDBonus, &CChar_Character::SetPDBonus, "PD Bonus"},
                     &CChar_Character::AddPDSource};
const Protection kDR{{&CChar_Character::GetDRBonus, &CChar_Character::SetDRBonus, "DR Bonus"},
                     &CChar_Character::AddDRSource};

void AdjustDefence(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                   const CString& typeTag, const CharacterField& field) {
  if (MatchesRule(record, identifier, typeTag)) AddToField(character, field, amount, record);
}

// The bonus is written before its source is noted.
void AddProtection(CChar_Character& character, const Protection& protection, int32_t amount, const CString& source,
                   const CChar_Ad_Disad& record) {
  RaiseField(character, protection.bonus, amount);
  (character.*protection.addSource)(source);
  LogChange(character, amount, protection.bonus.what, record);
}

void AdjustProtectionAtCost(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                            int requiredCost, int amount, const CString& note, const CString& typeTag,
                            const Protection& protection) {
  if (MatchesRule(record, identifier, typeTag) && CostIs(record, requiredCost)) {
    AddProtection(character, protection, amount, note, record);
  }
}

// The note carries its own sign ("DR+"), so the amount is added in plain decimal form.
void AddProtectionByValue(CChar_Character& character, const CChar_Ad_Disad& record, int divisor,
                          const CString& note, const Protection& protection) {
  const int32_t amount = DividedAmount(record.GetBaseCost(), divisor);
  AddProtection(character, protection, amount, note + LongtoString(amount, 0), record);
}

// Tested in this order: identifier, sub-identifier, sub-book code, category tag.
void AdjustProtectionForOption(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                               int subId, const CString& subBook, const CString& note, const CString& typeTag,
                               const Protection& protection) {
  if (record.GetIdentifier() == identifier && SubEntryIs(record, subId, subBook) && record.GetCategory() == typeTag) {
    AddProtection(character, protection, amount, note, record);
  }
}

}  // namespace

void AdjustDodge(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                 const CString& typeTag) {
  AdjustDefence(character, record, identifier, amount, typeTag, kDodge);
}

void AdjustParry(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                 const CString& typeTag) {
  AdjustDefence(character, record, identifier, amount, typeTag, kParry);
}

void AdjustBlock(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                 const CString& typeTag) {
  AdjustDefence(character, record, identifier, amount, typeTag, kBlock);
}

void AdjustParryAtCost(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                       const CString& typeTag, int requiredCost) {
  if (MatchesRule(record, identifier, typeTag) && CostIs(record, requiredCost)) {
    AddToField(character, kParry, amount, record);
  }
}

void AdjustPDBonusAtCost(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int requiredCost,
                         int amount, const CString& note, const CString& typeTag) {
  AdjustProtectionAtCost(character, record, identifier, requiredCost, amount, note, typeTag, kPD);
}

void AdjustDRBonusAtCost(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int requiredCost,
                         int amount, const CString& note, const CString& typeTag) {
  AdjustProtectionAtCost(character, record, identifier, requiredCost, amount, note, typeTag, kDR);
}

void AdjustPDBonusByValue(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int divisor,
                          const CString& note, const CString& typeTag) {
  if (MatchesRule(record, identifier, typeTag)) AddProtectionByValue(character, record, divisor, note, kPD);
}

void AdjustDRBonusByValue(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int divisor,
                          const CString& note, int subId, const CString& subCategory, const CString& typeTag) {
  if (MatchesRule(record, identifier, typeTag) && record.GetSubIdentifier() == subId &&
      record.GetSubCategory() == subCategory) {
    AddProtectionByValue(character, record, divisor, note, kDR);
  }
}

void AdjustPDBonusForOption(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                            int subId, const CString& subBook, const CString& note, const CString& typeTag) {
  AdjustProtectionForOption(character, record, identifier, amount, subId, subBook, note, typeTag, kPD);
}

void AdjustDRBonusForOption(CChar_Character& character, const CChar_Ad_Disad& record, int identifier, int amount,
                            int subId, const CString& subBook, const CString& note, const CString& typeTag) {
  AdjustProtectionForOption(character, record, identifier, amount, subId, subBook, note, typeTag, kDR);
}

}  // namespace zulparvo
