#include "checks/line_checks.h"

#include <cmath>
#include <cstdio>

#include "results/column_reading.h"
#include "results/short_display.h"
#include "units/unit_factors.h"

namespace tolvane::checks {

namespace {

constexpr double kKgM3PerLbFt3 = 16.018463373960138;  // 0.45359237 kg / 0.3048³ m³
constexpr double kBarPerLbfFt2 = kBarPerPsi / 144.0;

std::string number(double x, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, x);
    return text;
}

Diagnostic at(int column, const char* code, Severity severity, std::string text) {
    return {column, code, severity, std::move(text), std::string("checks.html#") + code};
}

// A column's values in SI from its texts in either unit system.
struct ColumnValues {
    bool gas = false;
    double density = 0.0;    // kg/m³
    double velocity = 0.0;   // m/s
    double velocity2 = 0.0;  // m/s, second section or branch (0 when none)
    double reynolds = 0.0;
    double reynolds2 = 0.0;
    double dropBar = 0.0;  // the column's pressure drop
    bool hasFlow = false;  // a vertical difference shows no velocity
};

ColumnValues valuesOf(const CalculationTable& table, int col, OutputSystem system) {
    const bool us = system == OutputSystem::US;
    const std::string& medium = table.cell(col, Row::Medium);
    ColumnValues v;
    v.gas = medium.size() >= 5 && medium.compare(medium.size() - 5, 5, "/gas.") == 0;
    v.density = cellNumber(table.cell(col, Row::Density)) * (us ? kKgM3PerLbFt3 : 1.0);
    const double lengthFactor = us ? kMPerFt : 1.0;
    v.hasFlow = !table.cell(col, Row::Velocity).empty();
    v.velocity = cellNumber(table.cell(col, Row::Velocity)) * lengthFactor;
    v.velocity2 = cellNumber(table.cell(col, Row::Velocity2)) * lengthFactor;
    v.reynolds = cellNumber(table.cell(col, Row::Reynolds));
    v.reynolds2 = cellNumber(table.cell(col, Row::Reynolds2));
    const double drop = cellNumber(table.cell(col, Row::PressureDrop));
    v.dropBar = us ? drop * kBarPerLbfFt2 : drop / 1000.0;
    return v;
}

// Transition between laminar and turbulent flow, where neither law holds.
void checkTransition(int col, const ColumnValues& v, std::vector<Diagnostic>& out) {
    for (double re : {v.reynolds, v.reynolds2}) {
        if (re >= 2000.0 && re <= 4000.0) {
            out.push_back(at(col, "transition", Severity::Caution,
                             "Reynolds number " + number(re, 0) +
                                 " lies in the transition range 2000 to 4000: the flow may be "
                                 "laminar or turbulent, and the loss anywhere between."));
            return;
        }
    }
}

void checkVelocity(int col, const ColumnValues& v, const CheckLimits& limits,
                   std::vector<Diagnostic>& out) {
    const double limit = v.gas ? limits.gasVelocity : limits.liquidVelocity;
    const double w = std::max(v.velocity, v.velocity2);
    if (w > limit)
        out.push_back(at(col, "velocity", Severity::Caution,
                         "Velocity " + number(w, 2) + " m/s is above the usual limit of " +
                             number(limit, 0) + " m/s for a " + (v.gas ? "gas" : "liquid") +
                             " line (noise, erosion, water hammer)."));
}

// Mach number at the inlet state: c = sqrt(kappa p / rho).
void checkMach(int col, const ColumnValues& v, double inletBar, const CheckLimits& limits,
               std::vector<Diagnostic>& out) {
    if (!(v.density > 0.0) || !(inletBar > 0.0)) return;
    const double c = std::sqrt(limits.kappa * inletBar * 1e5 / v.density);
    const double mach = std::max(v.velocity, v.velocity2) / c;
    if (mach <= 0.2) return;
    out.push_back(at(col, "mach", mach > 0.5 ? Severity::Warning : Severity::Caution,
                     "Mach number " + number(mach, 2) + " (speed of sound " + number(c, 0) +
                         " m/s): above 0.2 the gas cannot be treated as incompressible."));
}

// The simple correction for a gas holds while the drop is small against the
// inlet pressure (Crane TP-410: up to 10 %, with care up to 40 %).
void checkGasDrop(int col, const ColumnValues& v, double inletBar, std::vector<Diagnostic>& out) {
    if (!(inletBar > 0.0)) return;
    const double share = v.dropBar / inletBar;
    if (share <= 0.10) return;
    out.push_back(at(col, "gas-pressure-drop", share > 0.40 ? Severity::Warning : Severity::Caution,
                     "The pressure drop is " + number(100.0 * share, 1) +
                         " % of the inlet pressure " + number(inletBar, 3) +
                         " bar: the simple gas correction holds up to 10 % (with care 40 %)."));
}

// The gas columns in order, each starting where the one before ended.
void checkGasLine(const std::vector<std::pair<int, ColumnValues>>& gasColumns, double firstInletBar,
                  std::vector<Diagnostic>& out) {
    if (gasColumns.empty() || !(firstInletBar > 0.0)) return;
    double sum = 0.0;
    for (const auto& [col, v] : gasColumns) sum += v.dropBar;
    const double share = sum / firstInletBar;
    const int last = gasColumns.back().first;
    if (share >= 1.0) {
        out.push_back(at(last, "gas-line-pressure", Severity::Error,
                         "The gas columns lose " + number(100.0 * share, 1) +
                             " % of the first inlet pressure " + number(firstInletBar, 3) +
                             " bar: the line cannot carry this flow."));
    } else if (share > 0.10) {
        out.push_back(at(last, "gas-line-pressure",
                         share > 0.40 ? Severity::Warning : Severity::Caution,
                         "The gas columns together lose " + number(100.0 * share, 1) +
                             " % of the first inlet pressure " + number(firstInletBar, 3) +
                             " bar; each column was calculated at its own inlet pressure."));
    }
}

}  // namespace

const char* severityWord(Severity severity) {
    switch (severity) {
        case Severity::Information: return "information";
        case Severity::Caution: return "caution";
        case Severity::Warning: return "warning";
        case Severity::Error: return "error";
    }
    return "caution";
}

std::string checksSummary(const std::vector<Diagnostic>& diagnostics) {
    int counts[4] = {0, 0, 0, 0};
    for (const Diagnostic& d : diagnostics) ++counts[static_cast<int>(d.severity)];
    static const char* const kWords[4][2] = {{"information", "information"},
                                             {"caution", "cautions"},
                                             {"warning", "warnings"},
                                             {"error", "errors"}};
    std::string text;
    for (int s = 3; s >= 0; --s) {
        if (counts[s] == 0) continue;
        text += (text.empty() ? "" : ", ") + std::to_string(counts[s]) + " " +
                kWords[s][counts[s] == 1 ? 0 : 1];
    }
    return text.empty() ? text : "Checks: " + text + " (View > Checks)";
}

std::vector<Diagnostic> checkTable(const CalculationTable& table, OutputSystem system,
                                   const std::vector<ColumnConditions>& conditions,
                                   const CheckLimits& limits) {
    std::vector<Diagnostic> out;
    std::vector<std::pair<int, ColumnValues>> gasColumns;
    std::optional<double> firstInlet;
    for (int col = 1; col <= table.calculationCount(); ++col) {
        const ColumnValues v = valuesOf(table, col, system);
        const std::size_t k = static_cast<std::size_t>(col) - 1;
        const std::optional<double> inlet =
            k < conditions.size() ? conditions[k].inletPressureBar : std::nullopt;
        if (v.hasFlow) {
            checkTransition(col, v, out);
            checkVelocity(col, v, limits, out);
        }
        if (v.gas && inlet) {
            if (v.hasFlow) checkMach(col, v, *inlet, limits, out);
            checkGasDrop(col, v, *inlet, out);
            if (!firstInlet) firstInlet = inlet;
            gasColumns.emplace_back(col, v);
        }
    }
    if (gasColumns.size() > 1) checkGasLine(gasColumns, *firstInlet, out);
    if (const std::string note = mixedMediaNote(table); !note.empty())
        out.push_back(at(0, "mixed-media", Severity::Warning,
                         "The total " + note + ": it is no pressure drop of one line."));
    return out;
}

}  // namespace tolvane::checks
