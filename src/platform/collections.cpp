#include "platform/collections.h"

#include <stdexcept>

#include "platform/archive.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CObArray, CObject, 0)
ZP_IMPLEMENT_SERIAL(CStringArray, CObject, 0)

CObArray::CObArray(const CObArray& other) : CObject(other), m_pElementClass(other.m_pElementClass) {
  m_items.reserve(other.m_items.size());
  for (const auto& item : other.m_items) m_items.push_back(item->Clone());
}

CObArray& CObArray::operator=(const CObArray& other) {
  if (this != &other) {
    CObArray copy(other);
    copy.m_pElementClass = m_pElementClass;
    *this = std::move(copy);
  }
  return *this;
}

std::size_t CObArray::Add(std::unique_ptr<CObject> object) {
  if (!object) throw std::invalid_argument("a list holds records, not empty places");
  if (m_pElementClass != nullptr && !object->IsKindOf(m_pElementClass)) {
    throw std::invalid_argument(std::string("a ") + object->GetClassName() + " cannot join a list of " +
                                m_pElementClass->m_lpszClassName);
  }
  m_items.push_back(std::move(object));
  return m_items.size() - 1;
}

std::unique_ptr<CObject> CObArray::RemoveAt(std::size_t index) {
  auto object = std::move(m_items.at(index));
  m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
  return object;
}

void CObArray::Serialize(CArchive& ar) {
  // The elements are records, never lists.
  if (ar.IsStoring()) {
    ar.WriteCount(m_items.size());
    for (auto& item : m_items) ar.ExchangeRecord(item, m_pElementClass, CArchive::kListElement);
  } else {
    // Every element takes at least the two bytes of its object tag.
    const std::size_t count = ar.ReadCount(2);
    m_items.clear();
    m_items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t offset = ar.GetPosition();
      std::unique_ptr<CObject> item;
      ar.ExchangeRecord(item, m_pElementClass, CArchive::kListElement);
      if (!item) ar.FailAt("element " + std::to_string(i) + " of a list is no object", offset);
      m_items.push_back(std::move(item));
    }
  }
}

std::size_t CStringArray::Add(CString text) {
  m_texts.push_back(std::move(text));
  return m_texts.size() - 1;
}

void CStringArray::RemoveAt(std::size_t index) {
  if (index >= m_texts.size()) throw std::out_of_range("CStringArray::RemoveAt");
  m_texts.erase(m_texts.begin() + static_cast<std::ptrdiff_t>(index));
}

void CStringArray::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(m_texts.size());
    for (const auto& text : m_texts) ar.WriteString(text);
  } else {
    // Every text takes at least the one byte of its length.
    const std::size_t count = ar.ReadCount(1);
    m_texts.clear();
    m_texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) m_texts.push_back(ar.ReadString());
  }
}

}  // namespace zulparvo
