// Pump curves: the interpolation through the stated points, the affinity laws
// and the arrangements against hand-computed values, and the pump file's
// refusals, each naming its fault.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/pump_curve.h"
#include "tools/pump_file.h"

namespace tolvane {
namespace {

struct Points {
    const char* what;
    std::vector<double> x, y;
} const kPointSets[] = {
    {"falling head", {0, 10, 20, 30, 40}, {54, 53.6, 52.6, 48.6, 40.4}},
    {"unequal steps", {1, 1.5, 4, 9, 9.2, 20}, {10, 9.99, 9, 5, 4.9, 0}},
    {"rise then fall", {0, 5, 10, 15, 20}, {30, 31, 30.5, 28, 20}},
    {"flat part", {0, 1, 2, 3, 4}, {5, 5, 5, 4, 1}},
    {"three points", {0, 50, 80}, {1.5, 3, 5.8}},
};

TEST(Pchip, PassesThroughEveryPoint) {
    for (const Points& p : kPointSets) {
        const Pchip curve(p.x, p.y);
        for (std::size_t i = 0; i < p.x.size(); ++i) {
            ASSERT_TRUE(curve.at(p.x[i])) << p.what;
            EXPECT_NEAR(*curve.at(p.x[i]), p.y[i], 1e-12) << p.what << " point " << i;
        }
    }
}

TEST(Pchip, IsMonotoneAndStaysWithinEachInterval) {
    for (const Points& p : kPointSets) {
        const Pchip curve(p.x, p.y);
        for (std::size_t i = 0; i + 1 < p.x.size(); ++i) {
            const double lo = std::min(p.y[i], p.y[i + 1]), hi = std::max(p.y[i], p.y[i + 1]);
            const double direction = p.y[i + 1] - p.y[i];
            double previous = p.y[i];
            for (int k = 1; k <= 200; ++k) {
                const double x = p.x[i] + (p.x[i + 1] - p.x[i]) * k / 200.0;
                const double y = *curve.at(x);
                EXPECT_GE(y, lo - 1e-12) << p.what << " at " << x;
                EXPECT_LE(y, hi + 1e-12) << p.what << " at " << x;
                EXPECT_GE((y - previous) * (direction >= 0 ? 1 : -1), -1e-12)
                    << p.what << " at " << x;
                previous = y;
            }
        }
    }
}

TEST(Pchip, IsNotExtrapolated) {
    for (const Points& p : kPointSets) {
        const Pchip curve(p.x, p.y);
        const double span = p.x.back() - p.x.front();
        for (double x : {p.x.front() - 1e-9 * span, p.x.front() - span, p.x.back() + 1e-9 * span,
                         p.x.back() + span, std::nan("")})
            EXPECT_FALSE(curve.at(x)) << p.what << " at " << x;
    }
}

// Two points of the 50-200 example (m³/h, m, %, m, kW).
PumpData twoPoints() {
    PumpData pump;
    pump.speedRpm = 2900;
    pump.impellerMm = 200;
    pump.points = {{50, 45, 69, 3.0, 8.87}, {80, 27.6, 54, 5.8, 11.12}};
    return pump;
}

TEST(PumpCurve, AffinityAndArrangementAgainstHandValues) {
    struct Case {
        const char* what;
        PumpData pump;
        // flow, head, efficiency, npshr, power of the first point; speed, impeller
        double q, h, eta, npsh, p, rpm, mm;
    } const cases[] = {
        {"speed 0.9", withSpeedRatio(twoPoints(), 0.9), 45, 36.45, 69, 2.43, 6.46623, 2610, 200},
        {"speed 1.1", withSpeedRatio(twoPoints(), 1.1), 55, 54.45, 69, 3.63, 11.80597, 3190, 200},
        {"impeller 0.85", withImpellerRatio(twoPoints(), 0.85), 42.5, 32.5125, 69, 2.1675, 5.44729,
         2900, 170},
        {"2 in parallel", arranged(twoPoints(), Arrangement::Parallel, 2), 100, 45, 69, 3.0, 17.74,
         2900, 200},
        {"3 in series", arranged(twoPoints(), Arrangement::Series, 3), 50, 135, 69, 3.0, 26.61,
         2900, 200},
        {"one alone", arranged(twoPoints(), Arrangement::Single, 1), 50, 45, 69, 3.0, 8.87, 2900,
         200},
    };
    for (const Case& c : cases) {
        const PumpPoint& p = c.pump.points.front();
        EXPECT_NEAR(p.flow, c.q, 1e-9) << c.what;
        EXPECT_NEAR(p.head, c.h, 1e-9) << c.what;
        EXPECT_NEAR(*p.efficiency, c.eta, 1e-9) << c.what;
        EXPECT_NEAR(*p.npshr, c.npsh, 1e-9) << c.what;
        EXPECT_NEAR(*p.power, c.p, 1e-5) << c.what;
        EXPECT_NEAR(c.pump.speedRpm, c.rpm, 1e-9) << c.what;
        EXPECT_NEAR(c.pump.impellerMm, c.mm, 1e-9) << c.what;
    }
}

TEST(PumpCurve, BestEfficiencyAndUnstableRegion) {
    PumpData pump = twoPoints();
    pump.points.insert(pump.points.begin(), PumpPoint{0, 54, 0, 1.5, 4.2});
    EXPECT_EQ(PumpCurve(pump).bestEfficiencyFlow(), 50.0);
    EXPECT_FALSE(PumpCurve(pump).hasUnstableRegion());
    pump.points[1].head = 55;
    EXPECT_TRUE(PumpCurve(pump).hasUnstableRegion());
    for (PumpPoint& p : pump.points) p.efficiency.reset();
    EXPECT_FALSE(PumpCurve(pump).bestEfficiencyFlow());
}

std::string pumpText(const std::string& points, const std::string& head = "",
                     const std::string& flowUnit = "m³/h") {
    return R"({"name": "t", "speed_rpm": 2900, "impeller_mm": 200, "flowUnit": ")" + flowUnit +
           "\", " + (head.empty() ? std::string(R"("headUnit": "m")") : head) + R"(, "points": )" +
           points + "}";
}

TEST(PumpFile, RefusesEachFaultByName) {
    std::string many = "[";
    for (int i = 0; i < 10000; ++i)
        many += (i ? "," : "") + std::string("{\"flow\":") + std::to_string(i) + ",\"head\":1}";
    many += "]";
    struct Case {
        std::string text, problem;
    } const cases[] = {
        {pumpText(R"([{"flow": 0, "head": 3}, {"flow": 1, "head": 2}])"),
         "points: fewer than 3 points"},
        {pumpText(R"([{"flow": 0, "head": 3}, {"flow": 1, "head": 2}, {"flow": 1, "head": 1}])"),
         "points[2].flow: not greater than the flow of points[1]"},
        {pumpText(R"([{"flow": 0, "head": 3}, {"flow": 1, "head": -2}, {"flow": 2, "head": 1}])"),
         "points[1].head: negative"},
        {pumpText(R"([{"flow": 0, "head": 3}, {"flow": "1", "head": 2}, {"flow": 2, "head": 1}])"),
         "points[1].flow: not a number"},
        {pumpText(R"([{"flow": 0, "head": 3}, {"flow": 1}, {"flow": 2, "head": 1}])"),
         "points[1].head: missing"},
        {pumpText(R"([{"flow": 0, "head": 3, "efficiency": 10}, {"flow": 1, "head": 2},
                      {"flow": 2, "head": 1, "efficiency": 30}])"),
         "points[1].efficiency: given at some points only (all or none)"},
        {pumpText(R"([{"flow": 0, "head": 3, "efficiency": 10}, {"flow": 1, "head": 2,
                      "efficiency": 120}, {"flow": 2, "head": 1, "efficiency": 30}])"),
         "points[1].efficiency: out of range"},
        {pumpText(R"([{"flow": 0, "head": 3}, {"flow": 1, "head": 2}, {"flow": 2, "head": 1}])",
                  R"("headUnit": "bar")"),
         "headUnit: unknown unit \"bar\""},
        {pumpText(R"([{"flow": 0, "head": 3}, {"flow": 1, "head": 2}, {"flow": 1e308, "head": 1}])",
                  "", "m³/s"),
         "points[2].flow: too large"},
        {pumpText(many), "points: 10000 points, fewer than 10000 are read"},
        {std::string(kPumpFileByteLimit + 1, ' '), "file: larger than 1 MB"},
        {R"({"speed_rpm": 0})", "speed_rpm: must be greater than 0"},
    };
    for (const Case& c : cases) {
        const PumpFileOutcome read = readPumpText(c.text);
        EXPECT_FALSE(read.file) << c.problem;
        EXPECT_EQ(read.problem, c.problem);
    }
    EXPECT_EQ(readPumpText("{\"name\": ").problem.rfind("file: not JSON", 0), 0u);
}

TEST(PumpFile, ReadsUnitsAndWritesThemBack) {
    const std::string text =
        R"({"name": "ft", "speed_rpm": 1450, "impeller_mm": 250, "flowUnit": "l/s",
            "headUnit": "ft.", "points": [{"flow": 0, "head": 100, "npshr": 5},
            {"flow": 10, "head": 90, "npshr": 6}, {"flow": 20, "head": 70, "npshr": 8}]})";
    const PumpFileOutcome read = readPumpText(text);
    ASSERT_TRUE(read.file) << read.problem;
    const PumpData& pump = read.file->pump;
    EXPECT_NEAR(pump.points[1].flow, 36.0, 1e-9);         // m³/h
    EXPECT_NEAR(pump.points[1].head, 90 * 0.3048, 1e-9);  // m
    EXPECT_NEAR(*pump.points[2].npshr, 8 * 0.3048, 1e-9);
    EXPECT_FALSE(pump.points[0].efficiency);

    const std::string path =
        (std::filesystem::temp_directory_path() / "tolvane_pump_test.tpump").string();
    ASSERT_EQ(writePumpFile(path, *read.file), "");
    const PumpFileOutcome again = readPumpFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(again.file) << again.problem;
    EXPECT_EQ(again.file->flowUnit, "l/s");
    EXPECT_EQ(again.file->headUnit, "ft.");
    for (std::size_t i = 0; i < pump.points.size(); ++i) {
        EXPECT_NEAR(again.file->pump.points[i].flow, pump.points[i].flow, 1e-9);
        EXPECT_NEAR(again.file->pump.points[i].head, pump.points[i].head, 1e-9);
        EXPECT_NEAR(*again.file->pump.points[i].npshr, *pump.points[i].npshr, 1e-9);
    }
}

TEST(PumpFile, TheExamplePumpsRead) {
    for (const char* name :
         {"example-end-suction-50-200.tpump", "example-end-suction-65-160.tpump"}) {
        const PumpFileOutcome read =
            readPumpFile(std::string(TOLVANE_SOURCE_DIR) + "/data/pumps/" + name);
        ASSERT_TRUE(read.file) << name << ": " << read.problem;
        const PumpCurve curve(read.file->pump);
        EXPECT_FALSE(curve.hasUnstableRegion()) << name;
        // Shaped like an end-suction pump: best efficiency at 60-70 % of the
        // largest flow, shut-off head about 1.2 times the head there.
        const double bep = *curve.bestEfficiencyFlow();
        EXPECT_GE(bep / curve.maxFlow(), 0.6) << name;
        EXPECT_LE(bep / curve.maxFlow(), 0.7) << name;
        EXPECT_NEAR(*curve.head(0) / *curve.head(bep), 1.2, 0.05) << name;
    }
}

}  // namespace
}  // namespace tolvane
