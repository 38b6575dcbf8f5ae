// Density and dynamic viscosity of liquid water at 37 temperatures from 0 to
// 300 °C, as fixed texts (no interpolation), and the medium "Water" they hand
// to the medium panel.
#pragma once

#include <string>
#include <vector>

#include "properties/medium_choice.h"

namespace tolvane {

struct WaterRow {
    const char* celsius;    // at most 3 characters
    const char* density;    // kg/m³, at most 5 characters
    const char* viscosity;  // 10^-6 Pa s, at most 4 characters
};

const std::vector<WaterRow>& waterTable();

// The medium "Water" at row `row` (clamped into the table).
MediumChoice waterChoice(int row);

}  // namespace tolvane
