// CObArray and CStringArray: the two list classes that character files store.
//
// A CObArray owns its records. It may be told which class its elements must have; the
// archive reader then refuses a file that puts a record of another class into it. Its
// elements are records: the archive refuses a list as an element, both ways.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/object.h"

namespace zulparvo {

class CObArray : public CObject {
  ZP_DECLARE_SERIAL(CObArray)

 public:
  CObArray() = default;
  explicit CObArray(const CRuntimeClass* elementClass) : m_pElementClass(elementClass) {}
  CObArray(const CObArray& other);
  CObArray& operator=(const CObArray& other);
  CObArray(CObArray&&) noexcept = default;
  CObArray& operator=(CObArray&&) noexcept = default;
  ~CObArray() override = default;

  void Serialize(CArchive& ar) override;

  std::size_t GetSize() const { return m_items.size(); }
  bool IsEmpty() const { return m_items.empty(); }
  CObject* GetAt(std::size_t index) const { return m_items.at(index).get(); }
  CObject* GetLast() const { return m_items.empty() ? nullptr : m_items.back().get(); }
  // Appends the record and returns its index. The record must be of the element class.
  std::size_t Add(std::unique_ptr<CObject> object);
  // Takes the record out of the list and hands it to the caller.
  std::unique_ptr<CObject> RemoveAt(std::size_t index);
  void RemoveAll() { m_items.clear(); }

  // The class every element must have (itself or a subclass); null means any class.
  const CRuntimeClass* GetElementClass() const { return m_pElementClass; }

  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

 private:
  std::vector<std::unique_ptr<CObject>> m_items;
  const CRuntimeClass* m_pElementClass = nullptr;
};

// A CObArray whose elements are all of class T; stored exactly as a CObArray.
template <class T>
class CTypedObArray : public CObArray {
 public:
  CTypedObArray() : CObArray(T::ThisClass()) {}
  T* GetAt(std::size_t index) const { return static_cast<T*>(CObArray::GetAt(index)); }
  T* GetLast() const { return static_cast<T*>(CObArray::GetLast()); }
  std::unique_ptr<CObject> Clone() const override { return std::make_unique<CTypedObArray>(*this); }
};

class CStringArray : public CObject {
  ZP_DECLARE_SERIAL(CStringArray)

 public:
  CStringArray() = default;
  CStringArray(std::initializer_list<CString> texts) : m_texts(texts) {}

  void Serialize(CArchive& ar) override;

  std::size_t GetSize() const { return m_texts.size(); }
  bool IsEmpty() const { return m_texts.empty(); }
  const CString& GetAt(std::size_t index) const { return m_texts.at(index); }
  std::size_t Add(CString text);
  void RemoveAt(std::size_t index);
  void RemoveAll() { m_texts.clear(); }
  const std::vector<CString>& Texts() const { return m_texts; }

  auto begin() const { return m_texts.begin(); }
  auto end() const { return m_texts.end(); }

  bool operator==(const CStringArray& other) const { return m_texts == other.m_texts; }

 private:
  std::vector<CString> m_texts;
};

}  // namespace zulparvo
