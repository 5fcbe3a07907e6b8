#include "base/utilities.h"

#include <array>
#include <charconv>
#include <limits>
#include <string_view>
#include <system_error>


namespace zulparvo {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(std::string_view text, size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

// An optional sign and the digits that follow it, from pos on; 0 when no digit follows.
// Saturates at the limits of long instead of overflowing.
long ParseSignedDigits(std::string_view text, size_t pos) {
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Accumulated as a negative number, whose range reaches the smallest long.
  constexpr long kMin = std::numeric_limits<long>::min();
  long value = 0;
  bool saturated = false;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    const long digit = text[pos] - '0';
    if (value < (kMin + digit) / 10) {
      saturated = true;
      break;
    }
    value = value * 10 - digit;
  }
  if (saturated) return negative ? kMin : std::numeric_limits<long>::max();
  if (!negative) return value == kMin ? std::numeric_limits<long>::max() : -value;
  return value;
}

// The order of magnitude (power of ten of the first significant digit) of a decimal
// number text as StringtoDouble accepts it; only asked about a number that is out of
// range, so it holds a non-zero digit.
long DecimalMagnitude(std::string_view number) {
  size_t pos = 0;
  if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) ++pos;
  long magnitude = 0;
  long integerDigits = 0;
  bool significant = false;
  for (; pos < number.size() && IsDigit(number[pos]); ++pos) {
    if (number[pos] != '0') significant = true;
    if (significant) ++integerDigits;
  }
  if (integerDigits > 0) {
    magnitude = integerDigits - 1;
  } else if (pos < number.size() && number[pos] == '.') {
    long zeros = 0;
    for (++pos; pos < number.size() && number[pos] == '0'; ++pos) ++zeros;
    magnitude = -(zeros + 1);
  }
  while (pos < number.size() && number[pos] != 'e' && number[pos] != 'E') ++pos;
  if (pos < number.size()) {
    // Bounded far beyond any double's range, so the sum cannot overflow.
    constexpr long kBound = 1'000'000;
    const long exponent = ParseSignedDigits(number, pos + 1);
    magnitude += exponent > kBound ? kBound : exponent < -kBound ? -kBound : exponent;
  }
  return magnitude;
}

template <class Real>
Real ParseLeadingReal(std::string_view text) {
  size_t pos = SkipBlanks(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // A digit, or a "." before a digit, must come first; this keeps out "inf" and "nan",
  // which the converter would otherwise take.
  const bool number =
      pos < text.size() &&
      (IsDigit(text[pos]) || (text[pos] == '.' && pos + 1 < text.size() && IsDigit(text[pos + 1])));
  if (!number) return Real(0);

  const char* first = text.data() + pos;
  const char* last = text.data() + text.size();
  Real value = 0;
  // Decimal only: a "0x" prefix reads as 0 followed by other text.
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    const bool overflow =
        DecimalMagnitude(std::string_view(first, static_cast<size_t>(end - first))) >= 0;
    value = overflow ? std::numeric_limits<Real>::infinity() : Real(0);
  } else if (ec != std::errc()) {
    return Real(0);
  }
  return negative ? -value : value;
}

}  // namespace

long GetDescBonus(const CString& text) {
  const size_t open = text.find('(');
  if (open == CString::npos) return 0;
  const size_t close = text.find(')', open + 1);
  if (close == CString::npos) return 0;
  const std::string_view inside = std::string_view(text).substr(open + 1, close - open - 1);
  const size_t pos = SkipBlanks(inside, 0);
  if (pos >= inside.size()) return 0;
  const char c = inside[pos];
  if (c != '+' && c != '-' && !IsDigit(c)) return 0;
  return ParseSignedDigits(inside, pos);
}

CString LongtoString(long value, int /*flag*/) { return std::to_string(value); }

CString InttoString(int value, int /*flag*/) { return std::to_string(value); }

CString DoubletoString(double value, long decimals, int /*form*/, int /*flag*/) {
  constexpr long kMaxDecimals = 15;
  const int precision = static_cast<int>(decimals < 0              ? 0
                                         : decimals > kMaxDecimals ? kMaxDecimals
                                                                   : decimals);
  // The largest double has 309 digits before the "."; with the sign, the "." and the
  // decimals that stays well inside the buffer.
  std::array<char, 400> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, precision);
  if (ec != std::errc()) return CString();
  return CString(buffer.data(), end);
}

long StringtoLong(const CString& text) { return ParseSignedDigits(text, SkipBlanks(text, 0)); }

double StringtoDouble(const CString& text) { return ParseLeadingReal<double>(text); }

float StringtoFloat(const CString& text) { return ParseLeadingReal<float>(text); }

int StringIn(const CString& find, const CString& text) {
  return text.find(find) != CString::npos ? 1 : 0;
}

long GetNumberOfOccurrences(const CString& text, const CString& find) {
  if (find.empty()) return 0;
  long count = 0;
  for (size_t pos = text.find(find); pos != CString::npos; pos = text.find(find, pos + find.size()))
    ++count;
  return count;
}

CString ReplaceString(const CString& text, const CString& find, const CString& replacement,
                      long /*unused*/) {
  if (find.empty()) return text;
  CString result;
  size_t from = 0;
  for (size_t pos = text.find(find); pos != CString::npos; pos = text.find(find, from)) {
    result.append(text, from, pos - from);
    result += replacement;
    from = pos + find.size();
  }
  result.append(text, from, CString::npos);
  return result;
}

}  // namespace zulparvo
