#include "model/equipment_container.h"

#include "model/type_tags.h"
#include "platform/field_visitor.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CChar_Equipment_Container, CChar_Equipment_Base, 0)

void CChar_Equipment_Container::VisitFields(CFieldVisitor& visitor) {
  CChar_Equipment_Base::VisitFields(visitor);
  visitor.Version(CVersionMarker::ClassVersion(kClassVersion));
  visitor.Real("container_value", m_containerValue);
  visitor.List("contents", m_contents);
}

CString CChar_Equipment_Container::GetType() const { return kTagContainer; }

void CChar_Equipment_Container::AddItem(const CChar_Equipment_Base& item) {
  m_contents.Add(CopyEquipment(item, {kTagStandardWeapon, kTagMeleeWeapon, kTagRangedWeapon, kTagMeleeRangedWeapon,
                                      kTagArmor, kTagBarding, kTagContainer}));
}

bool CChar_Equipment_Container::RemoveItem(std::size_t index) {
  if (index >= m_contents.GetSize()) return false;
  m_contents.RemoveAt(index);
  return true;
}

double CChar_Equipment_Container::GetContentsWeight() const { return ContentsWeight(true); }

double CChar_Equipment_Container::GetFlatContentsWeight() const { return ContentsWeight(false); }

double CChar_Equipment_Container::ContentsWeight(bool descend) const {
  double weight = 0.0;
  for (std::size_t i = 0; i < m_contents.GetSize(); ++i) {
    const CChar_Equipment_Base& item = *m_contents.GetAt(i);
    weight += item.GetQuantity() * item.GetEffectiveWeight();
    if (!descend) continue;
    if (const auto* inner = DynamicDownCast<CChar_Equipment_Container>(m_contents.GetAt(i))) {
      weight += inner->GetContentsWeight();
    }
  }
  return weight;
}

}  // namespace zulparvo
