#include "results/unit_switch.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "results/result_column.h"
#include "results/shown_values.h"
#include "base/input_number.h"
#include "base/number_format.h"

namespace tolvane {

namespace {

enum class Direction { ToUs, ToMetric, Same };

// A cell read as a number: blanks dropped, comma as point, empty is 0; a text
// that is no number counts as 0 as well.
double cellValue(const std::string& text) { return readNumber(text).value_or(0.0); }

using Conversion = double (*)(double);
using Writer = std::string (*)(double, int);

std::string writeFixed(double v, int d) { return formatFixed(v, d); }
std::string writeVelocity(double v, int d) { return fixedResultText(v, d, 10); }
std::string writePressure11(double v, int d) { return fixedResultText(v, d, 11); }
// Metric drops switch to the exponent form above 9999 as a calculation writes them.
std::string writeMetricDrop(double v, int d) { return pressureText(v, d); }

// Each value is converted in the order of the factors as the US output of a
// calculation does, so that a switched table and a table calculated in US
// units show the same texts (950 / 1000 and 950 * 0.001 differ in the last
// bit, and 0.95 then rounds to 0.9 or to 1.0). Each row is then written with
// the width rules of a calculation.
struct RowConversion {
    int row;
    Conversion toUs, toMetric;
    Writer write;
};

constexpr RowConversion kRows[] = {
    {Row::RateOfFlow, [](double v) { return v / kM3PerBarrel * 42.0 / 60.0; },
     [](double v) { return v * kM3PerBarrel / 42.0 * 60.0; }, writeFixed},
    {Row::Density, [](double v) { return v / kKgM3PerLbCuFt; },
     [](double v) { return v * kKgM3PerLbCuFt; }, writeFixed},
    {Row::Viscosity, [](double v) { return v / 1000.0; }, [](double v) { return v * 1000.0; },
     writeFixed},
    {Row::Velocity, [](double v) { return v / kMPerFt; }, [](double v) { return v * kMPerFt; },
     writeVelocity},
    {Row::Velocity2, [](double v) { return v / kMPerFt; }, [](double v) { return v * kMPerFt; },
     writeVelocity},
    {Row::Roughness, [](double v) { return v / kMmPerIn; }, [](double v) { return v * kMmPerIn; },
     writeFixed},
    {Row::PressureDrop2, [](double v) { return v / kMbarPerLbwSqFt; },
     [](double v) { return v * kMbarPerLbwSqFt; }, writePressure11},
};
// The element's drop converts as the branch pipe's (mbar <-> lbw./sq.ft.).
constexpr const RowConversion& kDropConversion = kRows[6];
static_assert(kDropConversion.row == Row::PressureDrop2);

double convert(const RowConversion& r, Direction direction, double v) {
    switch (direction) {
        case Direction::ToUs: return r.toUs(v);
        case Direction::ToMetric: return r.toMetric(v);
        case Direction::Same: break;
    }
    return v;
}

// Dimension units a unit switch converts: the text inside the cell, the
// conversion to the other system's unit and that unit's name.
struct DimensionUnit {
    std::string_view marker;
    Conversion convert;
    std::string_view newUnit;
    bool firstRowOnly;
};

constexpr DimensionUnit kDimensionUnits[] = {
    {"in mm:", [](double v) { return v / kMmPerIn; }, "in.", false},
    {"in in.:", [](double v) { return v * kMmPerIn; }, "mm", false},
    {"in m:", [](double v) { return v / kMPerFt; }, "ft.", false},
    {"in ft.:", [](double v) { return v * kMPerFt; }, "m", false},
    {"in m²:", [](double v) { return v / kM2PerSqYd; }, "sq.yd.", true},
    {"in sq.yd.:", [](double v) { return v * kM2PerSqYd; }, "m²", true},
};

// A dimension row: label, " in ", unit, ": ", value. Only the units of the
// other system are converted; "degree", "pieces" keep unit and value. A row
// without " in " (the known resistance coefficient) is left as it is. The
// third dimension is written with a decimal comma. Nothing when the
// converted value would not be a number.
std::optional<std::string> switchDimensionRow(const std::string& text, int row, Direction direction,
                                              int decimals) {
    if (text.empty()) return text;
    std::size_t in = text.find(" in ");
    std::size_t colon = text.find(": ");
    if (in == std::string::npos || colon == std::string::npos || colon < in) return text;
    std::string label = text.substr(0, in);
    std::string unit = text.substr(in + 4, colon - in - 4);
    double value = cellValue(text.substr(colon + 2));
    for (const DimensionUnit& u : kDimensionUnits) {
        if (direction == Direction::Same) break;
        if (u.firstRowOnly && row != Row::Dimension1) continue;
        if (text.find(u.marker) != std::string::npos) {
            value = u.convert(value);
            unit = u.newUnit;
            if (!std::isfinite(value)) return std::nullopt;
            break;
        }
    }
    std::string number = formatFixed(value, decimals);
    if (row == Row::Dimension3) {
        std::size_t point = number.find('.');
        if (point != std::string::npos) number[point] = ',';
    }
    return label + " in " + unit + ": " + number;
}

constexpr int kSwitchedRows[] = {
    Row::RateOfFlow, Row::Density,       Row::Viscosity,    Row::Dimension1,
    Row::Dimension2, Row::Dimension3,    Row::Velocity,     Row::Velocity2,
    Row::Roughness,  Row::PressureDrop2, Row::PressureDrop, Row::PressureDropLarge,
};

}  // namespace

bool isSwitchedRow(int row) {
    for (int r : kSwitchedRows)
        if (r == row) return true;
    return false;
}

std::shared_ptr<const SwitchSource> switchSourceOf(const CalculationColumn& column,
                                                   OutputSystem system, int decimals) {
    auto source = std::make_shared<SwitchSource>();
    for (int r : kSwitchedRows) source->texts[r] = column[r];
    source->system = system;
    source->decimals = decimals;
    return source;
}

bool switchColumn(CalculationColumn& column, const SwitchSource& source, OutputSystem target,
                  int decimals) {
    const CalculationColumn& from = source.texts;
    if (source.system == target && source.decimals == decimals) {
        for (int r : kSwitchedRows) column[r] = from[r];
        return true;
    }
    const Direction direction = source.system == target      ? Direction::Same
                                : target == OutputSystem::US ? Direction::ToUs
                                                             : Direction::ToMetric;
    for (const RowConversion& r : kRows) {
        column[r.row] = from[r.row];
        if (from[r.row].empty()) continue;
        const double value = convert(r, direction, cellValue(from[r.row]));
        if (!std::isfinite(value)) return false;
        column[r.row] = r.write(value, decimals);
    }

    const double drop = convert(kDropConversion, direction, cellValue(from[Row::PressureDrop]));
    if (!std::isfinite(drop)) return false;
    const bool us = target == OutputSystem::US;
    const Writer writeDrop = us ? writePressure11 : writeMetricDrop;
    // The large unit from the converted drop: bar = mbar / 1000, psi = lbw./sq.ft. / 144.
    const double largeDivisor = us ? 144.0 : 1000.0;
    column[Row::PressureDrop] =
        from[Row::PressureDrop].empty() ? std::string() : writeDrop(drop, decimals);
    column[Row::PressureDropLarge] = from[Row::PressureDropLarge].empty()
                                         ? std::string()
                                         : writeDrop(drop / largeDivisor, decimals);

    for (int row = Row::Dimension1; row <= Row::Dimension3; ++row) {
        std::optional<std::string> text = switchDimensionRow(from[row], row, direction, decimals);
        if (!text) return false;
        column[row] = std::move(*text);
    }
    return true;
}

}  // namespace tolvane
