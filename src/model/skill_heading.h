// CChar_Skill_Heading: a heading row among the skills of a character.
#pragma once

#include <cstdint>
#include <utility>

#include "model/base_object.h"

namespace zulparvo {

class CChar_Skill_Heading : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Skill_Heading)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;

  const CString& GetHeadingText() const { return m_headingText; }
  void SetHeadingText(CString text) { m_headingText = std::move(text); }
  int32_t GetInteger1() const { return m_integer1; }
  void SetInteger1(int32_t value) { m_integer1 = value; }

 private:
  CString m_headingText;
  int32_t m_integer1 = 0;
};

}  // namespace zulparvo
