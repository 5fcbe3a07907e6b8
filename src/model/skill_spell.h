// CChar_Skill_Spell: a spell, with the bit set and the names of its colleges.
#pragma once

#include <cstdint>
#include <utility>

#include "model/skill_base.h"

namespace zulparvo {

class CChar_Skill_Spell : public CChar_Skill_Base {
  ZP_DECLARE_SERIAL(CChar_Skill_Spell)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;

  int32_t GetColleges() const { return m_colleges; }
  void SetColleges(int32_t colleges) { m_colleges = colleges; }
  bool HasCollege(int32_t mask) const { return (m_colleges & mask) != 0; }
  // The college names of the spell's reference row; not stored in character files.
  const CString& GetCollegeText() const { return m_collegeText; }
  void SetCollegeText(CString text) { m_collegeText = std::move(text); }

 protected:
  // Spells are rows of the spells table; the row gives the college text.
  ReferenceTable GetReferenceTable() const override;
  void TakeReferenceRow(const CReferenceRow& row) override;

 private:
  int32_t m_colleges = 0;
  CString m_collegeText;  // transient
};

}  // namespace zulparvo
