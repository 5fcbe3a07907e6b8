#include "model/skill_martial_arts_skill.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_MartialArtsSkill, CChar_Skill_Base, 0)

void CChar_Skill_MartialArtsSkill::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Text("style_name", m_styleName);
}

CString CChar_Skill_MartialArtsSkill::GetType() const { return kTagMartialArtsSkill; }

}  // namespace zulparvo
