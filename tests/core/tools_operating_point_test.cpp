// The operating point: on a table made by Calculate with an example pump, the
// pump's head equals the system head there, and the system's drop at one
// flow is the plant curve's own; on given system curves, every refusal and
// the shaft power from the efficiency.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/number_format.h"
#include "shell/calculate_command.h"
#include "shell/medium_reading.h"
#include "shell/plant_curve_command.h"
#include "shell_harness.h"
#include "tools/operating_point.h"
#include "tools/plant_curve.h"
#include "tools/pump_file.h"
#include "tools/curve_diagram.h"
#include "tools/pump_overlay.h"
#include "results/print_canvas.h"

namespace tolvane::shelltest {
namespace {

struct Step {
    ElementKind kind;
    std::vector<std::string> fields;
    std::string quantity = "1";
    int option = 0;
};

// The table of the batch tool's curve_pump case: water at 10 m³/h through a
// pipe, an entrance, four bends, a valve and 5 m of height.
Session goldenTable() {
    const std::vector<Step> steps = {{{1, 1}, {"80", "25"}},
                                     {{2, 1}, {"80"}, "1", 1},
                                     {{4, 1}, {"80", "160", "90"}, "4"},
                                     {{7, 1}, {"80"}, "1", 1},
                                     {{10, 1}, {"5"}}};
    Session s;
    s.table.writeHeadings(s.settings.output, s.settings.decimals);
    s.form.medium.flow = "10";
    s.form.medium.density = "998.2";
    s.form.medium.viscosity = "1002";
    for (const Step& step : steps) {
        chooseElementKind(s.form, step.kind);
        for (std::size_t i = 0; i < step.fields.size(); ++i)
            s.form.element.rows[i].text = step.fields[i];
        s.form.element.quantity = step.quantity;
        s.form.element.option.selected = step.option;
        RecordingMessageSink sink;
        EXPECT_TRUE(Calculate(s, sink, [] { return std::optional<double>(0.1); }).added);
    }
    return s;
}

PumpCurve examplePump(const char* name) {
    const PumpFileOutcome read =
        readPumpFile(std::string(TOLVANE_SOURCE_DIR) + "/data/pumps/" + name);
    EXPECT_TRUE(read.file) << read.problem;
    return PumpCurve(read.file->pump);
}

struct Plant {
    Session session = goldenTable();
    FlowMedium medium;
    std::vector<CurveColumn> columns;
    Plant() {
        RecordingMessageSink sink;
        InputCheck check(sink);
        medium = *readMedium(session.form, check);
        columns = *readCurveColumns(session.table, session.settings.output, catalogueKindByName());
    }
    DropAtFlow drop() const {
        return [this](double q) { return plantDropAt(columns, medium, q); };
    }
};

TEST(OperatingPoint, DropAtOneFlowIsThePlantCurves) {
    const Plant plant;
    RecordingMessageSink sink;
    const auto curve = RunPlantCurve(plant.session, {"0", "80", "17", 0}, sink).curve;
    ASSERT_TRUE(curve);
    for (const CurvePoint& p : curve->points)
        EXPECT_NEAR(*plant.drop()(p.rateOfFlow), p.pressureDrop, 1e-12 * p.pressureDrop)
            << p.rateOfFlow;
}

TEST(OperatingPoint, PumpHeadEqualsSystemHeadOnTheGoldenTable) {
    const Plant plant;
    struct Case {
        const char* pump;
        SystemSide side;
    } const cases[] = {
        {"example-end-suction-50-200.tpump", {30.0, 0.0}},
        {"example-end-suction-50-200.tpump", {10.0, 2.0}},
        {"example-end-suction-65-160.tpump", {0.0, 0.0}},
    };
    for (const Case& c : cases) {
        const PumpCurve pump = examplePump(c.pump);
        const OperatingOutcome out = findOperatingPoint(pump, c.side, 998.2, plant.drop());
        ASSERT_TRUE(out.point) << c.pump << ": " << out.problem;
        const double q = out.point->flow;
        EXPECT_GT(q, pump.minFlow());
        EXPECT_LT(q, pump.maxFlow());
        EXPECT_NEAR(*pump.head(q), *systemHead(c.side, 998.2, plant.drop(), q), 1e-6) << c.pump;
        EXPECT_DOUBLE_EQ(out.point->head, *pump.head(q));
        EXPECT_DOUBLE_EQ(*out.point->efficiency, *pump.efficiency(q));
        EXPECT_DOUBLE_EQ(*out.point->npshr, *pump.npshr(q));
    }
}

// A pump of three points (m³/h, m, %) on a system curve of drop = k·Q² bar.
PumpCurve threePoints(double h0, double h1, double h2, bool efficiency = true) {
    PumpData pump;
    pump.speedRpm = 1450;
    pump.impellerMm = 100;
    pump.points = {{0, h0, 0.0, {}, {}}, {10, h1, 60.0, {}, {}}, {20, h2, 50.0, {}, {}}};
    if (!efficiency)
        for (PumpPoint& p : pump.points) p.efficiency.reset();
    return PumpCurve(pump);
}

DropAtFlow quadratic(double k) {
    return [k](double q) { return std::optional<double>(k * q * q); };
}

TEST(OperatingPoint, OutcomesOnGivenSystems) {
    const double rho = 1000.0;
    struct Case {
        const char* what;
        PumpCurve pump;
        SystemSide side;
        double k;
        std::string problem;
        std::vector<std::string> warnings;
    } const cases[] = {
        {"meets", threePoints(20, 18, 12), {10, 0}, 0.008, "", {}},
        {"at a stated point",
         threePoints(20, 15, 10),
         {5, 0},
         0.1 * rho * kStandardGravity / 1e5,
         "",
         {}},
        {"system above the pump", threePoints(20, 18, 12), {25, 0}, 0.001, kNoIntersection, {}},
        {"system below the pump", threePoints(20, 18, 12), {0, -5}, 0.0, kNoIntersection, {}},
        {"unstable pump", threePoints(18, 22, 10), {19, 0}, 0.0, kSeveralIntersections, {}},
        {"far left of best efficiency",
         threePoints(20, 18, 12),
         {19.5, 0},
         0.0,
         "",
         {kOutsideBestEfficiency}},
    };
    for (const Case& c : cases) {
        const OperatingOutcome out = findOperatingPoint(c.pump, c.side, rho, quadratic(c.k));
        EXPECT_EQ(out.problem, c.problem) << c.what;
        EXPECT_EQ(out.warnings, c.warnings) << c.what;
        EXPECT_EQ(out.point.has_value(), c.problem.empty()) << c.what;
        if (!out.point) continue;
        const double q = out.point->flow;
        EXPECT_NEAR(*c.pump.head(q), *systemHead(c.side, rho, quadratic(c.k), q), 1e-6) << c.what;
        // No stated powers: ρ·g·Q·H/η.
        EXPECT_NEAR(*out.point->power,
                    rho * kStandardGravity * q / 3600 * out.point->head /
                        (*out.point->efficiency / 100) / 1000,
                    1e-12)
            << c.what;
    }
    const OperatingOutcome noEfficiency =
        findOperatingPoint(threePoints(20, 18, 12, false), {10, 0}, rho, quadratic(0.008));
    ASSERT_TRUE(noEfficiency.point);
    EXPECT_FALSE(noEfficiency.point->power);
    EXPECT_FALSE(noEfficiency.bestEfficiencyFlow);
    EXPECT_TRUE(noEfficiency.warnings.empty());
}

TEST(OperatingPoint, ASystemThatCannotBeComputedIsNamed) {
    const DropAtFlow refused = [](double q) {
        return q > 15 ? std::nullopt : std::optional<double>(0.0);
    };
    EXPECT_EQ(findOperatingPoint(threePoints(20, 18, 12), {5, 0}, 1000, refused).problem,
              kSystemNotComputed);
}

// ---- The pump laid over the plant curve, NPSH available from the suction line ----

TEST(PumpOverlay, NpshAvailableAgainstHandValues) {
    struct Case {
        SuctionSide side;
        double drop, density, expected;  // bar, kg/m³, m
    } const cases[] = {
        // 1 bar of water at 1000 kg/m³: 1e5 / (1000 · 9.80665) m.
        {{1, 1, 1.0, 0.0, 0.0}, 0.0, 1000.0, 10.197162129779283},
        // (2.0 - 0.5 - 0.1) bar over 998.2 kg/m³, 3 m below the pump.
        {{1, 1, 2.0, -3.0, 0.5}, 0.1, 998.2, 11.301770167993382},
        // (0.8 - 0.03) bar, 1.5 m above, 0.2 bar of suction losses, 850 kg/m³.
        {{1, 1, 0.8, 1.5, 0.03}, 0.2, 850.0, 8.338096957616695},
    };
    for (const Case& c : cases) {
        const DropAtFlow drop = [&c](double) { return std::optional<double>(c.drop); };
        EXPECT_NEAR(*npshAvailable(c.side, c.density, drop, 10.0), c.expected, 1e-9) << c.drop;
    }
    const DropAtFlow refused = [](double) { return std::optional<double>(); };
    EXPECT_FALSE(npshAvailable({}, 1000.0, refused, 10.0));
}

TEST(PumpOverlay, MarginIsTheLargerOfAHeadAndAShare) {
    struct Case {
        NpshMarginRule rule;
        double npshr, margin;
    } const cases[] = {{{0.5, 0.1}, 3.0, 0.5}, {{0.5, 0.1}, 8.0, 0.8}, {{1.0, 0.2}, 10.0, 2.0},
                       {{1.0, 0.2}, 0.0, 1.0}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(npshMargin(c.rule, c.npshr), c.margin) << c.npshr;
}

TEST(PumpOverlay, SuctionColumnsAreTheRangeInEitherOrder) {
    const Plant plant;
    struct Case {
        int first, last;
        std::vector<std::size_t> columns;  // 0-based among the table's five
    } const cases[] = {{1, 2, {0, 1}}, {2, 1, {0, 1}}, {4, 9, {3, 4}}, {3, 3, {2}}, {7, 9, {}},
                       {0, 1, {0}}};
    for (const Case& c : cases) {
        const auto got = suctionColumns(plant.columns, {c.first, c.last});
        ASSERT_EQ(got.size(), c.columns.size()) << c.first << "-" << c.last;
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i].name, plant.columns[c.columns[i]].name);
    }
}

struct Overlaid {
    Plant plant;
    PlantCurve curve;
    PumpOverlay overlay;
    PumpCurve pump = examplePump("example-end-suction-50-200.tpump");
    explicit Overlaid(double vesselPressure, std::string to = "80") {
        RecordingMessageSink sink;
        curve = *RunPlantCurve(plant.session, {"0", to, "9", 0}, sink).curve;
        PumpSelection sel;
        sel.pump = pump;
        sel.pumpName = pump.data().name;
        sel.side = {30.0, 0.0};
        sel.suction = SuctionSide{1, 2, vesselPressure, -2.0, 0.0234};
        overlay = overlayPump(curve, sel, 998.2, 1.0, &plant.columns, &plant.medium);
    }
};

TEST(PumpOverlay, OnTheGoldenTableThePumpPointsAndTheOperatingPointHold) {
    const Overlaid o(1.013);
    const auto& points = o.pump.data().points;
    // The curve's nine rates of flow are the pump's stated ones.
    ASSERT_EQ(o.overlay.pumpHeads.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        ASSERT_EQ(o.curve.points[i].rateOfFlow, points[i].flow);
        EXPECT_EQ(*o.overlay.pumpHeads[i], points[i].head) << i;
        EXPECT_EQ(*o.overlay.npshRequired[i], *points[i].npshr) << i;
        const std::vector<CurveColumn> suction(o.plant.columns.begin(),
                                               o.plant.columns.begin() + 2);
        const double drop = *plantDropAt(suction, o.plant.medium, points[i].flow);
        EXPECT_NEAR(*o.overlay.npshAvailable[i],
                    (1.013 - 0.0234 - drop) * 1e5 / (998.2 * kStandardGravity) - 2.0, 1e-9)
            << i;
    }
    ASSERT_TRUE(o.overlay.operating.point);
    const OperatingPoint& op = *o.overlay.operating.point;
    EXPECT_NEAR(op.head, *systemHead({30.0, 0.0}, 998.2, o.plant.drop(), op.flow), 1e-6);
    ASSERT_TRUE(o.overlay.npshAvailableAtPoint);
    EXPECT_DOUBLE_EQ(*o.overlay.marginAtPoint, *o.overlay.npshAvailableAtPoint - *op.npshr);
    // 1.013 bar leaves more than the 0.5 m margin; 0.9 bar does not.
    EXPECT_TRUE(o.overlay.warnings.empty());
    const Overlaid low(0.9);
    ASSERT_EQ(low.overlay.warnings.size(), 1u);
    EXPECT_EQ(low.overlay.warnings[0],
              npshWarningText(*low.overlay.npshAvailableAtPoint,
                              *low.overlay.operating.point->npshr, 0.5));
}

TEST(PumpOverlay, WithoutColumnsThereIsNoOperatingPointAndNoNpsh) {
    const Overlaid o(1.013);
    PumpSelection sel;
    sel.pump = o.pump;
    sel.suction = SuctionSide{};
    const PumpOverlay none = overlayPump(o.curve, sel, 998.2, 1.0, nullptr, nullptr);
    EXPECT_FALSE(none.operating.point);
    EXPECT_FALSE(none.withSuction);
    EXPECT_EQ(none.warnings, std::vector<std::string>{kSystemNotComputed});
}

TEST(PumpDiagram, ValuesInEachQuantityAndThePumpOnlyWithinItsFlows) {
    // The flow axis to 100 m³/h reaches past the pump's last point at 80.
    const Overlaid o(1.013, "100");
    const CurveDiagram plain = makeCurveDiagram(o.curve);
    struct Case {
        DiagramQuantity quantity;
        const char* unit;
    } const cases[] = {{DiagramQuantity::HeadMetres, "m"},
                       {DiagramQuantity::HeadFeet, "ft"},
                       {DiagramQuantity::Pressure, "bar"}};
    for (const Case& c : cases) {
        const PumpDiagram d = makePumpDiagram(o.overlay, o.curve, plain.flow, c.quantity,
                                              plain.pressure.unit, plain.pressure.factor);
        EXPECT_EQ(d.valueUnit, c.unit);
        ASSERT_EQ(d.systemValues.size(), o.curve.points.size());
        for (std::size_t i = 0; i < d.systemValues.size(); ++i) {
            const double metres = *o.overlay.systemHeads[i];
            const double expected = c.quantity == DiagramQuantity::HeadMetres ? metres
                                    : c.quantity == DiagramQuantity::HeadFeet
                                        ? metres / 0.3048
                                        : pressureOfHead(metres, 998.2);
            EXPECT_NEAR(d.systemValues[i], expected, 1e-9 * expected) << c.unit << i;
        }
        EXPECT_FALSE(d.beyondLeft);
        EXPECT_TRUE(d.beyondRight);
        ASSERT_FALSE(d.pumpLine.empty());
        EXPECT_EQ(d.pumpLine.front().first, 0.0);
        EXPECT_EQ(d.pumpLine.back().first, 80.0);
        for (const auto& [q, v] : d.pumpLine) {
            EXPECT_GE(v, d.valueAxis.min) << c.unit << q;
            EXPECT_LE(v, d.valueAxis.max) << c.unit << q;
        }
        ASSERT_TRUE(d.bestEfficiencyBand);
        EXPECT_DOUBLE_EQ(d.bestEfficiencyBand->first, 0.7 * 50.0);
        EXPECT_DOUBLE_EQ(d.bestEfficiencyBand->second, 1.2 * 50.0);
        EXPECT_TRUE(d.withNpsh);
        EXPECT_EQ(d.npshAvailableLine.size(), o.curve.points.size());
    }
}

TEST(PumpDiagram, PictureAndPrintoutHoldThePumpAndTheNpshDiagram) {
    const Overlaid o(1.013, "100");
    CurveDiagram d = makeCurveDiagram(o.curve);
    d.pump = makePumpDiagram(o.overlay, o.curve, d.flow, DiagramQuantity::HeadMetres,
                             d.pressure.unit, d.pressure.factor);
    const DiagramPicture pic = layoutDiagram(
        d, 800, 600, [](const std::string& s) { return 6.0 * static_cast<double>(s.size()); },
        12);
    ASSERT_TRUE(pic.pump);
    const PumpPicture& pp = *pic.pump;
    EXPECT_TRUE(pp.npsh);
    EXPECT_GT(pp.top, pic.bottom);
    EXPECT_LE(pp.bottom, 600);
    for (const PlotPoint& pt : pp.pumpLine) {
        EXPECT_GE(pt.x, pic.left);
        EXPECT_LE(pt.x, pic.right);
    }
    ASSERT_TRUE(pp.operating);
    EXPECT_GT(pp.operating->y, pic.top);
    EXPECT_LT(pp.operating->y, pic.bottom);
    EXPECT_EQ(pressureAxisTitle(d), "Head (m)");
    bool beyond = false;
    for (const PlacedText& t : pp.texts) beyond |= t.text == kNoHeadBeyondFlows;
    EXPECT_TRUE(beyond);

    RecordingPrintCanvas canvas(2670, 1700);  // A4 landscape inside the margins
    printCurveDiagram(d, DiagramTexts{}, canvas);
    std::vector<std::string> texts;
    for (const auto& t : canvas.pages.back().texts) texts.push_back(t.text);
    const auto has = [&](const std::string& s) {
        return std::find(texts.begin(), texts.end(), s) != texts.end();
    };
    EXPECT_TRUE(has("Head (m)"));
    EXPECT_TRUE(has("70-120 % of best efficiency"));
    EXPECT_TRUE(has(std::string(kNpshAxisTitle) + ": available (solid), required (dashed)"));
    bool operating = false;
    for (const std::string& t : texts)
        operating |=
            t.rfind("Pump: Example end-suction pump 50-200. Operating point: Rate of flow: ", 0) == 0;
    EXPECT_TRUE(operating);
}

TEST(PumpOverlay, CopyDataAppendsTheHeadsAndTheOperatingPoint) {
    const Overlaid o(1.013);
    const std::string text = pumpClipboardText(o.overlay, o.curve);
    const std::string heading =
        "\r\nRate of flow in m³/h\tSystem head in m\tPump head in m\tNPSH available in m\t"
        "NPSH required in m\r\n";
    EXPECT_EQ(text.substr(0, heading.size()), heading);
    const OperatingPoint& op = *o.overlay.operating.point;
    EXPECT_NE(text.find("Rate of flow: " + formatFixed(op.flow, 3) + " m³/h\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Head: " + formatFixed(op.head, 3) + " m\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    // A blank line, the heading, nine points, a blank line and the point's lines.
    EXPECT_EQ(lines, 1 + 1 + 9 + 1 + operatingPointLines(o.overlay, "m³/h").size());
}

TEST(PumpDiagram, ThePublishedMethodsBandMovesWithTheSystemCurve) {
    // A band 10 % below and 20 % above each point's drop: over a pump it sits
    // around the system curve (static head added) in every quantity, and a
    // zero-width band lies on the curve itself.
    const Overlaid o(1.013, "100");
    struct Case {
        DiagramQuantity quantity;
        double low, high;
    } const cases[] = {{DiagramQuantity::HeadMetres, 0.9, 1.2},
                       {DiagramQuantity::HeadFeet, 0.9, 1.2},
                       {DiagramQuantity::Pressure, 0.9, 1.2},
                       {DiagramQuantity::HeadMetres, 1.0, 1.0}};
    const auto width6 = [](const std::string& s) { return 6.0 * static_cast<double>(s.size()); };
    for (const Case& c : cases) {
        std::vector<BandPoint> band;
        for (const CurvePoint& pt : o.curve.points)
            band.push_back({c.low * pt.pressureDrop, c.high * pt.pressureDrop});
        CurveDiagram d = makeCurveDiagram(o.curve, band);
        d.pump = makePumpDiagram(o.overlay, o.curve, d.flow, c.quantity, d.pressure.unit,
                                 d.pressure.factor);
        const DiagramPicture pic = layoutDiagram(d, 800, 600, width6, 12);
        ASSERT_EQ(pic.bandLow.size(), pic.curve.size());
        for (std::size_t i = 1; i < pic.curve.size(); ++i) {
            // Screen y grows downwards: the low edge is below the curve.
            if (c.low == c.high) {
                EXPECT_NEAR(pic.bandLow[i].y, pic.curve[i].y, 1e-9) << i;
                EXPECT_NEAR(pic.bandHigh[i].y, pic.curve[i].y, 1e-9) << i;
            } else {
                EXPECT_GT(pic.bandLow[i].y, pic.curve[i].y) << i;
                EXPECT_LT(pic.bandHigh[i].y, pic.curve[i].y) << i;
            }
        }
    }
}

}  // namespace
}  // namespace tolvane::shelltest
