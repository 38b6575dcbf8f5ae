// Fitting the calculation table's column widths to their texts, as
// spreadsheets do on a double-click of a column border. The rule is here; the
// caller measures: the table window with its font's metrics, the batch tool
// with a fixed measure per character.
#pragma once

#include <functional>
#include <string_view>

#include "results/calculation_table.h"

namespace tolvane {

// The widths the column width dialog accepts.
inline constexpr int kMinimumColumnWidth = 1;
inline constexpr int kMaximumColumnWidth = 2000;
// Room on either side of the longest text, so it does not touch the grid lines.
inline constexpr int kFitMargin = 8;

// The width in pixels a text takes in the table's font.
using ColumnTextWidth = std::function<int(std::string_view text)>;

// The longest text of column `col` (every row, the calculation number
// included) plus the margin, within the dialog's limits. A column with nothing
// but its number (the trailing one) takes the default width, which new
// calculations start from.
int fittedColumnWidth(const CalculationTable& table, int col, const ColumnTextWidth& textWidth);

// Column `col` (the heading column too) set to its fitted width; false when
// it is outside the table or already had that width.
bool fitColumn(CalculationTable& table, int col, const ColumnTextWidth& textWidth);
// Every column fitted; false when none changed. The default width stays.
bool fitAllColumns(CalculationTable& table, const ColumnTextWidth& textWidth);

// The batch tool's measure: a fixed number of pixels per character (UTF-8
// code point), about the average advance of the table's standard font.
inline constexpr int kBatchPixelsPerCharacter = 6;
int batchTextWidth(std::string_view text);

}  // namespace tolvane
