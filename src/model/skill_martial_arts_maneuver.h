// CChar_Skill_MartialArtsManeuver: a maneuver filed in a martial-arts style.
#pragma once

#include <cstdint>
#include <utility>

#include "model/skill_maneuver.h"

namespace zulparvo {

class CChar_Skill_MartialArtsManeuver : public CChar_Skill_Maneuver {
  ZP_DECLARE_SERIAL(CChar_Skill_MartialArtsManeuver)

 public:
  static constexpr int32_t kClassVersion = 1;

  CChar_Skill_MartialArtsManeuver() = default;
  // The style's copy of a maneuver; the style name starts empty.
  explicit CChar_Skill_MartialArtsManeuver(const CChar_Skill_Maneuver& maneuver) : CChar_Skill_Maneuver(maneuver) {}

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;

  // The name of the style that the maneuver belongs to.
  const CString& GetStyleName() const { return m_styleName; }
  void SetStyleName(CString name) { m_styleName = std::move(name); }

 private:
  CString m_styleName;
};

}  // namespace zulparvo
