// Skill bonuses that follow the character's IQ, in three bands: below 10 gives 0, 10 or
// 11 gives 1, 12 or more gives 2.
#pragma once

#include "model/character.h"
#include "model/skill_base.h"

namespace zulparvo {

// The band of the character's current IQ added to the skill's bonus, when the skill
// has the identifier.
void AdjustForIntelligenceLevel(CChar_Character& character, CChar_Skill_Base& skill, int identifier);

// The IQ changed from oldIQ to newIQ: the IQ-dependent skills of the basic book move by
// the change of band. The character's own IQ is not read.
void UpdateSpecialIQSkills(CChar_Character& character, long oldIQ, long newIQ);

}  // namespace zulparvo
