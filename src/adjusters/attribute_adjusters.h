// Adjusters of the whole-number fields of the character (hit points, fatigue, the active
// defences, ...) and of its speed and move.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

inline constexpr CharacterField kHitPointBonus{&CChar_Character::GetHitPointBonus,
                                               &CChar_Character::SetHitPointBonus, "Hit Point Bonus"};
inline constexpr CharacterField kFatigueBonus{&CChar_Character::GetFatigueBonus, &CChar_Character::SetFatigueBonus,
                                              "Fatigue Bonus"};
inline constexpr CharacterField kSpellFatigueBonus{&CChar_Character::GetSpellFatigueBonus,
                                                   &CChar_Character::SetSpellFatigueBonus, "Spell Fatigue Bonus"};
inline constexpr CharacterField kDodge{&CChar_Character::GetDodgeBonus, &CChar_Character::SetDodgeBonus, "Dodge"};
inline constexpr CharacterField kParry{&CChar_Character::GetParryBonus, &CChar_Character::SetParryBonus, "Parry"};
inline constexpr CharacterField kBlock{&CChar_Character::GetBlockBonus, &CChar_Character::SetBlockBonus, "Block"};

// The field += amount; logged.
struct AdjustField {
  static constexpr std::string_view kName = "AdjustField";
  ForRecord record;
  CharacterField field;
  int32_t amount;
};
void Apply(AdvantageContext& context, const AdjustField& row);

// The field += the record's description bonus plus its level; logged.
struct AdjustFieldFromDescription {
  static constexpr std::string_view kName = "AdjustFieldFromDescription";
  ForRecord record;
  CharacterField field;
};
void Apply(AdvantageContext& context, const AdjustFieldFromDescription& row);

// Basic speed bonus += amount; logged as "Basic Speed".
struct AdjustBasicSpeed {
  static constexpr std::string_view kName = "AdjustBasicSpeed";
  ForRecord record;
  int32_t amount;
};
void Apply(AdvantageContext& context, const AdjustBasicSpeed& row);

// Move bonus += the record's description bonus plus its level; logged as "Move".
struct AdjustMove {
  static constexpr std::string_view kName = "AdjustMove";
  ForRecord record;
};
void Apply(AdvantageContext& context, const AdjustMove& row);

// Move multiplier *= factor; not logged.
struct ScaleMoveMultiplier {
  static constexpr std::string_view kName = "ScaleMoveMultiplier";
  ForRecord record;
  double factor;
};
void Apply(AdvantageContext& context, const ScaleMoveMultiplier& row);

// Basic speed bonus += whole levels bought (base cost / cost per level) × factorPerLevel;
// not logged.
struct AdjustBasicSpeedPerLevel {
  static constexpr std::string_view kName = "AdjustBasicSpeedPerLevel";
  ForRecord record;
  double factorPerLevel;
};
void Apply(AdvantageContext& context, const AdjustBasicSpeedPerLevel& row);

}  // namespace zulparvo
