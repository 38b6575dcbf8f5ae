// The calculation report on the print object's canvas: portrait A4, the
// title block with "Page i of n" at the top of every page, then the
// sections of the report (remark, medium, one row per column with the
// total, checks, the plant curve with the pump, sources, version), each
// kept on the pages so that no row, line or diagram is cut. The pages are
// laid out first and drawn afterwards, so every page knows how many follow.
#pragma once

#include <string>
#include <vector>

#include "report/calculation_report.h"
#include "results/print_canvas.h"

namespace tolvane::report {

PrintSetup reportPrintSetup(const CalculationReport& report);

// One drawing operation of a laid-out page.
struct PageItem {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    int x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text;
    int points = 9;
    bool bold = false;
    int clipWidth = -1;  // -1: not clipped
    int penWidth = 1;
};

struct ReportPage {
    std::vector<PageItem> items;
};

// Measures on `canvas` (its page size and font) and lays out every page.
std::vector<ReportPage> layoutReport(const CalculationReport& report, PrintCanvas& canvas);

// Draws the pages of `range`, a new page between pages.
void printReport(const CalculationReport& report, PrintCanvas& canvas, PageRange range = {});

}  // namespace tolvane::report
