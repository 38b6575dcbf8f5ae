// The calculation table as data: 25 rows of cell texts, column 0 the row
// headings, columns 1..n the calculations in line order and one trailing
// empty column for the next calculation (so ColCount() == n + 2). The cell
// texts are the only record of the results: the total, the unit switch, the
// clipboard text, copy-back and the project file all read them.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

inline constexpr int kTableRows = 25;

// The rows of a calculation column (row 0 holds the calculation's number).
struct Row {
    enum : int {
        Number = 0,
        Medium = 1,  // name + "/liq." or "/gas."
        RateOfFlow = 2,
        Density = 3,
        Viscosity = 4,
        Specification = 6,  // the user's own text, editable in the table
        Element = 7,        // kind name + "/" + quantity
        Dimension1 = 8,     // "<caption> in <unit>: <value>"
        Dimension2 = 9,
        Dimension3 = 10,
        Field4 = 11,  // the fourth field as typed
        Option = 12,
        Velocity = 13,
        Reynolds = 14,
        Velocity2 = 15,
        Reynolds2 = 16,
        Regime = 17,  // "laminar" / "turbulent"
        Roughness = 18,
        FrictionFactor = 19,
        Zeta = 20,
        Zeta2 = 21,              // branch pipe
        PressureDrop2 = 22,      // branch pipe, mbar or lbw./sq.ft.
        PressureDrop = 23,       // mbar or lbw./sq.ft.; the total adds this row
        PressureDropLarge = 24,  // bar or psi
    };
};
using CalculationColumn = std::array<std::string, kTableRows>;

enum class OutputSystem { Metric, US };

struct TableFont {
    std::string name = "MS Sans Serif";
    int color = 0;     // the platform's colour value
    int size = 8;      // points
    int height = -11;  // negative: given in points (kept through zooming)
    bool bold = false, italic = false, underline = false, strikeOut = false;
    bool operator==(const TableFont&) const = default;
};

// The font height (pixels at 96 per inch, negative for a size in points) of a
// point size, and the point size of a height.
int fontHeightOfSize(int points);
int fontSizeOfHeight(int height);

struct SwitchSource;  // results/unit_switch.h

inline constexpr const char* kUnitSwitchRefused =
    "The table can not be shown in the other units: a value of it is too large.";

class CalculationTable {
public:
    CalculationTable();  // empty: ColCount() == 2, headings for metric output

    int ColCount() const { return static_cast<int>(columns_.size()); }
    int calculationCount() const { return ColCount() - 2; }
    bool hasValues() const { return ColCount() >= 3; }
    int trailingColumn() const { return ColCount() - 1; }

    // col 0 is the heading column.
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    const CalculationColumn& column(int col) const;

    // Replaces all calculation columns (project loading): `calculations` become
    // columns 1..n, a fresh trailing column is added.
    void setCalculations(std::vector<CalculationColumn> calculations);
    // Adds one empty column at the end (after the trailing one was written).
    void addTrailingColumn();
    // Calculation column `col` takes the texts of `cells` (a column calculated
    // again), keeping its number in row 0; nothing for the heading or trailing
    // column. The caller updates the total once all are replaced.
    void replaceColumn(int col, const CalculationColumn& cells);

    // Heading column for the unit system; row 0 of column 1 gets "1" when the
    // table is empty; the heading column is 145 wide; the total is refreshed.
    void writeHeadings(OutputSystem system, int decimals);
    // Sum of Row::PressureDrop over the calculation columns, in column order, and the
    // Label_Summe text. The number each row-23 text reads as is kept with its
    // column, so the sum does not read the texts again.
    void updateTotal(OutputSystem system, int decimals);
    double total() const { return total_; }
    const std::string& totalText() const { return totalText_; }  // Label_Summe

    // Deletes a calculation column (nothing for the heading or trailing
    // column), shifts the rest left, renumbers row 0, updates the total.
    bool deleteColumn(int col, OutputSystem system, int decimals);
    // The grid moved a column from `from` to `to`; afterwards the empty column
    // is put back at the end and row 0 renumbered.
    void moveColumn(int from, int to);
    // Row 0 of columns 1..ColCount()-1 numbered 1, 2, 3 ...
    void renumber();

    // Rewrites every calculation column and the headings in the new unit
    // system (the texts are in the other one). Each column converts from the
    // texts it had before its first switch, so switching there and back gives
    // back exactly the texts it had. Returns false and changes nothing when a
    // value would not be a number in the new units.
    bool convertUnits(OutputSystem newSystem, int decimals);
    // The texts column `col` converts from at the next switch; none before
    // its first switch, and none again once a calculation, a project or an
    // edit wrote other texts into the rows a switch rewrites.
    const std::shared_ptr<const SwitchSource>& switchSource(int col) const;
    void setSwitchSource(int col, std::shared_ptr<const SwitchSource> source);

    // TAB-separated rows 0..24 of columns 0..ColCount()-2, each ended by CR LF,
    // then "Total pressure drop:" and the total text.
    std::string clipboardText() const;

    // Look: widths of every column (index = column), default width and row
    // height, font. There is always one width per column.
    const std::vector<int>& columnWidths() const { return columnWidths_; }
    int columnWidth(int col) const;            // the default width outside the table
    void setColumnWidth(int col, int width);  // nothing outside the table
    // One width per column; missing ones take the default, extra ones are dropped.
    void setColumnWidths(std::vector<int> widths);
    int defaultColumnWidth = 150;
    int defaultRowHeight = 16;
    TableFont font;
    void setDefaultColumnWidth(int width);  // every column takes it
    void zoomIn();
    void zoomOut();
    // The font dialog's choice; the default row height becomes twice its size.
    void changeFont(const TableFont& newFont);

private:
    // Row 23 of column `col` read as a number again after its text changed.
    void rereadDrop(int col);
    // The kept part of the sum no longer holds once column `col` changed.
    void forgetSumFrom(int col);

    std::vector<CalculationColumn> columns_;
    std::vector<int> columnWidths_;
    std::vector<double> drops_;  // per column: row 23 read as a number (0 when empty)
    std::vector<std::shared_ptr<const SwitchSource>> sources_;  // per column
    // The sum of drops_ over columns 1..summedColumns_, in column order.
    double summed_ = 0.0;
    int summedColumns_ = 0;
    double total_ = 0.0;
    std::string totalText_ = "0.00 bar";
};

}  // namespace tolvane
