#include "model/skill_heading.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Heading, CZULBaseObject, 0)

void CChar_Skill_Heading::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Text("heading_text", m_headingText);
  visitor.Integer("integer_1", m_integer1);
}

CString CChar_Skill_Heading::GetType() const { return kTagSkillHeading; }

}  // namespace zulparvo
