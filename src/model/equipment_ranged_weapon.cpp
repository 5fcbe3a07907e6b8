#include "model/equipment_ranged_weapon.h"

#include "model/type_tags.h"
#include "platform/archive.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_RangedWeapon, CChar_Equipment_StandardWeapon, 0)

void CChar_Equipment_RangedWeapon::Serialize(CArchive& ar) {
  CChar_Equipment_StandardWeapon::Serialize(ar);
  int32_t classVersion = kClassVersion;  // not tested on reading
  ar.Exchange(classVersion);
}

CString CChar_Equipment_RangedWeapon::GetType() const { return kTagRangedWeapon; }

}  // namespace zulparvo
