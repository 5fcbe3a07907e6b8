#include "model/skill_style_selection.h"

#include <string>

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_MartialArtsStyleSelection, CZULBaseObject, 0)

void CChar_Skill_MartialArtsStyleSelection::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  for (std::size_t i = 0; i < m_integers.size(); ++i) {
    visitor.Integer("integer_" + std::to_string(i + 1), m_integers[i]);
  }
  visitor.Object("object", m_object, nullptr);
}

CString CChar_Skill_MartialArtsStyleSelection::GetType() const { return kTagStyleSelection; }

}  // namespace zulparvo
