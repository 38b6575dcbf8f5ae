#include "checks/checks_printout.h"

#include <algorithm>

#include "base/number_rounding.h"

namespace tolvane::checks {

namespace {

constexpr int kFontPoints = 10;
constexpr int kLineStep = 50;    // drawing units, as the short display's printout
constexpr int kRowGap = 15;      // between two checks
constexpr int kFirstRowY = 220;  // below the two headings and the column headings
constexpr int kFooterRoom = 2 * kLineStep;
constexpr const char* kFont = "Arial";

struct Columns {
    int column = 0, severity = 0, code = 0, text = 0, textWidth = 0;
};

Columns columnsOf(int width) {
    Columns c;
    c.severity = roundInt(0.07 * width);
    c.code = roundInt(0.16 * width);
    c.text = roundInt(0.32 * width);
    c.textWidth = width - c.text;
    return c;
}

std::string columnText(int column) { return column > 0 ? std::to_string(column) : "table"; }

// `text` broken at blanks into lines no wider than `width`; a word wider
// than the line stands on a line of its own.
std::vector<std::string> wrap(const std::string& text, int width, PrintCanvas& canvas) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t blank = text.find(' ', pos);
        const std::size_t end = blank == std::string::npos ? text.size() : blank;
        const std::string word = text.substr(pos, end - pos);
        pos = end + 1;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && canvas.textWidth(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

int rowHeight(std::size_t lines) { return static_cast<int>(lines) * kLineStep + kRowGap; }

void drawHeadings(const PrintTexts& texts, const Columns& x, int width, PrintCanvas& c) {
    c.setFont(kFont, kFontPoints, true);
    c.text(0, 0, kPrintoutHeading + texts.caption);
    c.text(0, kLineStep + 10, kChecksPrintTitle);
    const int y = kFirstRowY - kLineStep - 10;
    c.text(x.column, y, "Column");
    c.text(x.severity, y, "Severity");
    c.text(x.code, y, "Code");
    c.text(x.text, y, "Text");
    c.line(0, kFirstRowY - 15, width, kFirstRowY - 15, 1);
    c.setFont(kFont, kFontPoints, false);
}

}  // namespace

std::vector<ChecksPrintPage> layoutChecksPrint(const std::vector<Diagnostic>& diagnostics,
                                               PrintCanvas& canvas) {
    canvas.setFont(kFont, kFontPoints, false);
    const Columns x = columnsOf(canvas.pageWidth());
    const int bottom = canvas.pageHeight() - kFooterRoom;
    std::vector<ChecksPrintPage> pages;
    int y = kFirstRowY;
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        const int h = rowHeight(wrap(diagnostics[i].text, x.textWidth, canvas).size());
        // A check taller than a whole page still stands alone on its page.
        if (pages.empty() || (y + h > bottom && !pages.back().rows.empty())) {
            pages.emplace_back();
            y = kFirstRowY;
        }
        pages.back().rows.push_back(i);
        y += h;
    }
    return pages;
}

void printChecksAfterTable(const std::vector<Diagnostic>& diagnostics, const PrintTexts& texts,
                           PrintCanvas& canvas) {
    if (diagnostics.empty()) return;
    const std::vector<ChecksPrintPage> pages = layoutChecksPrint(diagnostics, canvas);
    const int width = canvas.pageWidth(), height = canvas.pageHeight();
    const Columns x = columnsOf(width);
    const std::string count = std::to_string(pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        canvas.newPage();
        drawHeadings(texts, x, width, canvas);
        int y = kFirstRowY;
        for (std::size_t i : pages[p].rows) {
            const Diagnostic& d = diagnostics[i];
            canvas.text(x.column, y, columnText(d.column));
            canvas.text(x.severity, y, severityWord(d.severity));
            canvas.text(x.code, y, d.code);
            const std::vector<std::string> lines = wrap(d.text, x.textWidth, canvas);
            for (std::size_t l = 0; l < lines.size(); ++l)
                canvas.text(x.text, y + static_cast<int>(l) * kLineStep, lines[l]);
            y += rowHeight(lines.size());
        }
        const int foot = height - kLineStep;
        canvas.text(0, foot, "Checks, page " + std::to_string(p + 1) + " of " + count);
        canvas.text(width - canvas.textWidth(texts.date), foot, texts.date);
    }
}

}  // namespace tolvane::checks
