// CChar_Equipment_Barding: armor made for a mount.
#pragma once

#include <cstdint>

#include "model/equipment_armor.h"

namespace zulparvo {

class CChar_Equipment_Barding : public CChar_Equipment_Armor {
  ZP_DECLARE_SERIAL(CChar_Equipment_Barding)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;
};

}  // namespace zulparvo
