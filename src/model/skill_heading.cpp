#include "model/skill_heading.h"

#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Heading, CZULBaseObject, 0)

void CChar_Skill_Heading::Serialize(CArchive& ar) {
  CZULBaseObject::Serialize(ar);
  int32_t classVersion = kClassVersion;  // not tested on reading
  ar.Exchange(classVersion);
  ar.Exchange(m_headingText);
  ar.Exchange(m_integer1);
}

void CChar_Skill_Heading::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Text("heading_text", m_headingText);
  visitor.Integer("integer_1", m_integer1);
}

CString CChar_Skill_Heading::GetType() const { return kTagSkillHeading; }

}  // namespace zulparvo
