#include "model/skill_default_display_only.h"

#include "model/type_tags.h"
#include "platform/archive.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Default_DisplayOnly, CChar_Skill_Default, 0)

void CChar_Skill_Default_DisplayOnly::Serialize(CArchive& ar) {
  CChar_Skill_Default::Serialize(ar);
  int32_t classVersion = kClassVersion;  // not tested on reading
  ar.Exchange(classVersion);
}

CString CChar_Skill_Default_DisplayOnly::GetType() const { return kTagDefaultDisplayOnly; }

}  // namespace zulparvo
