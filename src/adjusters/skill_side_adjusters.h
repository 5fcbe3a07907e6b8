// Skill-side adjusters: the record at hand is a skill or spell, and the character's
// advantage or disadvantage lists are searched for the advantage that changes its bonus.
// Where they log, a message names the amount, the skill's shown name and the shown name
// of the advantage that caused it; the adjusters without a character never log.
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

}  // namespace zulparvo
