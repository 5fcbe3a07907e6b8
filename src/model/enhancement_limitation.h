// CChar_Enhancement_Limitation: a modifier attached to an advantage or disadvantage,
// either a percentage of its cost or, for kind 2, a number of points.
#pragma once

#include <cstdint>

#include "model/base_object.h"

namespace zulparvo {

class CChar_Enhancement_Limitation : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Enhancement_Limitation)

 public:
  // The kind of a modifier whose value is a number of points rather than a percentage.
  static constexpr int32_t kFlatPoints = 2;

  CChar_Enhancement_Limitation() = default;
  CChar_Enhancement_Limitation(int32_t identifier, double value, CString description, CString category,
                               CString bookCode, int32_t kind = 0);

  void VisitFields(CFieldVisitor& visitor) override;

  // "ENH" for a value of 0 or more, "LIM" for a negative one.
  CString GetType() const override;
  // The description, or the reference name when the description is empty; cached.
  virtual CString GetDisplayName() const;
  CString LookupName() const;

  int32_t GetIdentifier() const { return m_identifier; }
  double GetValue() const { return m_value; }
  int32_t GetKind() const { return m_kind; }
  bool IsFlatPoints() const { return m_kind == kFlatPoints; }
  const CString& GetDescription() const { return m_description; }
  const CString& GetCategory() const { return m_category; }
  const CString& GetBookCode() const { return m_bookCode; }
  int32_t GetSubIdentifier() const { return m_subIdentifier; }
  const CString& GetSubCategory() const { return m_subCategory; }
  const CString& GetSubBookCode() const { return m_subBookCode; }
  // The second reference entry; a sub-identifier of 0 means none.
  void SetSubEntry(int32_t subIdentifier, CString subCategory, CString subBookCode);

 private:
  int32_t m_identifier = 0;
  double m_value = 0.0;
  CString m_description;
  CString m_category;
  CString m_bookCode;
  int32_t m_subIdentifier = 0;
  CString m_subCategory;
  CString m_subBookCode;
  int32_t m_kind = 0;

  mutable CString m_displayName;  // transient
};

}  // namespace zulparvo
