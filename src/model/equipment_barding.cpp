#include "model/equipment_barding.h"

#include "model/type_tags.h"
#include "platform/archive.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_Barding, CChar_Equipment_Armor, 0)

void CChar_Equipment_Barding::Serialize(CArchive& ar) {
  CChar_Equipment_Armor::Serialize(ar);
  int32_t classVersion = kClassVersion;  // not tested on reading
  ar.Exchange(classVersion);
}

CString CChar_Equipment_Barding::GetType() const { return kTagBarding; }

}  // namespace zulparvo
