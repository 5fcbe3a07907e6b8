// CChar_Skill_Default: a skill used at default, from an attribute or from another skill.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "model/skill_base.h"

namespace zulparvo {

class CChar_Skill_Default : public CChar_Skill_Base {
  ZP_DECLARE_SERIAL(CChar_Skill_Default)

 public:
  static constexpr int32_t kClassVersion = 2;
  // The default source identifier of a default on an attribute.
  static constexpr int32_t kAttributeSource = -1;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // The level that the default points give, less the default modifier (or the attribute
  // itself for a default on one), plus the steps of the record's own points.
  void ComputeLevel(int mode, int st, int dx, int iq, int ht) override;
  // Level, bonus and default modifier.
  int GetTotalLevel() const override;

  int32_t GetDefaultSourceIdentifier() const { return m_defaultSourceIdentifier; }
  void SetDefaultSourceIdentifier(int32_t identifier) { m_defaultSourceIdentifier = identifier; }
  // An attribute name ("DX", "ST", "IQ", "HT") or the name of a skill.
  const CString& GetDefaultSource() const { return m_defaultSource; }
  void SetDefaultSource(CString source) { m_defaultSource = std::move(source); }
  int32_t GetDefaultModifier() const { return m_defaultModifier; }
  void SetDefaultModifier(int32_t modifier) { m_defaultModifier = modifier; }
  double GetDefaultPoints() const { return m_defaultPoints; }
  void SetDefaultPoints(double points) { m_defaultPoints = points; }
  const CString& GetDefaultText1() const { return m_defaultText1; }
  void SetDefaultText1(CString text) { m_defaultText1 = std::move(text); }
  const CString& GetDefaultText2() const { return m_defaultText2; }
  void SetDefaultText2(CString text) { m_defaultText2 = std::move(text); }
  int32_t GetInteger2() const { return m_integer2; }
  void SetInteger2(int32_t value) { m_integer2 = value; }
  const CString& GetText3() const { return m_text3; }
  void SetText3(CString text) { m_text3 = std::move(text); }
  const CString& GetText4() const { return m_text4; }
  void SetText4(CString text) { m_text4 = std::move(text); }

 protected:
  // The value of the attribute that the default is on, when it is on one.
  std::optional<int> DefaultAttribute(int st, int dx, int iq, int ht) const;

 private:
  int32_t m_defaultSourceIdentifier = 0;
  CString m_defaultSource;
  int32_t m_defaultModifier = 0;
  double m_defaultPoints = 0.0;
  CString m_defaultText1;
  CString m_defaultText2;
  // Held from class version 2 on.
  int32_t m_integer2 = 0;
  CString m_text3;
  CString m_text4;
};

}  // namespace zulparvo
