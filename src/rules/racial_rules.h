// Rules of the racial book with an algorithm of their own: the racial attribute
// modifiers, size and fixed strength, the racial talent package, and the racial modifier
// of one chosen skill.
//
// Most of them read "the number in parentheses" of the record's description: the text
// between its first "(" and its first ")", read as a whole number (0 when there is
// none). A racial disadvantage states a negative number there.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

inline constexpr CharacterField kStrength{&CChar_Character::GetSTBonus, &CChar_Character::SetSTBonus, "Strength"};
inline constexpr CharacterField kIntelligence{&CChar_Character::GetIQBonus, &CChar_Character::SetIQBonus,
                                              "Intelligence"};
inline constexpr CharacterField kDexterity{&CChar_Character::GetDXBonus, &CChar_Character::SetDXBonus, "Dexterity"};
inline constexpr CharacterField kHealth{&CChar_Character::GetHTBonus, &CChar_Character::SetHTBonus, "Health"};

// A racial advantage or disadvantage that moves one attribute bonus by the number in
// its description's parentheses; logged under the field's name.
struct ApplyRacialAttribute {
  static constexpr std::string_view kName = "ApplyRacialAttribute";
  ForRecord record;
  CharacterField field;
};
void Apply(AdvantageContext& context, const ApplyRacialAttribute& row);

// ApplyRacialAttribute for strength: the number is multiplied by the character's size
// (see ScaleStrengthBySize), and a character with a secondary strength gets the same
// change there.
void ApplyRacialStrength(AdvantageContext& context, const ForRecord& rule);

// For a racial size advantage, k size steps (one per 50 or 30 whole points of its cost
// plus extra cost): ST bonus = ST bonus × (k + 1) + 10 × k. Not logged.
void ScaleStrengthBySize(AdvantageContext& context);

// A strength fixed by the race, "(14)" or "(14/16)" in the description (ST and secondary
// strength): each bonus += its value - 10, and a secondary strength sets the character's
// flag. A description ending in "-F" or "-S" sets the strength kind to 1 or 2. Not logged.
void ApplyFixedStrength(AdvantageContext& context, const ForRecord& rule);

// The racial talent package: +1 to eighteen basic-book skills, and the basic-book
// talents 11 and 22 one and two levels higher, each one's rules run again at the new
// level (through DispatchAdvantage). A talent the character lacks is added at that level
// and its rules run, unless records are kept.
void ApplyRacialTalentPackage(AdvantageContext& context);

// The number in parentheses to every skill whose identifier is the record's integer key
// and whose book is its text key; logged per skill.
void ApplyRacialSelectedSkillModifier(AdvantageContext& context, const ForRecord& rule);

}  // namespace zulparvo
