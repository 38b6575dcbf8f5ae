// The factors of the US units used outside the unit catalogue's lists. The
// catalogue converts in long double; the double forms are the same constants
// rounded once, equal to the double values the results were always computed
// with.
#pragma once

namespace tolvane {

inline constexpr long double kMPerFtLong = 0.3048L;
inline constexpr long double kMmPerInLong = 25.4L;
inline constexpr long double kBarPerPsiLong = 0.068947581976L;

inline constexpr double kMPerFt = static_cast<double>(kMPerFtLong);
inline constexpr double kMmPerIn = static_cast<double>(kMmPerInLong);
inline constexpr double kBarPerPsi = static_cast<double>(kBarPerPsiLong);

static_assert(kMPerFt == 0.3048);
static_assert(kMmPerIn == 25.4);
static_assert(kBarPerPsi == 0.068947581976);

}  // namespace tolvane
