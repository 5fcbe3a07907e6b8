#include "model/equipment_standard_weapon.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_StandardWeapon, CChar_Equipment_Base, 0)

void CChar_Equipment_StandardWeapon::VisitFields(CFieldVisitor& visitor) {
  CChar_Equipment_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Integer("integer_4", m_integer4);
  visitor.Integer("quality", m_quality);
  visitor.Integer("puissance_bonus", m_puissanceBonus);
  visitor.Integer("accuracy_bonus", m_accuracyBonus);
}

CString CChar_Equipment_StandardWeapon::GetType() const { return kTagStandardWeapon; }

CString CChar_Equipment_StandardWeapon::GetDisplayName() const {
  return WithImprovements(CChar_Equipment_Base::GetDisplayName(),
                          {.quality = m_quality, .accuracyBonus = m_accuracyBonus, .puissanceBonus = m_puissanceBonus});
}

bool CChar_Equipment_StandardWeapon::IsSameWeapon(const CChar_Equipment_StandardWeapon& other) const {
  return IsSameItem(other) && m_quality == other.m_quality && m_puissanceBonus == other.m_puissanceBonus &&
         m_accuracyBonus == other.m_accuracyBonus;
}

}  // namespace zulparvo
