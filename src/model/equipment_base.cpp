#include "model/equipment_base.h"

#include <array>
#include <cmath>
#include <utility>

#include "base/utilities.h"
#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_Base, CZULBaseObject, 0)

namespace {

// "+2" for a positive amount, "-2" for a negative one.
CString Signed(long amount) { return (amount > 0 ? "+" : "") + LongtoString(amount, 0); }

}  // namespace

CString WithImprovements(CString name, const EquipmentImprovements& improvements) {
  static constexpr std::array<const char*, 3> kQualities{", cheap quality", ", fine quality",
                                                          ", very fine quality"};
  if (improvements.quality >= kQualityCheap && improvements.quality <= kQualityVeryFine) {
    name += kQualities[static_cast<std::size_t>(improvements.quality - kQualityCheap)];
  }
  const std::array<std::pair<int32_t, const char*>, 4> bonuses{{
      {improvements.pdBonus, " pd)"},
      {improvements.drBonus, " dr)"},
      {improvements.accuracyBonus, " acc)"},
      {improvements.puissanceBonus, " puis)"},
  }};
  for (const auto& [bonus, suffix] : bonuses) {
    if (bonus != 0) name += " (" + Signed(bonus) + suffix;
  }
  const double reduction = improvements.weightReduction;
  if (reduction != 0.0) {
    // A reduction takes weight off and shows a minus sign; a negative one adds weight.
    name += CString(reduction < 0.0 ? " (+" : " (-") + DoubletoString(std::fabs(reduction) * 100.0, 1, 1, 0) + "% wr)";
  }
  return name;
}

void CChar_Equipment_Base::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Integer("identifier", m_identifier);
  visitor.Integer("quantity", m_quantity);
  visitor.Integer("carried_quantity", m_carriedQuantity);
  visitor.Real("weight", m_weight);
  visitor.Text("name", m_name);
  visitor.Text("text_1", m_text1);
  visitor.Text("text_2", m_text2);
  visitor.Integer("excluded_flag", m_excludedFlag);
  visitor.Integer("integer_3", m_integer3);
  visitor.Text("text_3", m_text3);
  visitor.Text("text_4", m_text4);
  m_displayName.clear();  // a visitor may have changed the name
}

CString CChar_Equipment_Base::GetType() const { return kTagEquipmentBase; }

CString CChar_Equipment_Base::GetDisplayName() const {
  if (m_displayName.empty()) m_displayName = m_name.empty() ? LookupName() : m_name;
  return m_displayName;
}

bool CChar_Equipment_Base::IsSameItem(const CChar_Equipment_Base& other) const {
  return m_identifier == other.m_identifier && m_name == other.m_name && m_text1 == other.m_text1 &&
         m_integer3 == other.m_integer3 && m_text3 == other.m_text3 && m_text4 == other.m_text4;
}

double CChar_Equipment_Base::GetEffectiveWeight() const { return m_weight; }

CString CChar_Equipment_Base::LookupName() const { return CString(); }

void CChar_Equipment_Base::SetName(CString name) {
  m_name = std::move(name);
  m_displayName.clear();
}

std::unique_ptr<CObject> CopyEquipment(const CChar_Equipment_Base& record,
                                       std::initializer_list<const char*> keptTags) {
  const CString tag = record.GetType();
  for (const char* kept : keptTags) {
    if (tag == kept) return record.Clone();
  }
  return std::make_unique<CChar_Equipment_Base>(record);
}

}  // namespace zulparvo
