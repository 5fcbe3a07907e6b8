// The movement disadvantage of the basic book (B05 "DISAD" 42): what it does to the
// character when it is taken, and what it costs a combat or movement skill that is
// calculated while the character has it. Both use the same penalty and the same skills.
#pragma once

#include <cstdint>

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// The skill penalty of the disadvantage's option (its sub-identifier): 3 for option 1,
// 6 for options 2 and 3, 0 for any other.
int32_t MovePenalty(int32_t option);

// The skills that the penalty lowers: those of group "CW-MELEE" or "CW-BLOCK", and the
// B05 skills 3, 41, 47, 135, 148 and 194.
bool IsLoweredByMovePenalty(const CChar_Skill_Base& skill);

// For the record B05 "DISAD" 42 (the table runs it last): option 1 lowers the basic
// speed bonus by 3.0, options 2 and 3 cap the move at 2.0 and 0.0, each logged; then
// every skill on the character that the penalty lowers loses it, logged per skill, also
// when the penalty is 0.
void ApplyMovePenaltyRule(AdvantageContext& context);

// For one skill being calculated: the penalty of the character's first "DISAD" 42 (of
// any book), when the skill is one that it lowers; logged, also when it is 0.
void ApplyDisadvantageOptionPenalty(SkillContext& context);

}  // namespace zulparvo
