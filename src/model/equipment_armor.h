// CChar_Equipment_Armor: a piece of armor, with its passive defence and damage
// resistance, its weight reduction and quality, and whether it is worn.
#pragma once

#include <cstdint>

#include "model/equipment_base.h"

namespace zulparvo {

class CChar_Equipment_Armor : public CChar_Equipment_Base {
  ZP_DECLARE_SERIAL(CChar_Equipment_Armor)

 public:
  // Class version 1 has no quality.
  static constexpr int32_t kClassVersion = 2;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // The name with quality, PD and DR bonus and weight reduction.
  CString GetDisplayName() const override;
  // The weight less its reduction.
  double GetEffectiveWeight() const override;
  // IsSameItem, and PD bonus, DR bonus, weight reduction (exactly) and quality equal.
  virtual bool IsSameArmor(const CChar_Equipment_Armor& other) const;

  // The character's protection by location counts worn armor only.
  bool IsWorn() const { return m_wornFlag == 1; }
  int32_t GetWornFlag() const { return m_wornFlag; }
  void SetWornFlag(int32_t flag) { m_wornFlag = flag; }
  int32_t GetPDBonus() const { return m_pdBonus; }
  void SetPDBonus(int32_t bonus) { m_pdBonus = bonus; }
  int32_t GetDRBonus() const { return m_drBonus; }
  void SetDRBonus(int32_t bonus) { m_drBonus = bonus; }
  // A fraction of the weight: 0.25 takes a quarter off.
  double GetWeightReduction() const { return m_weightReduction; }
  void SetWeightReduction(double reduction) { m_weightReduction = reduction; }
  int32_t GetQuality() const { return m_quality; }
  void SetQuality(int32_t quality) { m_quality = quality; }

 private:
  int32_t m_wornFlag = 0;
  int32_t m_pdBonus = 0;
  int32_t m_drBonus = 0;
  double m_weightReduction = 0.0;
  int32_t m_quality = 0;
};

}  // namespace zulparvo
