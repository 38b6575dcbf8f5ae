#include "exports/table_export.h"

#include "base/text_file.h"
#include "exports/csv_text.h"
#include "exports/ods_document.h"
#include "exports/table_sheet.h"
#include "exports/xlsx_workbook.h"
#include "results/print_layout.h"
#include "results/print_service.h"

namespace tolvane::exports {

std::optional<ExportFormat> exportFormatNamed(const std::string& name) {
    if (name == "csv") return ExportFormat::Csv;
    if (name == "xlsx") return ExportFormat::Xlsx;
    if (name == "ods") return ExportFormat::Ods;
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatOfPath(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return exportFormatNamed(extension);
}

const char* extensionOf(ExportFormat format) {
    switch (format) {
        case ExportFormat::Csv: return "csv";
        case ExportFormat::Xlsx: return "xlsx";
        case ExportFormat::Ods: return "ods";
    }
    return "csv";
}

SheetBytes sheetBytes(const Sheet& sheet, ExportFormat format) {
    switch (format) {
        case ExportFormat::Csv: return {csvText(sheet), {}};
        case ExportFormat::Xlsx: {
            WorkbookBytes book = xlsxBytes(sheet);
            return {std::move(book.bytes), std::move(book.error)};
        }
        case ExportFormat::Ods:
            if (auto package = odsPackage(sheet)) return {std::move(*package), {}};
            return {{}, "The spreadsheet is too large for an OpenDocument file."};
    }
    return {{}, "Unknown format."};
}

std::string writeSheet(const Sheet& sheet, ExportFormat format, const std::string& path) {
    const SheetBytes made = sheetBytes(sheet, format);
    if (!made.error.empty()) return made.error;
    return writeFileAtomically(path, made.bytes);
}

bool ExportTable(const CalculationTable& table, const std::string& projectName, FileDialogs& files,
                 MessageSink& messages) {
    std::string suggested = pdfNameFor(projectName);
    suggested.replace(suggested.size() - 3, 3, "csv");
    const std::optional<std::string> path = files.saveFile(kExportFilter, "csv", suggested);
    if (!path) return false;
    const std::optional<ExportFormat> format = exportFormatOfPath(*path);
    if (!format) {
        messages.show(
            MessageType::Error,
            fileNotWrittenMessage(*path, "Its name ends in none of .csv, .xlsx and .ods."));
        return false;
    }
    const std::string failure = writeSheet(tableSheet(table), *format, *path);
    if (!failure.empty()) {
        messages.show(MessageType::Error, fileNotWrittenMessage(*path, failure));
        return false;
    }
    return true;
}

}  // namespace tolvane::exports
