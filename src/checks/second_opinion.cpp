#include "checks/second_opinion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "checks/isothermal_gas.h"
#include "results/column_reading.h"
#include "units/unit_factors.h"

namespace tolvane::checks {

namespace {

constexpr double kKgM3PerLbFt3 = 16.018463373960138;  // 0.45359237 kg / 0.3048³ m³
constexpr double kPaPerLbfFt2 = 47.880258980335840;   // 4.4482216152605 N / 0.3048² m²
constexpr double kPaPerMbar = 100.0;

std::string fixed(double x, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, x);
    return text;
}

// The column's flow as its texts give it, in SI.
struct ColumnFlow {
    bool gas = false;
    double density = 0.0;  // kg/m³
    double basisVelocity = 0.0;  // m/s, the section ζ refers to
    double reynolds = 0.0, reynolds2 = 0.0;
    double zeta = 0.0;
    std::string zetaText;
    double drop = 0.0;  // row 23's unit
};

ColumnFlow flowOf(const CalculationTable& table, int col, OutputSystem system, ElementKind kind) {
    const bool us = system == OutputSystem::US;
    ColumnFlow f;
    const std::string& medium = table.cell(col, Row::Medium);
    f.gas = medium.size() >= 5 && medium.compare(medium.size() - 5, 5, "/gas.") == 0;
    f.density = cellNumber(table.cell(col, Row::Density)) * (us ? kKgM3PerLbFt3 : 1.0);
    const int velocityRow = zetaOnSecondSection(kind) ? Row::Velocity2 : Row::Velocity;
    f.basisVelocity = cellNumber(table.cell(col, velocityRow)) * (us ? kMPerFt : 1.0);
    f.reynolds = cellNumber(table.cell(col, Row::Reynolds));
    f.reynolds2 = cellNumber(table.cell(col, Row::Reynolds2));
    f.zetaText = table.cell(col, Row::Zeta);
    f.zeta = cellNumber(f.zetaText);
    f.drop = cellNumber(table.cell(col, Row::PressureDrop));
    return f;
}

ColumnOpinion opinionOf(int col, const ColumnFlow& f, const OpinionElement* e, OutputSystem system) {
    ColumnOpinion o;
    o.column = col;
    o.zeta = f.zeta;
    o.pressureDrop = o.low = o.high = f.drop;
    if (!e) return o;
    PublishedInput in;
    in.element = e->element;
    in.reynolds = f.reynolds;
    in.reynolds2 = f.reynolds2;
    in.roughness = e->roughness;
    in.branchRatio = e->branchRatio;
    const PublishedZetas zetas = publishedZetas(in);
    if (zetas.empty()) return o;
    // Dynamic pressure times quantity, in row 23's unit.
    const double unitPa = system == OutputSystem::US ? kPaPerLbfFt2 : kPaPerMbar;
    const double perZeta =
        0.5 * f.density * f.basisVelocity * f.basisVelocity * e->element.quantity / unitPa;
    // The table shows no ζ of 0 or below (a branch that gains pressure):
    // the drop gives it back.
    double own = f.zeta;
    if (f.zetaText.empty() && perZeta > 0.0) own = f.drop / perZeta;
    o.zeta = own;
    for (const PublishedZeta& z : zetas)
        o.alternatives.push_back({z.source, z.zeta, f.drop + (z.zeta - own) * perZeta});
    o.low = f.drop + (zetas.lowest() - own) * perZeta;
    o.high = f.drop + (zetas.highest() - own) * perZeta;
    return o;
}

// The gas columns in order, each starting at the pressure the one before
// left; the density follows the pressure at constant temperature.
std::optional<IsothermalLine> isothermalLine(const CalculationTable& table, OutputSystem system,
                                             const std::vector<OpinionElement>& elements,
                                             const std::vector<ColumnConditions>& conditions) {
    std::optional<IsothermalLine> line;
    const double unitPa = system == OutputSystem::US ? kPaPerLbfFt2 : kPaPerMbar;
    double p = 0.0, referencePressure = 0.0, referenceDensity = 0.0, tableDrops = 0.0;
    for (int col = 1; col <= table.calculationCount(); ++col) {
        const std::size_t k = static_cast<std::size_t>(col) - 1;
        const ElementKind kind = k < elements.size() ? elements[k].element.kind : ElementKind{};
        const ColumnFlow f = flowOf(table, col, system, kind);
        if (!f.gas) continue;
        if (!line) {
            const std::optional<double> inlet =
                k < conditions.size() ? conditions[k].inletPressureBar : std::nullopt;
            if (!inlet || !(*inlet > 0.0)) return std::nullopt;
            line = IsothermalLine{};
            line->inletBar = *inlet;
            p = referencePressure = *inlet * 1e5;
            referenceDensity = f.density;
        }
        tableDrops += f.drop * unitPa;
        if (!line->chokedColumn && p > 0.0) {
            const double quantity = k < elements.size() ? elements[k].element.quantity : 1.0;
            const double resistance = f.zeta * quantity;
            if (resistance > 0.0 && f.basisVelocity > 0.0) {
                // The column's mass flux holds at any pressure; its density
                // is the one at the gas data's pressure.
                const double flux = f.density * f.basisVelocity;
                const double density = referenceDensity * p / referencePressure;
                const auto outlet = isothermalOutletPressure(p, density, flux, resistance);
                if (outlet)
                    p = *outlet;
                else
                    line->chokedColumn = col;
            } else {
                p -= f.drop * unitPa;  // a height or a coefficient of 0: its own drop
            }
        }
    }
    if (!line) return line;
    line->tableOutletBar = line->inletBar - tableDrops / 1e5;
    if (!line->chokedColumn && p > 0.0) line->outletBar = p / 1e5;
    return line;
}

}  // namespace

SecondOpinion secondOpinion(const CalculationTable& table, OutputSystem system,
                            const std::vector<OpinionElement>& elements,
                            const std::vector<ColumnConditions>& conditions) {
    SecondOpinion s;
    s.pressureUnit = system == OutputSystem::US ? "lbw./sq.ft." : "mbar";
    for (int col = 1; col <= table.calculationCount(); ++col) {
        const std::size_t k = static_cast<std::size_t>(col) - 1;
        const OpinionElement* e = k < elements.size() ? &elements[k] : nullptr;
        const ColumnFlow f = flowOf(table, col, system, e ? e->element.kind : ElementKind{});
        ColumnOpinion o = opinionOf(col, f, e, system);
        s.total += o.pressureDrop;
        s.low += o.low;
        s.high += o.high;
        s.columns.push_back(std::move(o));
    }
    s.gas = isothermalLine(table, system, elements, conditions);
    return s;
}

std::string opinionText(const ColumnOpinion& column, int decimals) {
    if (column.alternatives.empty()) return {};
    std::string text = "ζ " + fixed(column.zeta, decimals) + " (this program) — ";
    for (std::size_t i = 0; i < column.alternatives.size(); ++i) {
        const Alternative& a = column.alternatives[i];
        if (i > 0) text += ", ";
        text += std::string(publishedSourceName(a.source)) + " " + fixed(a.zeta, decimals);
    }
    return text;
}

std::string rangeText(const SecondOpinion& opinion, OutputSystem system, int decimals) {
    // Row 23 holds mbar or lbw./sq.ft.; the total is read in bar or psi.
    const bool us = system == OutputSystem::US;
    const double factor = us ? 1.0 / 144.0 : 1.0 / 1000.0;
    const std::string unit = us ? " psi" : " bar";
    return "total " + fixed(opinion.total * factor, decimals) + unit +
           "; by the published methods " + fixed(opinion.low * factor, decimals) + " … " +
           fixed(opinion.high * factor, decimals) + unit;
}

std::string isothermalText(const IsothermalLine& line, int decimals) {
    if (!line.outletBar)
        return "isothermal flow from " + fixed(line.inletBar, decimals) +
               " bar chokes in column " + std::to_string(line.chokedColumn) +
               ": the line cannot carry this flow";
    return "isothermal outlet pressure " + fixed(*line.outletBar, decimals) + " bar against " +
           fixed(line.tableOutletBar, decimals) + " bar by the columns' correction (difference " +
           fixed(*line.outletBar - line.tableOutletBar, decimals) + " bar)";
}

}  // namespace tolvane::checks
