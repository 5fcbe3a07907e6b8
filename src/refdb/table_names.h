// Which table of a book's reference database holds the rows of a category.
#pragma once

#include <vector>

#include "platform/object.h"

namespace zulparvo {

// The bracketed table name of a category: "AD" gives "[Advantages]", "SKILL" "[Skills]",
// and so on; a category outside the fixed list names its table itself: "X" gives "[X]".
CString TableNameForCategory(const CString& category);

// The categories of the fixed list, in its order.
std::vector<CString> FixedCategories();

// False when the category would not stay one bracketed name inside a statement: it holds
// a "]" (which ends the name) or a control character. Such a category finds nothing.
bool IsSafeCategory(const CString& category);

}  // namespace zulparvo
