// Skill bonuses that follow the character's IQ, in three bands: below 10 gives 0, 10 or
// 11 gives 1, 12 or more gives 2.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// The band of the character's current IQ added to the skill's bonus; logged from
// "Current Intelligence Level" unless the band is 0.
struct AdjustForIntelligenceLevel {
  static constexpr std::string_view kName = "AdjustForIntelligenceLevel";
  int32_t skill;
};
void Apply(SkillContext& context, const AdjustForIntelligenceLevel& row);

// The IQ changed from oldIQ to newIQ: the IQ-dependent skills of the basic book move by
// the change of band. The character's own IQ is not read.
void UpdateSpecialIQSkills(CChar_Character& character, long oldIQ, long newIQ);

}  // namespace zulparvo
