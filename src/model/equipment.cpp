#include "model/equipment.h"

#include <algorithm>
#include <array>

#include "model/equipment_base.h"
#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment, CObject, 0)

namespace {

// The version texts that add fields, oldest first: "1.1" adds integer 4 and texts 2
// and 3, "1.2" the bonuses, weight reduction and quality, "1.3" integer 5.
constexpr std::array<const char*, 3> kLayoutVersions = {"1.1", "1.2", kEquipmentVersion};

// How many of those steps a stored version holds; 0 for any other text.
std::size_t LayoutSteps(const CString& version) {
  const auto found = std::find(kLayoutVersions.begin(), kLayoutVersions.end(), version);
  return found == kLayoutVersions.end() ? 0 : static_cast<std::size_t>(found - kLayoutVersions.begin()) + 1;
}

}  // namespace

void CChar_Equipment::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  CString version = kEquipmentVersion;
  ar.Exchange(version);
  ar.Exchange(m_identifier);
  ar.Exchange(m_integer1);
  ar.Exchange(m_integer2);
  ar.Exchange(m_weight);
  ar.Exchange(m_name);
  ar.Exchange(m_categoryNumber);
  ar.Exchange(m_category);
  ar.Exchange(m_text1);
  ar.Exchange(m_integer3);

  const std::size_t steps = ar.IsStoring() ? kLayoutVersions.size() : LayoutSteps(version);
  if (steps >= 1) {
    ar.Exchange(m_integer4);
    ar.Exchange(m_text2);
    ar.Exchange(m_text3);
  }
  if (steps >= 2) {
    ar.Exchange(m_puissanceBonus);
    ar.Exchange(m_accuracyBonus);
    ar.Exchange(m_weightReduction);
    ar.Exchange(m_pdBonus);
    ar.Exchange(m_drBonus);
    ar.Exchange(m_quality);
  }
  if (steps >= 3) ar.Exchange(m_integer5);
  if (ar.IsLoading()) m_displayName.clear();
}

void CChar_Equipment::VisitFields(CFieldVisitor& visitor) {
  CObject::VisitFields(visitor);
  visitor.Integer("identifier", m_identifier);
  visitor.Integer("integer_1", m_integer1);
  visitor.Integer("integer_2", m_integer2);
  visitor.Real("weight", m_weight);
  visitor.Text("name", m_name);
  visitor.Integer("category_number", m_categoryNumber);
  visitor.Text("category", m_category);
  visitor.Text("text_1", m_text1);
  visitor.Integer("integer_3", m_integer3);
  visitor.Integer("integer_4", m_integer4);
  visitor.Text("text_2", m_text2);
  visitor.Text("text_3", m_text3);
  visitor.Integer("puissance_bonus", m_puissanceBonus);
  visitor.Integer("accuracy_bonus", m_accuracyBonus);
  visitor.Real("weight_reduction", m_weightReduction);
  visitor.Integer("pd_bonus", m_pdBonus);
  visitor.Integer("dr_bonus", m_drBonus);
  visitor.Integer("quality", m_quality);
  visitor.Integer("integer_5", m_integer5);
  m_displayName.clear();  // a visitor may have changed the name
}

CString CChar_Equipment::GetDisplayName() const {
  if (m_displayName.empty()) m_displayName = m_name.empty() ? LookupName() : m_name;
  return WithImprovements(m_displayName, {.quality = m_quality,
                                          .pdBonus = m_pdBonus,
                                          .drBonus = m_drBonus,
                                          .accuracyBonus = m_accuracyBonus,
                                          .puissanceBonus = m_puissanceBonus,
                                          .weightReduction = m_weightReduction});
}

CString CChar_Equipment::LookupName() const { return CString(); }

void CChar_Equipment::SetName(CString name) {
  m_name = std::move(name);
  m_displayName.clear();
}

}  // namespace zulparvo
