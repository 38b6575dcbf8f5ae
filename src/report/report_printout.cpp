#include "report/report_printout.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "units/unit_factors.h"

namespace tolvane::report {

namespace {

constexpr int kTextPoints = 9, kSmallPoints = 8, kHeadingPoints = 12;
// A4 with 15 mm margins all round.
constexpr int kMargin = 150;
constexpr int kTitleRowHeight = 62;
constexpr int kTitleRows = 3;
constexpr int kCellPadding = 10;
constexpr int kDiagramHeight = 900;

// Line pitch of a font size in drawing units: the size and a third.
int lineHeight(int points) {
    return static_cast<int>(std::lround(points * kDrawingUnitsPerInch / 72.0 * 1.35));
}

// The table's columns as shares of 1000 of the page width.
struct TableColumn {
    int share;
    bool numeric;
};
enum TableSlot {
    Number,
    Element,
    Inputs,
    Velocity,
    Reynolds,
    Regime,
    Coefficient,
    Drop,
    SlotCount
};

class Layout {
public:
    Layout(PrintCanvas& canvas, const CalculationReport& report)
        : c_(canvas), report_(report), width_(canvas.pageWidth()), height_(canvas.pageHeight()) {
        top_ = kTitleRows * kTitleRowHeight + 50;
        bottom_ = height_ - lineHeight(kSmallPoints) - 20;
        pages_.emplace_back();
        y_ = top_;
    }

    int width() const { return width_; }
    int y() const { return y_; }
    void advance(int dy) { y_ += dy; }
    int measure(const std::string& text, int points, bool bold) {
        c_.setFont(fontName(), points, bold);
        return c_.textWidth(text);
    }

    // A new page when `height` does not fit below the current position.
    void keep(int height) {
        if (y_ + height > bottom_ && y_ > top_) newPage();
    }
    void newPage() {
        pages_.emplace_back();
        y_ = top_;
        if (onNewPage) onNewPage();
    }

    void text(int x, int y, const std::string& s, int points, bool bold, int clip = -1) {
        PageItem item;
        item.x = x;
        item.y = y;
        item.text = s;
        item.points = points;
        item.bold = bold;
        item.clipWidth = clip;
        target().items.push_back(std::move(item));
    }
    void line(int x1, int y1, int x2, int y2, int pen) {
        PageItem item;
        item.kind = PageItem::Kind::Line;
        item.x = x1;
        item.y = y1;
        item.x2 = x2;
        item.y2 = y2;
        item.penWidth = pen;
        target().items.push_back(std::move(item));
    }

    // `s` broken at blanks into lines no wider than `width`; a word wider
    // than the whole line stands on a line of its own (and is clipped).
    std::vector<std::string> wrap(const std::string& s, int width, int points, bool bold) {
        std::vector<std::string> lines;
        std::string current;
        std::size_t from = 0;
        while (from <= s.size()) {
            std::size_t end = s.find(' ', from);
            if (end == std::string::npos) end = s.size();
            const std::string word = s.substr(from, end - from);
            const std::string tried = current.empty() ? word : current + " " + word;
            if (!current.empty() && measure(tried, points, bold) > width) {
                lines.push_back(current);
                current = word;
            } else {
                current = tried;
            }
            from = end + 1;
        }
        if (!current.empty() || lines.empty()) lines.push_back(current);
        return lines;
    }

    // A wrapped paragraph, kept together when it is short, at `indent`.
    void paragraph(const std::string& s, int points = kTextPoints, bool bold = false,
                   int indent = 0) {
        const int h = lineHeight(points);
        const auto lines = wrap(s, width_ - indent, points, bold);
        if (lines.size() <= 4) keep(h * static_cast<int>(lines.size()));
        for (const std::string& l : lines) {
            keep(h);
            text(indent, y_, l, points, bold, width_ - indent);
            y_ += h;
        }
    }

    // A heading never stands alone at the foot of a page: `following` of
    // what comes after it stays with it.
    void heading(const std::string& s, int following = 3 * lineHeight(kTextPoints)) {
        keep(20 + lineHeight(kHeadingPoints) + 6 + following);
        y_ += 20;
        text(0, y_, s, kHeadingPoints, true);
        y_ += lineHeight(kHeadingPoints) + 6;
    }

    std::vector<ReportPage> finish() {
        const int n = static_cast<int>(pages_.size());
        for (int i = 0; i < n; ++i) decorate(pages_[static_cast<std::size_t>(i)], i + 1, n);
        return std::move(pages_);
    }

    std::function<void()> onNewPage;
    std::string fontName() const { return font_; }

private:
    // The title block and the foot of page `page` of `count`.
    void decorate(ReportPage& page, int number, int count) {
        std::vector<PageItem> own;
        std::swap(own, page.items);
        decorating_ = &page;
        const TitleBlock& t = report_.title;
        const int w = width_;
        const int rows = kTitleRows * kTitleRowHeight;
        // Frame and rows; the first column is twice as wide as the other two.
        line(0, 0, w, 0, 4);
        line(0, rows, w, rows, 4);
        line(0, 0, 0, rows, 4);
        line(w, 0, w, rows, 4);
        for (int r = 1; r < kTitleRows; ++r)
            line(0, r * kTitleRowHeight, w, r * kTitleRowHeight, 1);
        const int c1 = w / 2, c2 = w * 3 / 4;
        line(c1, 0, c1, rows, 1);
        line(c2, 0, c2, rows, 1);
        const std::string cells[kTitleRows][3] = {
            {"Project: " + t.project, "Document no.: " + t.documentNumber,
             "Revision: " + t.revision},
            {"Line/tag: " + t.line, "Date: " + t.date,
             "Page " + std::to_string(number) + " of " + std::to_string(count)},
            {"Prepared by: " + t.preparedBy, "Checked by: " + t.checkedBy,
             "Approved by: " + t.approvedBy},
        };
        const int xs[3] = {0, c1, c2}, ws[3] = {c1, c2 - c1, w - c2};
        for (int r = 0; r < kTitleRows; ++r)
            for (int k = 0; k < 3; ++k)
                text(xs[k] + kCellPadding, r * kTitleRowHeight + 14, cells[r][k], kTextPoints,
                     r == 0 && k == 0, ws[k] - 2 * kCellPadding);
        const int foot = height_ - lineHeight(kSmallPoints);
        line(0, foot - 8, w, foot - 8, 1);
        text(0, foot, report_.version + " - calculation report of " + report_.projectName,
             kSmallPoints, false, w * 3 / 4);
        const std::string pageText =
            "Page " + std::to_string(number) + " of " + std::to_string(count);
        text(w - measure(pageText, kSmallPoints, false), foot, pageText, kSmallPoints, false);
        page.items.insert(page.items.end(), own.begin(), own.end());
        decorating_ = nullptr;
    }

    ReportPage& target() { return decorating_ ? *decorating_ : pages_.back(); }

    PrintCanvas& c_;
    const CalculationReport& report_;
    int width_, height_;
    int top_ = 0, bottom_ = 0, y_ = 0;
    std::string font_ = "Arial";
    std::vector<ReportPage> pages_;
    ReportPage* decorating_ = nullptr;
};

void mediumSection(Layout& l, const CalculationReport& r) {
    l.heading("Medium");
    if (r.media.empty()) l.paragraph("The table holds no calculation.");
    for (const ReportMedium& m : r.media) {
        l.paragraph(m.name + " (" + m.condition + "), column" +
                        (m.columns.find_first_of(",-") == std::string::npos ? " " : "s ") +
                        m.columns,
                    kTextPoints, true);
        for (const ReportProperty& p : m.properties)
            l.paragraph(p.label + ": " + p.value, kTextPoints, false, 40);
        l.paragraph("Source of the properties: " + m.source, kSmallPoints, false, 40);
        l.advance(10);
    }
}

struct Cell {
    std::vector<std::string> lines;
    bool bold = false;
};

void columnsSection(Layout& l, const CalculationReport& r) {
    l.heading("Calculation");
    const TableColumn columns[SlotCount] = {{35, false}, {190, false}, {275, false}, {90, true},
                                            {75, true},  {85, false},  {140, false}, {110, true}};
    const std::string headings[SlotCount] = {"No.",    "Element, quantity, specification",
                                             "Inputs", "w in " + r.velocityUnit,
                                             "Re",     "Flow",
                                             "λ or ζ", "Δp in " + r.pressureUnit};
    int xs[SlotCount + 1];
    xs[0] = 0;
    for (int k = 0; k < SlotCount; ++k) xs[k + 1] = xs[k] + l.width() * columns[k].share / 1000;
    xs[SlotCount] = l.width();
    const int h = lineHeight(kSmallPoints);

    auto drawRow = [&](const Cell(&cells)[SlotCount], int pen) {
        std::size_t lines = 1;
        std::vector<std::vector<std::string>> wrapped(SlotCount);
        for (int k = 0; k < SlotCount; ++k) {
            const int inner = xs[k + 1] - xs[k] - 2 * kCellPadding;
            for (const std::string& s : cells[k].lines)
                for (std::string& part : l.wrap(s, inner, kSmallPoints, cells[k].bold))
                    wrapped[static_cast<std::size_t>(k)].push_back(std::move(part));
            lines = std::max(lines, wrapped[static_cast<std::size_t>(k)].size());
        }
        const int rowHeight = static_cast<int>(lines) * h + 2 * kCellPadding;
        l.keep(rowHeight);
        const int y0 = l.y();
        for (int k = 0; k < SlotCount; ++k) {
            const auto& cell = wrapped[static_cast<std::size_t>(k)];
            const int inner = xs[k + 1] - xs[k] - 2 * kCellPadding;
            for (std::size_t i = 0; i < cell.size(); ++i) {
                int x = xs[k] + kCellPadding;
                if (columns[k].numeric)
                    x = std::max(x, xs[k + 1] - kCellPadding -
                                        l.measure(cell[i], kSmallPoints, cells[k].bold));
                l.text(x, y0 + kCellPadding + static_cast<int>(i) * h, cell[i], kSmallPoints,
                       cells[k].bold, inner);
            }
        }
        l.line(0, y0 + rowHeight, l.width(), y0 + rowHeight, pen);
        l.advance(rowHeight);
    };
    Cell head[SlotCount];
    for (int k = 0; k < SlotCount; ++k) head[k] = {{headings[k]}, true};
    auto drawHead = [&] {
        l.line(0, l.y(), l.width(), l.y(), 3);
        drawRow(head, 3);
    };
    drawHead();
    l.onNewPage = drawHead;
    for (const ReportRow& row : r.rows) {
        Cell cells[SlotCount];
        cells[Number].lines = {row.number};
        cells[Element].lines = {row.element};
        cells[Element].lines.push_back("quantity: " + row.quantity);
        if (!row.specification.empty()) cells[Element].lines.push_back(row.specification);
        cells[Inputs].lines = row.inputs;
        cells[Velocity].lines = row.velocities;
        cells[Reynolds].lines = row.reynolds;
        cells[Regime].lines = {row.regime};
        cells[Coefficient].lines = row.coefficients;
        cells[Drop].lines = {row.pressureDrop};
        drawRow(cells, 1);
    }
    l.onNewPage = nullptr;
    l.advance(16);
    l.paragraph("Total pressure drop: " + r.total, kTextPoints + 1, true);
    l.paragraph("The calculation table shows the total as " + r.tableTotal + ".", kSmallPoints);
    for (const std::string& note : r.notes) l.paragraph(note, kSmallPoints);
}

void checksSection(Layout& l, const CalculationReport& r) {
    l.heading("Checks");
    if (r.checks.empty()) l.paragraph("The checks found nothing to note.");
    for (const ReportCheck& c : r.checks) {
        l.paragraph(c.where + ", " + c.severity + " (" + c.code + "): " + c.text);
        l.paragraph("Basis: " + c.source, kSmallPoints, false, 40);
        l.advance(6);
    }
    if (r.secondOpinion.empty()) return;
    l.advance(10);
    l.paragraph("Second opinion of the published methods", kTextPoints, true);
    for (const std::string& line : r.secondOpinion) l.paragraph(line, kTextPoints, false, 40);
}

int rounded(double v) { return static_cast<int>(std::lround(v)); }

// The segment from a to b cut to the rows top..bottom; false when nothing is left.
bool clipToRows(PlotPoint& a, PlotPoint& b, double top, double bottom) {
    for (const double edge : {top, bottom}) {
        const bool aOut = edge == top ? a.y < top : a.y > bottom;
        const bool bOut = edge == top ? b.y < top : b.y > bottom;
        if (aOut && bOut) return false;
        if (aOut || bOut) {
            PlotPoint& out = aOut ? a : b;
            const PlotPoint& in = aOut ? b : a;
            const double t = (edge - in.y) / (out.y - in.y);
            out = {in.x + (out.x - in.x) * t, edge};
        }
    }
    return true;
}

void diagramSection(Layout& l, const CalculationReport& r) {
    l.heading("Plant characteristic curve",
              r.diagram ? kDiagramHeight : 3 * lineHeight(kTextPoints));
    if (!r.diagram) {
        for (const std::string& s : r.diagramLines) l.paragraph(s);
        return;
    }
    const ReportDiagram& d = *r.diagram;
    const int h = lineHeight(kSmallPoints);
    l.keep(kDiagramHeight + h);
    const int y0 = l.y();
    const TextWidth width = [&](const std::string& s) {
        return static_cast<double>(l.measure(s, kSmallPoints, false));
    };
    const double textHeight = kSmallPoints * kDrawingUnitsPerInch / 72.0;
    const DiagramPicture pic =
        layoutDiagram(d.diagram, l.width(), kDiagramHeight, width, textHeight);
    auto at = [&](double x, double y) { return std::pair{rounded(x), y0 + rounded(y)}; };
    const auto [fl, ft] = at(pic.left, pic.top);
    const auto [fr, fb] = at(pic.right, pic.bottom);
    l.line(fl, ft, fr, ft, 3);
    l.line(fr, ft, fr, fb, 3);
    l.line(fr, fb, fl, fb, 3);
    l.line(fl, fb, fl, ft, 3);
    for (const PlotLine& g : pic.grid) {
        const auto [x1, y1] = at(g.x1, g.y1);
        const auto [x2, y2] = at(g.x2, g.y2);
        l.line(x1, y1, x2, y2, 1);
    }
    for (const PlacedText& t : pic.texts) {
        const int w = l.measure(t.text, kSmallPoints, false);
        double x = t.x;
        if (t.align == PlacedText::Align::Centre) x -= w / 2.0;
        if (t.align == PlacedText::Align::Right) x -= w;
        const auto [tx, ty] = at(x, t.y);
        l.text(tx, ty, t.text, kSmallPoints, false);
    }
    for (std::size_t i = 1; i < pic.curve.size(); ++i) {
        const auto [x1, y1] = at(pic.curve[i - 1].x, pic.curve[i - 1].y);
        const auto [x2, y2] = at(pic.curve[i].x, pic.curve[i].y);
        l.line(x1, y1, x2, y2, 6);
    }
    const AxisScale& f = d.diagram.flow;
    const AxisScale& p = d.diagram.pressure.scale;
    const double plotW = pic.right - pic.left, plotH = pic.bottom - pic.top;
    auto place = [&](double flow, double drop) {
        const double flowSpan = f.range > 0 ? f.range : 1.0;
        const double dropSpan = p.range > 0 ? p.range : 1.0;
        return PlotPoint{
            pic.left + (flow - f.min) / flowSpan * plotW,
            pic.bottom - (drop * d.diagram.pressure.factor - p.min) / dropSpan * plotH};
    };
    std::string legend = "Thick line: the plant's pressure drop";
    if (d.pump) {
        legend += "; dashed line: the pressure the pump leaves for the plant";
        const auto& pts = d.pump->pressureForPlant;
        // Dashed: every other piece of each segment, 12 units long.
        for (std::size_t i = 1; i < pts.size(); ++i) {
            PlotPoint a = place(pts[i - 1].rateOfFlow, pts[i - 1].pressureDrop);
            PlotPoint b = place(pts[i].rateOfFlow, pts[i].pressureDrop);
            if (!clipToRows(a, b, pic.top, pic.bottom)) continue;
            const double len = std::hypot(b.x - a.x, b.y - a.y);
            const int pieces = std::max(1, static_cast<int>(len / 12.0));
            for (int k = 0; k < pieces; k += 2) {
                const double t1 = static_cast<double>(k) / pieces;
                const double t2 = std::min(1.0, static_cast<double>(k + 1) / pieces);
                const auto [x1, y1] = at(a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1);
                const auto [x2, y2] = at(a.x + (b.x - a.x) * t2, a.y + (b.y - a.y) * t2);
                l.line(x1, y1, x2, y2, 4);
            }
        }
        if (const auto& op = d.pump->operating.point) {
            const double toShown =
                d.diagram.curve.system == OutputSystem::US ? 1.0 / kBarPerPsi : 1.0;
            const double drop =
                pressureOfHead(op->head - d.pump->side.staticHead, d.pump->density) -
                d.pump->side.pressureDifference;
            const PlotPoint o = place(op->flow / d.pump->flowFactor, drop * toShown);
            if (o.y >= pic.top && o.y <= pic.bottom && o.x >= pic.left && o.x <= pic.right) {
                const auto [ox, oy] = at(o.x, o.y);
                // A cross the legend names: a label would lie on one of the curves.
                constexpr int s = 26;
                l.line(ox - s, oy - s, ox + s, oy + s, 4);
                l.line(ox - s, oy + s, ox + s, oy - s, 4);
                legend += "; cross: the operating point";
            }
        }
    }
    l.advance(kDiagramHeight + 10);
    l.paragraph(legend + ".", kSmallPoints);
    for (const std::string& s : r.diagramLines) l.paragraph(s);
}

void sourcesSection(Layout& l, const CalculationReport& r) {
    l.heading("Sources");
    for (const ReportSource& s : r.sources) {
        l.paragraph(s.usedFor + " (" + s.usedBy + ")", kTextPoints, true);
        if (!s.reference.empty()) l.paragraph(s.reference, kSmallPoints, false, 40);
        l.advance(6);
    }
}

}  // namespace

PrintSetup reportPrintSetup(const CalculationReport& report) {
    PrintSetup s;
    s.orientation = PageOrientation::Portrait;
    s.marginLeft = s.marginTop = s.marginRight = s.marginBottom = kMargin;
    s.title = "Tolvane report " + report.projectName;
    std::string base = report.projectName;
    if (const auto dot = base.rfind('.'); dot != std::string::npos) base.erase(dot);
    s.pdfName = base + "-report.pdf";
    s.fontName = "Arial";
    s.fontPoints = kTextPoints;
    return s;
}

std::vector<ReportPage> layoutReport(const CalculationReport& r, PrintCanvas& canvas) {
    Layout l(canvas, r);
    if (!r.title.remark.empty()) {
        l.paragraph("Remark: " + r.title.remark);
        l.advance(10);
    }
    if (r.include.medium) mediumSection(l, r);
    if (r.include.columns)
        columnsSection(l, r);
    else
        l.paragraph("Total pressure drop: " + r.total, kTextPoints + 1, true);
    if (r.include.checks) checksSection(l, r);
    if (r.include.diagram && (r.diagram || !r.diagramLines.empty())) diagramSection(l, r);
    if (r.include.sources) sourcesSection(l, r);
    l.heading("Program");
    l.paragraph("Calculated with " + r.version + ". The results are the engine's numbers to " +
                std::to_string(kReportDigits) + " significant digits (Reynolds numbers " +
                std::to_string(kReynoldsDigits) + ").");
    return l.finish();
}

void printReport(const CalculationReport& report, PrintCanvas& canvas, PageRange range) {
    PageRangeCanvas c(canvas, range);
    const std::vector<ReportPage> pages = layoutReport(report, c);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) c.newPage();
        for (const PageItem& item : pages[i].items) {
            if (item.kind == PageItem::Kind::Line) {
                c.line(item.x, item.y, item.x2, item.y2, item.penWidth);
                continue;
            }
            c.setFont("Arial", item.points, item.bold);
            if (item.clipWidth >= 0)
                c.clippedText(item.x, item.y, item.text, item.clipWidth);
            else
                c.text(item.x, item.y, item.text);
        }
    }
}

}  // namespace tolvane::report
