// The head a pump must deliver to overcome a known pressure drop, for a
// liquid of given density, in metres and feet. Preset from the calculation
// table's total pressure drop (bar, or psi in US output).
#pragma once

#include <string>

#include "results/calculation_table.h"
#include "base/input_number.h"

namespace tolvane {

struct PumpHeadInput {
    std::string pressureDrop;  // Edit_Druck
    int pressureUnit = 0;      // ComboBox1, pressure list position
    std::string density;       // Edit_Dichte
    int densityUnit = 0;       // ComboBox2, density list position
};

struct PumpHeadResult {
    bool calculated = false;
    std::string metres;  // Label5, at least four characters before " m"
    std::string feet;    // Label6, "(= 33.4 ft.)"
};

namespace pump_head_label {
inline constexpr const char* PressureDrop = "Pressure drop:";
inline constexpr const char* Density = "Weight density:";
}  // namespace pump_head_label

// "C&alculate": H = dp / rho / 9.81 in metres. A density of zero or less
// gives no result and no message; a negative pressure drop a negative head.
PumpHeadResult calculatePumpHead(const PumpHeadInput& in, InputCheck& check);

// What the dialog shows on opening: the table total's second number (bar,
// or psi in US output) with that unit, the main window's density and unit.
// `calculateNow` when the density text reads.
struct PumpHeadPreset {
    PumpHeadInput input;
    bool calculateNow = false;
};
PumpHeadPreset pumpHeadPreset(const CalculationTable& table, OutputSystem output,
                              const std::string& mainDensity, int mainDensityUnit);

// The second number of a total text "12.345 mbar or 0.012 bar" -> "0.012".
std::string secondTotalNumber(const std::string& totalText);

}  // namespace tolvane
