// The 59 source-book codes. BOOK_05 is the basic rules book, BOOK_01 the racial book.
// The texts are stored in character files and reference databases: "B01" … "B59".
#pragma once

#include <array>
#include <string_view>

namespace zulparvo {

inline constexpr std::size_t kBookCount = 59;

// The code text of BOOK_nn, for nn from 1 to 59.
// The code text of BOOK_nn, for nn from 1 to 59.
namespace detail {
inline constexpr std::array<char[4], kBookCount> kBookCodes = [] {
  std::array<char[4], kBookCount> codes{};
  for (std::size_t i = 0; i < kBookCount; ++i) {
    codes[i][0] = 'B';
    codes[i][1] = static_cast<char>('0' + (i + 1) / 10);
    codes[i][2] = static_cast<char>('0' + (i + 1) % 10);
    codes[i][3] = '\0';
  }
  return codes;
}();
}  // namespace detail

constexpr std::string_view BookCode(std::size_t number) { return {detail::kBookCodes.at(number - 1), 3}; }

// True when the text is one of the 59 codes.
constexpr bool IsBookCode(std::string_view text) {
  for (std::size_t number = 1; number <= kBookCount; ++number) {
    if (BookCode(number) == text) return true;
  }
  return false;
}

// BOOK_01 … BOOK_59; "1##nn - 100" keeps 08 and 09 from reading as octal.
#define ZP_BOOK(nn) inline constexpr std::string_view BOOK_##nn = BookCode(1##nn - 100)
ZP_BOOK(01); ZP_BOOK(02); ZP_BOOK(03); ZP_BOOK(04); ZP_BOOK(05); ZP_BOOK(06); ZP_BOOK(07); ZP_BOOK(08); ZP_BOOK(09);
ZP_BOOK(10); ZP_BOOK(11); ZP_BOOK(12); ZP_BOOK(13); ZP_BOOK(14); ZP_BOOK(15); ZP_BOOK(16); ZP_BOOK(17); ZP_BOOK(18);
ZP_BOOK(19); ZP_BOOK(20); ZP_BOOK(21); ZP_BOOK(22); ZP_BOOK(23); ZP_BOOK(24); ZP_BOOK(25); ZP_BOOK(26); ZP_BOOK(27);
ZP_BOOK(28); ZP_BOOK(29); ZP_BOOK(30); ZP_BOOK(31); ZP_BOOK(32); ZP_BOOK(33); ZP_BOOK(34); ZP_BOOK(35); ZP_BOOK(36);
ZP_BOOK(37); ZP_BOOK(38); ZP_BOOK(39); ZP_BOOK(40); ZP_BOOK(41); ZP_BOOK(42); ZP_BOOK(43); ZP_BOOK(44); ZP_BOOK(45);
ZP_BOOK(46); ZP_BOOK(47); ZP_BOOK(48); ZP_BOOK(49); ZP_BOOK(50); ZP_BOOK(51); ZP_BOOK(52); ZP_BOOK(53); ZP_BOOK(54);
ZP_BOOK(55); ZP_BOOK(56); ZP_BOOK(57); ZP_BOOK(58); ZP_BOOK(59);
#undef ZP_BOOK

}  // namespace zulparvo
