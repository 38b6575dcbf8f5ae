// Export table...: the calculation table into a CSV, XLSX or OpenDocument
// file, chosen by the name's extension in the save dialog. The same
// functions give the batch tool its bytes.
#pragma once

#include <optional>
#include <string>

#include "base/messages_clipboard_files.h"
#include "exports/sheet.h"
#include "results/calculation_table.h"

namespace tolvane::exports {

enum class ExportFormat { Csv, Xlsx, Ods };

inline constexpr const char* kExportFilter =
    "CSV, comma-separated (*.csv)|*.csv|Excel workbook (*.xlsx)|*.xlsx|"
    "OpenDocument spreadsheet (*.ods)|*.ods";

// "csv", "xlsx", "ods"; nothing for any other name.
std::optional<ExportFormat> exportFormatNamed(const std::string& name);
// By the file name's extension, in any case ("LINE.XLSX").
std::optional<ExportFormat> exportFormatOfPath(const std::string& path);
const char* extensionOf(ExportFormat format);

struct SheetBytes {
    std::string bytes;
    std::string error;  // why there are none; "" when made
};
SheetBytes sheetBytes(const Sheet& sheet, ExportFormat format);

// Writes the sheet through the atomic writer; the reason of a failure, or "".
std::string writeSheet(const Sheet& sheet, ExportFormat format, const std::string& path);

// The save dialog (offering the project's name with ".csv"), then the file;
// a name with another extension or a failed write is told as an error naming
// the file. True when the file was written.
bool ExportTable(const CalculationTable& table, const std::string& projectName, FileDialogs& files,
                 MessageSink& messages);

}  // namespace tolvane::exports
