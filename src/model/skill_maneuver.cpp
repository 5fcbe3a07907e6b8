#include "model/skill_maneuver.h"

#include <optional>

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Maneuver, CChar_Skill_Default, 0)

void CChar_Skill_Maneuver::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Default::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Integer("integer_3", m_integer3);
}

CChar_Skill_Base::ReferenceTable CChar_Skill_Maneuver::GetReferenceTable() const {
  return {ItemKind::Maneuver, "MANEUVER"};
}

CString CChar_Skill_Maneuver::GetType() const { return kTagManeuver; }

void CChar_Skill_Maneuver::ComputeLevel(int mode, int st, int dx, int iq, int ht) {
  ComputeLevelFromPoints(GetPoints() + GetDefaultPoints(), mode, st, dx, iq, ht);
  SetBonus(GetLevel());
  if (const std::optional<int> attribute = DefaultAttribute(st, dx, iq, ht)) SetLevel(*attribute);
}

}  // namespace zulparvo
