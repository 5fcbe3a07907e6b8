// CChar_Ad_Disad_Magery_Colleges: a magic advantage limited to some colleges of spells.
#pragma once

#include <cstdint>

#include "model/ad_disad.h"

namespace zulparvo {

class CChar_Ad_Disad_Magery_Colleges : public CChar_Ad_Disad {
  ZP_DECLARE_SERIAL(CChar_Ad_Disad_Magery_Colleges)

 public:
  CChar_Ad_Disad_Magery_Colleges() = default;

  void VisitFields(CFieldVisitor& visitor) override;
  CString GetType() const override;

  // True when the advantage covers any of the colleges in the mask.
  bool HasCollege(int32_t mask) const { return (m_colleges & mask) != 0; }
  int32_t GetColleges() const { return m_colleges; }
  void SetColleges(int32_t colleges) { m_colleges = colleges; }

 private:
  int32_t m_colleges = 0;  // bit set of spell colleges
};

}  // namespace zulparvo
