// CChar_Equipment_StandardWeapon: a weapon, with its quality and its puissance and
// accuracy bonuses; the root of the melee and ranged weapons.
#pragma once

#include <cstdint>

#include "model/equipment_base.h"

namespace zulparvo {

class CChar_Equipment_StandardWeapon : public CChar_Equipment_Base {
  ZP_DECLARE_SERIAL(CChar_Equipment_StandardWeapon)

 public:
  static constexpr int32_t kClassVersion = 1;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // The name with quality, accuracy bonus and puissance bonus.
  CString GetDisplayName() const override;
  // IsSameItem, and quality, puissance bonus and accuracy bonus equal.
  virtual bool IsSameWeapon(const CChar_Equipment_StandardWeapon& other) const;

  int32_t GetInteger4() const { return m_integer4; }
  void SetInteger4(int32_t value) { m_integer4 = value; }
  int32_t GetQuality() const { return m_quality; }
  void SetQuality(int32_t quality) { m_quality = quality; }
  int32_t GetPuissanceBonus() const { return m_puissanceBonus; }
  void SetPuissanceBonus(int32_t bonus) { m_puissanceBonus = bonus; }
  int32_t GetAccuracyBonus() const { return m_accuracyBonus; }
  void SetAccuracyBonus(int32_t bonus) { m_accuracyBonus = bonus; }

 private:
  int32_t m_integer4 = 0;
  int32_t m_quality = 0;
  int32_t m_puissanceBonus = 0;
  int32_t m_accuracyBonus = 0;
};

}  // namespace zulparvo
