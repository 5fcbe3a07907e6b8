#include "model/ad_disad_object_relationship.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Ad_Disad_Object_Relationship, CChar_Ad_Disad, 0)

void CChar_Ad_Disad_Object_Relationship::VisitFields(CFieldVisitor& visitor) {
  CChar_Ad_Disad::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(1));
  // The text comes before the object.
  visitor.Text("related_text", m_relatedText);
  visitor.Object("related_object", m_relatedObject, nullptr);
}

CString CChar_Ad_Disad_Object_Relationship::GetType() const { return kTagAdDisadRelationship; }

}  // namespace zulparvo
