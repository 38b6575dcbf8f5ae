// Rounding to the nearest integer with halves going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, 5.5 -> 6), the rounding of the curve's point count and
// of the diagram's tick steps; independent of the floating-point rounding mode.
#pragma once

#include <cmath>

namespace tolvane {

inline double roundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

}  // namespace tolvane
