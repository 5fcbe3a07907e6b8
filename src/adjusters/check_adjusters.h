// Adjusters of the character's check modifiers (health, will, fright, ...) and of the
// two reaction modifiers.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

using Check = CChar_Character::Check;

// The check += amount; logged under the check's name ("Health Check", ...).
struct AdjustCheck {
  static constexpr std::string_view kName = "AdjustCheck";
  ForRecord record;
  Check check;
  int32_t amount;
};
void Apply(AdvantageContext& context, const AdjustCheck& row);

// The check += the bonus that the record's description states, without its level.
struct AdjustCheckFromDescription {
  static constexpr std::string_view kName = "AdjustCheckFromDescription";
  ForRecord record;
  Check check;
};
void Apply(AdvantageContext& context, const AdjustCheckFromDescription& row);

// The reaction += amount, then the reaction of the opposite sex += oppositeSex; each
// logged.
struct AdjustReaction {
  static constexpr std::string_view kName = "AdjustReaction";
  ForRecord record;
  int32_t amount;
  int32_t oppositeSex;
};
void Apply(AdvantageContext& context, const AdjustReaction& row);

}  // namespace zulparvo
