#include "model/transportation_animal.h"

#include "misc/damage_tables.h"
#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Transportation_Animal, CChar_Transportation, 0)

namespace {

constexpr std::array<int, kTransportLoads.size()> kWeightMultiples{2, 6, 10, 15, 20};
constexpr std::array<int, kTransportLoads.size()> kLevelValues{0, 2, 4, 6, 8};

constexpr std::array<const char*, CChar_Transportation_Animal::kIntegerCount> kIntegerKeys{
    "st", "animal_integer_2", "animal_integer_3", "animal_integer_4", "animal_integer_5"};
constexpr std::array<const char*, CChar_Transportation_Animal::kTextCount> kTextKeys{
    "thrust_damage", "swing_damage", "adjusted_thrust_damage", "step_five_damage", "animal_text_5"};

}  // namespace

void CChar_Transportation_Animal::VisitFields(CFieldVisitor& v) {
  CChar_Transportation::VisitFields(v);
  v.Version(CVersionMarker::ClassVersion(kClassVersion));
  for (std::size_t i = 0; i < kIntegerCount; ++i) v.Integer(kIntegerKeys[i], m_animalIntegers[i]);
  v.Since(2);
  for (std::size_t i = 0; i < kTextCount; ++i) v.Text(kTextKeys[i], m_animalTexts[i]);
}

CString CChar_Transportation_Animal::GetType() const { return kTagTransportationAnimal; }

int CChar_Transportation_Animal::GetWeightMultiple(TransportLoad load) const {
  return kWeightMultiples[static_cast<std::size_t>(load)];
}

int CChar_Transportation_Animal::GetLevelValue(TransportLoad load) const {
  return kLevelValues[static_cast<std::size_t>(load)];
}

void CChar_Transportation_Animal::SetStrength(int32_t st) {
  m_animalIntegers[0] = st;
  RecomputeDamageTexts();
}

void CChar_Transportation_Animal::RecomputeDamageTexts() {
  const int st = GetStrength();
  CString thrust = ThrustDamageText(st);
  CString swing = SwingDamageText(st);
  m_animalTexts[static_cast<std::size_t>(Damage::AdjustedThrust)] = AdjustDamageText("thr", swing, thrust, -2, 3);
  m_animalTexts[static_cast<std::size_t>(Damage::StepFive)] = StepFiveDamageText(st);
  m_animalTexts[static_cast<std::size_t>(Damage::Thrust)] = std::move(thrust);
  m_animalTexts[static_cast<std::size_t>(Damage::Swing)] = std::move(swing);
}

}  // namespace zulparvo
