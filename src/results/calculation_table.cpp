#include "results/calculation_table.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "results/result_column.h"
#include "results/shown_values.h"
#include "units/input_number.h"
#include "units/number_format.h"

namespace tolvane {

namespace {

constexpr int kHeadingColumnWidth = 145;

constexpr std::array<const char*, kTableRows> kMetricHeadings = {
    "Calculating number:",
    "Flow medium:",
    "Rate of flow in m³/h",
    "Weight density in kg/m³:",
    "Abs.viscos. in 10-6 kg/ms:",
    "",
    "Specification (user):",
    "Element of pipe/quantity:",
    "Dimensions of element:",
    "",
    "",
    "",
    "",
    "Velocity of flow in m/s:",
    "Reynolds number:",
    "Velocity of flow 2 in m/s:",
    "Reynolds number 2:",
    "Flow:",
    "Absolute roughness in mm:",
    "Pipe friction number:",
    "Resistance coefficient:",
    "Resist.coeff.branch.pipe:",
    "Press.drop branch.pipe mbar:",
    "Pressure drop in mbar:",
    "Pressure drop in bar:",
};

constexpr std::array<const char*, kTableRows> kUsHeadings = {
    "Calculating number:",
    "Flow medium:",
    "Rate of flow in gal/min:",
    "Weight density in lb./cu.ft.:",
    "Abs.viscos. in cP:",
    "",
    "Specification (user):",
    "Element of pipe/quantity:",
    "Dimensions of element:",
    "",
    "",
    "",
    "",
    "Velocity of flow in ft./s:",
    "Reynolds number:",
    "Velocity of flow 2 in ft./s:",
    "Reynolds number 2:",
    "Flow:",
    "Absolute roughness in in.",
    "Pipe friction number:",
    "Resistance coefficient:",
    "Resist.coeff.branch.pipe:",
    "Press.drop branch.pipe lbw./sq.ft.:",
    "Pressure drop in lbw./sq.ft.:",
    "Pressure drop in psi:",
};

const std::string kEmpty;

// A cell read as a number: blanks dropped, comma as point, empty is 0; a text
// that is no number counts as 0 as well.
double cellValue(const std::string& text) { return readNumber(text).value_or(0.0); }

// value * num / den rounded to the nearest integer, a tie going to the even
// one (exact in integers, so 3 / 1.2 = 2.5 goes to 2).
int scaleHalfEven(int value, int num, int den) {
    long long p = static_cast<long long>(value) * num;
    long long q = p / den;
    long long rem = p % den;  // same sign as p
    long long twice = 2 * (rem < 0 ? -rem : rem);
    int step = p < 0 ? -1 : 1;
    if (twice > den || (twice == den && q % 2 != 0)) q += step;
    return static_cast<int>(q);
}

// Dimension units a unit switch converts: the text inside the cell, the
// conversion to the other system's unit and that unit's name.
struct DimensionUnit {
    std::string_view marker;
    double (*convert)(double);
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
// without " in " (the known resistance coefficient) is left as it is.
// Nothing when the converted value would not be a number.
std::optional<std::string> convertDimensionRow(const std::string& text, int row, int decimals) {
    if (text.empty()) return text;
    std::size_t in = text.find(" in ");
    std::size_t colon = text.find(": ");
    if (in == std::string::npos || colon == std::string::npos || colon < in) return text;
    std::string label = text.substr(0, in);
    std::string unit = text.substr(in + 4, colon - in - 4);
    double value = cellValue(text.substr(colon + 2));
    for (const DimensionUnit& u : kDimensionUnits) {
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

}  // namespace

CalculationTable::CalculationTable() : columns_(2), drops_(2, 0.0) {
    columnWidths.assign(columns_.size(), defaultColumnWidth);
    writeHeadings(OutputSystem::Metric, 3);
}

const std::string& CalculationTable::cell(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= kTableRows) return kEmpty;
    return columns_[col][row];
}

void CalculationTable::setCell(int col, int row, std::string text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= kTableRows) return;
    columns_[col][row] = std::move(text);
    if (row == Row::PressureDrop) rereadDrop(col);
}

void CalculationTable::rereadDrop(int col) {
    drops_[col] = cellValue(columns_[col][Row::PressureDrop]);
}

const CalculationColumn& CalculationTable::column(int col) const {
    static const CalculationColumn kNone{};
    if (col < 0 || col >= ColCount()) return kNone;
    return columns_[col];
}

void CalculationTable::setCalculations(std::vector<CalculationColumn> calculations) {
    CalculationColumn headings = columns_[0];
    columns_.clear();
    columns_.reserve(calculations.size() + 2);
    columns_.push_back(std::move(headings));
    for (CalculationColumn& c : calculations) columns_.push_back(std::move(c));
    columns_.emplace_back();
    columnWidths.resize(columns_.size(), defaultColumnWidth);
    drops_.assign(columns_.size(), 0.0);
    for (int c = 1; c < ColCount(); ++c) rereadDrop(c);
}

void CalculationTable::setEmptyCalculations(int n) {
    setCalculations(std::vector<CalculationColumn>(static_cast<std::size_t>(std::max(0, n))));
}

void CalculationTable::addTrailingColumn() {
    columns_.emplace_back();
    drops_.push_back(0.0);
    columnWidths.resize(columns_.size(), defaultColumnWidth);
}

void CalculationTable::writeHeadings(OutputSystem system, int decimals) {
    const auto& headings = system == OutputSystem::US ? kUsHeadings : kMetricHeadings;
    for (int r = 0; r < kTableRows; ++r) columns_[0][r] = headings[r];
    columnWidths.resize(columns_.size(), defaultColumnWidth);
    columnWidths[0] = kHeadingColumnWidth;
    if (!hasValues()) {
        columns_[1][Row::Number] =
            std::to_string(1);  // (a literal here trips a false -Wrestrict of GCC 12)
        total_ = 0.0;
        totalText_ = system == OutputSystem::US ? "0.00 psi" : "0.00 bar";
    } else {
        updateTotal(system, decimals);
    }
}

void CalculationTable::updateTotal(OutputSystem system, int decimals) {
    double sum = 0.0;
    for (int c = 1; c < ColCount() - 1; ++c) sum += drops_[c];
    total_ = sum;
    if (system == OutputSystem::US) {
        totalText_ = pressureText(sum, decimals) + " lbw./sq.ft." + " or " +
                     pressureText(sum / 144.0, decimals) + " psi";
    } else {
        totalText_ = pressureText(sum, decimals) + " mbar" + " or " +
                     pressureText(sum / 1000.0, decimals) + " bar";
    }
}

bool CalculationTable::deleteColumn(int col, OutputSystem system, int decimals) {
    if (!hasValues() || col < 1 || col >= ColCount() - 1) return false;
    columns_.erase(columns_.begin() + col);
    drops_.erase(drops_.begin() + col);
    // The grid moves cell texts; the widths stay with their places.
    columnWidths.resize(columns_.size(), defaultColumnWidth);
    renumber();
    updateTotal(system, decimals);
    return true;
}

void CalculationTable::moveColumn(int from, int to) {
    if (from < 1 || to < 1 || from >= ColCount() || to >= ColCount() || from == to) {
        return;
    }
    CalculationColumn moved = std::move(columns_[from]);
    columns_.erase(columns_.begin() + from);
    columns_.insert(columns_.begin() + to, std::move(moved));
    const double movedDrop = drops_[from];
    drops_.erase(drops_.begin() + from);
    drops_.insert(drops_.begin() + to, movedDrop);
    if (static_cast<int>(columnWidths.size()) == ColCount()) {
        int width = columnWidths[from];
        columnWidths.erase(columnWidths.begin() + from);
        columnWidths.insert(columnWidths.begin() + to, width);
    }
    // The empty column (row 7 empty) goes back to the end.
    for (int c = ColCount() - 1; c >= 1; --c) {
        if (!columns_[c][Row::Element].empty()) continue;
        for (int k = c; k < ColCount() - 1; ++k) {
            columns_[k] = std::move(columns_[k + 1]);
            drops_[k] = drops_[k + 1];
        }
        columns_.back() = CalculationColumn{};
        drops_.back() = 0.0;
        break;
    }
    renumber();
}

void CalculationTable::renumber() {
    for (int c = 1; c < ColCount(); ++c) columns_[c][Row::Number] = std::to_string(c);
}

bool CalculationTable::convertUnits(OutputSystem newSystem, int decimals) {
    // Each value is converted in the order of the factors as the US output of
    // a calculation does, so that a switched table and a table calculated in
    // US units show the same texts (950 / 1000 and 950 * 0.001 differ in
    // the last bit, and 0.95 then rounds to 0.9 or to 1.0). Each row is then
    // written with the width rules of a calculation.
    using Conversion = double (*)(double);
    using Writer = std::string (*)(double, int);
    struct RowConversion {
        int row;
        Conversion toUs, toMetric;
        Writer write;
    };
    static constexpr Writer kFixed = [](double v, int d) { return formatFixed(v, d); };
    static constexpr Writer kVelocity = [](double v, int d) { return fixedResultText(v, d, 10); };
    static constexpr Writer kPressure11 = [](double v, int d) { return fixedResultText(v, d, 11); };
    static constexpr RowConversion kRows[] = {
        {Row::RateOfFlow, [](double v) { return v / kM3PerBarrel * 42.0 / 60.0; },
         [](double v) { return v * kM3PerBarrel / 42.0 * 60.0; }, kFixed},
        {Row::Density, [](double v) { return v / kKgM3PerLbCuFt; },
         [](double v) { return v * kKgM3PerLbCuFt; }, kFixed},
        {Row::Viscosity, [](double v) { return v / 1000.0; }, [](double v) { return v * 1000.0; },
         kFixed},
        {Row::Velocity, [](double v) { return v / kMPerFt; }, [](double v) { return v * kMPerFt; },
         kVelocity},
        {Row::Velocity2, [](double v) { return v / kMPerFt; }, [](double v) { return v * kMPerFt; },
         kVelocity},
        {Row::Roughness, [](double v) { return v / kMmPerIn; },
         [](double v) { return v * kMmPerIn; }, kFixed},
        {Row::PressureDrop2, [](double v) { return v / kMbarPerLbwSqFt; },
         [](double v) { return v * kMbarPerLbwSqFt; }, kPressure11},
    };
    const bool toUs = newSystem == OutputSystem::US;
    // The element's drop converts as the branch pipe's (mbar <-> lbw./sq.ft.).
    constexpr const RowConversion& kDropConversion = kRows[6];
    static_assert(kDropConversion.row == Row::PressureDrop2);
    const Conversion pressure = toUs ? kDropConversion.toUs : kDropConversion.toMetric;
    // The large unit from the converted drop: bar = mbar / 1000, psi = lbw./sq.ft. / 144.
    const double secondPressureDivisor = toUs ? 144.0 : 1000.0;
    // Metric drops switch to the exponent form above 9999 as a calculation writes them.
    const Writer writeDrop =
        toUs ? kPressure11 : [](double v, int d) { return pressureText(v, d); };

    // Converted on a copy: a value that would not be a number in the new
    // units (1e308 m³/h in gal/min) leaves the table as it was.
    std::vector<CalculationColumn> converted = columns_;
    std::vector<double> drops = drops_;
    double sum = 0.0;
    for (int c = 1; c < ColCount() - 1; ++c) {
        CalculationColumn& col = converted[static_cast<std::size_t>(c)];
        for (const RowConversion& r : kRows) {
            std::string& cell = col[r.row];
            if (cell.empty()) continue;
            const double value = (toUs ? r.toUs : r.toMetric)(cellValue(cell));
            if (!std::isfinite(value)) return false;
            cell = r.write(value, decimals);
        }
        const double drop = pressure(cellValue(col[Row::PressureDrop]));
        if (!std::isfinite(drop)) return false;
        if (!col[Row::PressureDrop].empty()) col[Row::PressureDrop] = writeDrop(drop, decimals);
        if (!col[Row::PressureDropLarge].empty())
            col[Row::PressureDropLarge] = writeDrop(drop / secondPressureDivisor, decimals);
        drops[static_cast<std::size_t>(c)] = cellValue(col[Row::PressureDrop]);
        sum += drops[static_cast<std::size_t>(c)];
        for (int row = Row::Dimension1; row <= Row::Dimension3; ++row) {
            std::optional<std::string> text = convertDimensionRow(col[row], row, decimals);
            if (!text) return false;
            col[row] = std::move(*text);
        }
    }
    if (!std::isfinite(sum)) return false;
    columns_ = std::move(converted);
    drops_ = std::move(drops);
    writeHeadings(newSystem, decimals);
    updateTotal(newSystem, decimals);
    return true;
}

std::string CalculationTable::clipboardText() const {
    std::string text;
    text.reserve(static_cast<std::size_t>(ColCount()) * kTableRows * 16);
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c <= ColCount() - 2; ++c) {
            if (c > 0) text += '\t';
            text += columns_[c][r];
        }
        text += "\r\n";
    }
    text += "Total pressure drop:";
    text += totalText_;
    return text;
}

void CalculationTable::setDefaultColumnWidth(int width) {
    defaultColumnWidth = width;
    columnWidths.assign(columns_.size(), width);
}

// Zoom factor 1.2 = 6/5.
void CalculationTable::zoomIn() {
    font.height = scaleHalfEven(font.height, 6, 5);
    font.size = fontSizeOfHeight(font.height);
    defaultRowHeight = scaleHalfEven(defaultRowHeight, 6, 5);
    setDefaultColumnWidth(scaleHalfEven(defaultColumnWidth, 6, 5));
}

void CalculationTable::zoomOut() {
    font.height = scaleHalfEven(font.height, 5, 6);
    font.size = fontSizeOfHeight(font.height);
    defaultRowHeight = scaleHalfEven(defaultRowHeight, 5, 6);
    setDefaultColumnWidth(scaleHalfEven(defaultColumnWidth, 5, 6));
}

void CalculationTable::changeFont(const TableFont& newFont) {
    font = newFont;
    defaultRowHeight = 2 * font.size;
}

// The platform's fonts at 96 pixels per inch: height = -size * 96 / 72.
int fontHeightOfSize(int points) { return -static_cast<int>(std::lround(points * 96.0 / 72.0)); }

int fontSizeOfHeight(int height) {
    return static_cast<int>(std::lround(std::abs(height) * 72.0 / 96.0));
}

}  // namespace tolvane
