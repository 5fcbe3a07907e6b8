// What the library sets up when it is loaded, and the host's switch for special
// calculations.
//
// Every model class joins the class registry by itself when the library is loaded.
// Here the martial-arts styles are given their special calculation: a style that
// recalculates its skills calls the skill entry point for each, with the host's switch.
#pragma once

namespace zulparvo {

// The host's switch for special calculations: on (1) unless the host turns it off.
// Styles pass it as the apply argument of the skill entry point.
int GetSpecialCalculationSwitch();
void SetSpecialCalculationSwitch(int apply);

}  // namespace zulparvo
