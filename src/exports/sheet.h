// The exports in brief: the calculation table (or the plant curve) becomes a
// Sheet, one row per calculation and one column per quantity, each cell a
// text, a number read from the table's text, or the sum of a column; the
// writers then put one Sheet into a CSV text, an XLSX workbook or an
// OpenDocument spreadsheet. Nothing here reads the table again: the writers
// see only the Sheet, so all three files hold the same values.
#pragma once

#include <string>
#include <vector>

namespace tolvane::exports {

struct SheetCell {
    enum class Kind { Empty, Text, Number, ColumnSum };
    Kind kind = Kind::Empty;
    // Text: the text. Number: the table's text the value was read from (what
    // an OpenDocument cell shows).
    std::string text;
    // Number: the value. ColumnSum: the sum of the column's numbers, the
    // result a spreadsheet's SUM over the data rows gives.
    double number = 0.0;

    static SheetCell textCell(std::string t) { return {Kind::Text, std::move(t), 0.0}; }
    static SheetCell numberCell(double v, std::string shown) {
        return {Kind::Number, std::move(shown), v};
    }
};

struct Sheet {
    std::string name;  // the worksheet's tab
    std::vector<std::string> headings;
    // Each row holds headings.size() cells.
    std::vector<std::vector<SheetCell>> rows;
    // The last row (the total), with ColumnSum cells over the rows above; empty: none.
    std::vector<SheetCell> totalRow;

    // A column appended, every existing row getting an empty cell in it.
    int addColumn(std::string heading);
};

// The cell of a table text: empty for blanks only, a number when the whole
// text reads as one with the program's reader, else the text.
SheetCell cellOfText(const std::string& text);

// The shortest decimal text that reads back as `value` exactly, with a point
// ("100", "0.088", "17400", "1.5e-07"), whatever the locale.
std::string numberText(double value);

// "A", "B", ... "Z", "AA" ... of a 0-based column.
std::string columnLetters(int column);

// TAB-separated lines (CR LF or LF ends), the first the headings, each
// further one a row of cells read as cellOfText reads them.
Sheet sheetOfTabText(const std::string& text, std::string name);

// The sum of the numbers in `column` over the data rows, in row order,
// rounded to the most decimals their texts show (not when one is in the
// exponent form).
double columnSum(const Sheet& sheet, int column);

}  // namespace tolvane::exports
