#include "model/skill_martial_arts_maneuver.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_MartialArtsManeuver, CChar_Skill_Maneuver, 0)

void CChar_Skill_MartialArtsManeuver::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Maneuver::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Text("style_name", m_styleName);
}

CString CChar_Skill_MartialArtsManeuver::GetType() const { return kTagMartialArtsManeuver; }

}  // namespace zulparvo
