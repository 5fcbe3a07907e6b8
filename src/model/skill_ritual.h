// CChar_Skill_Ritual: a ritual, whose level is its stored level raised by the steps of
// its points.
#pragma once

#include <cstdint>

#include "model/skill_default.h"

namespace zulparvo {

class CChar_Skill_Ritual : public CChar_Skill_Default {
  ZP_DECLARE_SERIAL(CChar_Skill_Ritual)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;
  // Adds the step count of the points to the stored level; the attributes play no part.
  void ComputeLevel(int mode, int st, int dx, int iq, int ht) override;
};

}  // namespace zulparvo
