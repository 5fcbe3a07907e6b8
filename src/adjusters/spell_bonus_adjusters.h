// Adjusters that give a magic advantage's or disadvantage's bonus to the spells (and
// force skills) of the list that the rule passes: one spell, every spell, the spells of
// some colleges, or every spell by its element.
//
// Book "ALL" stands for any book and spell identifier -1 for every spell. Where a rule
// changes every spell, one "All Spells" message stands for the whole change.
#pragma once

#include <cstdint>

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// The list that a rule walks: the spell list, or the skill list where a rule reaches
// skills (force skills among them) rather than spells.
using SpellList = CObArray;

// bonus to the chosen spells, when the record's base cost is requiredValue.
void AdjustSpellBonusAtValue(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                             int identifier, const CString& spellBook, int spellId, double requiredValue, int bonus,
                             const CString& typeTag);

// truncate(base cost / divisor) to the chosen spells.
void AdjustSpellBonusByValue(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                             int identifier, const CString& spellBook, int spellId, double divisor,
                             const CString& typeTag);

// bonus to the chosen spells, or with targetId -2 to every force skill of the book, when
// the record has the base cost and sub-entry.
void AdjustSpellOrPowerSkillBonus(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                                  int identifier, const CString& book, int targetId, double requiredValue, int bonus,
                                  int subId, const CString& subBook, const CString& typeTag);

// bonus + truncate((base cost - base) / step) to the chosen spells, when the record has
// the sub-entry; logged per spell, except for spellId -1.
void AdjustSpellBonusFromValueStep(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                                   int identifier, const CString& book, int spellId, double base, int step, int bonus,
                                   int subId, const CString& subBook, const CString& typeTag);

// bonus to the chosen spells whose college text holds collegeText, when the record has
// the base cost and sub-entry.
void AdjustSpellBonusForColleges(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                                 int identifier, const CString& book, int spellId, double requiredValue, int bonus,
                                 int subId, const CString& subBook, const CString& collegeText,
                                 const CString& typeTag);

// bonus + ElementalSpellModifier(spell, element) to every spell, when the record has the
// base cost and sub-entry.
void AdjustElementalSpellBonus(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                               int identifier, double requiredValue, int bonus, int subId, const CString& subBook,
                               const CString& typeTag, int element);

// A magic advantage limited to some colleges, when the record has the base cost and
// sub-entry: bonus to every spell of the record's colleges; every other spell loses its
// bonus and its level.
void AdjustSpellBonusClearing(CChar_Character& character, SpellList& list, const CChar_Ad_Disad& record,
                              int identifier, double requiredValue, int bonus, int subId, const CString& subBook,
                              const CString& typeTag);

// 0, -1 or -2 by the spell's colleges for an element from 1 to 4; 0 for any other
// element and for spells 59 and 61 of the basic book.
int ElementalSpellModifier(const CChar_Skill_Base& spell, int element);

}  // namespace zulparvo
