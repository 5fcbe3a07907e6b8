// CChar_Skill_MartialArtsSkill: a skill filed in a martial-arts style.
#pragma once

#include <cstdint>
#include <utility>

#include "model/skill_base.h"

namespace zulparvo {

class CChar_Skill_MartialArtsSkill : public CChar_Skill_Base {
  ZP_DECLARE_SERIAL(CChar_Skill_MartialArtsSkill)

 public:
  static constexpr int32_t kClassVersion = 1;

  CChar_Skill_MartialArtsSkill() = default;
  // The style's copy of a skill (its skill-record fields); the style name starts empty.
  explicit CChar_Skill_MartialArtsSkill(const CChar_Skill_Base& skill) : CChar_Skill_Base(skill) {}

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;

  // The name of the style that the skill belongs to.
  const CString& GetStyleName() const { return m_styleName; }
  void SetStyleName(CString name) { m_styleName = std::move(name); }

 private:
  CString m_styleName;
};

}  // namespace zulparvo
