#include "tools/plant_curve.h"

#include <cmath>

#include "base/input_number.h"
#include "base/number_format.h"
#include "base/number_rounding.h"
#include "engine/engine.h"
#include "results/column_reading.h"
#include "tools/tool_input.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

constexpr double kSquareYard = 0.8361274;    // m²
constexpr double kSmallestDrawnDrop = 1e-7;  // bar or psi
constexpr std::size_t kDeletedAfterSlash = 10;

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The column's dimension rows were written in the output system's units; the
// engine takes mm, m and m².
double dimensionFactor(const std::string& row, bool firstRow) {
    if (contains(row, "in in.:")) return kMmPerIn;
    if (contains(row, "in ft.:")) return kMPerFt;
    if (firstRow && contains(row, "in sq.yd.:")) return kSquareYard;
    return 1.0;
}

// Row 7 is "<variant name>/<quantity>"; the name is what remains when the
// ten characters from the slash on are deleted.
std::string nameOfElementRow(const std::string& row) {
    const std::size_t slash = row.find('/');
    if (slash == std::string::npos) return row;
    std::string name = row;
    name.erase(slash, kDeletedAfterSlash);
    return name;
}

std::optional<CurveColumn> readColumn(const CalculationColumn& c, OutputSystem system,
                                      const KindByName& kindByName) {
    CurveColumn col;
    col.name = nameOfElementRow(c[Row::Element]);
    const auto kind = kindByName ? kindByName(col.name) : std::nullopt;
    if (!kind) return std::nullopt;
    PipeElement& e = col.element;
    e.kind = *kind;
    e.quantity = cellNumber(textAfter(c[Row::Element], "/"));
    double* inputs[4] = {&e.va1, &e.va2, &e.va3, &e.va4};
    for (int i = 0; i < 4; ++i) *inputs[i] = cellNumber(textAfter(c[Row::Dimension1 + i], ":"));
    const bool us = system == OutputSystem::US;
    if (us) {
        e.va1 *= dimensionFactor(c[Row::Dimension1], true);
        e.va2 *= dimensionFactor(c[Row::Dimension2], false);
        e.va3 *= dimensionFactor(c[Row::Dimension3], false);
    }
    col.zeta = cellNumber(c[Row::Zeta]);
    if (isBranchKind(e.kind)) {
        const double w1 = cellNumber(c[Row::Velocity]), w2 = cellNumber(c[Row::Velocity2]);
        col.branchRatio = (e.va1 * e.va1 / e.va2 / e.va2) * w1 / w2;
        // As copy to edit-windows: a column without a velocity in either
        // branch (an edited project) records no ratio to keep.
        if (!(std::isfinite(col.branchRatio) && col.branchRatio > 0.0)) return std::nullopt;
    }
    if (isFrictionKind(e.kind))
        col.roughness = cellNumber(c[Row::Roughness]) * (us ? kMmPerIn : 1.0);
    return col;
}

// Lowest and highest Reynolds number met while the curve was computed.
struct ReynoldsRange {
    bool set = false;
    double low = 0.0, high = 0.0;
    void add(double re) {
        if (!set) {
            low = high = re;
            set = true;
        } else {
            low = std::min(low, re);
            high = std::max(high, re);
        }
    }
    bool spansTransition() const { return set && low < kTurbulentFrom && high > kTurbulentFrom; }
};

enum class Failure { None, Refused, GasOverflow, NoNumber };

// The points' rates of flow: start, start + step, ... for every record.
double curveStep(const CurveRange& range) {
    return (range.end - range.start) / (range.pointCount - 1.0);
}

// Whether the step moves the rate of flow at all and the last record's rate
// of flow is still a number.
bool pointsDiffer(const CurveRange& range) {
    const double step = curveStep(range);
    const double records = roundHalfEven(range.pointCount);
    return range.start + step > range.start && std::isfinite(range.start + (records - 1.0) * step);
}

// Adds one column's drop at every point; stops at the first point the engine
// refuses.
// One column's drop in bar at the medium's rate of flow (and branch rate of
// flow); none at no flow except for the vertical difference.
Failure columnDrop(const CurveColumn& col, const FlowMedium& medium, EngineEnv& env, double& drop,
                   ReynoldsRange* reynolds) {
    const bool vertical = col.element.kind == Kind::VerticalDifference;
    drop = 0.0;
    if (medium.rateOfFlow == 0.0 && !vertical) return Failure::None;
    ElementResult r;
    r.zeta = col.zeta;
    r = computeFlowState(col.element, medium, r);
    // The vertical difference has no flow regime (its Reynolds number is 0).
    if (!vertical && reynolds) reynolds->add(r.reynolds);
    r = computeElementLoss(col.element, medium, r, env);
    if (r.gasOverflow) return Failure::GasOverflow;
    if (r.calcError) return Failure::Refused;
    drop = r.pressureDrop;
    return Failure::None;
}

EngineEnv silentEnv(const CurveColumn& col) {
    EngineEnv env;
    env.silent = true;
    env.roughness = col.roughness;
    return env;
}

Failure addColumn(const CurveColumn& col, const CurveRange& range, OutputSystem system,
                  FlowMedium& medium, std::vector<CurvePoint>& points, ReynoldsRange& reynolds) {
    EngineEnv env = silentEnv(col);
    const bool branch = isBranchKind(col.element.kind);
    const double step = curveStep(range);

    medium.rateOfFlow = range.start;
    if (branch) medium.branchRateOfFlow = range.start / col.branchRatio;
    for (CurvePoint& point : points) {
        double drop = 0.0;
        if (const Failure f = columnDrop(col, medium, env, drop, &reynolds); f != Failure::None)
            return f;
        if (system == OutputSystem::US) drop /= kBarPerPsi;
        point.pressureDrop += drop;
        // A drop beyond a double (a head of 1e308 m) has no place on the axis.
        if (!std::isfinite(point.pressureDrop)) return Failure::NoNumber;
        point.rateOfFlow = medium.rateOfFlow / range.unitFactor;
        medium.rateOfFlow += step;
        if (branch) medium.branchRateOfFlow = medium.rateOfFlow / col.branchRatio;
    }
    return Failure::None;
}

}  // namespace

std::optional<std::vector<CurveColumn>> readCurveColumns(const CalculationTable& table,
                                                         OutputSystem system,
                                                         const KindByName& kindByName) {
    std::vector<CurveColumn> columns;
    for (int col = 1; col <= table.calculationCount(); ++col) {
        auto element = readColumn(table.column(col), system, kindByName);
        if (!element) return std::nullopt;
        columns.push_back(std::move(*element));
    }
    return columns;
}

std::optional<CurveColumn> readCurveColumn(const CalculationColumn& column, OutputSystem system,
                                           const KindByName& kindByName) {
    return readColumn(column, system, kindByName);
}

std::optional<double> plantDropAt(const std::vector<CurveColumn>& columns, const FlowMedium& medium,
                                  double rateOfFlow) {
    FlowMedium m = medium;
    m.rateOfFlow = rateOfFlow;
    double sum = 0.0;
    for (const CurveColumn& col : columns) {
        if (isBranchKind(col.element.kind)) m.branchRateOfFlow = rateOfFlow / col.branchRatio;
        EngineEnv env = silentEnv(col);
        double drop = 0.0;
        if (columnDrop(col, m, env, drop, nullptr) != Failure::None) return std::nullopt;
        sum += drop;
    }
    if (!std::isfinite(sum)) return std::nullopt;
    return sum;
}

std::string curveElementRefusedText(const std::string& variantName) {
    return std::string("Calculating of the element ") + "\"" + variantName + "\"" +
           " is not possible in the specified range of rate of flow, " +
           "because the flow is laminar." + "\r" + "Please enlarge the rate of flow or " +
           "reduce the diameter!";
}

CurveRangeOutcome readCurveRange(const PlantCurveRequest& request, MessageSink& messages) {
    using namespace curve_field;
    InputCheck check(messages);
    const ToolField from{request.from, FromLabel, From};
    const ToolField to{request.to, ToLabel, To};
    const ToolField points{request.points, PointsLabel, Points};
    std::optional<double> start, end, count;
    if (!(start = readField(from, check)) || !(end = readField(to, check)) ||
        !(count = readField(points, check))) {
        return {std::nullopt, check.focus};
    }

    CurveRange range;
    range.pointCount = *count < 2.0 ? 10.0 : *count;
    // A negative rate of flow has no meaning here; one point per record and
    // computation of every column must stay within what a desk machine holds.
    CheckRange(check, *start, RangeLimits::notNegative(), FromLabel, From);
    if (check.ChecksPassed)
        CheckRange(check, range.pointCount, RangeLimits::notNegative().below(kCurvePointLimit),
                   PointsLabel, Points);
    if (!check.ChecksPassed) {
        return {std::nullopt, check.focus};
    }

    if (!(*end > *start)) {
        messages.show(MessageType::Error, kCurveStartNotBelowEnd);
        return {};
    }

    range.unitFactor = convertAt(UnitList::VolumeFlow, request.unit, 1.0);
    range.unitText = unitTextAt(UnitList::VolumeFlow, request.unit);
    range.start = *start * range.unitFactor;
    range.end = *end * range.unitFactor;
    // An end that overflows in m³/h cannot be a rate of flow, nor can one
    // too close to the start for the points to differ (0 to 5e-324 in three
    // points) or so large that the last point overflows.
    if (!std::isfinite(range.end) || !pointsDiffer(range)) {
        ReportBadInput(check, ToLabel, To);
        return {std::nullopt, check.focus};
    }
    return {range, ""};
}

std::optional<PlantCurve> computeCurvePoints(const CurveRange& range, const CalculationTable& table,
                                             const FlowMedium& medium, OutputSystem system,
                                             const KindByName& kindByName, MessageSink& messages) {
    PlantCurve curve;
    curve.system = system;
    curve.flowUnitText = range.unitText;
    curve.start = range.start / range.unitFactor;
    curve.end = range.end / range.unitFactor;
    curve.points.resize(static_cast<std::size_t>(roundHalfEven(range.pointCount)));

    FlowMedium m = medium;
    ReynoldsRange reynolds;
    for (int col = 1; col <= table.calculationCount(); ++col) {
        const auto element = readColumn(table.column(col), system, kindByName);
        if (!element) {
            // A column whose element name is none of the kinds, or whose
            // texts give no branch ratio (a damaged project), cannot be
            // computed again.
            messages.show(MessageType::Error, kNotPossibleMessage);
            return std::nullopt;
        }
        switch (addColumn(*element, range, system, m, curve.points, reynolds)) {
            case Failure::None: break;
            case Failure::GasOverflow:
                messages.show(MessageType::Error, kGasLimitMessage);
                return std::nullopt;
            case Failure::Refused:
                messages.show(MessageType::Error, curveElementRefusedText(element->name));
                return std::nullopt;
            case Failure::NoNumber:
                messages.show(MessageType::Error, kNotPossibleMessage);
                return std::nullopt;
        }
    }

    curve.minPressureDrop = curve.maxPressureDrop = curve.points.front().pressureDrop;
    for (const CurvePoint& p : curve.points) {
        curve.minPressureDrop = std::min(curve.minPressureDrop, p.pressureDrop);
        curve.maxPressureDrop = std::max(curve.maxPressureDrop, p.pressureDrop);
    }
    // Drops from -1e308 to 1e308 span more than a double holds: no axis.
    if (!std::isfinite(curve.maxPressureDrop - curve.minPressureDrop)) {
        messages.show(MessageType::Error, kNotPossibleMessage);
        return std::nullopt;
    }
    if (curve.maxPressureDrop < kSmallestDrawnDrop) {
        messages.show(MessageType::Information,
                      system == OutputSystem::US ? kCurveTooSmallUs : kCurveTooSmallMetric);
        return std::nullopt;
    }
    if (reynolds.spansTransition()) messages.show(MessageType::Information, kCurveRegimeChanges);
    return curve;
}

namespace {

// Above 9999 (and for drops below 0.01) the 11-character exponent form,
// otherwise three decimals.
std::string flowText(double q) { return q > 9999 ? formatExponent(q) : formatFixed(q, 3); }
std::string dropText(double dp) {
    return dp > 9999 || dp < 0.01 ? formatExponent(dp) : formatFixed(dp, 3);
}

}  // namespace

std::string curveClipboardText(const PlantCurve& curve, const std::string& pressureUnit) {
    // The records hold bar; the diagram draws mbar a thousand times larger.
    const double factor = pressureUnit == "mbar" ? 1000.0 : 1.0;
    std::string text = "Rate of flow in " + curve.flowUnitText + "\t" + "Pressure drop in " +
                       pressureUnit + "\r\n";
    for (const CurvePoint& p : curve.points)
        text += flowText(p.rateOfFlow) + "\t" + dropText(p.pressureDrop * factor) + "\r\n";
    return text;
}

}  // namespace tolvane
