// CZULBaseObject: the root of the character model.
#pragma once

#include "platform/object.h"

namespace zulparvo {

class CZULBaseObject : public CObject {
  ZP_DECLARE_SERIAL(CZULBaseObject)

 public:
  CZULBaseObject() = default;
  CZULBaseObject(const CZULBaseObject&) = default;
  CZULBaseObject& operator=(const CZULBaseObject&) = default;
  ~CZULBaseObject() override = default;

  // The class tag ("BASE" here); callers compare it with the constants of type_tags.h.
  virtual CString GetType() const;
};

}  // namespace zulparvo
