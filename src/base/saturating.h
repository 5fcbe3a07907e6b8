// Whole-number sums that stay in range. Values from files can be anything; a sum of
// two of them must not overflow (which C++ leaves undefined), so it stops at the limit.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zulparvo {

constexpr int32_t SaturatingAdd(int32_t a, int32_t b) {
  const int64_t sum = int64_t{a} + int64_t{b};
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace zulparvo
