// CChar_Skill_Default_DisplayOnly: a default that is shown on the character for
// information only; special calculations pass it by.
#pragma once

#include <cstdint>

#include "model/skill_default.h"

namespace zulparvo {

class CChar_Skill_Default_DisplayOnly : public CChar_Skill_Default {
  ZP_DECLARE_SERIAL(CChar_Skill_Default_DisplayOnly)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;
};

}  // namespace zulparvo
