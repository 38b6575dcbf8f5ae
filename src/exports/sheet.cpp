#include "exports/sheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "base/input_number.h"

namespace tolvane::exports {

int Sheet::addColumn(std::string heading) {
    headings.push_back(std::move(heading));
    for (auto& row : rows) row.emplace_back();
    if (!totalRow.empty()) totalRow.emplace_back();
    return static_cast<int>(headings.size()) - 1;
}

SheetCell cellOfText(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return {};
    if (const auto value = readNumber(text)) return SheetCell::numberCell(*value, text);
    return SheetCell::textCell(text);
}

std::string numberText(double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

std::string columnLetters(int column) {
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

namespace {

std::vector<std::string> tabFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        fields.push_back(
            line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return fields;
        from = tab + 1;
    }
}

}  // namespace

Sheet sheetOfTabText(const std::string& text, std::string name) {
    Sheet sheet;
    sheet.name = std::move(name);
    std::size_t from = 0;
    bool first = true;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        from = end + 1;
        std::vector<std::string> fields = tabFields(line);
        if (first) {
            sheet.headings = std::move(fields);
            first = false;
            continue;
        }
        std::vector<SheetCell> row(sheet.headings.size());
        for (std::size_t i = 0; i < fields.size() && i < row.size(); ++i)
            row[i] = cellOfText(fields[i]);
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

namespace {

// The decimals a number's text shows ("0.088": 3); nothing for the exponent form.
std::optional<int> shownDecimals(const std::string& text) {
    if (text.find_first_of("eE") != std::string::npos) return std::nullopt;
    const std::size_t point = text.find_first_of(".,");
    if (point == std::string::npos) return 0;
    int digits = 0;
    for (std::size_t i = point + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        ++digits;
    return digits;
}

}  // namespace

double columnSum(const Sheet& sheet, int column) {
    double sum = 0.0;
    std::optional<int> decimals = 0;
    for (const auto& row : sheet.rows) {
        const SheetCell& cell = row[static_cast<std::size_t>(column)];
        if (cell.kind != SheetCell::Kind::Number) continue;
        sum += cell.number;
        const std::optional<int> shown = shownDecimals(cell.text);
        decimals =
            shown && decimals ? std::optional<int>(std::max(*shown, *decimals)) : std::nullopt;
    }
    // Numbers of d decimals add up to one of d decimals; the binary sum's
    // last bits ("1055.3290000000002") are rounded away.
    if (!decimals || *decimals > 15) return sum;
    const double scale = std::pow(10.0, *decimals);
    const double rounded = std::round(sum * scale) / scale;
    return std::isfinite(rounded) ? rounded : sum;
}

}  // namespace tolvane::exports
