// CString: the 8-bit counted text that character files and reference databases store.
#pragma once

#include <string>

namespace zulparvo {

using CString = std::string;

}  // namespace zulparvo
