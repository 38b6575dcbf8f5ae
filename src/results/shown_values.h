// The values a calculation column shows, taken from the medium, the element
// and the engine's result, and their presentation in US customary units:
// gal/min, lb./cu.ft., cP, in., sq.yd., ft., ft./s, psi and lbw./sq.ft.
// The engine itself always works in its base units; only these shown values
// are converted, and the next calculation reads the form again.
#pragma once

#include <array>
#include <string>

#include "engine/flow_types.h"
#include "results/column_description.h"
#include "units/unit_factors.h"

namespace tolvane {

struct ShownValues {
    double rateOfFlow = 0.0;       // m³/h or gal/min
    double density = 0.0;          // kg/m³ or lb./cu.ft.
    double viscosity = 0.0;        // 10^-6 kg/(m s) or cP
    std::array<double, 3> dims{};  // va1..va3 in the row's metric or US unit
    double roughness = 0.0;        // mm or in.
    double velocity = 0.0;         // m/s or ft./s
    double velocity2 = 0.0;
    double pressureDrop = 0.0;     // bar, whatever the output system
    double pressureDrop2 = 0.0;    // branch pipe: mbar, or lbw./sq.ft. after conversion
    double pressureDropPsi = 0.0;  // US output only
    double pressureDropLbw = 0.0;  // lbw./sq.ft., US output only
};

// US gallons of 0.158987/42 m³; lb./cu.ft. = 16.0184655 kg/m³; ...
inline constexpr double kBarPerLbwSqFt = 0.000478802653;
inline constexpr double kMbarPerLbwSqFt = 0.478802653;
inline constexpr double kKgM3PerLbCuFt = 16.0184655;
inline constexpr double kM2PerSqYd = 0.8361274;
inline constexpr double kM3PerBarrel = 0.158987;  // 42 US gallons

// The shown values in the engine's base units.
ShownValues metricShownValues(const FlowMedium& medium, const PipeElement& element,
                              const ElementResult& result, double roughness);

// Converts for US output: va1 by the metric unit name recorded for its row
// ("mm", "m²", "m"), va2 and va3 likewise when their unit box is visible,
// w2 and k only when positive; the branch drop from mbar to lbw./sq.ft.;
// psi and lbw./sq.ft. from the bar value.
ShownValues toUsShownValues(ShownValues values, const ColumnDescription& column);

// A value shown in the metric unit `metricUnit` ("mm", "m²", "m") in its US
// unit; other units ("degree", "pieces", "") are returned unchanged.
double metricToUsDimension(double value, const std::string& metricUnit);

}  // namespace tolvane
