// What the library sets up when it is loaded, and the host's switch for special
// calculations.
//
// Every model class joins the class registry by itself when the library is loaded.
// Here the martial-arts styles are given their special calculation: a style that
// recalculates its skills calls the skill entry point for each, with the host's switch.
#pragma once

namespace zulparvo {

// The host's switch for special calculations: on (1) unless the host turns it off.
// Styles pass it as the apply argument of the skill entry point. The switch that
// counts on a thread is that of the innermost CSpecialCalculationSwitchScope on it,
// else the process-wide one that SetSpecialCalculationSwitch sets.
int GetSpecialCalculationSwitch();
void SetSpecialCalculationSwitch(int apply);

// While it lives, the switch of its own thread: a host that works on several characters
// at once, each with a switch of its own, gives each thread its scope.
class CSpecialCalculationSwitchScope {
 public:
  explicit CSpecialCalculationSwitchScope(int apply);
  ~CSpecialCalculationSwitchScope();
  CSpecialCalculationSwitchScope(const CSpecialCalculationSwitchScope&) = delete;
  CSpecialCalculationSwitchScope& operator=(const CSpecialCalculationSwitchScope&) = delete;

 private:
  friend int GetSpecialCalculationSwitch();

  const CSpecialCalculationSwitchScope* m_outer;
  int m_apply;
};

}  // namespace zulparvo
