// The operating point: on a table made by Calculate with an example pump, the
// pump's head equals the system head there, and the system's drop at one
// flow is the plant curve's own; on given system curves, every refusal and
// the shaft power from the efficiency.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "shell/calculate_command.h"
#include "shell/medium_reading.h"
#include "shell/plant_curve_command.h"
#include "shell_harness.h"
#include "tools/operating_point.h"
#include "tools/plant_curve.h"
#include "tools/pump_file.h"

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

}  // namespace
}  // namespace tolvane::shelltest
