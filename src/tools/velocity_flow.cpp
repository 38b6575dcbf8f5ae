#include "tools/velocity_flow.h"

#include <cmath>
#include <numbers>

#include "tools/tool_input.h"
#include "base/number_format.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

double diameterInMm(double value, int unit) { return convertAt(UnitList::Diameter, unit, value); }

}  // namespace

VelocityFlowResult flowToVelocity(const FlowToVelocityInput& in, InputCheck& check) {
    VelocityFlowResult r;
    check.InputValid = true;
    const ToolField flow{in.flow, velocity_flow_label::Flow, "Edit_Volumenstrom"};
    const ToolField diameter{in.diameter, velocity_flow_label::Diameter, "Edit_Rohrdurchmesser"};
    const auto q = readField(flow, check);
    if (!q) return r;
    const auto d = readField(diameter, check);
    if (!d) return r;
    if (!(*d > 0.0)) return r;

    const double qM3h = convertAt(UnitList::VolumeFlow, in.flowUnit, *q);
    const double dMm = diameterInMm(*d, in.diameterUnit);
    const double v = qM3h * 10000.0 / 36.0 * 4.0 / std::numbers::pi / dMm / dMm;
    if (!acceptResult(v / kMPerFt, {{qM3h, &flow}, {dMm, &diameter, true, 2}}, check)) return r;
    r.calculated = true;
    r.first = formatFixed(v, 2) + " m/s";
    r.second = "( = " + formatFixed(v / kMPerFt, 2) + " ft./s)";
    return r;
}

VelocityFlowResult velocityToFlow(const VelocityToFlowInput& in, InputCheck& check) {
    VelocityFlowResult r;
    check.InputValid = true;
    const ToolField velocity{in.velocity, velocity_flow_label::Velocity, "Edit_Geschwindigkeit"};
    const ToolField diameter{in.diameter, velocity_flow_label::Diameter, "Edit_Rohrdurchmesser"};
    const auto v = readField(velocity, check);
    if (!v) return r;
    const auto d = readField(diameter, check);
    if (!d) return r;

    const double dMm = diameterInMm(*d, in.diameterUnit);
    const double vMs = in.velocityUnit == 1 ? *v * kMPerFt : *v;
    const double q = std::numbers::pi * dMm * dMm * vMs * 0.0036 / 4.0;
    // gal/min of the US petroleum barrel of 42 gallons.
    const double galPerMin = q / 0.158987 * 42.0 / 60.0;
    if (!acceptResult(galPerMin, {{vMs, &velocity}, {dMm, &diameter, false, 2}}, check)) return r;
    r.calculated = true;
    r.m3h = formatFixed(q, 2);
    r.first = r.m3h + " m³/h";
    r.second = "(= " + formatFixed(galPerMin, 2) + " gal/min)";
    return r;
}

std::string lastVelocityText(double velocityMetresPerSecond, bool usOutput) {
    // No calculation yet (0), or a refused one that left no sound velocity.
    if (velocityMetresPerSecond == 0.0 || !std::isfinite(velocityMetresPerSecond)) return {};
    const double shown = usOutput ? velocityMetresPerSecond / kMPerFt : velocityMetresPerSecond;
    std::string text = formatFixed(shown, 2);
    if (text.size() < 4) text.insert(0, 4 - text.size(), ' ');
    return cutTo(text, 10);
}

}  // namespace tolvane
