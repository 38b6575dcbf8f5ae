#include "tools/curve_diagram.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "results/print_layout.h"
#include "base/number_rounding.h"
#include "base/product_version.h"

namespace tolvane {

namespace {

constexpr double kLeftMargin = 30, kRightMargin = 20, kTopBottomMargin = 30;
constexpr std::size_t kFlowLabelChars = 10;

// Printed page, tenths of a millimetre from the top left margin corner.
constexpr int kPlotTop = 150, kPlotBottomGap = 150;
constexpr int kBoxLeft = 200, kBoxRight = 1000, kBoxTop = 350, kBoxBottom = 650;
constexpr int kTextPoints = 9, kBoxTitlePoints = 11;
constexpr int kFramePen = 3, kGridPen = 1, kCurvePen = 5;
constexpr const char* kDiagramTitle = "Pressure drop = f (Rate of flow)";
const std::string kFooter =
    std::string(kProgramName) + " Version " + kProgramVersion + " for Windows - ";

// An empty axis (all points at one value) still maps without dividing by zero.
double span(double range) { return range > 0 ? range : 1.0; }

// Where `v` lies along the axis, 0 at its start and 1 at its end. Divided
// before any length multiplies it, so an axis up to 1.7e308 does not overflow.
double along(const AxisScale& a, double v) { return (v - a.min) / span(a.range); }

std::size_t tickCount(const AxisScale& s) {
    return std::min(static_cast<std::size_t>(std::max(s.tickCount, 0)), s.labels.size());
}

double tickValue(const AxisScale& s, std::size_t k) {
    return s.min + static_cast<double>(k) * s.step;
}

// Every how many ticks a label fits when `ticks` share `length` and a label
// needs `room` along the axis.
std::size_t labelStride(double length, std::size_t ticks, double room) {
    if (ticks < 2 || length <= 0) return 1;
    const double spacing = length / static_cast<double>(ticks - 1);
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(room / spacing)));
}

// Line height of a font size on the page: the em in tenths of a millimetre
// (254 / 72 per point) and the usual fifth for the line gap.
int printTextHeight(int points) { return roundInt(points * 254.0 / 72.0 * 1.2); }

std::string withDecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

struct Box {
    int left, top, right, bottom;
};

// Grid lines are left out where they would cross the information box.
void gridLineAround(PrintCanvas& c, int x1, int y1, int x2, int y2, const Box* box) {
    if (box && y1 == y2 && y1 > box->top && y1 < box->bottom) {
        if (box->left > x1) c.line(x1, y1, std::min(box->left, x2), y2, kGridPen);
        if (box->right < x2) c.line(std::max(box->right, x1), y1, x2, y2, kGridPen);
        return;
    }
    if (box && x1 == x2 && x1 > box->left && x1 < box->right) {
        // y1 is the lower end (larger value) of a vertical line.
        if (box->bottom < y1) c.line(x1, y1, x2, std::max(box->bottom, y2), kGridPen);
        if (box->top > y2) c.line(x1, std::min(box->top, y1), x2, y2, kGridPen);
        return;
    }
    c.line(x1, y1, x2, y2, kGridPen);
}

void drawInformationBox(const DiagramTexts& texts, const std::string& font, const Box& box,
                        PrintCanvas& c) {
    c.line(box.left, box.top, box.right, box.top, kFramePen);
    c.line(box.right, box.top, box.right, box.bottom, kFramePen);
    c.line(box.right, box.bottom, box.left, box.bottom, kFramePen);
    c.line(box.left, box.bottom, box.left, box.top, kFramePen);

    const int h = printTextHeight(kTextPoints);
    c.setFont(font, kBoxTitlePoints, false);
    const int titleWidth = c.textWidth(kDiagramTitle);
    int y = box.top + h / 2;
    c.text((box.left + box.right - titleWidth) / 2, y, kDiagramTitle);
    y += printTextHeight(kBoxTitlePoints) + h / 2;

    c.setFont(font, kTextPoints, false);
    const int indent = box.left + c.textWidth("H");
    const DiagramMedium& m = texts.medium;
    for (const std::string& line :
         {m.title + " " + m.name, "Viscosity: " + m.viscosityText + " " + m.viscosityUnit,
          "Density: " + m.densityText + " " + m.densityUnit,
          std::string("condition: ") + conditionText(m)}) {
        c.text(indent, y, line);
        y += h;
    }
}

}  // namespace

std::string densityLabel(const DiagramMedium& m) {
    return "Density in " + m.densityUnit + ": " + m.densityText;
}

std::string viscosityLabel(const DiagramMedium& m) {
    return m.viscosityKind + " in " + m.viscosityUnit + ": " + m.viscosityText;
}

std::string conditionText(const DiagramMedium& m) { return m.gas ? "gas" : "liquid"; }

std::string diagramHeading(const DiagramMedium& m) {
    const std::string gap = "   ";
    return m.title + " " + m.name + gap + "Condition: " + conditionText(m) + gap + densityLabel(m) +
           gap + viscosityLabel(m);
}

CurveDiagram makeCurveDiagram(PlantCurve curve) {
    CurveDiagram d;
    d.pressure = scalePressureAxis(curve.minPressureDrop, curve.maxPressureDrop, curve.system);
    d.flow = scaleFlowAxis(curve.start, curve.end);
    d.curve = std::move(curve);
    return d;
}

CurveDiagram makeCurveDiagram(PlantCurve curve, std::vector<BandPoint> band) {
    const bool fits = band.size() == curve.points.size();
    CurveDiagram d = makeCurveDiagram(std::move(curve));
    if (fits) d.band = std::move(band);
    return d;
}

std::string pressureAxisTitle(const CurveDiagram& d) {
    return "Pressure drop (" + d.pressure.unit + ")";
}

std::string flowAxisTitle(const CurveDiagram& d) {
    return "Rate of flow (" + d.curve.flowUnitText + ")";
}

DiagramPicture layoutDiagram(const CurveDiagram& d, double width, double height,
                             const TextWidth& textWidth, double textHeight) {
    const AxisScale& p = d.pressure.scale;
    const AxisScale& f = d.flow;
    const std::size_t pressureTicks = tickCount(p), flowTicks = tickCount(f);
    const double h = textHeight;

    double widestPressure = 0;
    for (std::size_t k = 0; k < pressureTicks; ++k)
        widestPressure = std::max(widestPressure, textWidth(p.labels[k]));
    const std::string lastFlow =
        flowTicks > 0 ? f.labels[flowTicks - 1].substr(0, kFlowLabelChars) : std::string();

    DiagramPicture pic;
    pic.left =
        std::max({kLeftMargin, static_cast<double>(d.pressure.leftMargin), widestPressure + 8});
    pic.top = std::max(kTopBottomMargin, 2 + 1.5 * h + 2);
    pic.right = width - std::max(kRightMargin, textWidth(lastFlow) / 2 + 4);
    pic.bottom = height - std::max(kTopBottomMargin, 2 * h + 6);
    pic.right = std::max(pic.right, pic.left + 1);
    pic.bottom = std::max(pic.bottom, pic.top + 1);
    const double plotWidth = pic.right - pic.left, plotHeight = pic.bottom - pic.top;

    using Align = PlacedText::Align;
    pic.texts.push_back({2, 2, pressureAxisTitle(d), Align::Left});
    pic.texts.push_back({width - 2, height - h - 1, flowAxisTitle(d), Align::Right});

    // On a small surface only every n-th tick is labelled, so labels never overlap.
    double widestFlow = 0;
    for (std::size_t k = 0; k < flowTicks; ++k)
        widestFlow = std::max(widestFlow, textWidth(f.labels[k].substr(0, kFlowLabelChars)));
    const std::size_t flowStride = labelStride(plotWidth, flowTicks, widestFlow + 8);
    for (std::size_t k = 0; k < flowTicks; ++k) {
        const double x = pic.left + plotWidth * along(f, tickValue(f, k));
        if (k % flowStride == 0)
            pic.texts.push_back(
                {x, pic.bottom + 3, f.labels[k].substr(0, kFlowLabelChars), Align::Centre});
        if (k > 0 && k + 1 < flowTicks) pic.grid.push_back({x, pic.bottom, x, pic.top});
    }
    // The lowest label sits on the frame's bottom line, clear of the flow labels;
    // the others are centred on their lines.
    const std::size_t pressureStride = labelStride(plotHeight, pressureTicks, 1.5 * h + 2);
    for (std::size_t k = 0; k < pressureTicks; ++k) {
        const double y = pic.bottom - plotHeight * along(p, tickValue(p, k));
        const double top = k == 0 ? y - h : y - h / 2;
        if (k % pressureStride == 0)
            pic.texts.push_back({pic.left - 5, top, p.labels[k], Align::Right});
        if (k > 0 && k + 1 < pressureTicks) pic.grid.push_back({pic.left, y, pic.right, y});
    }

    pic.curve.reserve(d.curve.points.size());
    for (const CurvePoint& pt : d.curve.points)
        pic.curve.push_back(
            {pic.left + along(f, pt.rateOfFlow) * plotWidth,
             pic.bottom - along(p, pt.pressureDrop * d.pressure.factor) * plotHeight});
    if (d.band.size() == d.curve.points.size()) {
        for (std::size_t i = 0; i < d.band.size(); ++i) {
            const double x = pic.left + along(f, d.curve.points[i].rateOfFlow) * plotWidth;
            // The axes are the curve's own; the band is cut at the frame.
            auto y = [&](double drop) {
                const double at = pic.bottom - along(p, drop * d.pressure.factor) * plotHeight;
                return std::clamp(at, pic.top, pic.bottom);
            };
            pic.bandLow.push_back({x, y(d.band[i].low)});
            pic.bandHigh.push_back({x, y(d.band[i].high)});
        }
    }
    return pic;
}

PrintSetup curvePrintSetup(const DiagramTexts& texts) {
    PrintSetup s;
    s.orientation = PageOrientation::Landscape;
    // The axis titles and the footer stand in the margins above and below the frame.
    s.marginLeft = 150;
    s.marginTop = 200;
    s.marginRight = 150;
    s.marginBottom = 200;
    s.title = "Tolvane " + texts.caption;
    std::string pdf = diagramFileSuggestion(texts.caption);
    s.pdfName = pdf.substr(0, pdf.size() - 4) + ".pdf";
    s.fontName = tablePrintFontName(texts.gridFont);
    s.fontPoints = kTextPoints;
    return s;
}

void printCurveDiagram(const CurveDiagram& d, const DiagramTexts& texts, PrintCanvas& c) {
    const std::string font = tablePrintFontName(texts.gridFont);
    c.setFont(font, kTextPoints, false);
    const int pw = c.pageWidth(), ph = c.pageHeight();
    const int h = printTextHeight(kTextPoints);
    const AxisScale& p = d.pressure.scale;
    const AxisScale& f = d.flow;
    const std::size_t pressureTicks = tickCount(p), flowTicks = tickCount(f);

    int widest = 0;
    for (std::size_t k = 0; k < pressureTicks; ++k)
        widest = std::max(widest, c.textWidth(p.labels[k]));
    const int left = widest + 5, right = pw, top = kPlotTop, bottom = ph - kPlotBottomGap;
    const double plotWidth = std::max(1, right - left), plotHeight = std::max(1, bottom - top);
    auto xOf = [&](double v) { return left + roundInt(plotWidth * along(f, v)); };
    auto yOf = [&](double v) { return bottom - roundInt(plotHeight * along(p, v)); };

    const Box box{left + kBoxLeft, kBoxTop, left + kBoxRight, kBoxBottom};
    const bool boxFits = box.right <= right && box.bottom < bottom;
    const Box* avoid = boxFits ? &box : nullptr;

    c.line(left, top, right, top, kFramePen);
    c.line(right, top, right, bottom, kFramePen);
    c.line(right, bottom, left, bottom, kFramePen);
    c.line(left, bottom, left, top, kFramePen);

    for (std::size_t k = 0; k < pressureTicks; ++k) {
        const int y = yOf(tickValue(p, k));
        c.text(0, y - h / 2, p.labels[k]);
        if (k > 0 && k + 1 < pressureTicks) gridLineAround(c, left, y, right, y, avoid);
    }
    for (std::size_t k = 0; k < flowTicks; ++k) {
        const int x = xOf(tickValue(f, k));
        const std::string label = withDecimalComma(f.labels[k]);
        c.text(x - c.textWidth(label) / 2, bottom + h / 4, label);
        if (k > 0 && k + 1 < flowTicks) gridLineAround(c, x, bottom, x, top, avoid);
    }

    c.text(0, -3 * h, pressureAxisTitle(d));
    const std::string flowTitle = flowAxisTitle(d);
    c.text(pw - c.textWidth(flowTitle), ph + 2 * h, flowTitle);
    c.text(0, ph + 2 * h, kFooter + texts.caption);

    if (boxFits) drawInformationBox(texts, font, box, c);

    const auto& points = d.curve.points;
    for (std::size_t i = 1; i < points.size(); ++i)
        c.line(xOf(points[i - 1].rateOfFlow), yOf(points[i - 1].pressureDrop * d.pressure.factor),
               xOf(points[i].rateOfFlow), yOf(points[i].pressureDrop * d.pressure.factor),
               kCurvePen);
}

DiagramFileFormat diagramFileFormat(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return DiagramFileFormat::Png;
    std::string ext = path.substr(dot + 1);
    for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (ext == "svg") return DiagramFileFormat::Svg;
    if (ext == "pdf") return DiagramFileFormat::Pdf;
    return DiagramFileFormat::Png;
}

std::string diagramFileSuggestion(const std::string& caption) {
    const std::size_t slash = caption.find_last_of("/\\");
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::string stem = caption;
    const std::size_t dot = caption.find_last_of('.');
    if (dot != std::string::npos && dot >= start) stem = caption.substr(0, dot);
    if (stem.size() == start) return stem + "curve.png";
    return stem + "-curve.png";
}

}  // namespace tolvane
