#include "model/equipment_armor.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_Armor, CChar_Equipment_Base, 0)

void CChar_Equipment_Armor::VisitFields(CFieldVisitor& visitor) {
  CChar_Equipment_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Integer("worn_flag", m_wornFlag);
  visitor.Integer("pd_bonus", m_pdBonus);
  visitor.Integer("dr_bonus", m_drBonus);
  visitor.Real("weight_reduction", m_weightReduction);
  visitor.Since(2);
  visitor.Integer("quality", m_quality);
}

CString CChar_Equipment_Armor::GetType() const { return kTagArmor; }

CString CChar_Equipment_Armor::GetDisplayName() const {
  return WithImprovements(CChar_Equipment_Base::GetDisplayName(), {.quality = m_quality,
                                                                    .pdBonus = m_pdBonus,
                                                                    .drBonus = m_drBonus,
                                                                    .weightReduction = m_weightReduction});
}

double CChar_Equipment_Armor::GetEffectiveWeight() const {
  const double weight = GetWeight();
  return m_weightReduction != 0.0 ? weight - weight * m_weightReduction : weight;
}

bool CChar_Equipment_Armor::IsSameArmor(const CChar_Equipment_Armor& other) const {
  return IsSameItem(other) && m_pdBonus == other.m_pdBonus && m_drBonus == other.m_drBonus &&
         m_weightReduction == other.m_weightReduction && m_quality == other.m_quality;
}

}  // namespace zulparvo
