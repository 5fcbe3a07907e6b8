// The damage that a creature does, as dice texts worked out from its strength (ST).
//
// A dice text is the number of six-sided dice, "d" and an optional signed adds part:
// "2d", "1d+2", "3d-1". The text "0" means no damage.
#pragma once

#include "platform/object.h"

namespace zulparvo {

// Thrust damage by ST. ST of 0 or below does no damage: "0".
CString ThrustDamageText(int st);
// Swing damage by ST. ST of 0 or below does no damage: "0".
CString SwingDamageText(int st);
// The damage that grows one step for every five ST. ST of 0 or below gives "0".
CString StepFiveDamageText(int st);

// The dice of an attack such as "thr", "sw+2" or "thr-1": the thrust or swing dice,
// plus the attack's own adds and the modifier, with every `step` adds turned into one
// more die (negative adds stay as they are). Empty when the attack is neither thrust
// nor swing or its dice text holds no "d". A step of 0 or below turns no adds into dice.
CString AdjustDamageText(const CString& attack, const CString& swingText, const CString& thrustText, int modifier,
                         int step);

}  // namespace zulparvo
