// CChar_Equipment_RangedWeapon: a weapon that is thrown or shoots.
#pragma once

#include <cstdint>

#include "model/equipment_standard_weapon.h"

namespace zulparvo {

class CChar_Equipment_RangedWeapon : public CChar_Equipment_StandardWeapon {
  ZP_DECLARE_SERIAL(CChar_Equipment_RangedWeapon)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;
};

}  // namespace zulparvo
