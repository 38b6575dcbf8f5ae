// The engine's inputs and result, all in fixed base units:
// rate of flow m³/h, density kg/m³, viscosity 10^-6 kg/(m s), cross-section
// dimensions mm, pipe lengths and vertical differences m (the U-bend's length
// and the thick-edged orifice's bore in mm), areas m², angles degree,
// roughness mm, velocity m/s, gas pressure bar, temperatures K, pressure drop
// bar (the branchings' second pressure drop mbar).
#pragma once

#include "engine/element_kind.h"

namespace tolvane {

// The Reynolds number from which a flow counts as turbulent.
inline constexpr double kTurbulentFrom = 2320.0;

enum class MediumCondition { Liquid, Gas };

struct FlowMedium {
    double rateOfFlow = 0.0;        // Q, m³/h
    double branchRateOfFlow = 0.0;  // Q2 of kinds 5,5 and 5,6, m³/h
    double density = 0.0;           // kg/m³
    double viscosity = 0.0;         // absolute, 10^-6 kg/(m s)
    MediumCondition condition = MediumCondition::Liquid;
    double inletPressure = 0.0;      // bar (gas only)
    double inletTemperature = 0.0;   // K (gas only)
    double outletTemperature = 0.0;  // K (gas only)
};

struct PipeElement {
    ElementKind kind;
    double va1 = 0.0, va2 = 0.0, va3 = 0.0, va4 = 0.0;
    double quantity = 1.0;
    // Item 0 or 1 of the element's option group; for the rectangular bend the
    // smooth/rough choice of its additional data window.
    int option = 0;
};

// Every calculation overwrites the fields it computes; the others keep their
// previous values (silent mode relies on this for a caller-supplied zeta).
struct ElementResult {
    double velocity = 0.0;  // m/s, first cross section
    double reynolds = 0.0;
    double velocity2 = 0.0;  // m/s, second cross section or branch
    double reynolds2 = 0.0;
    double hydraulicDiameter = 0.0;  // mm
    double frictionFactor = 0.0;     // lambda
    double zeta = 0.0;
    double zeta2 = 0.0;
    double pressureDrop = 0.0;   // bar, times quantity
    double pressureDrop2 = 0.0;  // mbar
    bool isLaminar = false;
    bool calcError = false;
    bool gasOverflow = false;  // silent mode: gas pressure drop beyond the limit
};

}  // namespace tolvane
