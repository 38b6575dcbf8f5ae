// The plant curve on tables made by Calculate: the dialog's checks, the
// points against the table's own calculation, the sum over the columns, the
// unit of the dialog and of the output, every refusal and note, and the
// clipboard text.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "shell/calculate_command.h"
#include "shell/plant_curve_command.h"
#include "shell_harness.h"
#include "tools/plant_curve.h"

namespace tolvane::shelltest {
namespace {

constexpr double kPsi = 0.068947581976;

struct Step {
    ElementKind kind;
    std::vector<std::string> fields;
    std::string quantity = "1";
    int option = 0;
    std::string branchFlow = "";
};

// A session whose table holds one column per step, made at `flow` m³/h of
// water (1000 kg/m³, 1000 * 10^-6 kg/(m s)) with the roughness 0.1 mm.
Session tableOf(const std::vector<Step>& steps, const std::string& flow = "10",
                OutputSystem output = OutputSystem::Metric) {
    Session s;
    s.settings.output = output;
    s.table.writeHeadings(output, s.settings.decimals);
    s.form.medium.flow = flow;
    s.form.medium.density = "1000";
    s.form.medium.viscosity = "1000";
    for (const Step& step : steps) {
        chooseElementKind(s.form, step.kind);
        for (std::size_t i = 0; i < step.fields.size(); ++i)
            s.form.element.rows[i].text = step.fields[i];
        s.form.element.quantity = step.quantity;
        s.form.element.option.selected = step.option;
        s.form.extra.branchFlow = step.branchFlow;
        RecordingMessageSink sink;
        const auto outcome = Calculate(s, sink, [] { return std::optional<double>(0.1); });
        EXPECT_TRUE(outcome.added) << step.kind.group << "," << step.kind.variant;
    }
    return s;
}

PlantCurveRequest request(std::string from, std::string to, std::string points, int unit = 0) {
    return {std::move(from), std::move(to), std::move(points), unit};
}

struct CurveRun {
    RecordingMessageSink sink;
    PlantCurveOutcome outcome;
};

CurveRun run(const Session& s, const PlantCurveRequest& r) {
    CurveRun c;
    c.outcome = RunPlantCurve(s, r, c.sink);
    return c;
}

const Step kPipe{{1, 1}, {"100", "10"}};
const Step kSmallPipe{{1, 1}, {"50", "5"}};
const Step kBigPipe{{1, 1}, {"1000", "5"}};
const Step kEntrance{{2, 1}, {"100"}, "1", 1};
const Step kBend{{4, 1}, {"100", "200", "90"}, "2"};
const Step kValve{{7, 1}, {"100"}, "1", 1};
const Step kVertical{{10, 1}, {"10"}};
const Step kKnownZeta{{10, 2}, {"100", "2"}};

// The table's total in bar (its row-23 texts are mbar with three decimals).
double totalBar(const Session& s) { return s.table.total() / 1000.0; }

TEST(PlantCurveDialog, ReportsTheFirstFieldThatDoesNotRead) {
    const Session s = tableOf({kPipe});
    struct Case {
        PlantCurveRequest r;
        std::string label, focus;
    } cases[] = {
        {request("x", "y", "z"), "from", "Edit_Von"},
        {request("1", "1..0", "z"), "to", "Edit_Bis"},
        {request("1", "10", "2O"), "Quantity of calculating points:", "Edit_Anzahl"},
    };
    for (const Case& c : cases) {
        const CurveRun r = run(s, c.r);
        EXPECT_FALSE(r.outcome.curve);
        EXPECT_EQ(texts(r.sink), std::vector<std::string>{badInputMessage(c.label)});
        EXPECT_EQ(r.outcome.focus, c.focus);
    }
}

TEST(PlantCurveDialog, RangeChecksKeepTheDialogOpen) {
    const Session s = tableOf({kPipe});
    struct Case {
        PlantCurveRequest r;
        std::string message, focus;
    } cases[] = {
        // A negative start would run the engine on negative flows.
        {request("-1", "10", "20"), zeroMessage("from"), "Edit_Von"},
        // Unbounded counts would hold a record per point.
        {request("1", "10", "1e9"), tooLargeMessage("Quantity of calculating points:", "10001.0"),
         "Edit_Anzahl"},
        {request("1", "10", "10001"), tooLargeMessage("Quantity of calculating points:", "10001.0"),
         "Edit_Anzahl"},
    };
    for (const Case& c : cases) {
        const CurveRun r = run(s, c.r);
        EXPECT_FALSE(r.outcome.curve);
        EXPECT_EQ(texts(r.sink), std::vector<std::string>{c.message});
        EXPECT_EQ(r.outcome.focus, c.focus);
    }
}

TEST(PlantCurveDialog, TenThousandPointsAndAStartOfZeroPass) {
    const Session s = tableOf({kPipe});
    const CurveRun r = run(s, request("0", "10", "10000"));
    ASSERT_TRUE(r.outcome.curve);
    EXPECT_EQ(r.outcome.curve->points.size(), 10000u);
    EXPECT_EQ(r.outcome.curve->points.front().pressureDrop, 0.0);
}

TEST(PlantCurveDialog, AnEndNotAboveTheStartIsRefusedAndTheDialogCloses) {
    const Session s = tableOf({kPipe});
    for (auto [from, to] : {std::pair{"5", "5"}, std::pair{"10", "1"}}) {
        const CurveRun r = run(s, request(from, to, "20"));
        EXPECT_FALSE(r.outcome.curve);
        EXPECT_EQ(texts(r.sink), std::vector<std::string>{kCurveStartNotBelowEnd});
        EXPECT_EQ(r.outcome.focus, "");
    }
}

TEST(PlantCurvePoints, CountsAndSpacing) {
    const Session s = tableOf({kPipe});
    struct Case {
        const char* points;
        std::size_t records;
        double step;
    } cases[] = {
        {"20", 20, 9.0 / 19.0}, {"1", 10, 1.0},        {"0", 10, 1.0},
        {"-3", 10, 1.0},        {"5.5", 6, 9.0 / 4.5}, {"2", 2, 9.0},
    };
    for (const Case& c : cases) {
        const CurveRun r = run(s, request("1", "10", c.points));
        ASSERT_TRUE(r.outcome.curve) << c.points;
        const auto& p = r.outcome.curve->points;
        ASSERT_EQ(p.size(), c.records) << c.points;
        EXPECT_DOUBLE_EQ(p[0].rateOfFlow, 1.0);
        EXPECT_NEAR(p[1].rateOfFlow - p[0].rateOfFlow, c.step, 1e-12) << c.points;
    }
    const CurveRun r = run(s, request("1", "10", "20"));
    EXPECT_NEAR(r.outcome.curve->points.back().rateOfFlow, 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(r.outcome.curve->start, 1.0);
    EXPECT_DOUBLE_EQ(r.outcome.curve->end, 10.0);
    EXPECT_EQ(r.outcome.curve->flowUnitText, "m³/h");
}

TEST(PlantCurvePoints, MeetTheTableAtItsOwnRateOfFlow) {
    // Pipe, entrance, bend, valve (coefficients from option and bend tables,
    // kept from the column in silent mode) and a vertical difference.
    const Session s = tableOf({kPipe, kEntrance, kBend, kValve, kVertical});
    const CurveRun r = run(s, request("0", "20", "21"));
    ASSERT_TRUE(r.outcome.curve);
    const auto& p = r.outcome.curve->points;
    EXPECT_NEAR(p[10].rateOfFlow, 10.0, 1e-12);
    EXPECT_NEAR(p[10].pressureDrop, totalBar(s), 5e-6);
    // At zero flow only the column of medium weighs: 9.81 * 1000 * 10 Pa.
    EXPECT_NEAR(p[0].pressureDrop, 0.981, 1e-12);
    // The drop grows with the flow.
    for (std::size_t i = 1; i < p.size(); ++i) EXPECT_GT(p[i].pressureDrop, p[i - 1].pressureDrop);
    EXPECT_DOUBLE_EQ(r.outcome.curve->minPressureDrop, p.front().pressureDrop);
    EXPECT_DOUBLE_EQ(r.outcome.curve->maxPressureDrop, p.back().pressureDrop);
    EXPECT_TRUE(r.sink.messages.empty());
}

TEST(PlantCurvePoints, EachPointIsTheSumOfTheColumns) {
    const auto curveOf = [](const std::vector<Step>& steps) {
        return run(tableOf(steps), request("2", "30", "15")).outcome.curve->points;
    };
    const auto pipe = curveOf({kPipe}), zeta = curveOf({kKnownZeta}),
               both = curveOf({kPipe, kKnownZeta});
    ASSERT_EQ(both.size(), 15u);
    for (std::size_t i = 0; i < both.size(); ++i)
        EXPECT_NEAR(both[i].pressureDrop, pipe[i].pressureDrop + zeta[i].pressureDrop, 1e-15);
}

TEST(PlantCurvePoints, TheDialogUnitScalesStartAndEnd) {
    const Session s = tableOf({kPipe});
    // 0.1 to 0.2 m³/min is 6 to 12 m³/h.
    const CurveRun perMinute = run(s, request("0.1", "0.2", "7", 1));
    const CurveRun perHour = run(s, request("6", "12", "7"));
    ASSERT_TRUE(perMinute.outcome.curve && perHour.outcome.curve);
    EXPECT_EQ(perMinute.outcome.curve->flowUnitText, "m³/min");
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_NEAR(perMinute.outcome.curve->points[i].rateOfFlow * 60.0,
                    perHour.outcome.curve->points[i].rateOfFlow, 1e-9);
        EXPECT_NEAR(perMinute.outcome.curve->points[i].pressureDrop,
                    perHour.outcome.curve->points[i].pressureDrop, 1e-12);
    }
}

TEST(PlantCurvePoints, UsOutputReadsInchesAndFeetAndGivesPsi) {
    const std::vector<Step> steps = {kPipe, kBend, kVertical};
    const auto metric = run(tableOf(steps), request("1", "20", "8")).outcome.curve;
    const auto us =
        run(tableOf(steps, "10", OutputSystem::US), request("1", "20", "8")).outcome.curve;
    ASSERT_TRUE(metric && us);
    for (std::size_t i = 0; i < 8; ++i) {
        // The US texts hold inches and feet with three decimals.
        EXPECT_NEAR(us->points[i].pressureDrop * kPsi, metric->points[i].pressureDrop,
                    2e-4 * metric->points[i].pressureDrop);
    }
    EXPECT_EQ(us->system, OutputSystem::US);
}

TEST(PlantCurvePoints, BranchFlowKeepsTheRatioOfTheColumn) {
    // 10 m³/h in the main pipe, 4 in the branch: the curve keeps 10 : 4.
    const Session s = tableOf({{{5, 5}, {"100", "50", "0", "45"}, "1", 0, "4"}});
    const CurveRun r = run(s, request("5", "15", "3"));
    ASSERT_TRUE(r.outcome.curve);
    EXPECT_NEAR(r.outcome.curve->points[1].pressureDrop, totalBar(s), 2e-5);
}

TEST(PlantCurvePoints, ALaminarPipeColumnUsesRoughnessZeroWhenTurbulent) {
    // 0.1 m³/h in 100 mm: Re about 354, no roughness recorded.
    const Session s = tableOf({kPipe}, "0.1");
    ASSERT_EQ(s.table.cell(1, Row::Roughness), "");
    const CurveRun r = run(s, request("0.1", "10", "3"));
    ASSERT_TRUE(r.outcome.curve);
    // Smooth pipe at 10 m³/h (Re 35400): lambda about 0.0226 (Prandtl-Karman).
    const double w = 10.0 / 3600.0 / (std::numbers::pi * 0.01 / 4.0);
    const double smooth = 0.0226 * 100.0 * 1000.0 * w * w / 2.0 / 1e5;
    EXPECT_NEAR(r.outcome.curve->points[2].pressureDrop, smooth, 0.02 * smooth);
    EXPECT_EQ(texts(r.sink), std::vector<std::string>{kCurveRegimeChanges});
}

TEST(PlantCurveNotes, RegimeChangeOfAnyElementNotJustTheLast) {
    // The small pipe turns turbulent inside 0.1 .. 1 m³/h, the big one stays
    // laminar and comes last.
    const CurveRun r = run(tableOf({kSmallPipe, kBigPipe}, "0.1"), request("0.1", "1", "10"));
    ASSERT_TRUE(r.outcome.curve);
    EXPECT_EQ(texts(r.sink), std::vector<std::string>{kCurveRegimeChanges});
    // A vertical difference has no regime: no note beside a turbulent pipe.
    const CurveRun t = run(tableOf({kPipe, kVertical}), request("5", "10", "10"));
    ASSERT_TRUE(t.outcome.curve);
    EXPECT_TRUE(t.sink.messages.empty());
}

TEST(PlantCurveRefusals, AbortTheWholeCurve) {
    Session gas = tableOf({kPipe});
    gas.form.medium.gas = true;
    gas.form.gas.pressure = "1.5";         // bar
    gas.form.gas.inletTemperature = "20";  // °C
    gas.form.gas.outletTemperature = "20";
    gas.form.medium.density = "1.2";
    gas.form.medium.viscosity = "18";
    struct Case {
        const char* name;
        Session session;
        PlantCurveRequest r;
        Message message;
    } cases[] = {
        // The fitting was computed turbulent; far below, it is laminar.
        {"laminar_fitting",
         tableOf({kPipe, kKnownZeta}),
         request("0.001", "10", "5"),
         {MessageType::Error, curveElementRefusedText("Resistance coefficient"), {}}},
        {"gas_overflow",
         gas,
         request("1", "20000", "5"),
         {MessageType::Error, std::string(kGasLimitMessage), {}}},
        {"too_small_metric",
         tableOf({kPipe}),
         request("0", "1e-6", "5"),
         {MessageType::Information, kCurveTooSmallMetric, {}}},
        {"too_small_us",
         tableOf({kPipe}, "10", OutputSystem::US),
         request("0", "1e-6", "5"),
         {MessageType::Information, kCurveTooSmallUs, {}}},
    };
    for (const Case& c : cases) {
        const CurveRun r = run(c.session, c.r);
        EXPECT_FALSE(r.outcome.curve) << c.name;
        EXPECT_EQ(r.sink.messages, std::vector<Message>{c.message}) << c.name;
        EXPECT_EQ(r.outcome.focus, "") << c.name;
    }
    EXPECT_EQ(curveElementRefusedText("Nozzle"),
              "Calculating of the element \"Nozzle\" is not possible in the specified range of "
              "rate of flow, because the flow is laminar.\rPlease enlarge the rate of flow or "
              "reduce the diameter!");
}

TEST(PlantCurveRefusals, AColumnOfNoKnownElementAndABadMedium) {
    Session damaged = tableOf({kPipe});
    damaged.table.setCell(1, Row::Element, "Pipe of cheese/1");
    CurveRun r = run(damaged, request("1", "10", "5"));
    EXPECT_FALSE(r.outcome.curve);
    EXPECT_EQ(texts(r.sink), std::vector<std::string>{std::string(kNotPossibleMessage)});

    Session noDensity = tableOf({kPipe});
    noDensity.form.medium.density = "0";
    r = run(noDensity, request("1", "10", "5"));
    EXPECT_FALSE(r.outcome.curve);
    EXPECT_EQ(texts(r.sink), std::vector<std::string>{zeroMessage("Weight density:")});
    EXPECT_EQ(r.outcome.focus, "");

    // The panel's own rate of flow is not used: blank, it does not refuse.
    Session noFlow = tableOf({kPipe});
    noFlow.form.medium.flow = "";
    EXPECT_TRUE(run(noFlow, request("1", "10", "5")).outcome.curve);
}

TEST(PlantCurveRefusals, ABranchColumnWithoutABranchVelocity) {
    // An edited project: no velocity in one branch gives no ratio to keep.
    for (const int row : {Row::Velocity2, Row::Velocity}) {
        Session s = tableOf({{{5, 5}, {"100", "50", "0", "45"}, "1", 0, "4"}});
        s.table.setCell(1, row, "0.000");
        const CurveRun r = run(s, request("5", "15", "3"));
        EXPECT_FALSE(r.outcome.curve) << row;
        EXPECT_EQ(texts(r.sink), std::vector<std::string>{std::string(kNotPossibleMessage)});
    }
}

TEST(PlantCurveDialog, RefusesAnEndWhosePointsCannotDiffer) {
    const Session s = tableOf({kVertical});
    for (const PlantCurveRequest& q : {request("0", "5e-324", "3"),
                                       request("1", "1.0000000000000002", "20"),
                                       request("0", "1.7e308", "5.5")}) {
        const CurveRun r = run(s, q);
        EXPECT_FALSE(r.outcome.curve) << q.to;
        EXPECT_EQ(texts(r.sink), std::vector<std::string>{badInputMessage("to")}) << q.to;
        EXPECT_EQ(r.outcome.focus, "Edit_Bis");
    }
}

TEST(PlantCurvePoints, ExtremeRangesOfAVerticalDifference) {
    const Session s = tableOf({kVertical});
    struct Case {
        const char *from, *to, *points;
    } cases[] = {{"0", "1e-323", "3"}, {"0", "1e-310", "20"}, {"1e308", "1.7e308", "20"}};
    for (const Case& c : cases) {
        const CurveRun r = run(s, request(c.from, c.to, c.points));
        ASSERT_TRUE(r.outcome.curve) << c.to;
        const PlantCurve& curve = *r.outcome.curve;
        EXPECT_GT(curve.points.back().rateOfFlow, curve.points.front().rateOfFlow) << c.to;
        EXPECT_TRUE(std::isfinite(curve.points.back().rateOfFlow)) << c.to;
        for (const CurvePoint& p : curve.points) EXPECT_NEAR(p.pressureDrop, totalBar(s), 1e-6);
    }
}

TEST(PlantCurveRefusals, ASumOfDropsBeyondADoubleHasNoAxis) {
    // Each column 9.81e307 bar (1e13 times 9.81e294), finite; their sum is not.
    Session s = tableOf({kVertical, kVertical});
    s.form.medium.density = "1e9";
    for (int col : {1, 2}) {
        s.table.setCell(col, Row::Element, "Vertical difference/1e13");
        s.table.setCell(col, Row::Dimension1, "Vertical difference H in m: 1e290");
    }
    for (OutputSystem output : {OutputSystem::Metric, OutputSystem::US}) {
        s.settings.output = output;
        const CurveRun r = run(s, request("1", "10", "5"));
        EXPECT_FALSE(r.outcome.curve);
        EXPECT_EQ(texts(r.sink), std::vector<std::string>{std::string(kNotPossibleMessage)});
    }
}

TEST(PlantCurveCore, TakesTheMediumAsGiven) {
    const Session s = tableOf({kPipe, kValve});
    FlowMedium water;
    water.density = 1000;
    water.viscosity = 1000;
    RecordingMessageSink sink;
    const auto range = readCurveRange(request("1", "20", "9"), sink).range;
    ASSERT_TRUE(range);
    const auto direct = computeCurvePoints(*range, s.table, water, OutputSystem::Metric,
                                           catalogueKindByName(), sink);
    const CurveRun viaSession = run(s, request("1", "20", "9"));
    ASSERT_TRUE(direct && viaSession.outcome.curve);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(direct->points[i].pressureDrop,
                  viaSession.outcome.curve->points[i].pressureDrop);
}

TEST(PlantCurveMenu, AnEmptyTableGivesTheMessage) {
    Session empty;
    RecordingMessageSink sink;
    EXPECT_FALSE(MayOpenPlantCurve(empty, sink));
    EXPECT_EQ(sink.messages, (std::vector<Message>{{MessageType::Error,
                                                    "In the table are no values. So i can not "
                                                    "calculate the diagram!\rLook Help!!",
                                                    {}}}));
    RecordingMessageSink quiet;
    EXPECT_TRUE(MayOpenPlantCurve(tableOf({kPipe}), quiet));
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(PlantCurveClipboard, WritesTheUnitTheHeadingNames) {
    PlantCurve curve;
    curve.flowUnitText = "m³/h";
    curve.points = {{1.0, 0.0012}, {12345.0, 0.5}, {5.5, 0.0}, {2.0, -0.003}};
    EXPECT_EQ(curveClipboardText(curve, "mbar"),
              "Rate of flow in m³/h\tPressure drop in mbar\r\n"
              "1.000\t1.200\r\n"
              " 1.23E+0004\t500.000\r\n"
              "5.500\t 0.00E+0000\r\n"
              "2.000\t-3.00E+0000\r\n");
    curve.points = {{0.5, 12000.0}, {0.25, 0.005}};
    EXPECT_EQ(curveClipboardText(curve, "bar"),
              "Rate of flow in m³/h\tPressure drop in bar\r\n"
              "0.500\t 1.20E+0004\r\n"
              "0.250\t 5.00E-0003\r\n");
}

}  // namespace
}  // namespace tolvane::shelltest
