#include "frame/entry_points.h"

#include <cstdio>
#include <exception>

#include "adjusters/iq_adjusters.h"
#include "frame/dispatch.h"
#include "model/type_tags.h"

using zulparvo::CChar_Ad_Disad;
using zulparvo::CChar_Character;
using zulparvo::CChar_Skill_Base;
using zulparvo::CObject;
using zulparvo::CString;
using zulparvo::DynamicDownCast;

namespace {

// Runs the calculation; an exception (only running out of memory can raise one) must
// not cross into the host, so it ends as the failure result 0.
template <class Calculation>
int Guarded(const char* entryPoint, Calculation&& calculation) noexcept {
  try {
    return calculation();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zulparvo: %s failed: %s\n", entryPoint, error.what());
  } catch (...) {
    std::fprintf(stderr, "zulparvo: %s failed\n", entryPoint);
  }
  return 0;
}

}  // namespace

extern "C" {

int speccalc_DoSpecialCalcAdProc(CObject* characterObject, CObject* recordObject, int apply, bool keepRecords) {
  if (apply == 0) return 1;
  // Objects of other classes than these are left alone, as records outside the tables.
  auto* character = DynamicDownCast<CChar_Character>(characterObject);
  auto* record = DynamicDownCast<CChar_Ad_Disad>(recordObject);
  if (character == nullptr || record == nullptr) return 1;
  return Guarded("speccalc_DoSpecialCalcAdProc", [&] {
    const CString& category = record->GetCategory();
    if (category == zulparvo::kCategoryAdvantage || category == zulparvo::kCategoryRacialAdvantage) {
      return zulparvo::DispatchAdvantage(*character, *record, keepRecords) ? 1 : 0;
    }
    if (category == zulparvo::kCategoryDisadvantage || category == zulparvo::kCategoryRacialDisadvantage) {
      return zulparvo::DispatchDisadvantage(*character, *record, keepRecords) ? 1 : 0;
    }
    return 1;
  });
}

int speccalc_DoSpecialCalcSkillProc(CObject* characterObject, CObject* recordObject, int apply) {
  if (apply == 0) return 1;
  auto* character = DynamicDownCast<CChar_Character>(characterObject);
  auto* skill = DynamicDownCast<CChar_Skill_Base>(recordObject);
  if (character == nullptr || skill == nullptr) return 1;
  return Guarded("speccalc_DoSpecialCalcSkillProc", [&] {
    const CString tag = skill->GetType();
    if (tag == zulparvo::kTagSkill || tag == zulparvo::kTagDefaultLanguage || tag == zulparvo::kTagDefaultSkill) {
      return zulparvo::DispatchSkill(*character, *skill) ? 1 : 0;
    }
    if (tag == zulparvo::kTagSpell) return zulparvo::DispatchSpell(*character, *skill) ? 1 : 0;
    return 1;
  });
}

void speccalc_UpdateSpecialIQSkills(long oldIQ, long newIQ, CObject* characterObject) {
  auto* character = DynamicDownCast<CChar_Character>(characterObject);
  if (character == nullptr) return;
  Guarded("speccalc_UpdateSpecialIQSkills", [&] {
    zulparvo::UpdateSpecialIQSkills(*character, oldIQ, newIQ);
    return 1;
  });
}
}
