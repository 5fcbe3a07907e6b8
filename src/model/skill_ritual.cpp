#include "model/skill_ritual.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Ritual, CChar_Skill_Default, 0)

void CChar_Skill_Ritual::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Default::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
}

CString CChar_Skill_Ritual::GetType() const { return kTagRitual; }

void CChar_Skill_Ritual::ComputeLevel(int mode, int, int, int, int) {
  SetLevel(Saturate(int64_t{GetLevel()} + GetStepCount(mode)));
}

}  // namespace zulparvo
