// CChar_Transportation_Animal: a riding or draught animal, with its strength, the loads
// it carries and the damage it does.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "model/transportation.h"

namespace zulparvo {

class CChar_Transportation_Animal : public CChar_Transportation {
  ZP_DECLARE_SERIAL(CChar_Transportation_Animal)

 public:
  static constexpr int32_t kClassVersion = 2;
  static constexpr std::size_t kIntegerCount = 5;
  static constexpr std::size_t kTextCount = 5;

  // The damage texts that the animal keeps, by their place among its texts.
  enum class Damage { Thrust, Swing, AdjustedThrust, StepFive };

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  // 2, 6, 10, 15, 20 from None to X-heavy.
  int GetWeightMultiple(TransportLoad load) const override;
  // 0, 2, 4, 6, 8 from None to X-heavy.
  int GetLevelValue(TransportLoad load) const override;
  // Stores the strength and works out the damage texts from it.
  void SetStrength(int32_t st) override;
  // Thrust, swing, thrust less 2 (three adds making a die) and the step-of-five damage
  // of the animal's strength.
  void RecomputeDamageTexts() override;

  // The animal's strength: the first of its integers.
  int32_t GetStrength() const { return m_animalIntegers[0]; }
  const CString& GetDamageText(Damage damage) const { return m_animalTexts[static_cast<std::size_t>(damage)]; }
  // The animal's own integers and texts by their index from 0.
  int32_t GetAnimalInteger(std::size_t index) const { return m_animalIntegers.at(index); }
  void SetAnimalInteger(std::size_t index, int32_t value) { m_animalIntegers.at(index) = value; }
  const CString& GetAnimalText(std::size_t index) const { return m_animalTexts.at(index); }
  void SetAnimalText(std::size_t index, CString text) { m_animalTexts.at(index) = std::move(text); }

 private:
  std::array<int32_t, kIntegerCount> m_animalIntegers{};
  // Held from class version 2 on: the four damage texts, then one more text.
  std::array<CString, kTextCount> m_animalTexts;
};

}  // namespace zulparvo
