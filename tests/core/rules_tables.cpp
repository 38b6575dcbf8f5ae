// The tabulated coefficients: every point of every table, the middle of every
// segment, the value just before each next point, and the ends.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "support/engine_harness.h"

namespace tolvane::enginetest {
namespace {

// How the table's argument is put into the element fields.
enum class Argument {
    Va2,          // an angle, or a count, in va2
    RatioVa2Va1,  // va2/va1 (H/D, R/D, L/D) with va1 = 100 mm
    AreaRatio,    // (va2/va1)² with va1 = 100 mm
    Va1,          // a diameter in va1
};

struct TableCase {
    const char* name;
    ElementKind kind;
    int option;
    Argument argument;
    std::vector<std::pair<double, double>> points;  // (x, zeta) as published
};

PipeElement elementAt(const TableCase& t, double x) {
    switch (t.argument) {
        case Argument::Va2: return element(t.kind.group, t.kind.variant, 100, x, 0, 0, t.option);
        case Argument::RatioVa2Va1:
            return element(t.kind.group, t.kind.variant, 100, 100 * x, 0, 0, t.option);
        case Argument::AreaRatio:
            return element(t.kind.group, t.kind.variant, 100, 100 * std::sqrt(x), 0, 0, t.option);
        case Argument::Va1: return element(t.kind.group, t.kind.variant, x, 0, 0, 0, t.option);
    }
    return {};
}

double zetaAt(const TableCase& t, double x) {
    RuleSetup s;
    s.element = elementAt(t, x);
    const RuleRun run = runRule(s);
    EXPECT_FALSE(run.result.calcError) << t.name << " at " << x;
    EXPECT_TRUE(run.messages.empty()) << t.name << " at " << x;
    // rho = 2e5 and w = 1: the pressure drop in bar equals zeta.
    EXPECT_NEAR(run.result.pressureDrop, run.result.zeta, 1e-12) << t.name << " at " << x;
    return run.result.zeta;
}

class RuleTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(RuleTable, gives_every_published_point) {
    const TableCase& t = GetParam();
    for (const auto& [x, zeta] : t.points) EXPECT_NEAR(zetaAt(t, x), zeta, 1e-9) << "x = " << x;
}

TEST_P(RuleTable, interpolates_linearly_inside_each_segment) {
    const TableCase& t = GetParam();
    for (std::size_t i = 0; i + 1 < t.points.size(); ++i) {
        const auto [x0, y0] = t.points[i];
        const auto [x1, y1] = t.points[i + 1];
        EXPECT_NEAR(zetaAt(t, (x0 + x1) / 2), (y0 + y1) / 2, 1e-9) << "middle of " << x0;
        EXPECT_NEAR(zetaAt(t, x0 + 0.25 * (x1 - x0)), y0 + 0.25 * (y1 - y0), 1e-9)
            << "quarter of " << x0;
    }
}

TEST_P(RuleTable, is_continuous_at_each_inner_point) {
    const TableCase& t = GetParam();
    for (std::size_t i = 1; i + 1 < t.points.size(); ++i) {
        const auto [x, y] = t.points[i];
        const double below = zetaAt(t, x - 1e-7 * (x - t.points[i - 1].first));
        EXPECT_NEAR(below, y, 1e-5 * std::max(1.0, std::abs(y))) << "just below " << x;
    }
}

const std::vector<TableCase> kTables = {
    {"y_pipe_straight",
     {5, 7},
     0,
     Argument::Va2,
     {{0, 0}, {10, 0.1}, {30, 0.3}, {45, 0.7}, {60, 1.0}, {90, 1.4}}},
    {"y_pipe_bent",
     {5, 8},
     0,
     Argument::RatioVa2Va1,
     {{0.5, 1.1}, {0.75, 0.6}, {1.0, 0.4}, {1.5, 0.25}, {2.0, 0.2}}},
    {"u_bend", {6, 3}, 0, Argument::RatioVa2Va1, {{0, 0.33}, {1, 0.27}, {2, 0.21}}},
    {"gate_valve",
     {7, 4},
     0,
     Argument::RatioVa2Va1,
     {{0.125, 97.8},
      {0.2, 35},
      {0.3, 10},
      {0.4, 4.6},
      {0.5, 2.06},
      {0.6, 0.98},
      {0.7, 0.44},
      {0.8, 0.17},
      {0.9, 0.06},
      {1.0, 0}}},
    {"cock",
     {7, 5},
     0,
     Argument::Va2,
     {{0, 0}, {10, 0.31}, {20, 1.84}, {30, 6.15}, {40, 20.7}, {50, 95.3}}},
    {"swing_valve",
     {7, 6},
     0,
     Argument::Va2,
     {{0, 0}, {10, 0.52}, {20, 1.54}, {30, 3.91}, {40, 10.8}, {50, 32.6}, {60, 118}, {70, 251}}},
    // The last point (200 mm -> 1.2) is replaced by the large-size value 1.0.
    {"check_valve_swing", {8, 3}, 0, Argument::Va1, {{25, 2.2}, {50, 2.0}, {100, 1.5}, {150, 1.3}}},
    {"nozzle",
     {9, 4},
     0,
     Argument::AreaRatio,
     {{0.1, 80}, {0.2, 18}, {0.3, 5}, {0.4, 2}, {0.5, 1}, {0.7, 0.2}}},
    {"venturi_15_degree",
     {9, 5},
     0,
     Argument::AreaRatio,
     {{0.1, 13}, {0.2, 3}, {0.3, 1}, {0.4, 0.5}, {0.5, 0.27}, {0.6, 0.15}}},
    {"venturi_30_degree",
     {9, 5},
     1,
     Argument::AreaRatio,
     {{0.1, 22}, {0.2, 5}, {0.3, 1.8}, {0.4, 0.8}, {0.5, 0.4}, {0.6, 0.2}}},
};

INSTANTIATE_TEST_SUITE_P(Coefficients, RuleTable, ::testing::ValuesIn(kTables), caseName);

// End rules that differ from "last point gives its value".
struct EndCase {
    const char* name;
    TableCase table;
    double x;
    double zeta;
};

class RuleTableEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(RuleTableEnd, follows_its_end_rule) {
    const EndCase& e = GetParam();
    EXPECT_NEAR(zetaAt(e.table, e.x), e.zeta, 1e-9);
}

TableCase single(const char* name, ElementKind kind, Argument a, int option = 0) {
    return {name, kind, option, a, {}};
}

const std::vector<EndCase> kEnds = {
    {"check_valve_just_below_25_mm", single("", {8, 3}, Argument::Va1), 24.999, 2.2},
    {"check_valve_just_below_200_mm", single("", {8, 3}, Argument::Va1), 199.9999999, 1.2},
    {"check_valve_1000_mm", single("", {8, 3}, Argument::Va1), 1000, 1.0},
    {"u_bend_at_10", single("", {6, 3}, Argument::RatioVa2Va1), 10, 0.21},
    {"nozzle_at_0_6", single("", {9, 4}, Argument::AreaRatio), 0.6, 0.6},
    // Values the input checks never let through still read inside the tables.
    {"cock_beyond_50", single("", {7, 5}, Argument::Va2), 75, 95.3},
    {"cock_far_beyond", single("", {7, 5}, Argument::Va2), 1e9, 95.3},
    {"cock_negative", single("", {7, 5}, Argument::Va2), -30, 0},
    {"swing_valve_beyond_70", single("", {7, 6}, Argument::Va2), 95, 251},
    {"swing_valve_negative", single("", {7, 6}, Argument::Va2), -1e9, 0},
    {"gate_valve_over_open", single("", {7, 4}, Argument::RatioVa2Va1), 3, 0},
};

INSTANTIATE_TEST_SUITE_P(Ends, RuleTableEnd, ::testing::ValuesIn(kEnds), caseName);

}  // namespace
}  // namespace tolvane::enginetest
