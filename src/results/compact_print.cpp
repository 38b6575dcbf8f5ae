#include "results/compact_print.h"

#include <algorithm>

#include "base/number_rounding.h"
#include "results/column_reading.h"
#include "results/result_column.h"

namespace tolvane {

namespace {

constexpr int kThickPen = 4;
constexpr int kThinPen = 1;
constexpr int kSpacerRow = Row::Viscosity + 1;
// 9 pt is 31.75 tenths of a millimetre; a line of 1.45 times that keeps the
// rows apart without wasting the page.
constexpr int kLineHeight = 46;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool isDimensionRow(int row) {
    return row == Row::Dimension1 || row == Row::Dimension2 || row == Row::Dimension3 ||
           row == Row::Field4;
}

// The rows some calculation fills (the number always), in table order.
std::vector<int> filledRows(const CalculationTable& table) {
    std::vector<int> rows;
    for (int row = 0; row < kTableRows; ++row) {
        if (row == kSpacerRow) continue;
        bool filled = row == Row::Number;
        for (int col = 1; !filled && col <= table.calculationCount(); ++col)
            filled = !trimmed(table.cell(col, row)).empty();
        if (filled) rows.push_back(row);
    }
    return rows;
}

double pageSum(const CalculationTable& table, int first, int last) {
    double sum = 0.0;
    for (int col = first; col <= last; ++col) sum += cellNumber(table.cell(col, Row::PressureDrop));
    return sum;
}

}  // namespace

std::string abbreviatedDimension(const std::string& text) {
    const std::size_t mark = text.find(": ");
    if (mark == std::string::npos) return text;
    std::string caption = trimmed(text.substr(0, mark));
    const std::string value = trimmed(text.substr(mark + 2));
    if (caption.empty()) return text;
    std::string unit;
    if (const std::size_t in = caption.rfind(" in "); in != std::string::npos) {
        unit = caption.substr(in + 4);
        caption.erase(in);
    }
    std::string symbol;
    const std::size_t space = caption.rfind(' ');
    const std::string last = space == std::string::npos ? caption : caption.substr(space + 1);
    if (last.size() <= 3 && space != std::string::npos) symbol = last;
    std::string out = symbol.empty() ? value : symbol + " " + value;
    if (unit == "degree")
        out += "°";
    else if (!unit.empty())
        out += " " + unit;
    return out;
}

std::string compactCellText(int row, const std::string& text) {
    if (isDimensionRow(row)) return abbreviatedDimension(text);
    // "The surface of pipe is:  smooth": the chosen item says it.
    if (row == Row::Option && text.find(": ") != std::string::npos)
        return trimmed(text.substr(text.find(": ") + 2));
    return text;
}

std::string compactTotalText(double sum, OutputSystem system, int decimals) {
    // As the table's own total writes it.
    if (system == OutputSystem::US)
        return pressureText(sum, decimals) + " lbw./sq.ft. or " +
               pressureText(sum / 144.0, decimals) + " psi";
    return pressureText(sum, decimals) + " mbar or " + pressureText(sum / 1000.0, decimals) +
           " bar";
}

PrintSetup compactTablePrintSetup(const std::string& caption) {
    PrintSetup s = tablePrintSetup(caption);
    s.fontPoints = kCompactFontPoints;
    return s;
}

CompactPrintLayout layoutCompactPrint(const CalculationTable& table, PrintCanvas& canvas) {
    CompactPrintLayout l;
    l.width = canvas.pageWidth();
    l.height = canvas.pageHeight();
    l.lineHeight = kLineHeight;
    l.fontName = tablePrintFontName(table.font.name);
    canvas.setFont(l.fontName, kCompactFontPoints, false);
    l.m = canvas.textWidth("M");
    l.rows = filledRows(table);

    int widest = 0;
    for (int row : l.rows) widest = std::max(widest, canvas.textWidth(table.cell(0, row)));
    l.headingWidth = std::min(widest + l.m, l.width / 3);

    int widestData = 0;
    const int n = table.calculationCount();
    for (int col = 1; col <= n; ++col)
        for (int row : l.rows)
            widestData =
                std::max(widestData, canvas.textWidth(compactCellText(row, table.cell(col, row))));
    const int room = l.width - l.headingWidth;
    // As many as fit, but never fewer than six (texts are then cut at their
    // cell) nor more than eight.
    l.columnsPerPage = std::clamp(room / std::max(1, widestData + l.m), kCompactFewestPerPage,
                                  kCompactMostPerPage);
    l.pitch = room / l.columnsPerPage;
    l.pages = (n + l.columnsPerPage - 1) / l.columnsPerPage;
    return l;
}

void printCompactTable(const CalculationTable& table, OutputSystem system, int decimals,
                       const PrintTexts& texts, PrintCanvas& canvas, PageRange range) {
    if (!table.hasValues()) return;
    PageRangeCanvas c(canvas, range);
    const CompactPrintLayout l = layoutCompactPrint(table, c);
    const int n = table.calculationCount();
    const int lh = l.lineHeight;
    const int down = roundInt(lh / 4.0);
    const int gridLines = static_cast<int>(l.rows.size());
    const int top = lh;  // below the title
    const int gridBottom = top + gridLines * lh;
    const int frameBottom = gridBottom + 2 * lh;  // the page's and the whole total
    const std::string pages = std::to_string(l.pages);
    const std::string grandTotal = "Total pressure drop (Page 1 to " + pages + ", " +
                                   std::to_string(n) + " calculations) = " + table.totalText();

    for (int page = 1; page <= l.pages; ++page) {
        if (page > 1) c.newPage();
        if (page > range.last) break;
        if (!range.contains(page)) continue;
        const int first = (page - 1) * l.columnsPerPage + 1;
        const int last = std::min(n, page * l.columnsPerPage);

        c.setFont(l.fontName, kCompactFontPoints, true);
        c.text(l.inset(), down, kPrintoutHeading + texts.caption);
        c.setFont(l.fontName, kCompactFontPoints, false);

        c.line(0, top, l.width, top, kThickPen);
        c.line(0, frameBottom, l.width, frameBottom, kThickPen);
        c.line(0, top, 0, frameBottom, kThickPen);
        c.line(l.width, top, l.width, frameBottom, kThickPen);
        for (int i = 1; i <= gridLines; ++i) {
            const int y = top + i * lh;
            // Thick under the numbers and above the element, thin elsewhere.
            const bool thick =
                i == gridLines || l.rows[static_cast<std::size_t>(i - 1)] == Row::Number ||
                (i < gridLines && l.rows[static_cast<std::size_t>(i)] == Row::Specification);
            c.line(0, y, l.width, y, thick ? kThickPen : kThinPen);
        }
        c.line(l.headingWidth, top, l.headingWidth, gridBottom, kThickPen);
        for (int slot = 2; slot <= l.columnsPerPage; ++slot)
            c.line(l.slotLeft(slot), top, l.slotLeft(slot), gridBottom, kThinPen);

        for (int i = 0; i < gridLines; ++i) {
            const int row = l.rows[static_cast<std::size_t>(i)];
            const int y = top + i * lh + down;
            const bool drop = row == Row::PressureDrop || row == Row::PressureDropLarge;
            if (drop) c.setFont(l.fontName, kCompactFontPoints, true);
            const std::string& heading = table.cell(0, row);
            if (!heading.empty()) c.clippedText(l.inset(), y, heading, l.headingWidth - l.inset());
            for (int col = first; col <= last; ++col) {
                const std::string text = compactCellText(row, table.cell(col, row));
                if (trimmed(text).empty()) continue;
                const int left = l.slotLeft(col - first + 1) + l.inset();
                c.clippedText(left, y, text, l.pitch - 2 * l.inset());
            }
            if (drop) c.setFont(l.fontName, kCompactFontPoints, false);
        }

        const std::string pageTotal =
            "Pressure drop of page " + std::to_string(page) + " (calculations " +
            std::to_string(first) + " to " + std::to_string(last) +
            ") = " + compactTotalText(pageSum(table, first, last), system, decimals);
        c.text(l.inset(), gridBottom + down, pageTotal);
        c.setFont(l.fontName, kCompactFontPoints, true);
        c.text(l.inset(), gridBottom + lh + down, grandTotal);
        c.setFont(l.fontName, kCompactFontPoints, false);
        const int below = frameBottom + l.inset();
        c.text(l.inset(), below, "Page " + std::to_string(page) + " of " + pages);
        c.text(l.width - c.textWidth(texts.date), below, texts.date);
    }
}

}  // namespace tolvane
