#include "model/skill_default.h"

#include <utility>

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_Default, CChar_Skill_Base, 0)

void CChar_Skill_Default::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Integer("default_source_identifier", m_defaultSourceIdentifier);
  visitor.Text("default_source", m_defaultSource);
  visitor.Integer("default_modifier", m_defaultModifier);
  visitor.Real("default_points", m_defaultPoints);
  visitor.Text("default_text_1", m_defaultText1);
  visitor.Text("default_text_2", m_defaultText2);
  visitor.Since(2);
  visitor.Integer("integer_2", m_integer2);
  visitor.Text("text_3", m_text3);
  visitor.Text("text_4", m_text4);
}

CString CChar_Skill_Default::GetType() const { return kTagDefaultSkill; }

void CChar_Skill_Default::ComputeLevel(int mode, int st, int dx, int iq, int ht) {
  ComputeLevelFromPoints(m_defaultPoints, mode, st, dx, iq, ht);
  int64_t level = int64_t{GetLevel()} - m_defaultModifier;
  if (const std::optional<int> attribute = DefaultAttribute(st, dx, iq, ht)) level = *attribute;
  SetLevel(Saturate(level + GetStepCount(mode)));
}

int CChar_Skill_Default::GetTotalLevel() const {
  return Saturate(int64_t{GetLevel()} + GetBonus() + m_defaultModifier);
}

std::optional<int> CChar_Skill_Default::DefaultAttribute(int st, int dx, int iq, int ht) const {
  if (m_defaultSourceIdentifier != kAttributeSource) return std::nullopt;
  const std::pair<const char*, int> attributes[] = {{"DX", dx}, {"ST", st}, {"IQ", iq}, {"HT", ht}};
  for (const auto& [name, value] : attributes) {
    if (m_defaultSource == name) return value;
  }
  return std::nullopt;
}

}  // namespace zulparvo
