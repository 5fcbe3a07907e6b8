#include "model/skill_default_language.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_DefaultLanguage, CChar_Skill_Base, 0)

void CChar_Skill_DefaultLanguage::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
}

CString CChar_Skill_DefaultLanguage::GetType() const { return kTagDefaultLanguage; }

CChar_Skill_Base::ReferenceTable CChar_Skill_DefaultLanguage::GetReferenceTable() const {
  return {ItemKind::Skill, "LANGUAGES"};
}

CString CChar_Skill_DefaultLanguage::GetDisplayName() {
  return kNativeLanguagePrefix + CChar_Skill_Base::GetDisplayName();
}

}  // namespace zulparvo
