#include "results/print_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "results/short_display.h"
#include "base/number_rounding.h"

namespace tolvane {

namespace {

constexpr int kLinesPerPage =
    kTableRows + 2;  // title, 25 rows (row 5 has none, line 25 empty), footer
constexpr int kThickPen = 4;
constexpr int kThinPen = 1;
constexpr int kSpacerRow = Row::Viscosity + 1;  // always empty, never printed
// The specification, element, dimension, fourth-field and option rows set
// the width of a calculation column.
constexpr int kFirstWideRow = Row::Specification;
constexpr int kLastWideRow = Row::Option;
// A tenth of a millimetre in points (72 / 254), as the printout has always used it.
constexpr double kPointsPerDrawingUnit = 0.2834;

// Both printouts keep this much paper clear, in drawing units: room for the
// printer's unprintable edge and for a binding on the left.
void setPrintoutMargins(PrintSetup& s) {
    s.marginLeft = 130;
    s.marginTop = 200;
    s.marginRight = 130;
    s.marginBottom = 150;
}

// The page line of a table row: rows 0..4 on lines 1..5, rows 6..24 on lines 6..24.
constexpr int lineOfRow(int row) { return row < kSpacerRow ? row + 1 : row; }

void drawFrame(const TablePrintLayout& l, PrintCanvas& c) {
    const int w = l.width, h = l.height, lh = l.lineHeight;
    c.line(0, 0, w, 0, kThickPen);
    c.line(w, 0, w, h, kThickPen);
    c.line(w, h, 0, h, kThickPen);
    c.line(0, h, 0, 0, kThickPen);
    c.line(0, lh, w, lh, kThickPen);
    c.line(0, h - lh, w, h - lh, kThickPen);
    for (int i = 1; i <= kTableRows - 1; ++i) {
        const int y = lh * (i + 1);
        // The thick line parts the medium from the specification and the element.
        c.line(0, y, w, y, i + 1 == lineOfRow(Row::Specification) ? kThickPen : kThinPen);
    }
    c.line(l.headingWidth, lh, l.headingWidth, h - lh, kThickPen);
    for (int j = 1; j <= l.columnsPerPage - 1; ++j) {
        const int x = l.headingWidth + l.pitch * j;
        c.line(x, lh, x, h - lh, kThinPen);
    }
}

// A cell text; in the clipped layout cut at the right edge of its cell.
void cellText(const TablePrintLayout& l, PrintCanvas& c, int x, int y, const std::string& text,
              int cellRight) {
    if (text.empty()) return;
    if (l.clipped)
        c.clippedText(x, y, text, std::max(0, cellRight - x));
    else
        c.text(x, y, text);
}

void drawColumn(const TablePrintLayout& l, PrintCanvas& c, const CalculationColumn& column,
                int cellLeft, int cellRight) {
    const int down = roundInt(l.lineHeight / 4.0);
    for (int row = 0; row < kTableRows; ++row) {
        if (row == kSpacerRow) continue;
        cellText(l, c, cellLeft + l.inset(), lineOfRow(row) * l.lineHeight + down, column[row],
                 cellRight);
    }
}

}  // namespace

std::string pdfNameFor(const std::string& projectName) {
    std::string name = projectName;
    const std::size_t slash = name.find_last_of("/\\");
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > start) name.erase(dot);
    if (name.size() == start) name += "NONAME";
    return name + ".pdf";
}

PrintSetup tablePrintSetup(const std::string& caption) {
    PrintSetup s;
    s.orientation = PageOrientation::Landscape;
    setPrintoutMargins(s);
    s.title = "Tolvane" + caption;
    s.pdfName = pdfNameFor(caption);
    s.fontName = "Arial";
    return s;
}

std::string tablePrintFontName(const std::string& gridFont) {
    return gridFont == "MS Sans Serif" ? std::string("Arial") : gridFont;
}

TablePrintLayout layoutTablePrint(const CalculationTable& table, PrintCanvas& canvas) {
    TablePrintLayout l;
    l.width = canvas.pageWidth();
    l.height = canvas.pageHeight();
    l.lineHeight = roundInt(static_cast<double>(l.height) / kLinesPerPage);
    l.fontName = tablePrintFontName(table.font.name);
    l.fontPoints = std::max(1, roundInt(roundInt(l.lineHeight / 2.0) * kPointsPerDrawingUnit));
    canvas.setFont(l.fontName, l.fontPoints, false);
    l.m = canvas.textWidth("M");

    int widest = 0;
    for (int row = 0; row < kTableRows; ++row)
        widest = std::max(widest, canvas.textWidth(table.cell(0, row)));
    l.headingWidth = widest + l.m;

    widest = 0;
    const int n = table.calculationCount();
    for (int col = 1; col <= n; ++col)
        for (int row = kFirstWideRow; row <= kLastWideRow; ++row)
            widest = std::max(widest, canvas.textWidth(table.cell(col, row)));
    l.dataWidth = std::max(1, widest + l.m);

    int room = l.width - l.headingWidth;
    if (room < std::max(1, l.m)) {
        // Not even the heading column fits: half the page for it, cut.
        l.headingWidth = l.width / 2;
        room = l.width - l.headingWidth;
        l.clipped = true;
    }
    l.columnsPerPage = room / l.dataWidth;
    if (l.columnsPerPage < 1) {
        l.columnsPerPage = 1;
        l.clipped = true;
    }
    l.pitch = roundInt(static_cast<double>(room) / l.columnsPerPage);
    l.pages = (n + l.columnsPerPage - 1) / l.columnsPerPage;
    return l;
}

void printTable(const CalculationTable& table, const PrintTexts& texts, PrintCanvas& canvas,
                PageRange range) {
    if (!table.hasValues()) return;
    PageRangeCanvas c(canvas, range);
    const TablePrintLayout l = layoutTablePrint(table, c);
    const int n = table.calculationCount();
    const int down = roundInt(l.lineHeight / 4.0);
    const std::string pages = std::to_string(l.pages);
    const std::string footer =
        "Total pressure drop (Page 1 to " + pages + ") = " + table.totalText();

    for (int page = 1; page <= l.pages; ++page) {
        if (page > 1) c.newPage();
        if (page > range.last) break;
        if (!range.contains(page)) continue;
        drawFrame(l, c);
        c.text(l.inset(), down, kPrintoutHeading + texts.caption);
        drawColumn(l, c, table.column(0), 0, l.headingWidth);
        for (int slot = 1; slot <= l.columnsPerPage; ++slot) {
            const int col = (page - 1) * l.columnsPerPage + slot;
            if (col > n) break;
            drawColumn(l, c, table.column(col), l.slotLeft(slot), l.slotLeft(slot) + l.pitch);
        }
        c.text(l.headingWidth + l.inset(), l.height - l.lineHeight + down, footer);
        const int below = l.height + l.inset();
        c.text(l.inset(), below, "Page " + std::to_string(page) + " of " + pages);
        c.text(l.width - c.textWidth(texts.date), below, texts.date);
    }
}

PrintSetup shortDisplayPrintSetup(const std::string& caption) {
    PrintSetup s;
    s.orientation = PageOrientation::Portrait;
    setPrintoutMargins(s);
    s.title = "Tolvane" + caption;
    s.pdfName = pdfNameFor(caption);
    s.fontName = "Arial";
    s.fontPoints = 10;
    return s;
}

void printShortDisplay(const CalculationTable& table, OutputSystem system, const PrintTexts& texts,
                       PrintCanvas& canvas, PageRange range) {
    if (!table.hasValues()) return;
    constexpr int kLineStep = 50;
    constexpr int kFontPoints = 10;
    PageRangeCanvas c(canvas, range);
    const int w = c.pageWidth(), h = c.pageHeight();
    std::array<int, kShortDisplayColumns> x{};
    x[1] = roundInt(0.15 * w);
    x[2] = roundInt(x[1] + 0.35 * w);
    x[3] = roundInt(x[2] + 0.35 * w);
    const auto headings = shortDisplayHeadings(system);
    auto writeHeadings = [&](int y) {
        c.setFont("Arial", kFontPoints, true);
        for (int i = 0; i < kShortDisplayColumns; ++i) c.text(x[i], y, headings[i]);
        c.setFont("Arial", kFontPoints, false);
    };

    c.setFont("Arial", kFontPoints, true);
    c.text(0, 0, kPrintoutHeading + texts.caption);
    c.text(0, 50, kShortDisplayCaption);
    int y = 150;
    writeHeadings(y);
    for (const ShortDisplayLine& line : shortDisplayLines(table)) {
        y += kLineStep;
        for (int i = 0; i < kShortDisplayColumns; ++i)
            if (!line.cells[i].empty()) c.text(x[i], y, line.cells[i]);
        if (y > h - kLineStep) {
            c.newPage();
            y = 0;
            writeHeadings(y);
        }
    }
    c.text(0, y + 100, shortDisplayTotal(table));
}

}  // namespace tolvane
