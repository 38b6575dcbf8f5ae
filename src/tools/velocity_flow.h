// Rate of flow and mean velocity in a circular pipe of given inner diameter,
// each computed from the other. The velocity-to-rate-of-flow direction keeps
// its last m³/h text, which can be copied into the main window's medium panel.
#pragma once

#include <string>

#include "base/input_number.h"

namespace tolvane {

struct FlowToVelocityInput {
    std::string flow;      // Edit_Volumenstrom
    int flowUnit = 0;      // ComboBox1, volume-flow list position
    std::string diameter;  // Edit_Rohrdurchmesser
    int diameterUnit = 0;  // ComboVar1: 0 "mm", 1 "in."
};

struct VelocityToFlowInput {
    std::string velocity;  // Edit_Geschwindigkeit
    int velocityUnit = 0;  // ComboBox1: 0 "m/s", 1 "ft./s"
    std::string diameter;  // Edit_Rohrdurchmesser
    int diameterUnit = 0;  // ComboVar1
};

// The two result labels (empty when nothing was calculated).
struct VelocityFlowResult {
    bool calculated = false;
    std::string first;   // Label3
    std::string second;  // Label4
    std::string m3h;     // velocity to rate of flow: the kept m³/h text
};

namespace velocity_flow_label {
inline constexpr const char* Flow = "Rate of flow:";
inline constexpr const char* Velocity = "Velocity of flow:";
inline constexpr const char* Diameter = "Diameter of pipe:";
}  // namespace velocity_flow_label

// v = Q / (pi d^2 / 4). A diameter of zero or less empties the results.
VelocityFlowResult flowToVelocity(const FlowToVelocityInput& in, InputCheck& check);
// Q = pi d^2 / 4 v; a zero or negative diameter is taken as it stands.
VelocityFlowResult velocityToFlow(const VelocityToFlowInput& in, InputCheck& check);

// The velocity field of the velocity-to-rate-of-flow dialog on opening: the
// last calculation's velocity (m/s) as the table shows it (ft/s in US
// output), two decimals; empty when it is 0.
std::string lastVelocityText(double velocityMetresPerSecond, bool usOutput);

// What the two dialogs take from the main window when they open.
struct VelocityFlowPreset {
    int flowUnit = 0;  // rate of flow to velocity: main unit position for a volume flow, else 0
    std::string flow;
    int velocityUnit = 0;  // velocity to rate of flow: "m/s" metric, "ft./s" US
    std::string velocity;
    int diameterUnit = 0;  // the main window's first element unit position
    std::string diameter;  // the main window's first element field
};

}  // namespace tolvane
