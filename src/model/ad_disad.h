// CChar_Ad_Disad: an advantage or disadvantage that a character has, with the
// enhancements and limitations that set its cost.
#pragma once

#include <cstdint>
#include <utility>

#include "model/base_object.h"
#include "model/enhancement_limitation.h"
#include "platform/collections.h"

namespace zulparvo {

class CChar_Ad_Disad : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Ad_Disad)

 public:
  using ModifierList = CTypedObArray<CChar_Enhancement_Limitation>;

  CChar_Ad_Disad() = default;
  // The level is set by the caller afterwards; the cost stays 0.0 until RecomputeCost.
  CChar_Ad_Disad(int32_t identifier, double baseCost, CString description, CString bookCode, int32_t integerKey,
                 CString textKey, CString category);

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // The description (or reference name), with the level added to the bonus in its
  // parentheses when the level is not 0: "Keen Ears (+2)" at level 1 shows
  // "Keen Ears  (+3)". The result is cached.
  virtual CString GetDisplayName() const;
  CString LookupName() const;

  int32_t GetIdentifier() const { return m_identifier; }
  int32_t GetLevel() const { return m_level; }
  // A new level also clears the cached shown name, which depends on it.
  void SetLevel(int32_t level);
  double GetCost() const { return m_cost; }
  double GetBaseCost() const { return m_baseCost; }
  void SetBaseCost(double baseCost) { m_baseCost = baseCost; }
  double GetExtraCost() const { return m_extraCost; }
  void SetExtraCost(double extraCost) { m_extraCost = extraCost; }
  double GetCostPerLevel() const { return m_costPerLevel; }
  void SetCostPerLevel(double costPerLevel) { m_costPerLevel = costPerLevel; }
  // What the character charges or refunds for the record.
  double GetCostWithExtra() const { return m_cost + m_extraCost; }
  // The whole number of levels that the base cost buys; 0 without a cost per level.
  int32_t GetLevelsFromCost() const;

  const CString& GetDescription() const { return m_description; }
  const CString& GetBookCode() const { return m_bookCode; }
  const CString& GetCategory() const { return m_category; }
  void SetCategory(CString category) { m_category = std::move(category); }
  int32_t GetIntegerKey() const { return m_integerKey; }
  const CString& GetTextKey() const { return m_textKey; }
  int32_t GetInteger1() const { return m_integer1; }

  int32_t GetSubIdentifier() const { return m_subIdentifier; }
  const CString& GetSubCategory() const { return m_subCategory; }
  const CString& GetSubBookCode() const { return m_subBookCode; }
  // The second reference entry; a sub-identifier of 0 means none.
  void SetSubEntry(int32_t subIdentifier, CString subCategory, CString subBookCode);

  const ModifierList& GetEnhancements() const { return m_enhancements; }
  const ModifierList& GetLimitations() const { return m_limitations; }
  // Append a copy of the modifier; the cost changes only with RecomputeCost.
  void AddEnhancement(const CChar_Enhancement_Limitation& modifier);
  void AddLimitation(const CChar_Enhancement_Limitation& modifier);

  // cost = base cost + the points of kind-2 modifiers, then the sum of all percentages
  // (at least -75) of that, rounded up in magnitude to half a point, is added.
  void RecomputeCost();

 private:
  int32_t m_identifier = 0;
  double m_cost = 0.0;
  double m_baseCost = 0.0;
  CString m_description;
  CString m_bookCode;
  int32_t m_integerKey = 0;
  CString m_textKey;
  CString m_category;
  int32_t m_integer1 = 0;
  ModifierList m_enhancements;
  ModifierList m_limitations;
  int32_t m_level = 0;
  int32_t m_subIdentifier = 0;
  CString m_subCategory;
  CString m_subBookCode;
  double m_costPerLevel = 0.0;
  double m_extraCost = 0.0;

  mutable CString m_displayName;    // transient
  mutable CString m_referenceName;  // transient: the name looked up for an empty description
};

}  // namespace zulparvo
