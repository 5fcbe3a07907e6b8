// CChar_Skill_SuperPower: a super power, whose cost follows from its level and the
// enhancements and limitations attached to it.
#pragma once

#include <cstdint>

#include "model/enhancement_limitation.h"
#include "model/skill_base.h"
#include "platform/collections.h"

namespace zulparvo {

class CChar_Skill_SuperPower : public CChar_Skill_Base {
  ZP_DECLARE_SERIAL(CChar_Skill_SuperPower)

 public:
  static constexpr int32_t kClassVersion = 2;
  // The lowest percentage that the modifiers together can take off the cost.
  static constexpr double kLowestPercentage = -75.0;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // Puts the saved points back and recomputes the power cost.
  void Restore() override;

  // The level part of the cost plus the flat modifiers, adjusted by the percentage
  // modifiers (not below -75 %) and rounded up to the next half point.
  void RecomputeCost();

  double GetPowerCost() const { return m_powerCost; }
  void SetPowerCost(double cost) { m_powerCost = cost; }
  int32_t GetPowerLevel() const { return m_powerLevel; }
  void SetPowerLevel(int32_t level) { m_powerLevel = level; }
  int32_t GetInteger2() const { return m_integer2; }
  void SetInteger2(int32_t value) { m_integer2 = value; }
  double GetFirstLevelCost() const { return m_firstLevelCost; }
  void SetFirstLevelCost(double cost) { m_firstLevelCost = cost; }
  double GetCostPerLevel() const { return m_costPerLevel; }
  void SetCostPerLevel(double cost) { m_costPerLevel = cost; }

  // Both lists take modifiers of either sign; the cost treats them alike.
  CTypedObArray<CChar_Enhancement_Limitation>& GetEnhancements() { return m_enhancements; }
  const CTypedObArray<CChar_Enhancement_Limitation>& GetEnhancements() const { return m_enhancements; }
  CTypedObArray<CChar_Enhancement_Limitation>& GetLimitations() { return m_limitations; }
  const CTypedObArray<CChar_Enhancement_Limitation>& GetLimitations() const { return m_limitations; }

 protected:
  // Super powers are rows of the super-powers table.
  ReferenceTable GetReferenceTable() const override;

 private:
  double m_powerCost = 0.0;
  int32_t m_powerLevel = 0;
  int32_t m_integer2 = 0;
  CTypedObArray<CChar_Enhancement_Limitation> m_enhancements;
  CTypedObArray<CChar_Enhancement_Limitation> m_limitations;
  // Held from class version 2 on.
  double m_firstLevelCost = 0.0;
  double m_costPerLevel = 0.0;
};

}  // namespace zulparvo
