// CFieldVisitor: the persistent fields of a record, presented by name.
//
// A persistent class lists its fields once, in VisitFields, with the key under which
// they appear outside the binary files (JSON, documentation). A base class lists its
// fields before the subclass adds its own. Visitors may read or write the fields.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/object.h"

namespace zulparvo {

class CObArray;
class CStringArray;

class CFieldVisitor {
 public:
  virtual ~CFieldVisitor() = default;
  virtual void Integer(std::string_view key, int32_t& value) = 0;
  virtual void Real(std::string_view key, double& value) = 0;
  virtual void Text(std::string_view key, CString& value) = 0;
  virtual void TextList(std::string_view key, CStringArray& value) = 0;
  // An owned list of records; the list knows which class its elements must have.
  virtual void List(std::string_view key, CObArray& value) = 0;
  // A single owned record of any class (or of `required` and its subclasses), or none.
  virtual void Object(std::string_view key, std::unique_ptr<CObject>& value,
                      const CRuntimeClass* required) = 0;
};

}  // namespace zulparvo
