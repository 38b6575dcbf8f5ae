#include "checks/line_checks.h"

#include <algorithm>
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

// A limit as the user gave it: "3", "0.25", "1.4".
std::string limitText(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", x);
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
    double zeta = 0.0;
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
    v.zeta = cellNumber(table.cell(col, Row::Zeta));
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
                             limitText(limit) + " m/s for a " + (v.gas ? "gas" : "liquid") +
                             " line (noise, erosion, water hammer)."));
}

// Mach number at the inlet state: c = sqrt(kappa p / rho).
void checkMach(int col, const ColumnValues& v, double inletBar, const CheckLimits& limits,
               std::vector<Diagnostic>& out) {
    if (!(v.density > 0.0) || !(inletBar > 0.0)) return;
    const double c = std::sqrt(limits.kappa * inletBar * 1e5 / v.density);
    const double mach = std::max(v.velocity, v.velocity2) / c;
    if (mach <= limits.machCaution) return;
    out.push_back(at(col, "mach", mach > limits.machWarning ? Severity::Warning : Severity::Caution,
                     "Mach number " + number(mach, 2) + " (speed of sound " + number(c, 0) +
                         " m/s): above " + limitText(limits.machCaution) +
                         " the gas cannot be treated as incompressible."));
}

// The simple correction for a gas holds while the drop is small against the
// inlet pressure (Crane TP-410: up to 10 %, with care up to 40 %).
void checkGasDrop(int col, const ColumnValues& v, double inletBar, const CheckLimits& limits,
                  std::vector<Diagnostic>& out) {
    if (!(inletBar > 0.0)) return;
    const double share = v.dropBar / inletBar;
    if (share <= limits.gasDropCaution) return;
    out.push_back(at(col, "gas-pressure-drop",
                     share > limits.gasDropWarning ? Severity::Warning : Severity::Caution,
                     "The pressure drop is " + number(100.0 * share, 1) +
                         " % of the inlet pressure " + number(inletBar, 3) +
                         " bar: the simple gas correction holds up to " +
                         limitText(100.0 * limits.gasDropCaution) + " % (with care " +
                         limitText(100.0 * limits.gasDropWarning) + " %)."));
}

// The gas columns in order, each starting where the one before ended.
void checkGasLine(const std::vector<std::pair<int, ColumnValues>>& gasColumns, double firstInletBar,
                  const CheckLimits& limits, std::vector<Diagnostic>& out) {
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
    } else if (share > limits.gasDropCaution) {
        out.push_back(at(last, "gas-line-pressure",
                         share > limits.gasDropWarning ? Severity::Warning : Severity::Caution,
                         "The gas columns together lose " + number(100.0 * share, 1) +
                             " % of the first inlet pressure " + number(firstInletBar, 3) +
                             " bar; each column was calculated at its own inlet pressure."));
    }
}

// The kinds whose coefficient follows from their geometry alone: all but the
// friction kinds (Colebrook, and the miter bends' Reynolds term), the standard
// orifice (its discharge coefficient takes Re), the thick-edged orifice (the
// friction of its bore) and the vertical difference, which has no coefficient.
bool hasFixedZeta(ElementKind k) {
    return isValidKind(k) && !isFrictionKind(k) &&
           !isAnyOf(k, {Kind::StandardOrifice, Kind::ThickEdgedOrifice, Kind::VerticalDifference});
}

// Fixed coefficients are turbulent values; in laminar flow the real loss
// grows like 1/Re and lies well above them (Hooper's K1/Re term).
constexpr double kLaminarBelow = 2000.0;

void checkLaminarFitting(int col, const ColumnValues& v, const PipeElement& e,
                         std::vector<Diagnostic>& out) {
    if (!hasFixedZeta(e.kind)) return;
    double re = v.reynolds;
    if (v.reynolds2 > 0.0) re = std::min(re, v.reynolds2);
    if (!(re < kLaminarBelow)) return;
    out.push_back(at(col, "laminar-fitting", Severity::Caution,
                     "Reynolds number " + number(re, 0) +
                         " is below 2000: the fixed resistance coefficient of this fitting is a "
                         "turbulent value and understates the loss of a laminar flow."));
}

// ISO 5167-2 admits orifice plates with 0.1 <= beta <= 0.75; the standard
// orifice's discharge equation is the one fitted on that range. The other two
// orifices follow Idelchik's formulas, which hold for every area ratio.
constexpr double kOrificeBetaAbove = 0.75;

// The engine's nozzle table (area ratio m, zeta). Its gaps are "widely
// spaced" where a straight line between two points lies more than 20 %
// above a curve zeta = a m^-n through them mid-way: 0.1-0.2 (47 %), 0.2-0.3
// (29 %) and 0.5-0.7 (44 %, the one gap twice as wide as the others), while
// 0.3-0.4 and 0.4-0.5 stay within 14 % and 8 %.
constexpr double kNozzleM[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.7};
constexpr double kNozzleZeta[] = {80, 18, 5, 2, 1, 0.2};
constexpr double kWideGapAbove = 0.20;

// How far the straight line through (x1, z1), (x2, z2) lies above the power
// curve through both points at x, as a fraction.
double aboveThePowerCurve(double x, double x1, double x2, double z1, double z2) {
    const double n = std::log(z1 / z2) / std::log(x2 / x1);
    const double curve = z1 * std::pow(x / x1, -n);
    const double line = z1 + (x - x1) * (z2 - z1) / (x2 - x1);
    return line / curve - 1.0;
}

void checkNozzle(int col, const PipeElement& e, std::vector<Diagnostic>& out) {
    const double m = (e.va2 / e.va1) * (e.va2 / e.va1);
    constexpr std::size_t n = std::size(kNozzleM);
    if (m < kNozzleM[0] || m > kNozzleM[n - 1]) {
        out.push_back(at(col, "correlation-range", Severity::Caution,
                         "The nozzle's area ratio m = " + number(m, 3) +
                             " lies beyond its table (0.1 to 0.7): the coefficient at the table's "
                             "end is taken."));
        return;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double x1 = kNozzleM[i], x2 = kNozzleM[i + 1];
        if (!(m > x1 && m < x2)) continue;
        const double z1 = kNozzleZeta[i], z2 = kNozzleZeta[i + 1];
        if (aboveThePowerCurve((x1 + x2) / 2.0, x1, x2, z1, z2) <= kWideGapAbove) return;
        const double lower = 1.0 - 1.0 / (1.0 + aboveThePowerCurve(m, x1, x2, z1, z2));
        out.push_back(at(col, "correlation-range", Severity::Caution,
                         "The nozzle's area ratio m = " + number(m, 3) +
                             " lies between the table points " + limitText(x1) + " (ζ " +
                             limitText(z1) + ") and " + limitText(x2) + " (ζ " + limitText(z2) +
                             "), too far apart for a straight line: a smooth curve through them "
                             "gives a coefficient " +
                             number(100.0 * lower, 0) + " % lower here."));
        return;
    }
}

// The radius factor of the bends is tabled for R/D from 1 to 10.
constexpr double kBendRatioLow = 1.0, kBendRatioHigh = 10.0;

void checkBendRatio(int col, double ratio, const char* what, std::vector<Diagnostic>& out) {
    if (ratio >= kBendRatioLow && ratio <= kBendRatioHigh) return;
    out.push_back(at(col, "correlation-range", Severity::Caution,
                     std::string("The bend's ") + what + " = " + number(ratio, 2) +
                         " lies beyond its table (1 to 10): the radius factor at the table's end "
                         "is taken."));
}

void checkCorrelationRange(int col, const ColumnValues& v, const PipeElement& e,
                           std::vector<Diagnostic>& out) {
    switch (kindOf(e.kind)) {
        case Kind::StandardOrifice: {
            const double beta = e.va2 / e.va1;
            if (beta > kOrificeBetaAbove)
                out.push_back(at(col, "correlation-range", Severity::Caution,
                                 "The orifice's diameter ratio β = " + number(beta, 3) +
                                     " is above 0.75, the limit of the orifice equation "
                                     "(ISO 5167-2): its coefficient is extrapolated."));
            break;
        }
        case Kind::Nozzle: checkNozzle(col, e, out); break;
        case Kind::GateValve:
        case Kind::Cock:
        case Kind::SwingValve:
            // The tables end in 0 for the open valve; Crane, Idelchik and Miller
            // give 0.1 to 0.3 for the body of an open gate, plug or butterfly.
            if (v.zeta == 0.0)
                out.push_back(at(col, "correlation-range", Severity::Caution,
                                 "The open valve is calculated with ζ = 0, where the literature "
                                 "gives 0.1 to 0.3: the loss of its body is missing."));
            break;
        case Kind::ChannelPipe: {
            const double b = e.va1, h = e.va2;
            const double closed = 2.0 * b * h / (b + h), open = 4.0 * b * h / (b + 2.0 * h);
            out.push_back(at(col, "correlation-range", Severity::Caution,
                             "The channel is calculated as a closed section B × H: its free "
                             "surface counts as wall, so its hydraulic diameter is " +
                                 number(closed, 1) + " mm instead of the open channel's " +
                                 number(open, 1) + " mm (4·B·H/(B + 2·H))."));
            break;
        }
        case Kind::CircularBend: checkBendRatio(col, e.va2 / e.va1, "R/D", out); break;
        case Kind::RectangularBend: {
            const double dh = 2.0 * e.va1 * e.va2 / (e.va1 + e.va2);
            checkBendRatio(col, e.va3 / dh, "R/dh", out);
            break;
        }
        default: break;
    }
}

// Cavitation index sigma = (p2 - pv) / dp of a throttling element in a
// liquid (the usual valve rule: below 2 incipient, below 1 heavy cavitation).
bool throttles(ElementKind k) {
    return inGroup(k, ElementGroup::Valves) || inGroup(k, ElementGroup::CheckValves) ||
           inGroup(k, ElementGroup::NozzlesAndOrifices);
}

void checkCavitation(int col, const ColumnValues& v, double outletBar, double vapourBar,
                     std::vector<Diagnostic>& out) {
    if (!(v.dropBar > 0.0)) return;
    const double sigma = (outletBar - vapourBar) / v.dropBar;
    if (!(sigma < 2.0)) return;
    out.push_back(at(col, "cavitation", sigma < 1.0 ? Severity::Warning : Severity::Caution,
                     "Cavitation index " + number(sigma, 2) + " = (outlet pressure " +
                         number(outletBar, 3) + " bar − vapour pressure " + number(vapourBar, 3) +
                         " bar) / pressure drop " + number(v.dropBar, 3) +
                         " bar: below 2 the liquid may cavitate here, below 1 it will."));
}

}  // namespace

std::string limitsProblem(const CheckLimits& l) {
    if (!(l.liquidVelocity > 0.0) || !(l.gasVelocity > 0.0))
        return "The velocity limits must be above 0 m/s.";
    if (!(l.kappa > 1.0 && l.kappa <= 2.0))
        return "The isentropic exponent κ must lie above 1 and at most 2.";
    if (!(l.gasDropCaution > 0.0 && l.gasDropCaution < l.gasDropWarning && l.gasDropWarning <= 1.0))
        return "The gas pressure drops must rise from the caution to the warning, above 0 % and at "
               "most 100 %.";
    if (!(l.machCaution > 0.0 && l.machCaution < l.machWarning && l.machWarning <= 1.0))
        return "The Mach numbers must rise from the caution to the warning, above 0 and at most 1.";
    if (l.lineInletPressureBar && !(*l.lineInletPressureBar > 0.0))
        return "The line's inlet pressure (absolute) must be above 0 bar.";
    if (l.vapourPressureBar && !(*l.vapourPressureBar >= 0.0))
        return "The vapour pressure must not be below 0 bar.";
    return {};
}

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
    const bool cavitation = limits.lineInletPressureBar && limits.vapourPressureBar;
    // The pressure after each column, carried down the line from its inlet.
    double pressureBar = limits.lineInletPressureBar.value_or(0.0);
    for (int col = 1; col <= table.calculationCount(); ++col) {
        const ColumnValues v = valuesOf(table, col, system);
        const std::size_t k = static_cast<std::size_t>(col) - 1;
        static const ColumnConditions kUnknown;
        const ColumnConditions& given = k < conditions.size() ? conditions[k] : kUnknown;
        const std::optional<double>& inlet = given.inletPressureBar;
        pressureBar -= v.dropBar;
        if (v.hasFlow) {
            checkTransition(col, v, out);
            checkVelocity(col, v, limits, out);
        }
        if (v.gas && inlet) {
            if (v.hasFlow) checkMach(col, v, *inlet, limits, out);
            checkGasDrop(col, v, *inlet, limits, out);
            if (!firstInlet) firstInlet = inlet;
            gasColumns.emplace_back(col, v);
        }
        if (!given.element) continue;
        const PipeElement& e = *given.element;
        if (v.hasFlow) checkLaminarFitting(col, v, e, out);
        checkCorrelationRange(col, v, e, out);
        if (cavitation && !v.gas && v.hasFlow && throttles(e.kind))
            checkCavitation(col, v, pressureBar, *limits.vapourPressureBar, out);
    }
    if (gasColumns.size() > 1) checkGasLine(gasColumns, *firstInlet, limits, out);
    if (const std::string note = mixedMediaNote(table); !note.empty())
        out.push_back(at(0, "mixed-media", Severity::Warning,
                         "The total " + note + ": it is no pressure drop of one line."));
    return out;
}

}  // namespace tolvane::checks
