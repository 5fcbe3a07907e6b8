#include "model/equipment_melee_weapon.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_MeleeWeapon, CChar_Equipment_StandardWeapon, 0)

void CChar_Equipment_MeleeWeapon::VisitFields(CFieldVisitor& visitor) {
  CChar_Equipment_StandardWeapon::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
}

CString CChar_Equipment_MeleeWeapon::GetType() const { return kTagMeleeWeapon; }

}  // namespace zulparvo
