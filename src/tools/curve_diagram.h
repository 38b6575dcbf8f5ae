// The curve diagram apart from any drawing surface: the two axis scales of a
// plant curve, the medium texts above the plot, the picture on a surface of
// any size (positioned texts, frame, grid lines and the curve's points, which
// one painter function puts on the screen and into PNG, SVG and PDF files)
// and the printed page, laid out on the print object's canvas in tenths of a
// millimetre.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "results/print_canvas.h"
#include "tools/curve_axis.h"
#include "tools/curve_band.h"
#include "tools/plant_curve.h"

namespace tolvane {

// The medium as the main window's fields show it.
struct DiagramMedium {
    std::string title = "Flow medium:";  // the label beside the name field
    std::string name;
    std::string densityText, densityUnit;
    std::string viscosityKind = "Abs.viscos.";  // the viscosity-kind list's text
    std::string viscosityText, viscosityUnit;
    bool gas = false;
};

// Everything the diagram window shows and prints besides the curve.
struct DiagramTexts {
    DiagramMedium medium;
    std::string caption = "NONAME.TLV";  // the calculation table window's caption
    std::string gridFont = "Arial";      // the calculation table's font name
};

// The panel labels: "Density in kg/m³: 998.2", "Abs.viscos. in 10^-6 kg/ms: 1002",
// "liquid" or "gas".
std::string densityLabel(const DiagramMedium& m);
std::string viscosityLabel(const DiagramMedium& m);
std::string conditionText(const DiagramMedium& m);
// The medium in one line, above the drawing in saved files:
// "Flow medium: water   Condition: liquid   Density in kg/m³: 998.2   ...".
std::string diagramHeading(const DiagramMedium& m);

struct CurveDiagram {
    PlantCurve curve;
    PressureAxis pressure;
    AxisScale flow;
    // The published methods' band, one point per curve point; empty: none.
    std::vector<BandPoint> band;
};

CurveDiagram makeCurveDiagram(PlantCurve curve);
// With the band around the curve (drawn inside the curve's own axes); a band
// of another length than the curve's points is left out.
CurveDiagram makeCurveDiagram(PlantCurve curve, std::vector<BandPoint> band);

// "Pressure drop (mbar)" and "Rate of flow (m³/h)".
std::string pressureAxisTitle(const CurveDiagram& d);
std::string flowAxisTitle(const CurveDiagram& d);

// ---- The picture on a surface of width x height pixels ----

struct PlacedText {
    enum class Align { Left, Centre, Right };
    double x = 0, y = 0;  // y is the top of the text; x its left edge, centre or right edge
    std::string text;
    Align align = Align::Left;
};

struct PlotLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct PlotPoint {
    double x = 0, y = 0;
};

struct DiagramPicture {
    double left = 0, top = 0, right = 0, bottom = 0;  // the plot frame
    std::vector<PlacedText> texts;
    std::vector<PlotLine> grid;    // inner tick lines, frame excluded
    std::vector<PlotPoint> curve;  // the polyline, in point order
    // The band's lower and upper edge, in point order; empty without a band.
    std::vector<PlotPoint> bandLow, bandHigh;
};

// Advance width of a text in the surface's font, in pixels.
using TextWidth = std::function<double(const std::string&)>;

// The margins grow beyond 30 / 20 / 30 pixels where the labels of the
// surface's font need the room, so no label is cut or overlaps the frame.
DiagramPicture layoutDiagram(const CurveDiagram& d, double width, double height,
                             const TextWidth& textWidth, double textHeight);

// ---- The printed page ----

PrintSetup curvePrintSetup(const DiagramTexts& texts);
// The landscape page: plot frame, grid and tick labels, the axis titles, the
// information box about the medium, the footer and the curve, drawn last.
void printCurveDiagram(const CurveDiagram& d, const DiagramTexts& texts, PrintCanvas& canvas);

// ---- Saving the diagram ----

enum class DiagramFileFormat { Png, Svg, Pdf };
inline constexpr const char* kDiagramFileFilter =
    "PNG image (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf";
// By the file's extension (any letter case); PNG when it names none of them.
DiagramFileFormat diagramFileFormat(const std::string& path);
// The name offered in the save dialog: the project's name with "-curve.png".
std::string diagramFileSuggestion(const std::string& caption);

}  // namespace tolvane
