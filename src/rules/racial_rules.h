// Rules of the racial book with an algorithm of their own: the racial attribute
// modifiers, size and fixed strength, the racial talent package, and the racial modifier
// of one chosen skill.
//
// Most of them read "the number in parentheses" of the record's description: the text
// between its first "(" and its first ")", read as a whole number (0 when there is
// none). A racial disadvantage states a negative number there.
#pragma once

#include "model/ad_disad.h"
#include "model/character.h"

namespace zulparvo {

// With sign "-" for the racial disadvantage ("RACDISAD") of the attribute, with any
// other sign for its racial advantage ("RACAD"): the attribute bonus += the number in
// parentheses; logged as "Strength", "Intelligence", "Dexterity" or "Health".
// Strength is multiplied by the character's size (see ScaleStrengthBySize), and a
// character with a secondary strength gets the same change there.
void ApplyRacialStrength(CChar_Character& character, const CChar_Ad_Disad& record, const CString& sign);
void ApplyRacialIntelligence(CChar_Character& character, const CChar_Ad_Disad& record, const CString& sign);
void ApplyRacialDexterity(CChar_Character& character, const CChar_Ad_Disad& record, const CString& sign);
void ApplyRacialHealth(CChar_Character& character, const CChar_Ad_Disad& record, const CString& sign);

// For a racial size advantage, k size steps (one per 50 or 30 whole points of its cost
// plus extra cost): ST bonus = ST bonus × (k + 1) + 10 × k. Not logged.
void ScaleStrengthBySize(CChar_Character& character, const CChar_Ad_Disad& record);

// A strength fixed by the race, "(14)" or "(14/16)" in the description (ST and secondary
// strength): each bonus += its value - 10, and a secondary strength sets the character's
// flag. A description ending in "-F" or "-S" sets the strength kind to 1 or 2. Not logged.
void ApplyFixedStrength(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                        const CString& typeTag);

// The racial talent package: +1 to eighteen basic-book skills, and the basic-book
// talents 11 and 22 one and two levels higher, each one's rules run again at the new
// level (through DispatchAdvantage). A talent the character lacks is added at that level
// and its rules run, unless keepRecords is set.
void ApplyRacialTalentPackage(CChar_Character& character, const CChar_Ad_Disad& record, bool keepRecords);

// The number in parentheses to every skill whose identifier is the record's integer key
// and whose book is its text key; logged per skill.
void ApplyRacialSelectedSkillModifier(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                      const CString& typeTag);

}  // namespace zulparvo
