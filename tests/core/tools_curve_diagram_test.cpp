// The curve diagram without a surface: the panel texts from the session, the
// picture's frame, ticks, grid and curve for any size and font, the printed
// page on a recording canvas (frame, labels, information box kept clear of
// grid lines, the curve drawn last and thick), and the saved file's format.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "shell/diagram_texts.h"
#include "tools/curve_diagram.h"

namespace tolvane {
namespace {

// A hand-scaled diagram: 0..10 m³/h with ticks every 2, 0..40 mbar every 10.
CurveDiagram sample() {
    CurveDiagram d;
    d.curve.flowUnitText = "m³/h";
    d.curve.start = 0;
    d.curve.end = 10;
    for (int i = 0; i <= 10; ++i)
        d.curve.points.push_back({double(i), 0.0004 * i * i});  // bar: 0 .. 40 mbar
    d.curve.minPressureDrop = 0;
    d.curve.maxPressureDrop = 0.04;
    d.pressure.unit = "mbar";
    d.pressure.factor = 1000;
    d.pressure.scale = {0, 40, 40, 10, 5, {"0", "10", "20", "30", "40"}, 0};
    d.flow = {0, 10, 10, 2, 6, {"0", "2", "4", "6", "8", "10"}, 0};
    return d;
}

// Every character 7 pixels wide.
double width7(const std::string& s) { return 7.0 * static_cast<double>(s.size()); }

const PlacedText* findText(const DiagramPicture& pic, const std::string& text) {
    for (const PlacedText& t : pic.texts)
        if (t.text == text) return &t;
    return nullptr;
}

TEST(CurveDiagramPicture, FrameKeepsTheMarginsWhereTheLabelsFit) {
    const DiagramPicture pic = layoutDiagram(sample(), 600, 400, width7, 12);
    EXPECT_DOUBLE_EQ(pic.left, 30);
    EXPECT_DOUBLE_EQ(pic.top, 30);
    EXPECT_DOUBLE_EQ(pic.right, 580);
    EXPECT_DOUBLE_EQ(pic.bottom, 370);
}

TEST(CurveDiagramPicture, WideLabelsAndALargeFontWidenTheMargins) {
    CurveDiagram d = sample();
    d.pressure.scale.labels = {"1.5E+04", "2.0E+04", "2.5E+04", "3.0E+04", "3.5E+04"};
    d.flow.labels.back() = "1.0E+04";
    const DiagramPicture pic = layoutDiagram(d, 600, 400, width7, 20);
    EXPECT_GE(pic.left, 7 * 7 + 5);           // the widest label stays left of the frame
    EXPECT_LE(pic.right + 7 * 7 / 2.0, 600);  // the last flow label ends inside the surface
    EXPECT_GE(pic.top, 2 + 20 + 10);          // title above the top label
    EXPECT_LE(pic.bottom + 3 + 2 * 20, 400);  // flow labels above the axis title
}

TEST(CurveDiagramPicture, TicksSpanTheFrameAndInnerOnesHaveGridLines) {
    const DiagramPicture pic = layoutDiagram(sample(), 600, 400, width7, 14);
    const PlacedText* first = findText(pic, "0");
    const PlacedText* lastFlow = findText(pic, "10");
    ASSERT_TRUE(first && lastFlow);
    EXPECT_DOUBLE_EQ(first->x, pic.left);
    EXPECT_EQ(first->align, PlacedText::Align::Centre);
    EXPECT_DOUBLE_EQ(lastFlow->x, pic.right);
    const PlacedText* top = findText(pic, "40");
    ASSERT_TRUE(top);
    EXPECT_DOUBLE_EQ(top->y, pic.top - 7);  // centred on the frame's top line
    EXPECT_EQ(top->align, PlacedText::Align::Right);
    EXPECT_EQ(pic.grid.size(), 4u + 3u);  // 6 flow ticks, 5 pressure ticks, frame lines excluded
    ASSERT_TRUE(findText(pic, "Pressure drop (mbar)"));
    ASSERT_TRUE(findText(pic, "Rate of flow (m³/h)"));
    EXPECT_EQ(findText(pic, "Rate of flow (m³/h)")->align, PlacedText::Align::Right);
}

TEST(CurveDiagramPicture, ASmallSurfaceLabelsEveryOtherTickWithoutOverlap) {
    CurveDiagram d = sample();
    d.flow.tickCount = 11;
    d.flow.step = 1;
    d.flow.labels = {"0.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0", "9.0", "10.0"};
    d.pressure.scale.tickCount = 9;
    d.pressure.scale.step = 5;
    d.pressure.scale.labels = {"0", "5", "10", "15", "20", "25", "30", "35", "40"};
    const DiagramPicture pic = layoutDiagram(d, 300, 200, width7, 14);
    EXPECT_EQ(pic.grid.size(), 9u + 7u);  // every tick keeps its grid line
    std::vector<const PlacedText*> flow, pressure;
    for (const PlacedText& t : pic.texts) {
        if (t.align == PlacedText::Align::Centre) flow.push_back(&t);
        if (t.align == PlacedText::Align::Right && t.text.find('(') == std::string::npos)
            pressure.push_back(&t);
    }
    ASSERT_GE(flow.size(), 2u);
    ASSERT_GE(pressure.size(), 2u);
    EXPECT_LT(flow.size(), 11u);
    EXPECT_LT(pressure.size(), 9u);
    for (std::size_t i = 1; i < flow.size(); ++i)
        EXPECT_GE(flow[i]->x - flow[i - 1]->x,
                  width7(flow[i]->text) / 2 + width7(flow[i - 1]->text) / 2);
    for (std::size_t i = 1; i < pressure.size(); ++i)
        EXPECT_GE(pressure[i - 1]->y - pressure[i]->y, 14);  // upward, a line apart
    EXPECT_EQ(layoutDiagram(d, 900, 700, width7, 14).texts.size(), 2u + 11u + 9u);
}

TEST(CurveDiagramPicture, CurveRunsFromTheLowerLeftToTheUpperRightCorner) {
    const DiagramPicture pic = layoutDiagram(sample(), 600, 400, width7, 14);
    ASSERT_EQ(pic.curve.size(), 11u);
    EXPECT_DOUBLE_EQ(pic.curve.front().x, pic.left);
    EXPECT_DOUBLE_EQ(pic.curve.front().y, pic.bottom);
    EXPECT_NEAR(pic.curve.back().x, pic.right, 1e-9);
    EXPECT_NEAR(pic.curve.back().y, pic.top, 1e-9);  // 0.04 bar drawn as 40 mbar
    EXPECT_NEAR(pic.curve[5].y, pic.bottom - (pic.bottom - pic.top) * 10 / 40, 1e-9);
}

TEST(CurveDiagramPicture, AnEmptyAxisOrATinySurfaceGivesNoNaN) {
    CurveDiagram d = sample();
    d.pressure.scale.range = 0;
    d.flow.range = 0;
    for (const auto& [w, h] : {std::pair{600.0, 400.0}, std::pair{10.0, 10.0}}) {
        const DiagramPicture pic = layoutDiagram(d, w, h, width7, 14);
        EXPECT_GT(pic.right, pic.left);
        EXPECT_GT(pic.bottom, pic.top);
        for (const PlotPoint& p : pic.curve) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
}

// ---- printed page ----

DiagramTexts texts() {
    DiagramTexts t;
    t.medium.name = "water";
    t.medium.densityText = "998.2";
    t.medium.densityUnit = "kg/m³";
    t.medium.viscosityText = "1002";
    t.medium.viscosityUnit = "10^-6 kg/ms";
    t.caption = "PLANT.TLV";
    t.gridFont = "MS Sans Serif";
    return t;
}

constexpr int kPW = 2669, kPH = 1699;

struct PrintedPage {
    RecordingPrintCanvas canvas{kPW, kPH};
    int left = 0;
    explicit PrintedPage(const CurveDiagram& d) {
        printCurveDiagram(d, texts(), canvas);
        left = 2 * RecordingPrintCanvas::charWidth(9) + 5;  // widest label "10" + 5
    }
    const std::vector<RecordingPrintCanvas::Line>& lines() const { return canvas.pages[0].lines; }
};

TEST(CurveDiagramPrint, FrameFromTheWidestLabelToThePageEdge) {
    PrintedPage page(sample());
    ASSERT_EQ(page.canvas.pages.size(), 1u);
    bool top = false, bottom = false, left = false, right = false;
    for (const auto& l : page.lines()) {
        top |= l.y1 == 150 && l.y2 == 150 && std::min(l.x1, l.x2) == page.left &&
               std::max(l.x1, l.x2) == kPW;
        bottom |= l.y1 == kPH - 150 && l.y2 == kPH - 150 && std::min(l.x1, l.x2) == page.left;
        left |= l.x1 == page.left && l.x2 == page.left && l.penWidth == 3;
        right |= l.x1 == kPW && l.x2 == kPW;
    }
    EXPECT_TRUE(top && bottom && left && right);
}

TEST(CurveDiagramPrint, LabelsTitlesBoxAndFooter) {
    CurveDiagram d = sample();
    d.flow.labels = {"0.0", "0.5", "1.0", "1.5", "2.0", "2.5"};
    PrintedPage page(d);
    const auto& c = page.canvas;
    EXPECT_TRUE(c.findText(0, "0,5"));  // the rate of flow printed with a decimal comma
    EXPECT_FALSE(c.findText(0, "0.5"));
    const auto* forty = c.findText(0, "40");
    ASSERT_TRUE(forty);
    EXPECT_EQ(forty->x, 0);
    EXPECT_EQ(forty->font, "Arial");  // "MS Sans Serif" prints in Arial
    EXPECT_EQ(forty->points, 9);
    const auto* pressureTitle = c.findText(0, "Pressure drop (mbar)");
    ASSERT_TRUE(pressureTitle);
    EXPECT_LT(pressureTitle->y, 0);
    const auto* flowTitle = c.findText(0, "Rate of flow (m³/h)");
    ASSERT_TRUE(flowTitle);
    EXPECT_EQ(flowTitle->x +
                  static_cast<int>(flowTitle->text.size()) * RecordingPrintCanvas::charWidth(9),
              kPW);
    EXPECT_GT(flowTitle->y, kPH);
    EXPECT_TRUE(c.findText(0, "Tolvane Version 4.1 for Windows - PLANT.TLV"));

    const auto* boxTitle = c.findText(0, "Pressure drop = f (Rate of flow)");
    ASSERT_TRUE(boxTitle);
    EXPECT_EQ(boxTitle->points, 11);
    const int boxLeft = page.left + 200, boxRight = page.left + 1000;
    EXPECT_EQ(boxTitle->x * 2 +
                  static_cast<int>(boxTitle->text.size()) * RecordingPrintCanvas::charWidth(11),
              boxLeft + boxRight);
    for (const char* line : {"Flow medium: water", "Viscosity: 1002 10^-6 kg/ms",
                             "Density: 998.2 kg/m³", "condition: liquid"}) {
        const auto* t = c.findText(0, line);
        ASSERT_TRUE(t) << line;
        EXPECT_EQ(t->x, boxLeft + RecordingPrintCanvas::charWidth(9));  // indented by an "H"
        EXPECT_GT(t->y, boxTitle->y);
        EXPECT_LT(t->y + 38, 650);
    }
}

TEST(CurveDiagramPrint, NoGridLineCrossesTheInformationBox) {
    PrintedPage page(sample());
    const int boxLeft = page.left + 200, boxRight = page.left + 1000;
    int gridLines = 0;
    for (const auto& l : page.lines()) {
        if (l.penWidth != 1) continue;
        ++gridLines;
        const bool horizontal = l.y1 == l.y2;
        if (horizontal && l.y1 > 350 && l.y1 < 650) {
            EXPECT_TRUE(std::max(l.x1, l.x2) <= boxLeft || std::min(l.x1, l.x2) >= boxRight);
        }
        if (!horizontal && l.x1 > boxLeft && l.x1 < boxRight) {
            EXPECT_TRUE(std::max(l.y1, l.y2) <= 350 || std::min(l.y1, l.y2) >= 650);
        }
    }
    EXPECT_GE(gridLines, 4 + 3);
}

TEST(CurveDiagramPrint, CurveIsDrawnLastWithAThickPen) {
    PrintedPage page(sample());
    const auto& lines = page.lines();
    ASSERT_GE(lines.size(), 10u);
    for (std::size_t i = lines.size() - 10; i < lines.size(); ++i) EXPECT_EQ(lines[i].penWidth, 5);
    EXPECT_EQ(lines[lines.size() - 10].x1, page.left);
    EXPECT_EQ(lines[lines.size() - 10].y1, kPH - 150);
    EXPECT_EQ(lines.back().x2, kPW);
    EXPECT_EQ(lines.back().y2, 150);  // 0.04 bar at the top of a 40 mbar axis
}

// Rates of flow up to 1.7e308 m³/h: a length times the distance along the
// axis would overflow before the division by the range.
CurveDiagram nearTheLargestDouble() {
    PlantCurve curve;
    curve.flowUnitText = "m³/h";
    curve.start = 1e308;
    curve.end = 1.7e308;
    curve.points = {{1e308, 0.5}, {1.35e308, 0.6}, {1.7e308, 0.7}};
    curve.minPressureDrop = 0.5;
    curve.maxPressureDrop = 0.7;
    return makeCurveDiagram(curve);
}

TEST(CurveDiagramPicture, RatesOfFlowNearTheLargestDoubleStayInTheFrame) {
    const DiagramPicture pic = layoutDiagram(nearTheLargestDouble(), 600, 400, width7, 14);
    ASSERT_EQ(pic.curve.size(), 3u);
    EXPECT_NEAR(pic.curve.front().x, pic.left, 1e-9);
    EXPECT_NEAR(pic.curve.back().x, pic.right, 1.0);
    for (const PlotLine& g : pic.grid) EXPECT_TRUE(g.x1 >= pic.left && g.x1 <= pic.right);
}

TEST(CurveDiagramPrint, RatesOfFlowNearTheLargestDoubleStayOnThePage) {
    PrintedPage page(nearTheLargestDouble());
    const auto& lines = page.lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back().x2, kPW);  // the curve ends at the frame's right edge
    for (const auto& l : lines) {
        EXPECT_TRUE(l.x1 >= 0 && l.x1 <= kPW && l.x2 >= 0 && l.x2 <= kPW);
        EXPECT_TRUE(l.y1 >= 0 && l.y1 <= kPH && l.y2 >= 0 && l.y2 <= kPH);
    }
}

TEST(CurveDiagramPrint, SetupIsLandscapeNamedAfterTheProject) {
    const PrintSetup s = curvePrintSetup(texts());
    EXPECT_EQ(s.orientation, PageOrientation::Landscape);
    EXPECT_EQ(s.title, "Tolvane PLANT.TLV");
    EXPECT_EQ(s.pdfName, "PLANT-curve.pdf");
    EXPECT_EQ(s.fontName, "Arial");
    EXPECT_EQ(s.fontPoints, 9);
    // Room in the margins for the axis titles above and below the frame.
    EXPECT_GE(s.marginTop, 3 * 38);
    EXPECT_GE(s.marginBottom, 3 * 38);
}

// ---- texts and files ----

TEST(CurveDiagramTexts, PanelLabelsFromTheMainWindowsFields) {
    Session session;
    session.form.medium.name = "Glycol";
    session.form.medium.density = "1110";
    session.form.medium.viscosity = "16";
    session.form.medium.gas = true;
    setViscosityKind(session.form, 1);
    session.form.medium.viscosity = "16";
    session.projectName = "/home/a/PUMP.TLV";
    session.table.font.name = "DejaVu Sans";
    const DiagramTexts t = curveDiagramTexts(session);
    EXPECT_EQ(t.medium.name, "Glycol");
    EXPECT_EQ(densityLabel(t.medium),
              "Density in " + session.form.medium.densityUnit.text() + ": 1110");
    EXPECT_EQ(viscosityLabel(t.medium),
              "Kin.viscos. in " + session.form.medium.viscosityUnit.text() + ": 16");
    EXPECT_EQ(conditionText(t.medium), "gas");
    EXPECT_EQ(diagramHeading(t.medium), "Flow medium: Glycol   Condition: gas   " +
                                            densityLabel(t.medium) + "   " +
                                            viscosityLabel(t.medium));
    EXPECT_EQ(t.caption, "/home/a/PUMP.TLV");
    EXPECT_EQ(curvePrintSetup(t).fontName, "DejaVu Sans");
}

TEST(CurveDiagramFiles, FormatByExtensionAndSuggestedName) {
    const std::pair<const char*, DiagramFileFormat> formats[] = {
        {"a.png", DiagramFileFormat::Png},     {"a.SVG", DiagramFileFormat::Svg},
        {"dir/a.Pdf", DiagramFileFormat::Pdf}, {"a", DiagramFileFormat::Png},
        {"x.svg/a", DiagramFileFormat::Png},   {"a.jpg", DiagramFileFormat::Png}};
    for (const auto& [path, format] : formats) EXPECT_EQ(diagramFileFormat(path), format) << path;
    EXPECT_EQ(diagramFileSuggestion("NONAME.TLV"), "NONAME-curve.png");
    EXPECT_EQ(diagramFileSuggestion("/p/x.y/PLANT"), "/p/x.y/PLANT-curve.png");
    EXPECT_EQ(diagramFileSuggestion(""), "curve.png");
}

}  // namespace
}  // namespace tolvane
