#include "model/equipment.h"

#include <array>

#include "model/equipment_base.h"
#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment, CObject, 0)

namespace {

// The version texts that add fields, oldest first: "1.1" adds integer 4 and texts 2
// and 3, "1.2" the bonuses, weight reduction and quality, "1.3" integer 5.
constexpr std::array<const char*, 3> kLayouts = {"1.1", "1.2", kEquipmentVersion};

}  // namespace

void CChar_Equipment::VisitFields(CFieldVisitor& visitor) {
  CObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::Text(kLayouts));
  visitor.Integer("identifier", m_identifier);
  visitor.Integer("integer_1", m_integer1);
  visitor.Integer("integer_2", m_integer2);
  visitor.Real("weight", m_weight);
  visitor.Text("name", m_name);
  visitor.Integer("category_number", m_categoryNumber);
  visitor.Text("category", m_category);
  visitor.Text("text_1", m_text1);
  visitor.Integer("integer_3", m_integer3);
  visitor.Since("1.1");
  visitor.Integer("integer_4", m_integer4);
  visitor.Text("text_2", m_text2);
  visitor.Text("text_3", m_text3);
  visitor.Since("1.2");
  visitor.Integer("puissance_bonus", m_puissanceBonus);
  visitor.Integer("accuracy_bonus", m_accuracyBonus);
  visitor.Real("weight_reduction", m_weightReduction);
  visitor.Integer("pd_bonus", m_pdBonus);
  visitor.Integer("dr_bonus", m_drBonus);
  visitor.Integer("quality", m_quality);
  visitor.Since("1.3");
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
