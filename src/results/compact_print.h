// The compact printout of the calculation table: landscape, 9 pt, six to
// eight calculations to a page beside the heading column, the dimension
// texts cut down to symbol, value and unit ("D 100.000 mm"), only the rows
// some calculation fills, and under every page its own pressure drop and the
// total of the whole table. It stands beside the table printout, which stays
// the one "&Print table..." gives.
#pragma once

#include <string>
#include <vector>

#include "results/calculation_table.h"
#include "results/print_canvas.h"
#include "results/print_layout.h"

namespace tolvane {

inline constexpr int kCompactFontPoints = 9;
inline constexpr int kCompactFewestPerPage = 6;
inline constexpr int kCompactMostPerPage = 8;

struct CompactPrintLayout {
    int width = 0, height = 0;  // the page between the margins
    int lineHeight = 0;
    std::string fontName;
    int m = 0;  // width of "M"
    int headingWidth = 0;
    int columnsPerPage = 0;  // 6 to 8
    int pitch = 0;
    int pages = 0;
    std::vector<int> rows;  // the table rows printed, top to bottom
    int inset() const { return (m + 1) / 2; }
    int slotLeft(int slot) const { return headingWidth + (slot - 1) * pitch; }  // slot 1..k
};

// "Diameter of pipe D in mm: 100.000" -> "D 100.000 mm", "Angle w in
// degree: 90" -> "w 90°", "Wetted circumference in m: 0.400" -> "0.400 m";
// a text without a caption stays as it is.
std::string abbreviatedDimension(const std::string& text);

// The text a cell of `row` shows in the compact printout: the dimensions
// abbreviated, the option line's chosen item alone ("smooth").
std::string compactCellText(int row, const std::string& text);

// The pressure drops of `text`'s unit system added: "12.671 mbar or 0.013 bar".
std::string compactTotalText(double sum, OutputSystem system, int decimals);

PrintSetup compactTablePrintSetup(const std::string& caption);
CompactPrintLayout layoutCompactPrint(const CalculationTable& table, PrintCanvas& canvas);
void printCompactTable(const CalculationTable& table, OutputSystem system, int decimals,
                       const PrintTexts& texts, PrintCanvas& canvas, PageRange range = {});

}  // namespace tolvane
