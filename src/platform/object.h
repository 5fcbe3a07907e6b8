// CObject: the root of every persistent class, with run-time class information.
//
// Each persistent class carries one static CRuntimeClass that names it, gives its
// schema number and its base class, and can create an empty instance. The class
// registry maps stored class names to those descriptions, so that the archive reader
// can create an object from the name it finds in a file. A class joins the registry
// when the library is loaded, through ZP_IMPLEMENT_SERIAL.
#pragma once

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/cstring.h"

namespace zulparvo {

class CObject;
class CArchive;
class CFieldVisitor;

struct CRuntimeClass {
  const char* m_lpszClassName;
  uint16_t m_wSchema;
  std::unique_ptr<CObject> (*m_pfnCreateObject)();  // null for abstract classes
  const CRuntimeClass* m_pBaseClass;                  // null for CObject itself

  std::unique_ptr<CObject> CreateObject() const;
  bool IsDerivedFrom(const CRuntimeClass* base) const;

  // The registered class of that name, or null when no class bears it.
  static const CRuntimeClass* FromName(std::string_view name);
};

// Adds a class to the registry; ZP_IMPLEMENT_SERIAL calls it during static set-up.
// Registering a second class under a name already taken is a programming error and
// aborts, since files could then no longer be read unambiguously.
void RegisterRuntimeClass(const CRuntimeClass& runtimeClass);

// Every registered class, in no particular order (for tests and documentation).
std::vector<const CRuntimeClass*> RegisteredClasses();

class CObject {
 public:
  virtual ~CObject() = default;

  virtual const CRuntimeClass* GetRuntimeClass() const;
  // Writes or reads the object's own data: by default its fields as VisitFields lists
  // them, with their version marks (field_visitor.h).
  virtual void Serialize(CArchive& ar);
  // Presents every persistent field by name, for the archive, JSON and documentation;
  // the base has none.
  virtual void VisitFields(CFieldVisitor& visitor);
  // A deep copy of the object: owned records are copied too.
  virtual std::unique_ptr<CObject> Clone() const = 0;

  bool IsKindOf(const CRuntimeClass* runtimeClass) const;
  const char* GetClassName() const { return GetRuntimeClass()->m_lpszClassName; }

  static const CRuntimeClass classCObject;
  static const CRuntimeClass* ThisClass() { return &classCObject; }

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

// Registers a class on construction; one static instance per class.
struct CClassRegistrar {
  explicit CClassRegistrar(const CRuntimeClass& runtimeClass) { RegisterRuntimeClass(runtimeClass); }
};

// A single owned record, or none, that is copied with its owner: the copy holds a deep
// copy of the record (Clone). It is a std::unique_ptr<CObject> in every other way.
class COwnedRecord : public std::unique_ptr<CObject> {
 public:
  COwnedRecord() = default;
  template <std::derived_from<CObject> T>
  COwnedRecord(std::unique_ptr<T> record) noexcept : unique_ptr(std::move(record)) {}  // NOLINT: a plain owner converts
  template <std::derived_from<CObject> T>
  COwnedRecord& operator=(std::unique_ptr<T> record) noexcept {
    unique_ptr::operator=(std::move(record));
    return *this;
  }
  COwnedRecord(const COwnedRecord& other) : unique_ptr(other ? other->Clone() : nullptr) {}
  COwnedRecord& operator=(const COwnedRecord& other) {
    unique_ptr::operator=(other ? other->Clone() : nullptr);
    return *this;
  }
  COwnedRecord(COwnedRecord&&) noexcept = default;
  COwnedRecord& operator=(COwnedRecord&&) noexcept = default;
  ~COwnedRecord() = default;
};

// A member that a copy of its owner does not take over, such as a cache or a log: the
// copy starts with T's default, and copying an owner over another resets it. A move
// keeps it.
template <class T>
class CTransient {
 public:
  CTransient() = default;
  CTransient(const CTransient&) {}
  CTransient& operator=(const CTransient&) {
    m_value = T();
    return *this;
  }
  CTransient(CTransient&&) noexcept = default;
  CTransient& operator=(CTransient&&) noexcept = default;
  ~CTransient() = default;

  T& operator*() { return m_value; }
  const T& operator*() const { return m_value; }
  T* operator->() { return &m_value; }
  const T* operator->() const { return &m_value; }

 private:
  T m_value{};
};

// The typed result of a checked down-cast: null when the object is not of class T.
template <class T>
T* DynamicDownCast(CObject* object) {
  return object != nullptr && object->IsKindOf(T::ThisClass()) ? static_cast<T*>(object) : nullptr;
}

}  // namespace zulparvo

#define ZP_RUNTIME_CLASS(cls) (&cls::class##cls)

// In the class body of every persistent class.
#define ZP_DECLARE_SERIAL(cls)                                              \
 public:                                                                    \
  static const ::zulparvo::CRuntimeClass class##cls;                        \
  static const ::zulparvo::CRuntimeClass* ThisClass() { return &class##cls; } \
  static std::unique_ptr<::zulparvo::CObject> CreateObject();               \
  const ::zulparvo::CRuntimeClass* GetRuntimeClass() const override;       \
  std::unique_ptr<::zulparvo::CObject> Clone() const override;

// In the source file of every persistent class. The class must be default- and
// copy-constructible; its copy constructor makes the deep copy that Clone returns (owned
// lists, COwnedRecord and CTransient members make the implicit one do so).
#define ZP_IMPLEMENT_SERIAL(cls, base, schema)                                                  \
  const ::zulparvo::CRuntimeClass cls::class##cls{#cls, schema, &cls::CreateObject,             \
                                                  ZP_RUNTIME_CLASS(base)};                      \
  std::unique_ptr<::zulparvo::CObject> cls::CreateObject() { return std::make_unique<cls>(); } \
  const ::zulparvo::CRuntimeClass* cls::GetRuntimeClass() const { return &class##cls; }        \
  std::unique_ptr<::zulparvo::CObject> cls::Clone() const { return std::make_unique<cls>(*this); } \
  static const ::zulparvo::CClassRegistrar registrar##cls(cls::class##cls);
