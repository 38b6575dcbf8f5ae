// The fittings, valves, orifices and diverse elements run as the Calculate
// command runs them: flow state, regime, rule, gas correction, quantity.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/engine_harness.h"

namespace tolvane::enginetest {
namespace {

const std::string kDinText = "An exact calculation is only possible in the range 5000=< Re =<10^7!";

struct WorkedCase {
    const char* name;
    PipeElement element;
    double rate;  // m³/h of water, turbulent in every case
    double zeta;
    double tolerance;
};

class RuleWorkedExample : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(RuleWorkedExample, gives_the_published_coefficient_and_its_pressure_drop) {
    const WorkedCase& k = GetParam();
    EngineCase s{.element = k.element, .medium = water(k.rate)};
    const EngineRun run = calculate(s);
    ASSERT_FALSE(run.result.calcError);
    EXPECT_FALSE(run.result.isLaminar);
    EXPECT_NEAR(run.result.zeta, k.zeta, k.tolerance);
    // w = Q / (3600 pi/4 D²).
    const double w = k.rate / 3600.0 / (std::acos(-1.0) / 4 * k.element.va1 * k.element.va1 / 1e6);
    EXPECT_NEAR(run.result.velocity, w, 1e-12 * w);
    EXPECT_NEAR(run.result.pressureDrop,
                k.element.quantity * dynamicPressureBar(run.result.zeta, 1000, w), 1e-12);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.roughnessQueries, 0);
}

const double kRootOf0_6 = std::sqrt(0.6), kRootOf0_7 = std::sqrt(0.7);

const std::vector<WorkedCase> kWorked = {
    {"tee_sharp_edged", element(5, 1, 100), 50, 1.3, 1e-12},
    {"tee_globular", element(5, 2, 100), 50, 5.0, 1e-12},
    {"tee_rounded_bottom_plain", element(5, 3, 100), 50, 0.7, 1e-12},
    {"tee_globular_neck_rounded", element(5, 4, 100, 0, 0, 0, 0, 4), 50, 0.9, 1e-12},
    {"y_pipe_straight_90", element(5, 7, 100, 90), 50, 1.4, 1e-12},
    {"y_pipe_bent_2", element(5, 8, 100, 200), 50, 0.2, 1e-12},
    {"compensator_3_ridges", element(6, 1, 100, 3), 50, 0.6, 1e-12},
    {"lyra_bend_corrugated", element(6, 2, 100, 0, 0, 0, 1), 50, 1.4, 1e-12},
    {"u_bend_1", element(6, 3, 100, 100), 50, 0.27, 1e-12},
    {"u_bend_8", element(6, 3, 100, 800), 50, 0.21, 1e-12},
    {"lyra_bend_smooth", element(6, 2, 100, 0, 0, 0, 0), 50, 0.7, 1e-12},
    {"globe_valve_forged", element(7, 1, 100, 0, 0, 0, 0), 50, 6.5, 1e-12},
    {"globe_valve_cast", element(7, 1, 100, 0, 0, 0, 1), 50, 4.0, 1e-12},
    {"globe_valve_y_pattern", element(7, 2, 100), 50, 2.0, 1e-12},
    {"angle_valve", element(7, 3, 100), 50, 3.0, 1e-12},
    {"check_valve_globe_lift", element(8, 1, 100), 50, 5.5, 1e-12},
    {"check_valve_globe_lift_y_pattern", element(8, 2, 100), 50, 2.5, 1e-12},
    {"gate_valve_open", element(7, 4, 100, 100), 50, 0.0, 1e-12},
    {"gate_valve_quarter", element(7, 4, 100, 25), 50, 22.5, 1e-9},
    {"cock_50", element(7, 5, 100, 50), 50, 95.3, 1e-9},
    {"swing_valve_70", element(7, 6, 100, 70, 0, 0, 0, 2), 50, 251, 1e-9},
    {"check_valve_swing_20", element(8, 3, 20), 2, 2.2, 1e-12},
    {"check_valve_swing_175", element(8, 3, 175), 50, 1.25, 1e-9},
    {"check_valve_swing_200", element(8, 3, 200), 50, 1.0, 1e-12},
    {"orifice_sharp_m_0_25", element(9, 2, 100, 50), 50, 30.678, 1e-3},
    {"nozzle_0_7", element(9, 4, 100, 100 * kRootOf0_7), 50, 0.2, 1e-9},
    {"venturi_0_6_15_degree", element(9, 5, 100, 100 * kRootOf0_6, 0, 0, 0), 50, 0.15, 1e-9},
    {"venturi_0_6_30_degree", element(9, 5, 100, 100 * kRootOf0_6, 0, 0, 1), 50, 0.2, 1e-9},
    {"known_coefficient", element(10, 2, 100, 2.0, 0, 0, 0, 3), 50, 2.0, 1e-12},
};

INSTANTIATE_TEST_SUITE_P(Kinds, RuleWorkedExample, ::testing::ValuesIn(kWorked),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(RuleThroughEngine, every_kind_with_a_coefficient_refuses_laminar_flow_without_a_range_box) {
    const std::vector<PipeElement> kinds = {
        element(5, 1, 100),         element(5, 5, 100, 50, 0, 45),
        element(5, 7, 100, 45),     element(5, 8, 100, 100),
        element(6, 1, 100, 3),      element(6, 2, 100),
        element(6, 3, 100, 200),    element(7, 1, 100),
        element(7, 4, 100, 50),     element(7, 5, 100, 30),
        element(7, 6, 100, 30),     element(8, 3, 100),
        element(9, 1, 100, 50),     element(9, 2, 100, 50),
        element(9, 3, 100, 50, 10), element(9, 4, 100, 70),
        element(9, 5, 100, 70),     element(10, 2, 100, 2)};
    for (const PipeElement& e : kinds) {
        EngineCase s{.element = e, .medium = water(0.5)};
        s.medium.branchRateOfFlow = 0.1;
        const EngineRun run = calculate(s);
        EXPECT_TRUE(run.result.calcError) << kindLabel(e.kind);
        ASSERT_EQ(run.messages.size(), 1u) << kindLabel(e.kind);
        EXPECT_EQ(run.messages[0].text, kLaminarMessage) << kindLabel(e.kind);
    }
}

TEST(RuleThroughEngine, vertical_difference_weighs_the_column_at_any_rate_of_flow) {
    struct Case {
        double rate, height, quantity, drop;
    };
    const Case cases[] = {{0, 10, 1, 0.981},
                          {10, 10, 1, 0.981},
                          {500, 10, 1, 0.981},
                          {10, 10, 2, 1.962},
                          {10, -10, 1, -0.981}};
    for (const Case& k : cases) {
        EngineCase s{.element = element(10, 1, k.height, 0, 0, 0, 0, k.quantity),
                     .medium = water(k.rate)};
        const EngineRun run = calculate(s);
        EXPECT_FALSE(run.result.calcError) << k.rate << " m3/h, H " << k.height;
        EXPECT_NEAR(run.result.pressureDrop, k.drop, 1e-12) << k.rate << " m3/h, H " << k.height;
        EXPECT_EQ(run.result.reynolds, 0.0);
        EXPECT_TRUE(run.messages.empty());
    }
}

TEST(RuleThroughEngine, quantity_and_gas_act_on_the_main_drop_of_a_branch_only) {
    EngineCase s{.element = element(5, 6, 100, 100, 0, 90, 0, 1), .medium = water(50)};
    s.medium.branchRateOfFlow = 25;  // q = 0.5, f = 1, r = 0: 0.4125 and 0.32
    const EngineRun one = calculate(s);
    ASSERT_FALSE(one.result.calcError);
    EXPECT_NEAR(one.result.zeta, 0.4125, 1e-12);
    EXPECT_NEAR(one.result.zeta2, 0.32, 1e-12);
    const double w = one.result.velocity;
    EXPECT_NEAR(one.result.pressureDrop2, dynamicPressureBar(0.32, 1000, w) * 1000, 1e-9);
    EXPECT_GT(one.result.reynolds2, 0);

    s.element.quantity = 3;
    const EngineRun three = calculate(s);
    EXPECT_NEAR(three.result.pressureDrop, 3 * one.result.pressureDrop, 1e-15);
    EXPECT_DOUBLE_EQ(three.result.pressureDrop2, one.result.pressureDrop2);
    EXPECT_DOUBLE_EQ(three.result.zeta2, one.result.zeta2);
}

TEST(RuleThroughEngine, orifice_range_box_at_the_exact_boundary) {
    const PipeElement din = element(9, 1, 100, 50);
    struct Case {
        double reynolds;
        bool box;
    };
    for (const Case& k : {Case{5000, false}, Case{4999, true}, Case{1e7, false}}) {
        EngineCase s{.element = din, .medium = water(1)};
        s.medium.rateOfFlow = rateForReynolds(din, s.medium, k.reynolds);
        const EngineRun run = calculate(s);
        EXPECT_FALSE(run.result.calcError) << k.reynolds;
        EXPECT_EQ(run.messages.size(), k.box ? 1u : 0u) << "Re " << run.result.reynolds;
        if (k.box && !run.messages.empty()) {
            EXPECT_EQ(run.messages[0], (Message{MessageType::Information, kDinText, {}}));
        }
        s.silent = true;
        EXPECT_TRUE(calculate(s).messages.empty()) << k.reynolds;
    }
}

TEST(RuleThroughEngine, silent_plant_curve_keeps_the_loaded_coefficient) {
    struct Case {
        const char* name;
        PipeElement element;
    };
    const Case cases[] = {{"lyra_bend", element(6, 2, 100, 0, 0, 0, 0)},
                          {"globe_valve", element(7, 1, 100, 0, 0, 0, 1)},
                          {"venturi", element(9, 5, 100, 70)}};
    for (const Case& k : cases) {
        for (double rate : {20.0, 80.0}) {
            EngineCase s{.element = k.element, .medium = water(rate), .silent = true};
            s.start.zeta = 2.75;
            const EngineRun run = calculate(s);
            EXPECT_FALSE(run.result.calcError) << k.name;
            EXPECT_DOUBLE_EQ(run.result.zeta, 2.75) << k.name;
            EXPECT_NEAR(run.result.pressureDrop,
                        dynamicPressureBar(2.75, 1000, run.result.velocity), 1e-12)
                << k.name;
        }
    }
}

TEST(RuleThroughEngine, long_thick_orifice_and_reversed_branch_never_give_infinities) {
    EngineCase bore{.element = element(9, 3, 100, 50, 50000), .medium = water(50)};
    const EngineRun longBore = calculate(bore);  // L/D2 = 1000
    EXPECT_FALSE(longBore.result.calcError);
    EXPECT_TRUE(allFinite(longBore.result));
    // The contraction term has died away; what is left is the bore's friction.
    const double lambda = 0.22 / std::pow(longBore.result.reynolds2, 0.2);
    EXPECT_NEAR(longBore.result.zeta, (0.5625 + 0.375 + lambda * 1000) / 0.0625, 1e-9);

    EngineCase back{.element = element(5, 5, 100, 50, 0, 180), .medium = water(50)};
    back.medium.branchRateOfFlow = 10;
    const EngineRun reversed = calculate(back);
    EXPECT_TRUE(reversed.result.calcError);
    EXPECT_TRUE(allFinite(reversed.result));
    ASSERT_EQ(reversed.messages.size(), 1u);
    EXPECT_EQ(reversed.messages[0].text, kNotPossibleMessage);
}

}  // namespace
}  // namespace tolvane::enginetest
