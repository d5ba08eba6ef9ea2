// Rounding as the platform's run-time rounds: to the nearest whole number, halves to the even
// one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
#pragma once

#include <cmath>

namespace base {

inline double RoundHalfEven(double value) {
  // nearbyint follows the current rounding mode, which nothing in this system changes from the
  // default: to nearest, ties to even.
  return std::nearbyint(value);
}

}  // namespace base
