// The branch correlations with their second pressure drop, and the vertical
// difference.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/engine_harness.h"

namespace tolvane::enginetest {
namespace {

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
    s.element = element(5, b.variant, b.d1, b.d2, b.radius, b.angle);
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
    // Worked by hand with a narrower rounded branch at 60°: f = 0.64, r = 0.25, q = 0.4.
    {"asunder_rounded_60", 5, 100, 80, 25, 60, 0.4, 0.0188, 0.6135389, 1e-7},
    {"together_rounded_60", 6, 100, 80, 25, 60, 0.4, 0.238288, 0.2492, 1e-9},
    // No branch flow through a joining branch: 0.03 and -0.92.
    {"together_no_branch_flow", 6, 100, 50, 10, 45, 1e-9, 0.03, -0.92, 1e-6},
    // All branch flow (q = 1) through a 90° junction of equal bores, R = 0:
    // passage -((0 - 1)(1.62) + 1) = 0.62, branch -(0 + (-1)(1.2) - 0) = 1.2.
    {"together_all_branch_flow", 6, 100, 100, 0, 90, 1.0, 0.62, 1.2, 1e-12},
};

INSTANTIATE_TEST_SUITE_P(Branchings, RuleBranching, ::testing::ValuesIn(kBranches), caseName);

TEST(RuleBranchingLimit, refuses_a_branch_turned_fully_back_instead_of_an_infinite_coefficient) {
    RuleSetup s;
    for (double q2 : {5.0, 1e-9}) {
        s.medium.branchRateOfFlow = q2;
        s.element = element(5, 5, 100, 50, 0, 180);
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
    s.element = element(5, 5, 100, 50, 0, 180);
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
        {10, 1000, 0, 0.981},  // ten metres of water
        {10, 1000, 3, 0.981},   {10, 1000, 50, 0.981},
        {-10, 1000, 1, -0.981},  // a falling line gains pressure
        {0, 1000, 1, 0},        {100, 1.2, 0, 0.0117720},
    };
    for (const Case& k : cases) {
        RuleSetup s;
        s.element = element(10, 1, k.height);
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
}  // namespace tolvane::enginetest
