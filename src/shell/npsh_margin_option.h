// The NPSH margin rule as the options file beside the settings file keeps
// it (the settings file has fixed lines and no room for it): the larger of
// a head in m and a share of NPSH required.
#pragma once

namespace tolvane {

inline constexpr const char* kNpshMarginMinimumKey = "npshMarginMinimum_m";
inline constexpr const char* kNpshMarginShareKey = "npshMarginShare";

}  // namespace tolvane
