// CChar_Equipment_Base: an item that a character carries, and the root of the typed
// equipment family (armor, barding, containers and the four kinds of weapons).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>

#include "model/base_object.h"

namespace zulparvo {

// The quality values of armor, weapons and plain equipment; other values name none.
inline constexpr int32_t kQualityCheap = 1;
inline constexpr int32_t kQualityFine = 2;
inline constexpr int32_t kQualityVeryFine = 3;

// The improvements that an item's shown name lists after its name; an item leaves
// those that it cannot have at 0.
struct EquipmentImprovements {
  int32_t quality = 0;
  int32_t pdBonus = 0;
  int32_t drBonus = 0;
  int32_t accuracyBonus = 0;
  int32_t puissanceBonus = 0;
  double weightReduction = 0.0;  // a fraction of the weight
};

// The name followed, in this order, by ", fine quality" (or cheap, very fine),
// " (+1 pd)", " (+2 dr)", " (+1 acc)", " (+3 puis)" and " (-25.0% wr)" for each
// improvement that is not 0. A negative bonus shows its own sign (" (-1 pd)"), and a
// negative weight reduction shows as " (+10.0% wr)".
CString WithImprovements(CString name, const EquipmentImprovements& improvements);

class CChar_Equipment_Base : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Equipment_Base)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // The name, or the reference data's name when the record has none. Subclasses add
  // their improvements. The name part is cached.
  virtual CString GetDisplayName() const;
  // Identifier, name, text 1, integer 3, text 3 and text 4 all equal.
  virtual bool IsSameItem(const CChar_Equipment_Base& other) const;
  // The weight of one piece as it is carried.
  virtual double GetEffectiveWeight() const;
  // The name in the reference data, by identifier and class tag. Returns "" until a
  // reference database is available.
  CString LookupName() const;

  int32_t GetIdentifier() const { return m_identifier; }
  void SetIdentifier(int32_t identifier) { m_identifier = identifier; }
  int32_t GetQuantity() const { return m_quantity; }
  void SetQuantity(int32_t quantity) { m_quantity = quantity; }
  int32_t GetCarriedQuantity() const { return m_carriedQuantity; }
  void SetCarriedQuantity(int32_t quantity) { m_carriedQuantity = quantity; }
  double GetWeight() const { return m_weight; }
  void SetWeight(double weight) { m_weight = weight; }
  const CString& GetName() const { return m_name; }
  // A new name also clears the cached shown name.
  void SetName(CString name);
  const CString& GetText1() const { return m_text1; }
  void SetText1(CString text) { m_text1 = std::move(text); }
  const CString& GetText2() const { return m_text2; }
  void SetText2(CString text) { m_text2 = std::move(text); }
  // Not 0: the item does not count towards carried weight 2.
  int32_t GetExcludedFlag() const { return m_excludedFlag; }
  void SetExcludedFlag(int32_t flag) { m_excludedFlag = flag; }
  int32_t GetInteger3() const { return m_integer3; }
  void SetInteger3(int32_t value) { m_integer3 = value; }
  const CString& GetText3() const { return m_text3; }
  void SetText3(CString text) { m_text3 = std::move(text); }
  const CString& GetText4() const { return m_text4; }
  void SetText4(CString text) { m_text4 = std::move(text); }

 private:
  int32_t m_identifier = 0;
  int32_t m_quantity = 0;
  int32_t m_carriedQuantity = 0;
  double m_weight = 0.0;
  CString m_name;
  CString m_text1;
  CString m_text2;
  int32_t m_excludedFlag = 0;
  int32_t m_integer3 = 0;
  CString m_text3;
  CString m_text4;

  mutable CString m_displayName;  // transient
};

// A copy of the record: of its own class when its class tag is one of keptTags, else
// a plain item holding the record's base fields.
std::unique_ptr<CObject> CopyEquipment(const CChar_Equipment_Base& record,
                                       std::initializer_list<const char*> keptTags);

}  // namespace zulparvo
