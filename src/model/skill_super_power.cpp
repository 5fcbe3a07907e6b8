#include "model/skill_super_power.h"

#include "base/rounding.h"
#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Skill_SuperPower, CChar_Skill_Base, 0)

namespace {

// The kind of a modifier whose value is a number of points rather than a percentage.
constexpr int32_t kFlatPointsKind = 2;

}  // namespace

void CChar_Skill_SuperPower::VisitFields(CFieldVisitor& visitor) {
  CChar_Skill_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Real("power_cost", m_powerCost);
  visitor.Integer("power_level", m_powerLevel);
  visitor.Integer("integer_2", m_integer2);
  visitor.List("enhancements", m_enhancements);
  visitor.List("limitations", m_limitations);
  visitor.Since(2);
  visitor.Real("first_level_cost", m_firstLevelCost);
  visitor.Real("cost_per_level", m_costPerLevel);
}

CChar_Skill_Base::ReferenceTable CChar_Skill_SuperPower::GetReferenceTable() const {
  return {ItemKind::SuperPower, "SUPER-POWERS"};
}

CString CChar_Skill_SuperPower::GetType() const { return kTagSuperPower; }

void CChar_Skill_SuperPower::Restore() {
  CChar_Skill_Base::Restore();
  RecomputeCost();
}

void CChar_Skill_SuperPower::RecomputeCost() {
  double flat = 0.0;
  double percentage = 0.0;
  for (const auto* list : {&m_enhancements, &m_limitations}) {
    for (std::size_t i = 0; i < list->GetSize(); ++i) {
      const CChar_Enhancement_Limitation* modifier = list->GetAt(i);
      (modifier->GetKind() == kFlatPointsKind ? flat : percentage) += modifier->GetValue();
    }
  }
  const double levels = m_firstLevelCost >= 0.0
                            ? (m_powerLevel - 1.0) * m_costPerLevel + m_firstLevelCost
                            : m_powerLevel * m_costPerLevel;
  m_powerCost = flat + levels;
  if (percentage == 0.0) return;
  if (percentage < kLowestPercentage) percentage = kLowestPercentage;
  // The percentage applies to the cost so far, flat modifiers included, as it does for
  // advantages.
  m_powerCost += RoundUpToHalf(percentage / 100.0 * m_powerCost);
}

}  // namespace zulparvo
