#include "model/skill_default_display_only.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Default_DisplayOnly, CChar_Skill_Default, 0)

void CChar_Skill_Default_DisplayOnly::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Default::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
}

CString CChar_Skill_Default_DisplayOnly::GetType() const { return kTagDefaultDisplayOnly; }

}  // namespace zulparvo
