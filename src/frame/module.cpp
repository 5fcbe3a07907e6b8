#include "frame/module.h"

#include <atomic>
#include <utility>

#include "frame/entry_points.h"
#include "model/character.h"
#include "model/martial_arts_style.h"

namespace zulparvo {

namespace {

std::atomic<int> g_specialCalculationSwitch{1};
thread_local const CSpecialCalculationSwitchScope* t_switchScope = nullptr;

// A style's entry goes through the skill entry point, as the host's own records do.
[[maybe_unused]] const bool g_styleCalculationInstalled = [] {
  SetStyleEntryCalculation([](CChar_Character& character, CChar_Skill_Base& entry) {
    speccalc_DoSpecialCalcSkillProc(&character, &entry, GetSpecialCalculationSwitch());
  });
  return true;
}();

}  // namespace

CSpecialCalculationSwitchScope::CSpecialCalculationSwitchScope(int apply)
    : m_outer(std::exchange(t_switchScope, this)), m_apply(apply) {}

CSpecialCalculationSwitchScope::~CSpecialCalculationSwitchScope() { t_switchScope = m_outer; }

int GetSpecialCalculationSwitch() {
  return t_switchScope != nullptr ? t_switchScope->m_apply : g_specialCalculationSwitch.load();
}

void SetSpecialCalculationSwitch(int apply) { g_specialCalculationSwitch.store(apply); }

}  // namespace zulparvo
