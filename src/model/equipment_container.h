// CChar_Equipment_Container: an item that holds other items (a backpack, a pouch),
// which may be containers themselves.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/equipment_base.h"
#include "platform/collections.h"

namespace zulparvo {

class CChar_Equipment_Container : public CChar_Equipment_Base {
  ZP_DECLARE_SERIAL(CChar_Equipment_Container)

 public:
  static constexpr int32_t kClassVersion = 1;
  using Contents = CTypedObArray<CChar_Equipment_Base>;

  void VisitFields(CFieldVisitor& visitor) override;

  CString GetType() const override;
  virtual double GetContainerValue() const { return m_containerValue; }
  void SetContainerValue(double value) { m_containerValue = value; }

  const Contents& GetContents() const { return m_contents; }
  Contents& GetContents() { return m_contents; }
  // Files a copy of the item: of its own class for weapons, armor, barding and
  // containers, else a plain item.
  void AddItem(const CChar_Equipment_Base& item);
  // Takes the item out and destroys it; false when there is none at the index.
  bool RemoveItem(std::size_t index);
  // Quantity times effective weight of every item, and of inner containers also the
  // weight of what they hold, however deep.
  double GetContentsWeight() const;
  // Quantity times effective weight of every item, without what inner containers hold.
  double GetFlatContentsWeight() const;

 private:
  double ContentsWeight(bool descend) const;

  double m_containerValue = 0.0;
  Contents m_contents;
};

}  // namespace zulparvo
