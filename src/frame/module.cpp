#include "frame/module.h"

#include <atomic>

#include "frame/entry_points.h"
#include "model/character.h"
#include "model/martial_arts_style.h"

namespace zulparvo {

namespace {

std::atomic<int> g_specialCalculationSwitch{1};

// A style's entry goes through the skill entry point, as the host's own records do.
[[maybe_unused]] const bool g_styleCalculationInstalled = [] {
  SetStyleEntryCalculation([](CChar_Character& character, CChar_Skill_Base& entry) {
    speccalc_DoSpecialCalcSkillProc(&character, &entry, GetSpecialCalculationSwitch());
  });
  return true;
}();

}  // namespace

int GetSpecialCalculationSwitch() { return g_specialCalculationSwitch.load(); }

void SetSpecialCalculationSwitch(int apply) { g_specialCalculationSwitch.store(apply); }

}  // namespace zulparvo
