#include "model/ad_disad_magery_colleges.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Ad_Disad_Magery_Colleges, CChar_Ad_Disad, 0)

void CChar_Ad_Disad_Magery_Colleges::VisitFields(CFieldVisitor& visitor) {
  CChar_Ad_Disad::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(1));
  visitor.Integer("colleges", m_colleges);
}

CString CChar_Ad_Disad_Magery_Colleges::GetType() const { return kTagAdDisadMagery; }

}  // namespace zulparvo
