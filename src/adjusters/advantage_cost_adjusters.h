// Adjusters that change advantages rather than characteristics: the level of the
// advantage at hand, and the cost of other advantages on the character, whose change
// moves between the character's points spent and points available.
#pragma once

#include "adjusters/adjuster_framework.h"

namespace zulparvo {

// The record gains levels when the character has the target; logged under the
// record's shown name (with its new level) and the target's.
struct AdjustAdvantageLevel {
  static constexpr std::string_view kName = "AdjustAdvantageLevel";
  ForRecord record;
  AdvantageRef target;
  int32_t levels;
};
void Apply(AdvantageContext& context, const AdjustAdvantageLevel& row);

// When the record's cost (without its extra cost) is at least `cost`, every entry that
// is the target gets costDelta added to its extra cost; perStep adds costDelta for every
// whole `cost` of the record's cost instead.
//
// A target's total cost moves by the delta but not past 0: not below 0 when the record
// is an advantage ("AD", "RACAD"), not above 0 when it is not; a cost already on the far
// side of 0 is not pushed further. The change of the target's total cost is charged as
// adding a record charges its cost: points spent grow by it and points available shrink
// by it. No message.
struct AdjustAdvantageCost {
  static constexpr std::string_view kName = "AdjustAdvantageCost";
  ForRecord record;
  double cost;
  AdvantageRef target;
  double costDelta;
  bool perStep = false;
};
void Apply(AdvantageContext& context, const AdjustAdvantageCost& row);

}  // namespace zulparvo
