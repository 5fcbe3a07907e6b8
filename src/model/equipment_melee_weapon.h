// CChar_Equipment_MeleeWeapon: a weapon for close combat.
#pragma once

#include <cstdint>

#include "model/equipment_standard_weapon.h"

namespace zulparvo {

class CChar_Equipment_MeleeWeapon : public CChar_Equipment_StandardWeapon {
  ZP_DECLARE_SERIAL(CChar_Equipment_MeleeWeapon)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;
};

}  // namespace zulparvo
