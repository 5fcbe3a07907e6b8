#include "model/equipment_melee_ranged_weapon.h"

#include "model/type_tags.h"
#include "platform/archive.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_MeleeRangedWeapon, CChar_Equipment_RangedWeapon, 0)

void CChar_Equipment_MeleeRangedWeapon::Serialize(CArchive& ar) {
  CChar_Equipment_RangedWeapon::Serialize(ar);
  int32_t classVersion = kClassVersion;  // not tested on reading
  ar.Exchange(classVersion);
}

CString CChar_Equipment_MeleeRangedWeapon::GetType() const { return kTagMeleeRangedWeapon; }

}  // namespace zulparvo
