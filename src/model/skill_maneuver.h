// CChar_Skill_Maneuver: a combat maneuver, learned on top of the skill it defaults to.
#pragma once

#include <cstdint>

#include "model/skill_default.h"

namespace zulparvo {

class CChar_Skill_Maneuver : public CChar_Skill_Default {
  ZP_DECLARE_SERIAL(CChar_Skill_Maneuver)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // The level that the points and default points together give becomes the bonus; the
  // level is then the attribute for a default on one, else that same level.
  void ComputeLevel(int mode, int st, int dx, int iq, int ht) override;

  int32_t GetInteger3() const { return m_integer3; }
  void SetInteger3(int32_t value) { m_integer3 = value; }

 protected:
  // Maneuvers are rows of the maneuvers table.
  ReferenceTable GetReferenceTable() const override;

 private:
  int32_t m_integer3 = 0;
};

}  // namespace zulparvo
