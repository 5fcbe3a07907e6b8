// Adjusters that give an advantage's or disadvantage's bonus (or penalty) to skills on
// the character's skill list: to one skill, to one subject of a skill, or to every
// skill of some groups.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// bonus to every skill of the book with the identifier.
void AdjustSkillBonus(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                      const CString& skillBook, int skillId, int bonus, const CString& typeTag);

// bonus to the skills of the book with the identifier whose stored name is skillName.
void AdjustSkillBonusBySubject(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                               const CString& skillBook, int skillId, int bonus, const CString& skillName,
                               const CString& typeTag);

// The record's description bonus plus its level to the skills of the book ("ALL": any)
// with the identifier (-1: any); the change is logged per skill, except for skillId -1.
void AdjustSkillBonusFromDescription(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                     const CString& skillBook, int skillId, const CString& typeTag);

// bonus to every skill whose groups share a bit with flagMask.
void AdjustSkillBonusByFlag(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                            const CString& typeTag, int flagMask, int bonus);

// As AdjustSkillBonus, unless advantageList holds an entry of advBook, advId and
// advTypeTag.
void AdjustSkillBonusUnlessAdvantage(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                                     const CString& typeTag, int skillId, const CString& skillBook, int bonus,
                                     AdvantageList& advantageList, int advId, const CString& advBook,
                                     const CString& advTypeTag);

// The record's number of levels (base cost / cost per level), negative for a negative
// cost per level, to every skill whose groups share a bit with the record's colleges.
void AdjustSkillsPerLevel(CChar_Character& character, const CChar_Ad_Disad& record, int identifier,
                          const CString& typeTag);

}  // namespace zulparvo
