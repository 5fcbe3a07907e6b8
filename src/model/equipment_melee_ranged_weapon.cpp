#include "model/equipment_melee_ranged_weapon.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_MeleeRangedWeapon, CChar_Equipment_RangedWeapon, 0)

void CChar_Equipment_MeleeRangedWeapon::VisitFields(CFieldVisitor& visitor) {
  CChar_Equipment_RangedWeapon::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
}

CString CChar_Equipment_MeleeRangedWeapon::GetType() const { return kTagMeleeRangedWeapon; }

}  // namespace zulparvo
