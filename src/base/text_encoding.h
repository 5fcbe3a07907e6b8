// The 8-bit texts of character files, shown as UTF-8.
//
// A text byte is a Windows-1252 character as the WHATWG encoding standard defines it:
// bytes 0x80-0x9F are their Windows-1252 characters, the five without one (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) the C1 control of the same number, every other byte the code point
// of the same number. Every byte has one character and back, so nothing is lost.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zulparvo {

std::string BytesToUtf8(std::string_view bytes);

// The bytes of a UTF-8 text, or the first character that has no byte (as a
// description like "U+4E2D") in `bad`.
std::optional<std::string> Utf8ToBytes(std::string_view utf8, std::string* bad = nullptr);

}  // namespace zulparvo
