// Rounding a double to a whole number: halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2) independent of the floating-point rounding
// mode, or halves away from zero (2.5 -> 3) where the drawing code rounds.
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

// Nearest int, halves away from zero.
inline int roundInt(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace tolvane
