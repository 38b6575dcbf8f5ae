// A sheet as an Office Open XML workbook (.xlsx) through libxlsxwriter: one
// worksheet, the headings bold and frozen as the top row, numbers as numbers
// and a column sum as a SUM formula over the data rows with its value, so
// that a reader which does not calculate still sees the total.
#pragma once

#include <string>

#include "exports/sheet.h"

namespace tolvane::exports {

struct WorkbookBytes {
    std::string bytes;
    std::string error;  // why there are none; "" when written
};

// libxlsxwriter writes only to a named file: the workbook goes into a
// temporary file, which is read back and removed. The caller saves the
// bytes with the program's atomic writer.
WorkbookBytes xlsxBytes(const Sheet& sheet);

}  // namespace tolvane::exports
