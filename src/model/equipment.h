// CChar_Equipment: the older, untyped equipment record, kept with its own layout and
// text version. It has no class tag; the character's lists hold the typed family.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/object.h"

namespace zulparvo {

class CChar_Equipment : public CObject {
  ZP_DECLARE_SERIAL(CChar_Equipment)

 public:
  void VisitFields(CFieldVisitor& visitor) override;

  // The name (or the reference data's name) with quality, PD, DR, accuracy and
  // puissance bonus and weight reduction. The name part is cached.
  CString GetDisplayName() const;
  // The name in the reference data, by identifier and category. Returns "" until a
  // reference database is available.
  CString LookupName() const;

  int32_t GetIdentifier() const { return m_identifier; }
  void SetIdentifier(int32_t identifier) { m_identifier = identifier; }
  int32_t GetInteger1() const { return m_integer1; }
  void SetInteger1(int32_t value) { m_integer1 = value; }
  int32_t GetInteger2() const { return m_integer2; }
  void SetInteger2(int32_t value) { m_integer2 = value; }
  double GetWeight() const { return m_weight; }
  void SetWeight(double weight) { m_weight = weight; }
  const CString& GetName() const { return m_name; }
  // A new name also clears the cached shown name.
  void SetName(CString name);
  int32_t GetCategoryNumber() const { return m_categoryNumber; }
  void SetCategoryNumber(int32_t number) { m_categoryNumber = number; }
  const CString& GetCategory() const { return m_category; }
  void SetCategory(CString category) { m_category = std::move(category); }
  const CString& GetText1() const { return m_text1; }
  void SetText1(CString text) { m_text1 = std::move(text); }
  int32_t GetInteger3() const { return m_integer3; }
  void SetInteger3(int32_t value) { m_integer3 = value; }
  int32_t GetInteger4() const { return m_integer4; }
  void SetInteger4(int32_t value) { m_integer4 = value; }
  const CString& GetText2() const { return m_text2; }
  void SetText2(CString text) { m_text2 = std::move(text); }
  const CString& GetText3() const { return m_text3; }
  void SetText3(CString text) { m_text3 = std::move(text); }
  int32_t GetPuissanceBonus() const { return m_puissanceBonus; }
  void SetPuissanceBonus(int32_t bonus) { m_puissanceBonus = bonus; }
  int32_t GetAccuracyBonus() const { return m_accuracyBonus; }
  void SetAccuracyBonus(int32_t bonus) { m_accuracyBonus = bonus; }
  // A fraction of the weight.
  double GetWeightReduction() const { return m_weightReduction; }
  void SetWeightReduction(double reduction) { m_weightReduction = reduction; }
  int32_t GetPDBonus() const { return m_pdBonus; }
  void SetPDBonus(int32_t bonus) { m_pdBonus = bonus; }
  int32_t GetDRBonus() const { return m_drBonus; }
  void SetDRBonus(int32_t bonus) { m_drBonus = bonus; }
  int32_t GetQuality() const { return m_quality; }
  void SetQuality(int32_t quality) { m_quality = quality; }
  int32_t GetInteger5() const { return m_integer5; }
  void SetInteger5(int32_t value) { m_integer5 = value; }

 private:
  int32_t m_identifier = 0;
  int32_t m_integer1 = 0;
  int32_t m_integer2 = 0;
  double m_weight = 0.0;
  CString m_name;
  int32_t m_categoryNumber = 0;
  CString m_category;
  CString m_text1;
  int32_t m_integer3 = 0;
  // Since version "1.1".
  int32_t m_integer4 = 0;
  CString m_text2;
  CString m_text3;
  // Since "1.2".
  int32_t m_puissanceBonus = 0;
  int32_t m_accuracyBonus = 0;
  double m_weightReduction = 0.0;
  int32_t m_pdBonus = 0;
  int32_t m_drBonus = 0;
  int32_t m_quality = 0;
  // Since "1.3".
  int32_t m_integer5 = 0;

  mutable CString m_displayName;  // transient
};

}  // namespace zulparvo
