// CChar_Skill_DefaultLanguage: the language that a character speaks natively.
#pragma once

#include <cstdint>

#include "model/skill_base.h"

namespace zulparvo {

inline constexpr const char* kNativeLanguagePrefix = "Native Language: ";

class CChar_Skill_DefaultLanguage : public CChar_Skill_Base {
  ZP_DECLARE_SERIAL(CChar_Skill_DefaultLanguage)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;
  // "Native Language: " and the language's name.
  CString GetDisplayName() override;

 protected:
  // Languages are rows of the languages table.
  ReferenceTable GetReferenceTable() const override;
};

}  // namespace zulparvo
