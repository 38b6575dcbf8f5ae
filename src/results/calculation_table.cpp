#include "results/calculation_table.h"

#include <cmath>
#include <utility>

#include "results/result_column.h"
#include "results/unit_switch.h"
#include "base/input_number.h"
#include "base/number_format.h"
#include "base/number_rounding.h"

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
// one (3 / 1.2 = 2.5 goes to 2). The product is exact in a double, and so is
// a quotient that is a tie.
int scaleHalfEven(int value, int num, int den) {
    const long long product = static_cast<long long>(value) * num;
    return static_cast<int>(roundHalfEven(static_cast<double>(product) / den));
}

}  // namespace

CalculationTable::CalculationTable() : columns_(2), drops_(2, 0.0), sources_(2) {
    columnWidths_.assign(columns_.size(), defaultColumnWidth);
    writeHeadings(OutputSystem::Metric, 3);
}

const std::string& CalculationTable::cell(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= kTableRows) return kEmpty;
    return columns_[col][row];
}

void CalculationTable::setCell(int col, int row, std::string text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= kTableRows) return;
    std::string& cell = columns_[col][row];
    if (cell == text) return;
    cell = std::move(text);
    if (row == Row::PressureDrop) rereadDrop(col);
    // Texts written from elsewhere are the ones the next switch starts from.
    if (isSwitchedRow(row)) sources_[col].reset();
}

const std::shared_ptr<const SwitchSource>& CalculationTable::switchSource(int col) const {
    static const std::shared_ptr<const SwitchSource> kNoSource;
    if (col < 0 || col >= ColCount()) return kNoSource;
    return sources_[col];
}

void CalculationTable::setSwitchSource(int col, std::shared_ptr<const SwitchSource> source) {
    if (col < 1 || col >= ColCount() - 1) return;
    sources_[col] = std::move(source);
}

void CalculationTable::rereadDrop(int col) {
    drops_[col] = cellValue(columns_[col][Row::PressureDrop]);
    forgetSumFrom(col);
}

void CalculationTable::forgetSumFrom(int col) {
    if (col > summedColumns_) return;
    summedColumns_ = 0;
    summed_ = 0.0;
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
    columnWidths_.resize(columns_.size(), defaultColumnWidth);
    drops_.assign(columns_.size(), 0.0);
    forgetSumFrom(1);
    sources_.assign(columns_.size(), nullptr);
    for (int c = 1; c < ColCount(); ++c) rereadDrop(c);
}

void CalculationTable::replaceColumn(int col, const CalculationColumn& cells) {
    if (col < 1 || col >= trailingColumn()) return;
    for (int row = Row::Number + 1; row < kTableRows; ++row) setCell(col, row, cells[row]);
}

void CalculationTable::addTrailingColumn() {
    columns_.emplace_back();
    drops_.push_back(0.0);
    sources_.emplace_back();
    columnWidths_.resize(columns_.size(), defaultColumnWidth);
}

void CalculationTable::writeHeadings(OutputSystem system, int decimals) {
    const auto& headings = system == OutputSystem::US ? kUsHeadings : kMetricHeadings;
    for (int r = 0; r < kTableRows; ++r) columns_[0][r] = headings[r];
    columnWidths_.resize(columns_.size(), defaultColumnWidth);
    columnWidths_[0] = kHeadingColumnWidth;
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
    // Carried on from the columns summed last time, adding in the same order
    // as a sum from the first column would: the same double, without a pass
    // over the whole table after every calculation.
    const int last = ColCount() - 2;
    if (summedColumns_ > last) forgetSumFrom(1);
    double sum = summed_;
    for (int c = summedColumns_ + 1; c <= last; ++c) sum += drops_[c];
    summed_ = sum;
    summedColumns_ = last;
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
    forgetSumFrom(col);
    sources_.erase(sources_.begin() + col);
    // The grid moves cell texts; the widths stay with their places.
    columnWidths_.resize(columns_.size(), defaultColumnWidth);
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
    forgetSumFrom(1);
    auto movedSource = std::move(sources_[from]);
    sources_.erase(sources_.begin() + from);
    sources_.insert(sources_.begin() + to, std::move(movedSource));
    if (static_cast<int>(columnWidths_.size()) == ColCount()) {
        int width = columnWidths_[from];
        columnWidths_.erase(columnWidths_.begin() + from);
        columnWidths_.insert(columnWidths_.begin() + to, width);
    }
    // The empty column (row 7 empty) goes back to the end.
    for (int c = ColCount() - 1; c >= 1; --c) {
        if (!columns_[c][Row::Element].empty()) continue;
        for (int k = c; k < ColCount() - 1; ++k) {
            columns_[k] = std::move(columns_[k + 1]);
            drops_[k] = drops_[k + 1];
            sources_[k] = std::move(sources_[k + 1]);
        }
        columns_.back() = CalculationColumn{};
        drops_.back() = 0.0;
        sources_.back().reset();
        break;
    }
    renumber();
}

void CalculationTable::renumber() {
    for (int c = 1; c < ColCount(); ++c) columns_[c][Row::Number] = std::to_string(c);
}

bool CalculationTable::convertUnits(OutputSystem newSystem, int decimals) {
    const OutputSystem oldSystem =
        newSystem == OutputSystem::US ? OutputSystem::Metric : OutputSystem::US;
    // Converted on a copy: a value that would not be a number in the new
    // units (1e308 m³/h in gal/min) leaves the table as it was.
    std::vector<CalculationColumn> converted = columns_;
    std::vector<std::shared_ptr<const SwitchSource>> sources = sources_;
    std::vector<double> drops = drops_;
    double sum = 0.0;
    for (int c = 1; c < ColCount() - 1; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (!sources[i]) sources[i] = switchSourceOf(columns_[i], oldSystem, decimals);
        if (!switchColumn(converted[i], *sources[i], newSystem, decimals)) return false;
        drops[i] = cellValue(converted[i][Row::PressureDrop]);
        sum += drops[i];
    }
    if (!std::isfinite(sum)) return false;
    columns_ = std::move(converted);
    sources_ = std::move(sources);
    drops_ = std::move(drops);
    forgetSumFrom(1);
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

int CalculationTable::columnWidth(int col) const {
    if (col < 0 || col >= static_cast<int>(columnWidths_.size())) return defaultColumnWidth;
    return columnWidths_[static_cast<std::size_t>(col)];
}

void CalculationTable::setColumnWidth(int col, int width) {
    if (col < 0 || col >= static_cast<int>(columnWidths_.size())) return;
    columnWidths_[static_cast<std::size_t>(col)] = width;
}

void CalculationTable::setColumnWidths(std::vector<int> widths) {
    columnWidths_ = std::move(widths);
    columnWidths_.resize(columns_.size(), defaultColumnWidth);
}

void CalculationTable::setDefaultColumnWidth(int width) {
    defaultColumnWidth = width;
    columnWidths_.assign(columns_.size(), width);
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
