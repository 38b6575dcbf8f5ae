#include "exports/xlsx_workbook.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <xlsxwriter.h>

#include "base/text_file.h"

namespace tolvane::exports {

namespace {

// A worksheet's name: at most 31 characters, none of []:*?/\.
std::string worksheetName(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (std::strchr("[]:*?/\\", c) != nullptr) continue;
        if (out.size() >= 31) break;
        out += c;
    }
    return out.empty() ? std::string("Sheet1") : out;
}

// Removes the temporary file however the writing ends.
struct TemporaryFile {
    std::string path;
    ~TemporaryFile() {
        if (!path.empty()) ::unlink(path.c_str());
    }
};

WorkbookBytes failure(const std::string& why) { return {{}, why}; }

WorkbookBytes failure(lxw_error error) {
    return failure(std::string("libxlsxwriter: ") + lxw_strerror(error));
}

lxw_error writeRow(lxw_worksheet* sheet, lxw_row_t row, const std::vector<SheetCell>& cells,
                   std::size_t dataRows) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const SheetCell& cell = cells[i];
        const auto col = static_cast<lxw_col_t>(i);
        lxw_error e = LXW_NO_ERROR;
        switch (cell.kind) {
            case SheetCell::Kind::Empty: break;
            case SheetCell::Kind::Text:
                e = worksheet_write_string(sheet, row, col, cell.text.c_str(), nullptr);
                break;
            case SheetCell::Kind::Number:
                e = worksheet_write_number(sheet, row, col, cell.number, nullptr);
                break;
            case SheetCell::Kind::ColumnSum: {
                const std::string letters = columnLetters(static_cast<int>(i));
                const std::string formula =
                    "=SUM(" + letters + "2:" + letters + std::to_string(dataRows + 1) + ")";
                e = worksheet_write_formula_num(sheet, row, col, formula.c_str(), nullptr,
                                                cell.number);
                break;
            }
        }
        if (e != LXW_NO_ERROR) return e;
    }
    return LXW_NO_ERROR;
}

}  // namespace

WorkbookBytes xlsxBytes(const Sheet& sheet) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec) folder = "/tmp";
    TemporaryFile temp;
    {
        std::string pattern = (folder / "tolvane-xlsx-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            return failure(std::string("Cannot create a temporary file: ") + std::strerror(errno));
        ::close(fd);
        temp.path = pattern;
    }

    // Rows go out one after the other: constant memory, strings inline.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(temp.path.c_str(), &options);
    if (!book) return failure("libxlsxwriter: the workbook could not be started.");
    const std::string name = worksheetName(sheet.name);
    lxw_worksheet* ws = workbook_add_worksheet(book, name.c_str());
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_error error = ws ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    if (error == LXW_NO_ERROR && !sheet.headings.empty())
        error = worksheet_set_column(ws, 0, static_cast<lxw_col_t>(sheet.headings.size() - 1), 16,
                                     nullptr);
    if (error == LXW_NO_ERROR) worksheet_freeze_panes(ws, 1, 0);
    for (std::size_t i = 0; error == LXW_NO_ERROR && i < sheet.headings.size(); ++i)
        error = worksheet_write_string(ws, 0, static_cast<lxw_col_t>(i), sheet.headings[i].c_str(),
                                       bold);
    lxw_row_t row = 1;
    for (const auto& cells : sheet.rows) {
        if (error != LXW_NO_ERROR) break;
        error = writeRow(ws, row++, cells, sheet.rows.size());
    }
    if (error == LXW_NO_ERROR && !sheet.totalRow.empty())
        error = writeRow(ws, row, sheet.totalRow, sheet.rows.size());
    // The workbook is closed (and freed) in any case; its own error counts
    // only when the rows went in.
    const lxw_error closed = workbook_close(book);
    if (error != LXW_NO_ERROR) return failure(error);
    if (closed != LXW_NO_ERROR) return failure(closed);

    auto bytes = readFileBytes(temp.path);
    if (!bytes) return failure("The workbook written to a temporary file could not be read back.");
    return {std::move(*bytes), {}};
}

}  // namespace tolvane::exports
