// Tees, branchings, bellows, valves, check valves and the diverse elements:
// the fixed coefficients, the branch correlations and their second pressure
// drop, and the vertical difference.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "rules_harness.h"

namespace tolvane::testing {
namespace {

// ---- coefficients that do not depend on the flow ----

struct ConstantCase {
    const char* name;
    PipeElement element;
    double zeta;
};

class RuleConstant : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(RuleConstant, holds_for_any_turbulent_flow) {
    const ConstantCase& k = GetParam();
    for (double w : {0.5, 2.0, 30.0}) {
        RuleSetup s;
        s.element = k.element;
        s.medium.density = 1000;
        s.state.velocity = w;
        s.state.reynolds = 4000 * w;
        const RuleRun run = runRule(s);
        EXPECT_DOUBLE_EQ(run.result.zeta, k.zeta) << "w = " << w;
        EXPECT_NEAR(run.result.pressureDrop, k.zeta * 1000 * w * w / 2e5, 1e-12) << "w = " << w;
        EXPECT_FALSE(run.result.calcError);
        EXPECT_TRUE(run.messages.empty());
    }
}

const std::vector<ConstantCase> kConstants = {
    {"tee_sharp_edged", makeElement(5, 1), 1.3},
    {"tee_globular", makeElement(5, 2), 5.0},
    {"tee_rounded_bottom_plain", makeElement(5, 3), 0.7},
    {"tee_globular_neck_rounded", makeElement(5, 4), 0.9},
    {"compensator_3_ridges", makeElement(6, 1, 100, 3), 0.6},
    {"compensator_10_ridges", makeElement(6, 1, 100, 10), 2.0},
    {"lyra_bend_smooth", makeElement(6, 2, 100, 0, 0, 0, 0), 0.7},
    {"lyra_bend_corrugated", makeElement(6, 2, 100, 0, 0, 0, 1), 1.4},
    {"globe_valve_forged", makeElement(7, 1, 100, 0, 0, 0, 0), 6.5},
    {"globe_valve_cast", makeElement(7, 1, 100, 0, 0, 0, 1), 4.0},
    {"globe_valve_y_pattern", makeElement(7, 2), 2.0},
    {"angle_valve", makeElement(7, 3), 3.0},
    {"check_valve_globe_lift", makeElement(8, 1), 5.5},
    {"check_valve_globe_lift_y_pattern", makeElement(8, 2), 2.5},
    {"known_coefficient", makeElement(10, 2, 100, 2.0), 2.0},
    {"known_coefficient_fraction", makeElement(10, 2, 80, 0.35), 0.35},
};

INSTANTIATE_TEST_SUITE_P(Fittings, RuleConstant, ::testing::ValuesIn(kConstants),
                         caseName);

// ---- branch flowing asunder and together ----

struct BranchCase {
    const char* name;
    int variant;  // 5 asunder, 6 together
    double d1, d2, radius, angle;
    double q;  // Q2/Q
    double zeta, zeta2;
    double tolerance;
};

class RuleBranching : public ::testing::TestWithParam<BranchCase> {};

TEST_P(RuleBranching, gives_both_coefficients_and_the_second_drop_in_mbar) {
    const BranchCase& b = GetParam();
    RuleSetup s;
    s.element = makeElement(5, b.variant, b.d1, b.d2, b.radius, b.angle);
    s.medium.density = 1000;
    s.medium.rateOfFlow = 40;
    s.medium.branchRateOfFlow = 40 * b.q;
    s.state.velocity = 2.0;
    const RuleRun run = runRule(s);
    ASSERT_FALSE(run.result.calcError);
    EXPECT_NEAR(run.result.zeta, b.zeta, b.tolerance);
    EXPECT_NEAR(run.result.zeta2, b.zeta2, b.tolerance);
    // Both drops with the main pipe's velocity: bar for the passage, mbar for the branch.
    EXPECT_NEAR(run.result.pressureDrop, run.result.zeta * 1000 * 4 / 2e5, 1e-12);
    EXPECT_NEAR(run.result.pressureDrop2, run.result.zeta2 * 1000 * 4 / 2e5 * 1000, 1e-9);
    EXPECT_TRUE(run.messages.empty());
}

const std::vector<BranchCase> kBranches = {
    // A vanishing branch flow leaves 0.03 in the passage and 0.95 in the branch,
    // whatever the geometry.
    {"asunder_no_branch_flow_45", 5, 100, 50, 0, 45, 1e-9, 0.03, 0.95, 1e-6},
    {"asunder_no_branch_flow_90_rounded", 5, 200, 150, 20, 90, 1e-9, 0.03, 0.95, 1e-6},
    {"asunder_no_branch_flow_150", 5, 80, 20, 5, 150, 1e-9, 0.03, 0.95, 1e-6},
    // Worked by hand: t = tan 45° = 1, X = 0.2, Y = 0.4375, Z = 1, W = 0.3.
    {"asunder_half_90_equal_bores", 5, 100, 100, 0, 90, 0.5, 0.045, 0.7625, 1e-12},
    {"together_half_90_equal_bores", 6, 100, 100, 0, 90, 0.5, 0.4125, 0.32, 1e-12},
    // No branch flow through a joining branch: 0.03 and -0.92.
    {"together_no_branch_flow", 6, 100, 50, 10, 45, 1e-9, 0.03, -0.92, 1e-6},
    // All branch flow (q = 1) through a 90° junction of equal bores, R = 0:
    // passage -((0 - 1)(1.62) + 1) = 0.62, branch -(0 + (-1)(1.2) - 0) = 1.2.
    {"together_all_branch_flow", 6, 100, 100, 0, 90, 1.0, 0.62, 1.2, 1e-12},
};

INSTANTIATE_TEST_SUITE_P(Branchings, RuleBranching, ::testing::ValuesIn(kBranches),
                         caseName);

TEST(RuleBranchingLimit, refuses_a_branch_turned_fully_back_instead_of_an_infinite_coefficient) {
    RuleSetup s;
    for (double q2 : {5.0, 1e-9}) {
        s.medium.branchRateOfFlow = q2;
        s.element = makeElement(5, 5, 100, 50, 0, 180);
        const RuleRun back = runRule(s);
        EXPECT_TRUE(back.result.calcError) << "Q2 = " << q2;
        ASSERT_EQ(back.messages.size(), 1u);
        EXPECT_EQ(back.messages[0], (Message{MessageType::Error, kNotPossibleMessage, {}}));

        s.element.va4 = 179;  // just short of it the correlation still holds
        const RuleRun nearly = runRule(s);
        EXPECT_FALSE(nearly.result.calcError);
        EXPECT_TRUE(std::isfinite(nearly.result.zeta2));
        EXPECT_TRUE(std::isfinite(nearly.result.pressureDrop2));
    }
}

TEST(RuleBranchingLimit, refuses_silently_in_silent_mode) {
    RuleSetup s;
    s.element = makeElement(5, 5, 100, 50, 0, 180);
    s.medium.branchRateOfFlow = 5;
    s.silent = true;
    const RuleRun run = runRule(s);
    EXPECT_TRUE(run.result.calcError);
    EXPECT_TRUE(run.messages.empty());
}

// ---- vertical difference ----

TEST(RuleVerticalDifference, weighs_the_column_whatever_the_flow) {
    struct Case {
        double height, density, velocity, drop;
    };
    const Case cases[] = {
        {10, 1000, 0, 0.981},   // ten metres of water
        {10, 1000, 3, 0.981},
        {10, 1000, 50, 0.981},
        {-10, 1000, 1, -0.981},  // a falling line gains pressure
        {0, 1000, 1, 0},
        {100, 1.2, 0, 0.0117720},
    };
    for (const Case& k : cases) {
        RuleSetup s;
        s.element = makeElement(10, 1, k.height);
        s.medium.density = k.density;
        s.state.velocity = k.velocity;
        s.state.reynolds = 0;
        s.state.zeta = 4.2;
        const RuleRun run = runRule(s);
        EXPECT_NEAR(run.result.pressureDrop, k.drop, 1e-12) << k.height << " m, w " << k.velocity;
        EXPECT_EQ(run.result.zeta, 0.0);
        EXPECT_FALSE(run.result.calcError);
    }
}

}  // namespace
}  // namespace tolvane::testing
