// CChar_Skill_MartialArtsStyleSelection: a choice that a martial-arts style leaves open,
// with the record it concerns.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "model/base_object.h"

namespace zulparvo {

class CChar_Skill_MartialArtsStyleSelection : public CZULBaseObject {
  ZP_DECLARE_SERIAL(CChar_Skill_MartialArtsStyleSelection)

 public:
  static constexpr int32_t kClassVersion = 1;
  static constexpr std::size_t kIntegerCount = 4;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;

  // Integers 1 to 4 by their index 0 to 3.
  int32_t GetInteger(std::size_t index) const { return m_integers.at(index); }
  void SetInteger(std::size_t index, int32_t value) { m_integers.at(index) = value; }
  // The record of any class that the choice concerns, or none.
  CObject* GetObject() const { return m_object.get(); }
  void SetObject(std::unique_ptr<CObject> object) { m_object = std::move(object); }

 private:
  std::array<int32_t, kIntegerCount> m_integers{};
  COwnedRecord m_object;  // copies clone it
};

}  // namespace zulparvo
