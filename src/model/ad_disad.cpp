#include "model/ad_disad.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "base/rounding.h"
#include "base/utilities.h"
#include "model/type_tags.h"
#include "platform/field_visitor.h"
#include "refdb/search_processor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Ad_Disad, CZULBaseObject, 0)

namespace {

// The version texts that add fields, oldest first: "1.3" adds the level, "1.4" the
// sub-entry keys, "1.5" the cost per level, "1.6" the extra cost.
constexpr std::array<const char*, 4> kLayouts = {"1.3", "1.4", "1.5", kAdDisadVersion};

constexpr double kLowestPercentage = -75.0;

// The name with the bonus in its parentheses raised by the level: the text before the
// first "(" (all of it when there is none) stays as it is, trailing blank included, and
// " (<sum>)" follows, the sum signed: "Name (+2)" at level 3 gives "Name  (+5)".
CString NameWithLevel(const CString& description, int32_t level) {
  constexpr long kIntMin = std::numeric_limits<int32_t>::min();
  constexpr long kIntMax = std::numeric_limits<int32_t>::max();
  const long long sum = std::clamp(GetDescBonus(description), kIntMin, kIntMax) + static_cast<long long>(level);
  return description.substr(0, description.find('(')) + " (" + (sum >= 0 ? "+" : "") + std::to_string(sum) + ")";
}

}  // namespace

CChar_Ad_Disad::CChar_Ad_Disad(int32_t identifier, double baseCost, CString description, CString bookCode,
                               int32_t integerKey, CString textKey, CString category)
    : m_identifier(identifier),
      m_baseCost(baseCost),
      m_description(std::move(description)),
      m_bookCode(std::move(bookCode)),
      m_integerKey(integerKey),
      m_textKey(std::move(textKey)),
      m_category(std::move(category)) {}

void CChar_Ad_Disad::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::Text(kLayouts));
  visitor.Integer("identifier", m_identifier);
  visitor.Real("cost", m_cost);
  visitor.Real("base_cost", m_baseCost);
  visitor.Text("description", m_description);
  visitor.Text("book_code", m_bookCode);
  visitor.Integer("integer_key", m_integerKey);
  visitor.Text("text_key", m_textKey);
  visitor.Text("category", m_category);
  visitor.Integer("integer_1", m_integer1);
  visitor.List("enhancements", m_enhancements);
  visitor.List("limitations", m_limitations);
  visitor.Since("1.3");
  visitor.Integer("level", m_level);
  visitor.Since("1.4");
  visitor.Integer("sub_identifier", m_subIdentifier);
  visitor.Text("sub_category", m_subCategory);
  visitor.Text("sub_book_code", m_subBookCode);
  visitor.Since("1.5");
  visitor.Real("cost_per_level", m_costPerLevel);
  visitor.Since("1.6");
  visitor.Real("extra_cost", m_extraCost);
}

CString CChar_Ad_Disad::GetType() const { return kTagAdDisad; }

CString CChar_Ad_Disad::GetDisplayName() const {
  if (m_displayName.empty()) m_displayName = m_description;
  if (m_displayName.empty()) m_displayName = m_referenceName = LookupName();
  // A record without a description takes its level onto the reference name.
  if (m_level != 0) m_displayName = NameWithLevel(m_description.empty() ? m_referenceName : m_description, m_level);
  return m_displayName;
}

// Keys: identifier, book code and category, or sub-identifier, sub-book code and
// sub-category when the sub-identifier is not 0.
CString CChar_Ad_Disad::LookupName() const {
  return LookupReferenceName(ItemKind::Advantage, EntryKeys({m_identifier, m_bookCode, m_category},
                                                            {m_subIdentifier, m_subBookCode, m_subCategory}));
}

void CChar_Ad_Disad::SetLevel(int32_t level) {
  if (level != m_level) m_displayName.clear();
  m_level = level;
}

int32_t CChar_Ad_Disad::GetLevelsFromCost() const {
  if (m_costPerLevel == 0.0) return 0;
  const double levels = std::trunc(m_baseCost / m_costPerLevel);
  if (std::isnan(levels)) return 0;
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(levels, kMin, kMax));
}

void CChar_Ad_Disad::SetSubEntry(int32_t subIdentifier, CString subCategory, CString subBookCode) {
  m_subIdentifier = subIdentifier;
  m_subCategory = std::move(subCategory);
  m_subBookCode = std::move(subBookCode);
}

void CChar_Ad_Disad::AddEnhancement(const CChar_Enhancement_Limitation& modifier) {
  m_enhancements.Add(modifier.Clone());
}

void CChar_Ad_Disad::AddLimitation(const CChar_Enhancement_Limitation& modifier) {
  m_limitations.Add(modifier.Clone());
}

void CChar_Ad_Disad::RecomputeCost() {
  double flat = 0.0;
  double percentage = 0.0;
  for (const ModifierList* list : {&m_enhancements, &m_limitations}) {
    for (std::size_t i = 0; i < list->GetSize(); ++i) {
      const CChar_Enhancement_Limitation& modifier = *list->GetAt(i);
      (modifier.IsFlatPoints() ? flat : percentage) += modifier.GetValue();
    }
  }
  m_cost = m_baseCost + flat;
  if (percentage == 0.0) return;
  percentage = std::max(percentage, kLowestPercentage);
  m_cost += RoundUpToHalf(percentage / 100.0 * m_cost);
}

}  // namespace zulparvo
