#include "exports/csv_text.h"

namespace tolvane::exports {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

namespace {

void appendRecord(std::string& out, const std::vector<SheetCell>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += ',';
        const SheetCell& cell = cells[i];
        switch (cell.kind) {
            case SheetCell::Kind::Empty: break;
            case SheetCell::Kind::Text: out += csvField(cell.text); break;
            case SheetCell::Kind::Number:
            case SheetCell::Kind::ColumnSum: out += numberText(cell.number); break;
        }
    }
    out += "\r\n";
}

}  // namespace

std::string csvText(const Sheet& sheet) {
    std::string out;
    out.reserve(64 * (sheet.rows.size() + 2) * (sheet.headings.size() + 1) / 4);
    for (std::size_t i = 0; i < sheet.headings.size(); ++i) {
        if (i > 0) out += ',';
        out += csvField(sheet.headings[i]);
    }
    out += "\r\n";
    for (const auto& row : sheet.rows) appendRecord(out, row);
    if (!sheet.totalRow.empty()) appendRecord(out, sheet.totalRow);
    return out;
}

}  // namespace tolvane::exports
