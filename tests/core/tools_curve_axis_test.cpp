#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tools/curve_axis.h"
#include "base/input_number.h"

using namespace tolvane;

namespace {

struct PressureCase {
    const char* name;
    double minDrop, maxDrop;  // bar or psi
    OutputSystem system;
    std::string unit;
    double min, step;
    int decimals;
    std::vector<std::string> labels;
};

class PressureAxisTest : public ::testing::TestWithParam<PressureCase> {};

TEST_P(PressureAxisTest, ScalesAsTheWorkedExamples) {
    const PressureCase& c = GetParam();
    const PressureAxis p = scalePressureAxis(c.minDrop, c.maxDrop, c.system);
    EXPECT_EQ(p.unit, c.unit);
    EXPECT_DOUBLE_EQ(p.scale.min, c.min);
    EXPECT_DOUBLE_EQ(p.scale.step, c.step);
    EXPECT_EQ(p.scale.decimals, c.decimals);
    EXPECT_EQ(p.scale.labels, c.labels);
    EXPECT_EQ(p.scale.tickCount, static_cast<int>(c.labels.size()));
    // The axis always holds every point.
    EXPECT_LE(p.scale.min, c.minDrop * p.factor);
    EXPECT_GE(p.scale.max + 1e-12, c.maxDrop * p.factor);
    EXPECT_NEAR(p.scale.range, p.scale.step * (p.scale.tickCount - 1), 1e-12 * p.scale.range);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PressureAxisTest,
    ::testing::Values(
        // 2 to 50 mbar: min 2 rounds to 2, and 2 * 10 <= 50 starts at 0.
        PressureCase{"mbar_from_zero",
                     0.002,
                     0.05,
                     OutputSystem::Metric,
                     "mbar",
                     0,
                     5,
                     0,
                     {"0", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50"}},
        // 1.5 to 2.3 bar: s = 0.08, t = 8 gives step 0.1 with two decimals.
        PressureCase{"bar_tenths",
                     1.5,
                     2.3,
                     OutputSystem::Metric,
                     "bar",
                     1.5,
                     0.1,
                     2,
                     {"1.50", "1.60", "1.70", "1.80", "1.90", "2.00", "2.10", "2.20", "2.30"}},
        // 0.798 to 2.983 mbar: eleven steps of 0.2 end at 2.9, below the
        // largest point; a twelfth reaches it.
        PressureCase{"reaches_largest_point",
                     0.000798,
                     0.002983,
                     OutputSystem::Metric,
                     "mbar",
                     0.7,
                     0.2,
                     1,
                     {"0.7", "0.9", "1.1", "1.3", "1.5", "1.7", "1.9", "2.1", "2.3", "2.5", "2.7",
                      "2.9", "3.1"}},
        // A negative smallest drop rounds away from zero: -37 mbar -> -40.
        PressureCase{"negative_minimum",
                     -0.037,
                     0.15,
                     OutputSystem::Metric,
                     "mbar",
                     -40,
                     20,
                     0,
                     {"-40", "-20", "0", "20", "40", "60", "80", "100", "120", "140", "160"}},
        // US output stays in psi; 12.3 -> 10, 10 * 10 > 48.
        PressureCase{"psi",
                     12.3,
                     48.0,
                     OutputSystem::US,
                     "psi",
                     10,
                     5,
                     0,
                     {"10", "15", "20", "25", "30", "35", "40", "45", "50"}},
        // One value at or above 1 bar keeps bar: 0.5 stays and 0.5 * 10 > 1.2;
        // s = 0.07 gives t = 7 and the step 0.05.
        PressureCase{"bar_when_max_reaches_one",
                     0.5,
                     1.2,
                     OutputSystem::Metric,
                     "bar",
                     0.5,
                     0.05,
                     2,
                     {"0.50", "0.55", "0.60", "0.65", "0.70", "0.75", "0.80", "0.85", "0.90",
                      "0.95", "1.00", "1.05", "1.10", "1.15", "1.20"}},
        // s = 0.3 mbar: t = 3 gives 2.5, so step 0.25 and two decimals.
        PressureCase{"quarter_step",
                     0.005,
                     0.008,
                     OutputSystem::Metric,
                     "mbar",
                     5,
                     0.25,
                     2,
                     {"5.00", "5.25", "5.50", "5.75", "6.00", "6.25", "6.50", "6.75", "7.00",
                      "7.25", "7.50", "7.75", "8.00"}},
        // A flat curve (a vertical difference alone) still gets an axis.
        PressureCase{
            "flat_curve",
            0.002,
            0.002,
            OutputSystem::Metric,
            "mbar",
            2,
            0.2,
            1,
            {"2.0", "2.2", "2.4", "2.6", "2.8", "3.0", "3.2", "3.4", "3.6", "3.8", "4.0"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PressureAxis, LargeStepsGetExponentLabelsAndAWiderMargin) {
    // 300000 psi: s = 30000, t = 3 -> 2.5 * 10000, labels "2.5E+04".
    const PressureAxis p = scalePressureAxis(0.0, 300000.0, OutputSystem::US);
    EXPECT_DOUBLE_EQ(p.scale.step, 25000.0);
    EXPECT_EQ(p.scale.decimals, 4);
    ASSERT_GE(p.scale.labels.size(), 2u);
    EXPECT_EQ(p.scale.labels[0], " 0.0E+00");
    EXPECT_EQ(p.scale.labels[1], " 2.5E+04");
    EXPECT_EQ(p.leftMargin, 45);
    EXPECT_EQ(scalePressureAxis(0.01, 0.05, OutputSystem::Metric).leftMargin, 30);
}

TEST(PressureAxis, TinyQuarterStepsUseThreeDigitExponentLabels) {
    // 0 to 0.003 psi: s = 0.0003, t = 3 at m = 10000 -> step 0.00025, decimals 5.
    const PressureAxis p = scalePressureAxis(0.0, 0.003, OutputSystem::US);
    EXPECT_DOUBLE_EQ(p.scale.step, 0.00025);
    EXPECT_EQ(p.scale.decimals, 5);
    EXPECT_EQ(p.scale.labels[1], " 2.50E-04");
    EXPECT_EQ(p.leftMargin, 55);
}

struct StepCase {
    double s, step;
    int decimals;
};

TEST(NiceTickStep, PicksOneTwoTwoAndAHalfFiveOrTenTimesAPowerOfTen) {
    const StepCase cases[] = {
        {0.3, 0.25, 2},     {0.08, 0.1, 2},    {1.0, 1.0, 0},   {5.0, 5.0, 0},   {3.0, 2.5, 1},
        {4.4, 5.0, 0},      {7.0, 5.0, 0},     {8.0, 10.0, 0},  {2.5, 2.0, 0},   {3.5, 5.0, 0},
        {12.0, 10.0, 0},    {30000, 25000, 4}, {1500, 2000, 0}, {0.02, 0.02, 2}, {0.0004, 5e-4, 4},
        {0.0015, 0.002, 3}, {0.9995, 1.0, 1},  {9.6, 10.0, 0},
    };
    for (const StepCase& c : cases) {
        const TickStep t = niceTickStep(c.s);
        EXPECT_DOUBLE_EQ(t.step, c.step) << "s = " << c.s;
        EXPECT_EQ(t.decimals, c.decimals) << "s = " << c.s;
    }
}

TEST(NiceTickStep, ARangeBeyondADoubleEndsInTheExponentForm) {
    // Ten divisions of infinity never fall below 10; the search must stop.
    const TickStep t = niceTickStep(std::numeric_limits<double>::infinity());
    EXPECT_EQ(t.decimals, 4);
    EXPECT_EQ(niceTickStep(std::numeric_limits<double>::quiet_NaN()).decimals, 4);
}

TEST(RoundDownToOneDigit, KeepsOneSignificantDigit) {
    const std::pair<double, double> cases[] = {
        {3456, 3000}, {0.0345, 0.03},   {1.5, 1.5},   {10, 10}, {0, 0},
        {-37, -40},   {-0.0345, -0.04}, {-2.5, -2.5}, {12, 10}, {0.5, 0.5},
    };
    for (auto [in, out] : cases) EXPECT_DOUBLE_EQ(roundDownToOneDigit(in), out) << in;
}

struct FlowCase {
    double start, end;
    double min, step;
    int decimals;
    std::size_t count;
    std::string first, last;
};

TEST(FlowAxis, ScalesFromStartToEnd) {
    const FlowCase cases[] = {
        // 1 to 10: 1 * 10 <= 10 starts at 0; s = 1, labels 0 to 10.
        {1, 10, 0, 1, 0, 11, "0", "10"},
        // 3 to 5: no rounding of the start.
        {3, 5, 3, 0.2, 1, 11, "3.0", "5.0"},
        // s = 1500 gives step 2000, above 1000: exponent labels.
        {0, 15000, 0, 2000, 4, 9, " 0.0E+00", " 1.6E+04"},
        // s = 0.0003: the step 0.00025 keeps two significant digits only.
        {0, 0.003, 0, 0.00025, 4, 13, " 0.0E+00", " 3.0E-03"},
        // 0 to 25: s = 2.5 rounds to 2 (halves to even).
        {0, 25, 0, 2, 0, 14, "0", "26"},
    };
    for (const FlowCase& c : cases) {
        const AxisScale a = scaleFlowAxis(c.start, c.end);
        EXPECT_DOUBLE_EQ(a.min, c.min) << c.end;
        EXPECT_DOUBLE_EQ(a.step, c.step) << c.end;
        EXPECT_EQ(a.decimals, c.decimals) << c.end;
        ASSERT_EQ(a.labels.size(), c.count) << c.end;
        EXPECT_EQ(a.labels.front(), c.first);
        EXPECT_EQ(a.labels.back(), c.last);
        EXPECT_GE(a.max + 1e-12, c.end);
    }
}

TEST(FlowAxis, ExtremeRangesStayFiniteAndShort) {
    for (auto [start, end] :
         {std::pair{0.0, 1e-320}, std::pair{0.0, 1e308}, std::pair{1e-9, 2e-9}}) {
        const AxisScale a = scaleFlowAxis(start, end);
        EXPECT_GT(a.step, 0.0);
        EXPECT_LE(a.tickCount, 25);
        EXPECT_GE(a.tickCount, 2);
        for (const std::string& l : a.labels) EXPECT_LE(l.size(), 15u);
    }
}

struct ExtremeCase {
    const char* name;
    bool flow;  // else the pressure axis, metric
    double min, max;
};

class ExtremeAxisTest : public ::testing::TestWithParam<ExtremeCase> {};

// Whatever the range, the axis is finite, holds a drawable count of ticks,
// and every label reads back as the value it stands for.
TEST_P(ExtremeAxisTest, StaysFiniteAndLabelsItsValues) {
    const ExtremeCase& c = GetParam();
    const PressureAxis p =
        c.flow ? PressureAxis{} : scalePressureAxis(c.min, c.max, OutputSystem::Metric);
    const AxisScale a = c.flow ? scaleFlowAxis(c.min, c.max) : p.scale;
    EXPECT_TRUE(std::isfinite(a.min) && std::isfinite(a.max) && std::isfinite(a.range));
    EXPECT_TRUE(a.step > 0.0 && std::isfinite(a.step));
    EXPECT_GE(a.tickCount, 2);
    EXPECT_LE(a.tickCount, 101);
    ASSERT_EQ(a.labels.size(), static_cast<std::size_t>(a.tickCount));
    if (std::isfinite(c.max - c.min)) {  // within a rounding of the step
        EXPECT_LE(a.min - 1e-9 * a.step, c.min * p.factor);
        EXPECT_GE(a.max + 1e-9 * a.step, c.max * p.factor);
    }
    for (int k = 0; k < a.tickCount; ++k) {
        const std::string& label = a.labels[static_cast<std::size_t>(k)];
        EXPECT_LE(label.size(), 10u) << label;  // the flow axis shows ten characters
        const double value = a.min + k * a.step;
        const auto read = readNumber(label);
        ASSERT_TRUE(read.has_value()) << label;
        // Two significant digits at the least.
        EXPECT_LE(std::fabs(*read - value), 0.051 * std::max(std::fabs(value), a.step))
            << label << " for " << value;
    }
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Ranges, ExtremeAxisTest,
    ::testing::Values(ExtremeCase{"flow_smallest_double", true, 0.0, 5e-324},
                      ExtremeCase{"flow_two_smallest", true, 0.0, 1e-323},
                      ExtremeCase{"flow_subnormal", true, 0.0, 1e-310},
                      ExtremeCase{"flow_near_largest", true, 1e308, 1.7e308},
                      ExtremeCase{"flow_up_to_largest", true, 0.0, 1.7e308},
                      ExtremeCase{"flow_three_digit_exponent", true, 0.0, 1e300},
                      ExtremeCase{"flow_tiny_offset", true, 1.0, 1.0 + 1e-15},
                      ExtremeCase{"flow_nan", true, kNaN, kNaN},
                      ExtremeCase{"pressure_huge_head", false, 9.8e198, 9.8e198},
                      ExtremeCase{"pressure_huge_rise", false, 9.8e197, 9.8e198},
                      ExtremeCase{"pressure_near_largest", false, 1e308, 1.7e308},
                      ExtremeCase{"pressure_tiny_negative", false, -1e-300, 1e-7},
                      ExtremeCase{"pressure_beyond_a_double", false, -1e308, 1e308},
                      ExtremeCase{"pressure_nan", false, kNaN, 1.0},
                      ExtremeCase{"pressure_infinite", false, 0.0, kInf}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(AxisLabel, KeepsEveryDigitOfTheExponent) {
    const std::pair<double, const char*> two[] = {
        {1.5e4, " 1.5E+04"},    {1e-5, " 1.0E-05"},      {0.0, " 0.0E+00"},
        {1e300, " 1.0E+300"},   {9.8e198, " 9.8E+198"},  {-2.5e-100, "-2.5E-100"},
        {4.9e-324, " 4.9E-324"}, {1.2e10, " 1.2E+10"},
    };
    for (auto [value, text] : two) EXPECT_EQ(axisLabel(value, 4), text) << value;
    EXPECT_EQ(axisLabel(2.5e-4, 5), " 2.50E-04");
    EXPECT_EQ(axisLabel(9.75e198, 5), " 9.75E+198");
}

TEST(FlowAxis, UpToAHundredToThe300LabelsTheEnd) {
    const AxisScale a = scaleFlowAxis(0.0, 1e300);
    EXPECT_DOUBLE_EQ(a.step, 1e299);
    EXPECT_EQ(a.labels.front(), " 0.0E+00");
    EXPECT_EQ(a.labels.back(), " 1.0E+300");
}

}  // namespace
