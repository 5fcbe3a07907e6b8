// Skill-side adjusters: the record at hand is a skill or spell, and the character's
// advantage or disadvantage lists are searched for the advantage that changes its bonus.
// Every search takes the first entry with the rule's book, identifier and category tag
// (and the further keys that the adjuster names) unless said otherwise.
//
// Where they log, a message names the amount, the skill's shown name and the shown name
// of the advantage that caused it; the adjusters without a character never log. Skill
// identifier -1, where an adjuster takes it, selects every skill.
#pragma once

#include "adjusters/adjuster_framework.h"
#include "model/character.h"
#include "model/skill_base.h"

namespace zulparvo {

// --- every skill and spell ---

// The first racial skill modifier (advantage 95 of the racial book, "RACAD") whose
// integer key and text key name this skill adds the number between the first "(" and
// the first ")" of its description; logged with the source "Skill Modifier: " and the
// advantage's shown name.
void ApplyRacialSkillModifier(CChar_Character& character, CChar_Skill_Base& skill);

// Every entry of the list with the book, identifier and tag whose colleges share a bit
// with the skill's groups adds its number of levels (negated for a negative cost per
// level); one message per entry.
void AdjustSkillPerAdvantageLevel(CChar_Character& character, CChar_Skill_Base& skill, AdvantageList& list,
                                  int advId, const CString& advTypeTag, const CString& advBook);

// The mental mode 1 or 2 adds 1 or 2 to the spell's bonus; no message. The skill form
// does the same for skill 130 only.
void ApplySpellBonusSetting(CChar_Character& character, CChar_Skill_Base& spell);
void ApplySkillBonusSetting(CChar_Character& character, CChar_Skill_Base& skill);

// --- a skill's bonus from an advantage ---

// bonus when the character has the advantage; logged.
void AdjustSkillIfAdvantage(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill, int identifier,
                            const CString& advBook, int advId, int bonus, const CString& advTypeTag);

// The description bonus plus level of the advantage (searched in the character's
// advantage list); logged unless identifier is -1.
void AdjustSkillFromAdvantageDescription(CChar_Character& character, CChar_Skill_Base& skill, int identifier,
                                         const CString& advBook, int advId, const CString& advTypeTag);

// bonus when the advantage has the total cost; identifier -2 selects the skills whose
// groups are exactly the force-skill group. Logged unless identifier is -1 or -2.
void AdjustSkillIfAdvantageAtCost(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill,
                                  int identifier, const CString& advBook, int advId, double requiredCost, int bonus,
                                  const CString& advTypeTag);

// bonus when the advantage has the total cost and the sub-entry; logged when logIt.
void AdjustSkillIfAdvantageOption(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill,
                                  int identifier, const CString& advBook, int advId, double requiredCost, int bonus,
                                  int subId, const CString& subBook, const CString& advTypeTag, bool logIt);

// truncate(base cost / divisor) of the advantage, whose book may be "ALL"; logged.
void AdjustSkillByAdvantageValue(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& skill,
                                 int identifier, const CString& advBook, int advId, double divisor,
                                 const CString& advTypeTag);

// bonus for a skill whose integer 1 and text 2 are the required values, when the
// character has the advantage; no message.
void AdjustSkillIfAdvantageLevel(AdvantageList& list, CChar_Skill_Base& skill, int identifier, int requiredInteger,
                                 const CString& requiredText, const CString& advBook, int advId, int bonus,
                                 const CString& advTypeTag);

// bonus, once, when the first list has the first advantage, or else the second list the
// second; logged under the entry found.
void AdjustSkillIfEitherAdvantage(CChar_Character& character, CChar_Skill_Base& skill, int identifier,
                                  AdvantageList& list1, int advId1, const CString& advBook1,
                                  const CString& advTypeTag1, AdvantageList& list2, int advId2,
                                  const CString& advBook2, const CString& advTypeTag2, int bonus);

// An attribute below the minimum lowers the skill's bonus by the shortfall; logged with
// the source text.
void CapSkillLevel(CChar_Character& character, CChar_Skill_Base& skill, int identifier, int attributeValue,
                   int minimum, const CString& sourceText);

// --- a spell's bonus from a magic advantage (no messages unless logIt) ---

// bonus + ElementalSpellModifier(spell, element).
void AdjustSkillElemental(AdvantageList& list, CChar_Skill_Base& spell, const CString& advBook, int advId,
                          double requiredCost, int bonus, int subId, const CString& subBook,
                          const CString& advTypeTag, int element);

// bonus when the spell's colleges share a bit with the advantage's; otherwise the
// spell's bonus and level are set to 0. The first entry with the keys decides; when it
// is not a college-limited record its colleges are unknown and the spell is left alone.
void AdjustSkillClearing(AdvantageList& list, CChar_Skill_Base& spell, const CString& advBook, int advId,
                         double requiredCost, int bonus, int subId, const CString& subBook,
                         const CString& advTypeTag);

// bonus + truncate((base cost - base) / step), whatever the advantage's total cost.
void AdjustSkillFromAdvantageValueStep(CChar_Character& character, AdvantageList& list, CChar_Skill_Base& spell,
                                       int identifier, const CString& advBook, int advId, double base, int step,
                                       int bonus, int subId, const CString& subBook, const CString& advTypeTag,
                                       bool logIt);

// bonus, once, for a spell whose college text holds collegeText.
void AdjustSkillForColleges(AdvantageList& list, CChar_Skill_Base& spell, int identifier, const CString& advBook,
                            int advId, double requiredCost, int bonus, int subId, const CString& subBook,
                            const CString& collegeText, const CString& advTypeTag);

// The magic-aptitude level (0 to 8) of the last magic advantage in the list that has
// one, by its book, sub-entry and total cost; no message.
void ApplyMagicAptitudeTable(AdvantageList& list, CChar_Skill_Base& skill, int identifier);

}  // namespace zulparvo
