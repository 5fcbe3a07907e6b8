#include "base/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace zulparvo {

namespace {

// Code points of bytes 0x80-0x9F.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(uint8_t byte) { return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte; }

std::optional<uint8_t> CodePointToByte(char32_t code) {
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) return static_cast<uint8_t>(0x80 + i);
  }
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<uint8_t>(code);
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

std::string BytesToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<uint8_t>(c)));
  return out;
}

std::optional<std::string> Utf8ToBytes(std::string_view utf8, std::string* bad) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<uint8_t>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? char32_t{lead} : char32_t{lead} & (char32_t{0xFF} >> (length + 1));
    bool valid = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4);
    for (std::size_t k = 1; valid && k < length; ++k) {
      if (i + k >= utf8.size() || (static_cast<uint8_t>(utf8[i + k]) & 0xC0) != 0x80) {
        valid = false;
      } else {
        code = (code << 6) | (char32_t{static_cast<uint8_t>(utf8[i + k])} & char32_t{0x3F});
      }
    }
    const std::optional<uint8_t> byte = valid ? CodePointToByte(code) : std::nullopt;
    if (!byte) {
      if (bad != nullptr) {
        char text[16];
        std::snprintf(text, sizeof text, valid ? "U+%04X" : "invalid UTF-8", static_cast<unsigned>(code));
        *bad = text;
      }
      return std::nullopt;
    }
    out.push_back(static_cast<char>(*byte));
    i += length;
  }
  return out;
}

}  // namespace zulparvo
