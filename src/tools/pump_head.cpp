#include "tools/pump_head.h"

#include <algorithm>

#include "tools/tool_input.h"
#include "base/number_format.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

constexpr int kBar = 0;  // positions in the pressure list
constexpr int kPsi = 8;

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

PumpHeadResult calculatePumpHead(const PumpHeadInput& in, InputCheck& check) {
    PumpHeadResult result;
    check.InputValid = true;
    std::string dropText = in.pressureDrop;
    std::replace(dropText.begin(), dropText.end(), ',', '.');
    const ToolField drop{dropText, pump_head_label::PressureDrop, "Edit_Druck"};
    const ToolField density{in.density, pump_head_label::Density, "Edit_Dichte"};
    const auto dp = readField(drop, check);
    if (!dp) return result;
    const auto rho = readField(density, check);
    if (!rho) return result;

    // The density as typed decides; one too small to survive its unit's
    // factor (5e-324 gr./cu.ft. is 0 kg/m³) is named by the divisor check.
    if (!(*rho > 0.0)) return result;
    const double dpBar = convertAt(UnitList::GasPressure, in.pressureUnit, *dp);
    const double rhoKg = convertAt(UnitList::Density, in.densityUnit, *rho);

    const double head = dpBar / rhoKg / 9.81 * 100000.0;
    if (!acceptResult(head / kMPerFt, {{dpBar, &drop}, {rhoKg, &density, true}}, check))
        return result;
    result.calculated = true;
    result.metres = padLeft(formatFixed(head, 1), 4) + " m";
    result.feet = "(= " + formatFixed(head / kMPerFt, 1) + " ft.)";
    return result;
}

std::string secondTotalNumber(const std::string& totalText) {
    // An empty table shows a single number, "0.00 bar".
    const std::size_t or_ = totalText.find(" or ");
    const std::string rest = or_ == std::string::npos ? totalText : totalText.substr(or_ + 4);
    const std::size_t unit = rest.rfind(' ');
    return unit == std::string::npos ? rest : rest.substr(0, unit);
}

PumpHeadPreset pumpHeadPreset(const CalculationTable& table, OutputSystem output,
                              const std::string& mainDensity, int mainDensityUnit) {
    PumpHeadPreset p;
    p.input.pressureUnit = output == OutputSystem::US ? kPsi : kBar;
    p.input.pressureDrop = cutTo(secondTotalNumber(table.totalText()), 11);
    p.input.density = mainDensity;
    p.input.densityUnit = mainDensityUnit;
    p.calculateNow = readNumber(mainDensity).has_value();
    return p;
}

}  // namespace tolvane
