// The two printouts of the results, laid out on a PrintCanvas: the
// calculation table (landscape, as many calculation columns beside the
// heading column as the widest element text allows, a frame with a line per
// table row, the total with the page range at the foot and the page number
// and date below the frame) and the short display (portrait, one line per
// calculation, the headings repeated at the top of every page).
#pragma once

#include <string>

#include "results/calculation_table.h"
#include "results/print_canvas.h"
#include "base/product_version.h"

namespace tolvane {

inline const std::string kPrintoutHeading = std::string(kProgramTitle) + " for Windows - ";

// The texts of a printout that come from outside the table.
struct PrintTexts {
    std::string caption;  // the table window's caption (the project file name)
    std::string date;     // today in the system's short date format
};

// Geometry of the table printout, in drawing units.
struct TablePrintLayout {
    int width = 0, height = 0;  // W, H: the page between the margins
    int lineHeight = 0;         // h: the page holds kTableRows + 2 lines
    std::string fontName;
    int fontPoints = 0;
    int m = 0;               // width of "M"
    int headingWidth = 0;    // c0
    int dataWidth = 0;       // wd: the widest text of rows 6..12 + m
    int columnsPerPage = 0;  // k
    int pitch = 0;           // p
    int pages = 0;           // P
    // Not even one calculation column fitted beside the heading column: one
    // per page, every text cut at the edge of its cell.
    bool clipped = false;
    int inset() const { return (m + 1) / 2; }                                   // round(m / 2)
    int slotLeft(int slot) const { return headingWidth + (slot - 1) * pitch; }  // slot 1..k
};

// The project's file name with ".pdf" for its extension ("NONAME.TLV" ->
// "NONAME.pdf"), in the project's folder.
std::string pdfNameFor(const std::string& projectName);

PrintSetup tablePrintSetup(const std::string& caption);
// The font of the printout: the grid's, except "Arial" for "MS Sans Serif".
std::string tablePrintFontName(const std::string& gridFont);
// Sets the printout's font on `canvas` and measures the texts.
TablePrintLayout layoutTablePrint(const CalculationTable& table, PrintCanvas& canvas);
// Draws the pages of `range` (a new page between pages); nothing when the
// table holds no calculation.
void printTable(const CalculationTable& table, const PrintTexts& texts, PrintCanvas& canvas,
                PageRange range = {});

PrintSetup shortDisplayPrintSetup(const std::string& caption);
void printShortDisplay(const CalculationTable& table, OutputSystem system, const PrintTexts& texts,
                       PrintCanvas& canvas, PageRange range = {});

}  // namespace tolvane
