#include "results/column_fit.h"

#include <algorithm>

namespace tolvane {

int fittedColumnWidth(const CalculationTable& table, int col, const ColumnTextWidth& textWidth) {
    const CalculationColumn& texts = table.column(col);
    int longest = 0;
    for (int row = Row::Number + 1; row < kTableRows; ++row)
        if (!texts[row].empty()) longest = std::max(longest, textWidth(texts[row]));
    // The trailing column holds only its number.
    if (longest <= 0)
        return std::clamp(table.defaultColumnWidth, kMinimumColumnWidth, kMaximumColumnWidth);
    if (!texts[Row::Number].empty()) longest = std::max(longest, textWidth(texts[Row::Number]));
    return std::clamp(longest + 2 * kFitMargin, kMinimumColumnWidth, kMaximumColumnWidth);
}

bool fitColumn(CalculationTable& table, int col, const ColumnTextWidth& textWidth) {
    if (col < 0 || col >= table.ColCount()) return false;
    const int width = fittedColumnWidth(table, col, textWidth);
    if (width == table.columnWidth(col)) return false;
    table.setColumnWidth(col, width);
    return true;
}

bool fitAllColumns(CalculationTable& table, const ColumnTextWidth& textWidth) {
    bool changed = false;
    for (int col = 0; col < table.ColCount(); ++col) changed |= fitColumn(table, col, textWidth);
    return changed;
}

int batchTextWidth(std::string_view text) {
    // UTF-8 continuation bytes (10xxxxxx) do not start a character.
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<int>(characters) * kBatchPixelsPerCharacter;
}

}  // namespace tolvane
