// The list of checks as printed after the table's pages: the program's
// heading, "Checks of the calculation table", one row per check (column,
// severity, code, text wrapped to its column), the headings repeated on
// every page and "Checks, page i of n" with the date at the foot. The table's
// own pages are not touched: the list only continues the document.
#pragma once

#include <string>
#include <vector>

#include "checks/line_checks.h"
#include "results/print_canvas.h"
#include "results/print_layout.h"

namespace tolvane::checks {

inline constexpr const char* kChecksPrintTitle = "Checks of the calculation table";

// The lines each check's text takes on a page, and which checks go on which
// page (indexes into the list), for the canvas's page and font.
struct ChecksPrintPage {
    std::vector<std::size_t> rows;
};
std::vector<ChecksPrintPage> layoutChecksPrint(const std::vector<Diagnostic>& diagnostics,
                                               PrintCanvas& canvas);

// Starts a new page and draws the list on it and the pages it needs;
// nothing at all (not even the new page) when there are no checks.
void printChecksAfterTable(const std::vector<Diagnostic>& diagnostics, const PrintTexts& texts,
                           PrintCanvas& canvas);

}  // namespace tolvane::checks
