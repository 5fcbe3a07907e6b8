#include "model/skill_ritual.h"

#include "model/type_tags.h"
#include "platform/archive.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Ritual, CChar_Skill_Default, 0)

void CChar_Skill_Ritual::Serialize(CArchive& ar) {
  CChar_Skill_Default::Serialize(ar);
  int32_t classVersion = kClassVersion;  // not tested on reading
  ar.Exchange(classVersion);
}

CString CChar_Skill_Ritual::GetType() const { return kTagRitual; }

void CChar_Skill_Ritual::ComputeLevel(int mode, int, int, int, int) {
  SetLevel(Saturate(int64_t{GetLevel()} + GetStepCount(mode)));
}

}  // namespace zulparvo
