// Saturated steam at 31 saturation temperatures from 0 to 300 °C: saturation
// pressure, density and dynamic viscosity as fixed texts (no interpolation),
// and the gaseous medium "Saturated steam" they hand on.
#pragma once

#include <string>
#include <vector>

#include "properties/medium_choice.h"

namespace tolvane {

struct SteamRow {
    const char* celsius;    // at most 3 characters
    const char* pressure;   // mbar, at most 8 characters
    const char* density;    // kg/m³, at most 8 characters
    const char* viscosity;  // 10^-6 Pa s, at most 5 characters
};

const std::vector<SteamRow>& steamTable();

// "Saturated steam" at row `row` (clamped), with the saturation pressure in
// mbar and the temperature in °C for the gas data window.
MediumChoice steamChoice(int row);

}  // namespace tolvane
