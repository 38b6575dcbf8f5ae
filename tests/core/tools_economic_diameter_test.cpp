#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tools/economic_diameter.h"

using namespace tolvane;

namespace {

using Lines = std::vector<std::string>;

EconomicDiameterRun run(const EconomicDiameterStyle& style, const std::string& text, int unit = 0,
                        bool metric = true) {
    RecordingMessageSink sink;
    EconomicDiameterRun r = calculateEconomicDiameter(style, text, unit, metric, sink);
    EXPECT_TRUE(sink.messages.empty());
    return r;
}

// The block lines of a run (after the two heading lines and the blank).
Lines smallBlock(const EconomicDiameterRun& r) {
    Lines out;
    for (std::size_t i = 4; i < r.lines.size() && !r.lines[i].empty(); ++i)
        out.push_back(r.lines[i]);
    return out;
}
Lines highBlock(const EconomicDiameterRun& r) {
    std::size_t i = 4;
    while (i < r.lines.size() && !r.lines[i].empty()) ++i;
    return Lines(r.lines.begin() + static_cast<long>(i) + 2, r.lines.end());
}

bool noNonFiniteText(const Lines& lines) {
    for (const std::string& l : lines)
        if (l.find("inf") != std::string::npos || l.find("nan") != std::string::npos) return false;
    return true;
}

}  // namespace

TEST(EconomicDiameterCurve, IsReadOffBetweenPointsAndAtItsEnds) {
    const EconomicDiameterCurve& small = smallViscosityCurve();
    struct Case {
        double q;
        int d;
    } cases[] = {
        {10.0, 43},        // 40 + 1.77 * 10 / 6.19 = 42.86
        {0.22, 10},        // first point
        {0.2199, 1},       // below the curve
        {4.07, 30},        // exactly on a point
        {81.71, 100},      // on a point
        {11451.11, 900},   // start of the last interval
        {14137.17, 1000},  // the last point belongs to the last interval
        {14137.18, 2000},  // above the curve
    };
    for (const Case& c : cases) EXPECT_EQ(economicDiameter(small, c.q), c.d) << c.q;
    // Both ends of every curve: the first point is 10 mm, the last 1000 mm.
    for (const EconomicDiameterCurve* c : {&smallViscosityCurve(), &highViscosityCurve(),
                                           &smallPressureCurve(), &highPressureCurve()}) {
        EXPECT_EQ(economicDiameter(*c, c->flow.front()), 10);
        EXPECT_EQ(economicDiameter(*c, std::nextafter(c->flow.front(), 0.0)), 1);
        EXPECT_EQ(economicDiameter(*c, c->flow.back()), 1000);
        EXPECT_EQ(economicDiameter(*c, std::nextafter(c->flow.back(), 1e9)), 2000);
    }
    EXPECT_EQ(economicDiameter(highViscosityCurve(), 0.1), 10);  // 10.45
    EXPECT_EQ(economicDiameter(smallPressureCurve(), 45346.38), 900);
    EXPECT_EQ(economicDiameter(smallPressureCurve(), 50000.0), 944);
    EXPECT_EQ(economicDiameter(smallPressureCurve(), 100.0), 65);  // 64.67
    EXPECT_EQ(economicDiameter(highPressureCurve(), 100.0), 44);   // 43.80
}

TEST(EconomicDiameterCurve, RoundsHalvesToEven) {
    EconomicDiameterCurve c{};
    for (int i = 0; i < 20; ++i) {
        c.flow[static_cast<std::size_t>(i)] = i + 1;
        c.diameter[static_cast<std::size_t>(i)] = 10.0 * (i + 1);
    }
    c.diameter[1] = 11;  // 10 .. 11: q 1.5 gives 10.5
    EXPECT_EQ(economicDiameter(c, 1.5), 10);
    c.diameter[1] = 13;  // 10 .. 13: q 1.5 gives 11.5
    EXPECT_EQ(economicDiameter(c, 1.5), 12);
}

TEST(NominalSizes, NeighboursAndMembers) {
    EXPECT_TRUE(isStandardSize(NominalSeries::Metric, 65));
    EXPECT_FALSE(isStandardSize(NominalSeries::Metric, 30));
    EXPECT_EQ(nextLowerSize(NominalSeries::Metric, 30), 25);
    EXPECT_EQ(nextHigherSize(NominalSeries::Metric, 30), 32);
    EXPECT_EQ(nextLowerSize(NominalSeries::Metric, 5), 1);
    EXPECT_EQ(nextHigherSize(NominalSeries::Metric, 1001), 2000);
    EXPECT_EQ(nextLowerSize(NominalSeries::Inch, 1693), 1500);
    EXPECT_EQ(nextHigherSize(NominalSeries::Inch, 1693), 2000);
    EXPECT_EQ(nextLowerSize(NominalSeries::Inch, 24001), 30000);
    EXPECT_NEAR(meanVelocity(10.0, 50.0), 1.4147, 1e-4);
}

TEST(EconomicDiameterLiquid, WritesBothBlocksInMillimetres) {
    const EconomicDiameterRun r = run(liquidStyle(), "10");
    ASSERT_TRUE(r.calculated);
    EXPECT_EQ(r.lines,
              (Lines{"Economic diameter for a rate of flow", "of 10 m³/h:", "",
                     "Small viscosity (ca.10^-6 m²/s)", "Optiaml pipe diameter about: 43 mm",
                     "Possible diameter: DN 40 ==> Velocity 2.21 m/s",
                     "Possible diameter: DN 50 ==> Velocity 1.41 m/s", "",
                     "High viscosity (100*10^-6 m²/s)", "Optimal pipe diameter about: 63 mm",
                     "Possible diameter: DN 50 ==> Velocity 1.41 m/s",
                     "Possible diameter: DN 65 ==> Velocity 0.84 m/s"}));
}

TEST(EconomicDiameterLiquid, StandardSizeAndRangeLines) {
    // 0.1 m³/h: below the small-viscosity curve, DN 10 for high viscosity.
    const EconomicDiameterRun low = run(liquidStyle(), "0.1");
    EXPECT_EQ(smallBlock(low), Lines{"Optimal pipe diameter < 10 mm!!"});
    EXPECT_EQ(highBlock(low), (Lines{"Optimal pipe diameter about: 10 mm",
                                     "Possible diameter: DN 10 ==> Velocity 0.35 m/s"}));
    const EconomicDiameterRun top = run(liquidStyle(), "14137.17");
    EXPECT_EQ(smallBlock(top), (Lines{"Optimal pipe diameter about: 1000 mm",
                                      "Possible diameter: DN 1000 ==> Velocity 5.00 m/s"}));
    EXPECT_EQ(highBlock(top), Lines{"Optimal pipe diameter > 1000 mm!!"});
}

TEST(EconomicDiameterLiquid, InchOutput) {
    const EconomicDiameterRun r = run(liquidStyle(), "10", 0, false);
    EXPECT_EQ(r.lines[3], "Small viscosity (10^-5 sq.ft./s)");
    EXPECT_EQ(smallBlock(r), (Lines{"Optimal pipe diameter about: 1.69 in.",
                                    "Possible diameter: 1.50 in. ==> Velocity 7.99 ft./s",
                                    "Possible diameter: 2.00 in. ==> Velocity 4.50 ft./s"}));
    // 0.1 m³/h: 10 mm is 394 thousandths, between 3/8 and 1/2 in.; 1 mm is below 1/8 in.
    const EconomicDiameterRun low = run(liquidStyle(), "0.1", 0, false);
    EXPECT_EQ(smallBlock(low), Lines{"Optimal pipe diameter < 0,125 in.!!"});
    EXPECT_EQ(highBlock(low)[0], "Optimal pipe diameter about: 0.39 in.");
}

TEST(EconomicDiameterLiquid, InchOutputNearTwentyFourInches) {
    // 609 mm is 23.976 in. (between 20 and 24 in.), 610 mm is above 24 in.
    const EconomicDiameterRun below = run(liquidStyle(), "5143.63", 0, false);
    EXPECT_EQ(smallBlock(below)[0], "Optimal pipe diameter about: 23.98 in.");
    EXPECT_EQ(smallBlock(below)[1].substr(0, 29), "Possible diameter: 20.00 in. ");
    EXPECT_EQ(smallBlock(below)[2].substr(0, 29), "Possible diameter: 24.00 in. ");
    const EconomicDiameterRun above = run(liquidStyle(), "5163.23", 0, false);
    EXPECT_EQ(smallBlock(above), Lines{"Optimal pipe diameter > 24 in.!!"});
}

TEST(EconomicDiameterLiquid, ReadsTheFieldAsTheUserMeansIt) {
    const EconomicDiameterRun empty = run(liquidStyle(), "");
    EXPECT_TRUE(empty.calculated);
    EXPECT_EQ(empty.flowText, "1.0");
    EXPECT_EQ(empty.lines[1], "of 1.0 m³/h:");
    EXPECT_EQ(run(liquidStyle(), "0").flowText, "1.0");
    EXPECT_EQ(smallBlock(run(liquidStyle(), "1,5")), smallBlock(run(liquidStyle(), "1.5")));
    const EconomicDiameterRun negative = run(liquidStyle(), "-10");
    EXPECT_EQ(negative.lines[1], "of -10 m³/h:");
    EXPECT_EQ(smallBlock(negative), smallBlock(run(liquidStyle(), "10")));
    // 1 m³/min is 60 m³/h.
    EXPECT_EQ(smallBlock(run(liquidStyle(), "1", 1)), smallBlock(run(liquidStyle(), "60")));
    EXPECT_EQ(run(liquidStyle(), "1", 1).lines[1], "of 1 m³/min:");
}

TEST(EconomicDiameterLiquid, RefusesTextThatDoesNotRead) {
    for (const char* text : {"abc", "1e400", "1.2.3"}) {
        RecordingMessageSink sink;
        const EconomicDiameterRun r = calculateEconomicDiameter(liquidStyle(), text, 0, true, sink);
        EXPECT_FALSE(r.calculated);
        EXPECT_TRUE(r.lines.empty());
        ASSERT_EQ(sink.messages.size(), 1u) << text;
        EXPECT_EQ(sink.messages[0].text,
                  "Incorrect or no input in the input field!\rPlease adjust it!");
    }
    RecordingMessageSink sink;
    calculateEconomicDiameter(gasStyle(), "x", 0, true, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Incorrect or no input in input field!\rPlease correct it!");
}

TEST(EconomicDiameterLiquid, ExtremeFlowsGiveRangeLinesNeverInfinity) {
    for (bool metric : {true, false}) {
        const EconomicDiameterRun huge = run(liquidStyle(), "1e308", 2, metric);  // m³/s
        EXPECT_TRUE(noNonFiniteText(huge.lines));
        EXPECT_EQ(smallBlock(huge).size(), 1u);
        const EconomicDiameterRun tiny = run(liquidStyle(), "1e-323", 10, metric);  // gal/hr
        EXPECT_TRUE(noNonFiniteText(tiny.lines));
        EXPECT_EQ(smallBlock(tiny).size(), 1u);
    }
}

TEST(EconomicDiameterGas, WritesItsOwnTexts) {
    const EconomicDiameterRun r = run(gasStyle(), "100");
    EXPECT_EQ(r.lines[0], "Economic diameter of pipe for a rate of flow ");
    EXPECT_EQ(r.lines[1], "from 100 m³/h:");
    EXPECT_EQ(r.lines[3], "Small pressure (1 bar)");
    EXPECT_EQ(smallBlock(r), (Lines{"Optimal pipe diameter about: 65 mm",
                                    "Possible diameter: DN 65 ==> Velocity 8.37 m/s"}));
    EXPECT_EQ(highBlock(r), (Lines{"Optimal pipe diameter about: 44 mm",
                                   "Possible diameter: DN 40 ==> Velocity 22.10 m/s",
                                   "Possible diameter: DN 50 ==> Velocity 14.15 m/s"}));
    const EconomicDiameterRun between = run(gasStyle(), "50000");
    EXPECT_EQ(smallBlock(between)[0], "Optimal pipe diameter about.: 944 mm");
    const EconomicDiameterRun outside = run(gasStyle(), "137837.39");
    EXPECT_EQ(smallBlock(outside), Lines{"Optimal pipe diameter > 1000 mm!!"});
    EXPECT_EQ(highBlock(outside), Lines{"Optimal pipe diameter > 1000 mm!!"});
    EXPECT_EQ(smallBlock(run(gasStyle(), "0.7")), Lines{"Optimal pipe diameter < 10 mm!!"});
    EXPECT_EQ(smallBlock(run(gasStyle(), "0.71"))[0], "Optimal pipe diameter about: 10 mm");
}

TEST(EconomicDiameterGas, InchLinesDifferPerBlock) {
    // 100 m³/h: 65 mm is 2559 thousandths (between 2.5 and 3 in.); 44 mm is
    // 1732 (between 1.5 and 2 in.), whose neighbours are given in m/s.
    const EconomicDiameterRun r = run(gasStyle(), "100", 0, false);
    EXPECT_EQ(r.lines[3], "Low pressure (about 15 psi)");
    EXPECT_EQ(smallBlock(r)[1].substr(0, 29), "Possible diameter: 2.50 in. =");
    const Lines high = highBlock(r);
    EXPECT_EQ(high[0], "Optimal pipe diameter about: 1.73 in.");
    EXPECT_EQ(high[1], "Possible diameter: 1.50 in. ==> Velocity 24.36 m/s");
    EXPECT_EQ(high[2], "Possible diameter: 2.00 in. ==> Velocity 13.71 m/s");
    // 582.1 m³/h: 127 mm is exactly 5 in., a standard size, written without a unit.
    const Lines standard = smallBlock(run(gasStyle(), "582.1", 0, false));
    EXPECT_EQ(standard, (Lines{"Optimal pipe diameter about: 5.00 in.",
                               "Possible diameter: 5.00 ==> Velocity 41.88 ft./s"}));
}

TEST(EconomicDiameterPresetOnOpening, TakesTheMainWindowsFlow) {
    EconomicDiameterPreset p = economicDiameterPreset(0, 3, "12.5", false);
    EXPECT_EQ(p.unitPosition, 3);
    EXPECT_EQ(p.flowText, "12.5");
    EXPECT_TRUE(p.calculateNow);
    p = economicDiameterPreset(1, 3, "998.2", false);  // a mass flow: first unit
    EXPECT_EQ(p.unitPosition, 0);
    EXPECT_FALSE(economicDiameterPreset(0, 0, "2,5", false).calculateNow);
    EXPECT_TRUE(economicDiameterPreset(0, 0, "2,5", true).calculateNow);
    EXPECT_FALSE(economicDiameterPreset(0, 0, "", true).calculateNow);
    EXPECT_FALSE(economicDiameterPreset(0, 0, "abc", true).calculateNow);
}
