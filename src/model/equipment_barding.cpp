#include "model/equipment_barding.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_Barding, CChar_Equipment_Armor, 0)

void CChar_Equipment_Barding::VisitFields(CFieldVisitor& visitor) {
  CChar_Equipment_Armor::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
}

CString CChar_Equipment_Barding::GetType() const { return kTagBarding; }

}  // namespace zulparvo
