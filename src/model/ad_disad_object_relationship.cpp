#include "model/ad_disad_object_relationship.h"

#include "model/type_tags.h"
#include "platform/archive.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Ad_Disad_Object_Relationship, CChar_Ad_Disad, 0)

CChar_Ad_Disad_Object_Relationship::CChar_Ad_Disad_Object_Relationship(
    const CChar_Ad_Disad_Object_Relationship& other)
    : CChar_Ad_Disad(other),
      m_relatedObject(other.m_relatedObject ? other.m_relatedObject->Clone() : nullptr),
      m_relatedText(other.m_relatedText) {}

CChar_Ad_Disad_Object_Relationship& CChar_Ad_Disad_Object_Relationship::operator=(
    const CChar_Ad_Disad_Object_Relationship& other) {
  if (this != &other) {
    CChar_Ad_Disad::operator=(other);
    m_relatedObject = other.m_relatedObject ? other.m_relatedObject->Clone() : nullptr;
    m_relatedText = other.m_relatedText;
  }
  return *this;
}

// The file holds the text before the object.
void CChar_Ad_Disad_Object_Relationship::Serialize(CArchive& ar) {
  CChar_Ad_Disad::Serialize(ar);
  int32_t classVersion = 1;
  ar.Exchange(classVersion);
  ar.Exchange(m_relatedText);
  ar.Exchange(m_relatedObject);
}

void CChar_Ad_Disad_Object_Relationship::VisitFields(CFieldVisitor& visitor) {
  CChar_Ad_Disad::VisitFields(visitor);
  visitor.Text("related_text", m_relatedText);
  visitor.Object("related_object", m_relatedObject, nullptr);
}

CString CChar_Ad_Disad_Object_Relationship::GetType() const { return kTagAdDisadRelationship; }

}  // namespace zulparvo
