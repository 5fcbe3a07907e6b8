#include "model/equipment_ranged_weapon.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_RangedWeapon, CChar_Equipment_StandardWeapon, 0)

void CChar_Equipment_RangedWeapon::VisitFields(CFieldVisitor& visitor) {
  CChar_Equipment_StandardWeapon::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
}

CString CChar_Equipment_RangedWeapon::GetType() const { return kTagRangedWeapon; }

}  // namespace zulparvo
