#include "results/calculation_table.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "engine/result_column.h"
#include "engine/us_conversion.h"
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
double cellValue(const std::string& text) {
    return readNumber(text).value_or(0.0);
}

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
// factor to the other system's unit and that unit's name.
struct DimensionUnit {
    std::string_view marker;
    double factor;  // new value = old value * factor
    std::string_view newUnit;
    bool firstRowOnly;
};

constexpr DimensionUnit kDimensionUnits[] = {
    {"in mm:", 1.0 / kMmPerIn, "in.", false},
    {"in in.:", kMmPerIn, "mm", false},
    {"in m:", 1.0 / kMPerFt, "ft.", false},
    {"in ft.:", kMPerFt, "m", false},
    {"in m²:", 1.0 / kM2PerSqYd, "sq.yd.", true},
    {"in sq.yd.:", kM2PerSqYd, "m²", true},
};

// A dimension row: label, " in ", unit, ": ", value. Only the units of the
// other system are converted; "degree", "pieces" keep unit and value. A row
// without " in " (the known resistance coefficient) is left as it is.
std::string convertDimensionRow(const std::string& text, int row, int decimals) {
    if (text.empty()) return text;
    std::size_t in = text.find(" in ");
    std::size_t colon = text.find(": ");
    if (in == std::string::npos || colon == std::string::npos || colon < in) return text;
    std::string label = text.substr(0, in);
    std::string unit = text.substr(in + 4, colon - in - 4);
    double value = cellValue(text.substr(colon + 2));
    for (const DimensionUnit& u : kDimensionUnits) {
        if (u.firstRowOnly && row != 8) continue;
        if (text.find(u.marker) != std::string::npos) {
            value *= u.factor;
            unit = u.newUnit;
            break;
        }
    }
    std::string number = formatFixed(value, decimals);
    if (row == 10) {
        std::size_t point = number.find('.');
        if (point != std::string::npos) number[point] = ',';
    }
    return label + " in " + unit + ": " + number;
}

}  // namespace

CalculationTable::CalculationTable() : columns_(2) {
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
}

void CalculationTable::setEmptyCalculations(int n) {
    setCalculations(std::vector<CalculationColumn>(static_cast<std::size_t>(std::max(0, n))));
}

void CalculationTable::addTrailingColumn() {
    columns_.emplace_back();
    columnWidths.resize(columns_.size(), defaultColumnWidth);
}

void CalculationTable::writeHeadings(OutputSystem system, int decimals) {
    const auto& headings = system == OutputSystem::US ? kUsHeadings : kMetricHeadings;
    for (int r = 0; r < kTableRows; ++r) columns_[0][r] = headings[r];
    columnWidths.resize(columns_.size(), defaultColumnWidth);
    columnWidths[0] = kHeadingColumnWidth;
    if (!hasValues()) {
        columns_[1][0] = "1";
        total_ = 0.0;
        totalText_ = system == OutputSystem::US ? "0.00 psi" : "0.00 bar";
    } else {
        updateTotal(system, decimals);
    }
}

void CalculationTable::updateTotal(OutputSystem system, int decimals) {
    double sum = 0.0;
    for (int c = 1; c < ColCount() - 1; ++c) sum += cellValue(columns_[c][23]);
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
    if (static_cast<int>(columnWidths.size()) == ColCount()) {
        int width = columnWidths[from];
        columnWidths.erase(columnWidths.begin() + from);
        columnWidths.insert(columnWidths.begin() + to, width);
    }
    // The empty column (row 7 empty) goes back to the end.
    for (int c = ColCount() - 1; c >= 1; --c) {
        if (!columns_[c][7].empty()) continue;
        for (int k = c; k < ColCount() - 1; ++k) columns_[k] = std::move(columns_[k + 1]);
        columns_.back() = CalculationColumn{};
        break;
    }
    renumber();
}

void CalculationTable::renumber() {
    for (int c = 1; c < ColCount(); ++c) columns_[c][0] = std::to_string(c);
}

void CalculationTable::convertUnits(OutputSystem newSystem, int decimals) {
    writeHeadings(newSystem, decimals);
    const bool toUs = newSystem == OutputSystem::US;
    // Factor from the old system's value to the new one.
    const double flow = toUs ? 42.0 / (kM3PerBarrel * 60.0) : kM3PerBarrel * 60.0 / 42.0;
    const double density = toUs ? 1.0 / kKgM3PerLbCuFt : kKgM3PerLbCuFt;
    const double viscosity = toUs ? 1.0 / 1000.0 : 1000.0;
    const double velocity = toUs ? 1.0 / kMPerFt : kMPerFt;
    const double roughness = toUs ? 1.0 / kMmPerIn : kMmPerIn;
    const double pressure = toUs ? 1.0 / kMbarPerLbwSqFt : kMbarPerLbwSqFt;
    const double secondPressure = toUs ? 1.0 / 144.0 : 1.0 / 1000.0;

    for (int c = 1; c < ColCount() - 1; ++c) {
        CalculationColumn& col = columns_[c];
        auto convert = [&](int row, double factor) {
            if (col[row].empty()) return;
            col[row] = formatFixed(cellValue(col[row]) * factor, decimals);
        };
        convert(2, flow);
        convert(3, density);
        convert(4, viscosity);
        convert(13, velocity);
        convert(15, velocity);
        convert(18, roughness);
        convert(22, pressure);
        double drop = cellValue(col[23]) * pressure;
        if (!col[23].empty()) col[23] = formatFixed(drop, decimals);
        if (!col[24].empty()) col[24] = formatFixed(drop * secondPressure, decimals);
        for (int row = 8; row <= 10; ++row) col[row] = convertDimensionRow(col[row], row, decimals);
    }
    updateTotal(newSystem, decimals);
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
int fontHeightOfSize(int points) {
    return -static_cast<int>(std::lround(points * 96.0 / 72.0));
}

int fontSizeOfHeight(int height) {
    return static_cast<int>(std::lround(std::abs(height) * 72.0 / 96.0));
}

}  // namespace tolvane
