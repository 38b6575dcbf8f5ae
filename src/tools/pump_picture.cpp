// The pump's parts of the curve diagram on a surface and on the printed page.
#include <algorithm>
#include <cmath>

#include "base/number_format.h"
#include "base/number_rounding.h"
#include "tools/curve_diagram.h"

namespace tolvane {

namespace {

constexpr int kPumpPen = 4, kMarkPen = 3, kNpshPen = 3, kGridPen = 1, kFramePen = 3;
constexpr int kTextPoints = 9;
constexpr int kMarkSize = 25;  // half the printed cross, tenths of a millimetre

double span(double range) { return range > 0 ? range : 1.0; }
double along(const AxisScale& a, double v) { return (v - a.min) / span(a.range); }

std::size_t tickCount(const AxisScale& s) {
    return std::min(static_cast<std::size_t>(std::max(s.tickCount, 0)), s.labels.size());
}

// Keeps a mark's label inside the frame: right of the point, or left of it
// near the right edge.
PlacedText labelBeside(double x, double y, double left, double right, const std::string& text,
                       double textWidth, double h) {
    using Align = PlacedText::Align;
    if (x + 8 + textWidth > right)
        return {std::max(left + 2, x - 8), y - h - 4, text, Align::Right};
    return {x + 8, y - h - 4, text, Align::Left};
}

}  // namespace

void layoutPumpPicture(const CurveDiagram& d, DiagramPicture& pic, double width, double height,
                       const TextWidth& textWidth, double h) {
    const PumpDiagram& pd = *d.pump;
    const AxisScale& f = d.flow;
    const AxisScale& v = pd.valueAxis;
    const double plotWidth = pic.right - pic.left, plotHeight = pic.bottom - pic.top;
    const auto x = [&](double q) { return pic.left + along(f, q) * plotWidth; };
    const auto y = [&](double value) { return pic.bottom - along(v, value) * plotHeight; };
    PumpPicture pp;
    for (const auto& [q, value] : pd.pumpLine) pp.pumpLine.push_back({x(q), y(value)});
    if (pd.bestEfficiencyBand) {
        const double from = std::clamp(x(pd.bestEfficiencyBand->first), pic.left, pic.right);
        const double to = std::clamp(x(pd.bestEfficiencyBand->second), pic.left, pic.right);
        if (to > from) pp.band = std::make_pair(from, to);
    }
    using Align = PlacedText::Align;
    if (!pp.pumpLine.empty()) {
        const std::string beyond = kNoHeadBeyondFlows;
        if (pd.beyondLeft)
            pp.texts.push_back(
                {pp.pumpLine.front().x + 4, pp.pumpLine.front().y + 2, beyond, Align::Left});
        if (pd.beyondRight)
            pp.texts.push_back(
                {pp.pumpLine.back().x - 4, pp.pumpLine.back().y + 2, beyond, Align::Right});
    }
    if (pd.operatingMark) {
        pp.operating = PlotPoint{x(pd.operatingMark->first), y(pd.operatingMark->second)};
        const std::string text = operatingMarkText(pd, d.curve.flowUnitText);
        pp.texts.push_back(labelBeside(pp.operating->x, pp.operating->y, pic.left, pic.right, text,
                                       textWidth(text), h));
    }

    if (pd.withNpsh) {
        pp.npsh = true;
        const AxisScale& n = pd.npshAxis;
        pp.left = pic.left;
        pp.right = pic.right;
        pp.top = height * kPlantShareBesideNpsh + 1.5 * h + 4;
        pp.bottom = std::max(pp.top + 1, height - 2 * h - 6);
        const double nh = pp.bottom - pp.top;
        const auto ny = [&](double value) { return pp.bottom - along(n, value) * nh; };
        pp.npshTexts.push_back({2, pp.top - 1.5 * h - 2, kNpshAxisTitle, Align::Left});
        const std::size_t ticks = tickCount(n);
        // Every second label when the small diagram has no room for all.
        const std::size_t stride =
            nh / std::max(1.0, static_cast<double>(ticks) - 1.0) < 1.2 * h ? 2 : 1;
        for (std::size_t k = 0; k < ticks; ++k) {
            const double yy = ny(n.min + static_cast<double>(k) * n.step);
            if (k % stride == 0)
                pp.npshTexts.push_back({pp.left - 5, yy - h / 2, n.labels[k], Align::Right});
            if (k > 0 && k + 1 < ticks) pp.npshGrid.push_back({pp.left, yy, pp.right, yy});
        }
        for (std::size_t k = 1; k + 1 < tickCount(f); ++k) {
            const double xx = x(f.min + static_cast<double>(k) * f.step);
            pp.npshGrid.push_back({xx, pp.bottom, xx, pp.top});
        }
        for (const auto& [q, value] : pd.npshAvailableLine)
            pp.npshAvailable.push_back({x(q), ny(value)});
        for (const auto& [q, value] : pd.npshRequiredLine)
            pp.npshRequired.push_back({x(q), ny(value)});
        pp.npshTexts.push_back({pp.right, pp.top - 1.5 * h - 2,
                                "NPSH available (blue), NPSH required (dashed)", Align::Right});
        if (pd.operatingMark && pd.overlay.npshAvailableAtPoint) {
            pp.npshOperating =
                PlotPoint{x(pd.operatingMark->first), ny(*pd.overlay.npshAvailableAtPoint)};
            if (pd.overlay.marginAtPoint) {
                const std::string text =
                    "margin " + formatFixed(*pd.overlay.marginAtPoint, 2) + " m";
                pp.npshTexts.push_back(labelBeside(pp.npshOperating->x, pp.npshOperating->y,
                                                   pp.left, pp.right, text, textWidth(text), h));
            }
        }
    }
    (void)width;
    pic.pump = std::move(pp);
}

void printPumpParts(const CurveDiagram& d, const PrintedPlot& plot, int npshBottom,
                    const std::string& font, PrintCanvas& c) {
    const PumpDiagram& pd = *d.pump;
    c.setFont(font, kTextPoints, false);
    const int h = roundInt(kTextPoints * 254.0 / 72.0 * 1.2);
    for (std::size_t i = 1; i < pd.pumpLine.size(); ++i)
        c.line(plot.xOf(pd.pumpLine[i - 1].first), plot.yOf(pd.pumpLine[i - 1].second),
               plot.xOf(pd.pumpLine[i].first), plot.yOf(pd.pumpLine[i].second), kPumpPen);
    if (!pd.pumpLine.empty()) {
        const std::string beyond = kNoHeadBeyondFlows;
        if (pd.beyondLeft)
            c.text(plot.xOf(pd.pumpLine.front().first) + 20,
                   plot.yOf(pd.pumpLine.front().second) + h / 2, beyond);
        if (pd.beyondRight)
            c.text(plot.xOf(pd.pumpLine.back().first) - 20 - c.textWidth(beyond),
                   plot.yOf(pd.pumpLine.back().second) + h / 2, beyond);
    }
    // The band's edges, dashed, with its name at the top.
    if (pd.bestEfficiencyBand) {
        for (double q : {pd.bestEfficiencyBand->first, pd.bestEfficiencyBand->second}) {
            const int xx = plot.xOf(q);
            if (xx <= plot.left || xx >= plot.right) continue;
            for (int yy = plot.top; yy < plot.bottom; yy += 40)
                c.line(xx, yy, xx, std::min(plot.bottom, yy + 20), kGridPen);
        }
        const int from = std::max(plot.left, plot.xOf(pd.bestEfficiencyBand->first));
        c.text(from + 10, plot.top + 10, "70-120 % of best efficiency");
    }
    if (pd.operatingMark) {
        const int xx = plot.xOf(pd.operatingMark->first), yy = plot.yOf(pd.operatingMark->second);
        c.line(xx - kMarkSize, yy - kMarkSize, xx + kMarkSize, yy + kMarkSize, kMarkPen);
        c.line(xx - kMarkSize, yy + kMarkSize, xx + kMarkSize, yy - kMarkSize, kMarkPen);
    }
    // The operating point's lines below the plot (below the NPSH diagram when
    // there is one), clear of the curves: the pump, the point, the warnings.
    const std::vector<std::string> lines = operatingPointLines(pd.overlay, d.curve.flowUnitText);
    std::vector<std::string> printed;
    std::string values;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("Pump: ", 0) == 0 || lines[i] == "Operating point") continue;
        values += (values.empty() ? "" : ", ") + lines[i];
    }
    std::string first = pd.overlay.pumpName.empty() ? "" : "Pump: " + pd.overlay.pumpName + ". ";
    first += pd.overlay.operating.point ? "Operating point" : "No operating point";
    // Wrapped at the values, so each line fits the page's width.
    std::string line = first + (values.empty() ? "." : ": ");
    std::size_t from = 0;
    while (from < values.size()) {
        std::size_t end = values.find(", ", from);
        const std::string piece =
            values.substr(from, end == std::string::npos ? std::string::npos : end + 2 - from);
        if (line.size() > 0 && c.textWidth(line + piece) > plot.right) {
            printed.push_back(line);
            line.clear();
        }
        line += piece;
        from = end == std::string::npos ? values.size() : end + 2;
    }
    if (!line.empty()) printed.push_back(line);
    std::string warnings;
    for (const std::string& w : pd.overlay.warnings) warnings += (warnings.empty() ? "" : " ") + w;
    if (!warnings.empty()) printed.push_back(warnings);
    int y = pd.withNpsh ? npshBottom + h / 4 : plot.bottom + h / 4 + h;
    for (const std::string& text : printed) {
        c.clippedText(0, y, text, plot.right);
        y += h;
    }

    if (!pd.withNpsh) return;
    const AxisScale& n = pd.npshAxis;
    const int top = plot.bottom + 2 * h, bottom = std::max(top + 1, npshBottom);
    c.line(plot.left, top, plot.right, top, kFramePen);
    c.line(plot.right, top, plot.right, bottom, kFramePen);
    c.line(plot.right, bottom, plot.left, bottom, kFramePen);
    c.line(plot.left, bottom, plot.left, top, kFramePen);
    const auto ny = [&](double value) {
        return bottom - roundInt((bottom - top) * along(n, value));
    };
    for (std::size_t k = 0; k < tickCount(n); ++k) {
        const int yy = ny(n.min + static_cast<double>(k) * n.step);
        c.text(0, yy - h / 2, n.labels[k]);
        if (k > 0 && k + 1 < tickCount(n)) c.line(plot.left, yy, plot.right, yy, kGridPen);
    }
    c.text(plot.left + 10, bottom - h - 10,
           std::string(kNpshAxisTitle) + ": available (solid), required (dashed)");
    for (std::size_t i = 1; i < pd.npshAvailableLine.size(); ++i)
        c.line(plot.xOf(pd.npshAvailableLine[i - 1].first), ny(pd.npshAvailableLine[i - 1].second),
               plot.xOf(pd.npshAvailableLine[i].first), ny(pd.npshAvailableLine[i].second),
               kNpshPen);
    // Every other piece of the required line left out: a dashed line.
    for (std::size_t i = 1; i < pd.npshRequiredLine.size(); ++i)
        if ((i / 6) % 2 == 0)
            c.line(plot.xOf(pd.npshRequiredLine[i - 1].first),
                   ny(pd.npshRequiredLine[i - 1].second), plot.xOf(pd.npshRequiredLine[i].first),
                   ny(pd.npshRequiredLine[i].second), kNpshPen);
}

}  // namespace tolvane
