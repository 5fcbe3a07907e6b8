#include "base/rounding.h"

#include "base/utilities.h"

namespace zulparvo {

double RoundUpToHalf(double value) {
  const double sign = value < 0 ? -1.0 : 1.0;
  const double magnitude = value * sign;

  const CString text = DoubletoString(magnitude, 1, 1, 0);
  const size_t point = text.find('.');
  // No "." (an infinity or not-a-number, say): the value stays as it is.
  if (point == CString::npos) return value;

  CString decimal = text.substr(point + 1);
  double carry = 0.0;
  if (decimal.size() == 1 && decimal[0] >= '1' && decimal[0] <= '5') {
    decimal = "5";
  } else if (decimal.size() == 1 && decimal[0] >= '6' && decimal[0] <= '9') {
    decimal = "0";
    carry = 1.0;
  }
  const double rounded =
      static_cast<double>(StringtoFloat(text.substr(0, point) + "." + decimal)) + carry;
  return rounded * sign;
}

}  // namespace zulparvo
