// Adjusters of the passive-defence (PD) and damage-resistance (DR) bonuses, which also
// note where the bonus comes from in the character's list of PD or DR sources. (The
// active defences are whole-number fields: AdjustField with kDodge, kParry, kBlock.)
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// A protection bonus and the list that names its sources.
struct Protection {
  CharacterField bonus;
  bool (CChar_Character::*addSource)(const CString&);
};
inline constexpr Protection kPD{{&CChar_Character::GetPDBonus, &CChar_Character::SetPDBonus, "PD Bonus"},
                                &CChar_Character::AddPDSource};
inline constexpr Protection kDR{{&CChar_Character::GetDRBonus, &CChar_Character::SetDRBonus, "DR Bonus"},
                                &CChar_Character::AddDRSource};

// The bonus += amount, then the note goes to the sources; logged as "PD Bonus" or
// "DR Bonus".
struct AdjustProtection {
  static constexpr std::string_view kName = "AdjustProtection";
  ForRecord record;
  Protection protection;
  int32_t amount;
  std::string_view note;
};
void Apply(AdvantageContext& context, const AdjustProtection& row);

// As AdjustProtection with amount = truncate(base cost / divisor), and the note followed
// by the amount.
struct AdjustProtectionByValue {
  static constexpr std::string_view kName = "AdjustProtectionByValue";
  ForRecord record;
  Protection protection;
  int32_t divisor;
  std::string_view note;
};
void Apply(AdvantageContext& context, const AdjustProtectionByValue& row);

}  // namespace zulparvo
