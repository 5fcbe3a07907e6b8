#include "model/base_object.h"

#include "model/type_tags.h"

namespace zulparvo {

ZP_IMPLEMENT_SERIAL(CZULBaseObject, CObject, 0)

CString CZULBaseObject::GetType() const { return kTagBase; }

}  // namespace zulparvo
