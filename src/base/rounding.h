// The rounding of point values shared by the cost computations of advantages and skills.
#pragma once

namespace zulparvo {

// Rounds the value, taken to one decimal, up in magnitude to the next half: 2.0 stays
// 2.0, 2.1 to 2.5 give 2.5, 2.6 to 2.9 give 3.0, and negative values mirror the positive
// ones (-2.3 gives -2.5). The value is first written with one decimal, so 2.95 counts as
// 3.0 and 2.04 as 2.0; the whole part then passes through single precision.
double RoundUpToHalf(double value);

}  // namespace zulparvo
