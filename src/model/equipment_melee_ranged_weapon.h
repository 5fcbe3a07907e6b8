// CChar_Equipment_MeleeRangedWeapon: a ranged weapon that also serves in close combat
// (a spear, a throwing axe). Two of them are the same weapon by IsSameWeapon.
#pragma once

#include <cstdint>

#include "model/equipment_ranged_weapon.h"

namespace zulparvo {

class CChar_Equipment_MeleeRangedWeapon : public CChar_Equipment_RangedWeapon {
  ZP_DECLARE_SERIAL(CChar_Equipment_MeleeRangedWeapon)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;
};

}  // namespace zulparvo
