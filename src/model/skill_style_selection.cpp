#include "model/skill_style_selection.h"

#include <string>

#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_MartialArtsStyleSelection, CZULBaseObject, 0)

CChar_Skill_MartialArtsStyleSelection::CChar_Skill_MartialArtsStyleSelection(
    const CChar_Skill_MartialArtsStyleSelection& other)
    : CZULBaseObject(other), m_integers(other.m_integers), m_object(other.m_object ? other.m_object->Clone() : nullptr) {}

void CChar_Skill_MartialArtsStyleSelection::Serialize(CArchive& ar) {
  CZULBaseObject::Serialize(ar);
  int32_t classVersion = kClassVersion;  // not tested on reading
  ar.Exchange(classVersion);
  for (int32_t& value : m_integers) ar.Exchange(value);
  ar.Exchange(m_object);
}

void CChar_Skill_MartialArtsStyleSelection::VisitFields(CFieldVisitor& visitor) {
  CZULBaseObject::VisitFields(visitor);
  for (std::size_t i = 0; i < m_integers.size(); ++i) {
    visitor.Integer("integer_" + std::to_string(i + 1), m_integers[i]);
  }
  visitor.Object("object", m_object, nullptr);
}

CString CChar_Skill_MartialArtsStyleSelection::GetType() const { return kTagStyleSelection; }

}  // namespace zulparvo
