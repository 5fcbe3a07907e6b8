#include "platform/object.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/archive.h"

namespace zulparvo {

namespace {

std::map<std::string, const CRuntimeClass*, std::less<>>& Registry() {
  static std::map<std::string, const CRuntimeClass*, std::less<>> registry;
  return registry;
}

}  // namespace

const CRuntimeClass CObject::classCObject{"CObject", 0xFFFF, nullptr, nullptr};

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
  return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
    if (c == base) return true;
  }
  return false;
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name) {
  const auto& registry = Registry();
  const auto found = registry.find(name);
  return found == registry.end() ? nullptr : found->second;
}

void RegisterRuntimeClass(const CRuntimeClass& runtimeClass) {
  const auto [it, inserted] = Registry().emplace(runtimeClass.m_lpszClassName, &runtimeClass);
  if (!inserted && it->second != &runtimeClass) {
    std::fprintf(stderr, "zulparvo: two classes are registered as %s\n", runtimeClass.m_lpszClassName);
    std::abort();
  }
}

std::vector<const CRuntimeClass*> RegisteredClasses() {
  std::vector<const CRuntimeClass*> classes;
  for (const auto& [name, runtimeClass] : Registry()) classes.push_back(runtimeClass);
  return classes;
}

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CObject::Serialize(CArchive& ar) { ar.ExchangeFields(*this); }

void CObject::VisitFields(CFieldVisitor&) {}

bool CObject::IsKindOf(const CRuntimeClass* runtimeClass) const {
  return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

}  // namespace zulparvo
