#include "misc/damage_tables.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "base/utilities.h"
#include "base/saturating.h"

namespace zulparvo {

namespace {

CString Number(int64_t value) { return LongtoString(static_cast<long>(value), 0); }

// Dice and adds written out; adds of 3 or more are shown as one more die less the rest
// of `base`.
CString FormatDice(int64_t dice, int64_t adds, int64_t base) {
  if (adds == 0) return Number(dice) + "d";
  if (adds >= 3) return Number(dice + 1) + "d-" + Number(base - adds);
  return Number(dice) + "d+" + Number(adds);
}

// How many whole `size`s the ST makes, counting a part above `slack` as one more.
int64_t Steps(int64_t st, int64_t size, int64_t slack) { return st / size + (st % size > slack ? 1 : 0); }

// The fixed texts of weak creatures: the first whose upper ST bound is not passed.
struct WeakRow {
  int maxSt;
  const char* text;
};

template <std::size_t N>
CString WeakDamage(int st, const WeakRow (&rows)[N]) {
  for (const WeakRow& row : rows) {
    if (st <= row.maxSt) return row.text;
  }
  return rows[N - 1].text;
}

constexpr WeakRow kWeakThrust[] = {{4, "0"}, {5, "1d-5"}, {6, "1d-4"}, {8, "1d-3"}, {10, "1d-2"}};
constexpr WeakRow kWeakSwing[] = {{4, "0"}, {5, "1d-5"}, {6, "1d-4"}, {7, "1d-3"}, {8, "1d-2"}};
constexpr WeakRow kWeakStepFive[] = {{2, "1d-5"}, {5, "1d-4"}, {8, "1d-3"}, {11, "1d-2"}, {15, "1d-1"}};

// A number read from a text, held to the range of int so that sums of a few of them
// cannot overflow.
int32_t ReadNumber(const CString& text) {
  return static_cast<int32_t>(std::clamp<long>(StringtoLong(text), std::numeric_limits<int32_t>::min(),
                                               std::numeric_limits<int32_t>::max()));
}

}  // namespace

CString ThrustDamageText(int st) {
  if (st <= 0) return "0";
  const int64_t n = Steps(st, 8, 2);
  if (n == 1 || st <= 2) return WeakDamage(st, kWeakThrust);
  const int64_t m = (st + 4 * n - 9) / 2;
  return FormatDice(m / 6, m % 6, 6);
}

CString SwingDamageText(int st) {
  if (st <= 0) return "0";
  const int64_t n = Steps(st, 4, 0);
  if (n <= 2) return WeakDamage(st, kWeakSwing);
  const int64_t m = st + 2 * n - 10;
  return FormatDice(m / 6, m % 6, 6);
}

CString StepFiveDamageText(int st) {
  if (st <= 0) return "0";
  const int64_t n = Steps(st, 5, 0);
  if (n <= 3) return WeakDamage(st, kWeakStepFive);
  return FormatDice(n / 4, n % 4, 4);
}

CString AdjustDamageText(const CString& attack, const CString& swingText, const CString& thrustText, int modifier,
                         int step) {
  std::size_t sign = attack.find('+');
  if (sign == CString::npos) sign = attack.find('-');
  const CString kind = attack.substr(0, sign);
  const int32_t extra = sign == CString::npos ? 0 : ReadNumber(attack.substr(sign));

  const CString dice = kind == "sw" ? swingText : kind == "thr" ? thrustText : CString();
  const std::size_t d = dice.find('d');
  if (d == CString::npos) return {};
  int32_t count = ReadNumber(dice.substr(0, d));
  int32_t total = SaturatingAdd(SaturatingAdd(extra, ReadNumber(dice.substr(d + 1))), modifier);
  if (step > 0 && total >= step) {
    count = SaturatingAdd(count, total / step);
    total %= step;
  }
  if (total == 0) return Number(count) + "d";
  return Number(count) + (total > 0 ? "d+" : "d") + Number(total);
}

}  // namespace zulparvo
