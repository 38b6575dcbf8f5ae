// Orifices: the three correlations, their range-of-validity boxes, the
// thick-edged orifice's bore friction and long bores; and the kinds whose
// coefficient the plant curve supplies in silent mode.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/engine_harness.h"

namespace tolvane::enginetest {
namespace {

const std::string kDinText = "An exact calculation is only possible in the range 5000=< Re =<10^7!";
const std::string kSharpText = "An exact calculation is only possible at Re > 10^5!";
const std::string kThickText = "An exact calculation is only possible atRe >4000 !";

// ---- coefficients ----

struct OrificeCase {
    const char* name;
    PipeElement element;
    double reynolds, reynolds2;
    double zeta;
    double tolerance;
};

class RuleOrifice : public ::testing::TestWithParam<OrificeCase> {};

TEST_P(RuleOrifice, matches_the_correlation_worked_by_hand) {
    const OrificeCase& k = GetParam();
    RuleSetup s;
    s.element = k.element;
    s.state.reynolds = k.reynolds;
    s.state.reynolds2 = k.reynolds2;
    s.silent = true;  // no boxes in the way
    const RuleRun run = runRule(s);
    EXPECT_NEAR(run.result.zeta, k.zeta, k.tolerance);
    EXPECT_NEAR(run.result.pressureDrop, run.result.zeta, 1e-9);
}

const std::vector<OrificeCase> kOrifices = {
    // Stolz discharge coefficient, m = 0.25 at Re = 10^6: Cd = 0.602972.
    {"din_m_0_25_re_1e6", element(9, 1, 100, 50), 1e6, 2e6, 30.2559197, 1e-6},
    {"din_m_0_5_re_5000", element(9, 1, 100, 100 * std::sqrt(0.5)), 5000, 0, 3.2129451, 1e-6},
    {"din_m_0_05_re_1e7", element(9, 1, 100, 100 * std::sqrt(0.05)), 1e7, 0, 1053.62892, 1e-4},
    {"din_m_0_64_re_3e4", element(9, 1, 100, 80), 3e4, 0, 1.4753012, 1e-6},
    // (0.707 * 0.75^0.375 + 0.75)² / 0.0625
    {"sharp_m_0_25", element(9, 2, 100, 50), 2e5, 4e5, 30.6782335, 1e-6},
    // L/D2 = 0.2: tau = 0.7071 (1 - tanh(-1.0346)), bore friction 0.22/10.
    {"thick_short_bore", element(9, 3, 100, 50, 10), 5e4, 1e5, 28.1195603, 1e-6},
};

INSTANTIATE_TEST_SUITE_P(Orifices, RuleOrifice, ::testing::ValuesIn(kOrifices), caseName);

// A bore long enough that tanh is 1: zeta m² = (1-m)² + 0.5 (1-m) + lambda L/D2,
// which gives the bore's friction factor back.
double boreFrictionFactor(double reynolds2, double relativeLength) {
    RuleSetup s;
    s.element = element(9, 3, 100, 50, 50 * relativeLength);
    s.state.reynolds2 = reynolds2;
    s.silent = true;
    const RuleRun run = runRule(s);
    const double m = 0.25;
    return (run.result.zeta * m * m - (1 - m) * (1 - m) - 0.5 * (1 - m)) / relativeLength;
}

TEST(RuleThickOrifice, bore_friction_is_laminar_up_to_2300_and_turbulent_above) {
    struct Case {
        double reynolds2, lambda;
    };
    const Case cases[] = {
        {2300, 64.0 / 2300},
        {2301, 0.22 / std::pow(2301.0, 0.2)},
        {1000, 0.064},
        {1e5, 0.022},
    };
    for (const Case& k : cases)
        EXPECT_NEAR(boreFrictionFactor(k.reynolds2, 40), k.lambda, 1e-9) << "Re2 " << k.reynolds2;
}

TEST(RuleThickOrifice, stays_finite_for_very_long_bores) {
    for (double relativeLength : {157.0, 160.0, 400.0, 1000.0, 1e6}) {
        RuleSetup s;
        s.element = element(9, 3, 100, 50, 50 * relativeLength);
        s.state.reynolds2 = 1e5;
        s.silent = true;
        const RuleRun run = runRule(s);
        ASSERT_TRUE(std::isfinite(run.result.zeta)) << "L/D2 " << relativeLength;
        ASSERT_TRUE(std::isfinite(run.result.pressureDrop)) << "L/D2 " << relativeLength;
        // The contraction term has died away: only the friction of the bore grows.
        const double expected = (0.5625 + 0.375 + 0.022 * relativeLength) / 0.0625;
        EXPECT_NEAR(run.result.zeta, expected, 1e-9 * expected) << "L/D2 " << relativeLength;
    }
}

TEST(RuleThickOrifice, contraction_factor_is_half_root_two_at_the_turning_length) {
    // At L/D2 = 0.657, tanh(0) = 0 and tau = 0.7071.
    RuleSetup s;
    s.element = element(9, 3, 100, 50, 50 * 0.657);
    s.state.reynolds2 = 1e5;
    s.silent = true;
    const RuleRun run = runRule(s);
    const double tau = std::sqrt(0.5);
    const double expected =
        (0.5625 + (0.5 + tau * std::sqrt(0.75)) * 0.75 + 0.022 * 0.657) / 0.0625;
    EXPECT_NEAR(run.result.zeta, expected, 1e-9);
}

// ---- range-of-validity boxes ----

struct BoxCase {
    const char* name;
    int variant;
    double reynolds, reynolds2;
    const std::string* text;  // null: no box
};

class RuleOrificeRangeBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(RuleOrificeRangeBox, informs_once_outside_the_range_and_still_calculates) {
    const BoxCase& b = GetParam();
    RuleSetup s;
    s.element = element(9, b.variant, 100, 50, 10);
    s.state.reynolds = b.reynolds;
    s.state.reynolds2 = b.reynolds2;
    const RuleRun run = runRule(s);
    if (b.text) {
        ASSERT_EQ(run.messages.size(), 1u);
        EXPECT_EQ(run.messages[0], (Message{MessageType::Information, *b.text, {}}));
    } else {
        EXPECT_TRUE(run.messages.empty());
    }
    EXPECT_FALSE(run.result.calcError);
    EXPECT_GT(run.result.zeta, 0);
    EXPECT_TRUE(std::isfinite(run.result.pressureDrop));
}

TEST_P(RuleOrificeRangeBox, shows_nothing_in_silent_mode) {
    const BoxCase& b = GetParam();
    RuleSetup s;
    s.element = element(9, b.variant, 100, 50, 10);
    s.state.reynolds = b.reynolds;
    s.state.reynolds2 = b.reynolds2;
    s.state.zeta = 1.0;  // the coefficient the plant curve loads for a Venturi tube
    s.silent = true;
    const RuleRun run = runRule(s);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_GT(run.result.zeta, 0);
}

const std::vector<BoxCase> kBoxes = {
    {"din_5000", 1, 5000, 1e4, nullptr},
    {"din_4999", 1, 4999, 1e4, &kDinText},
    {"din_2320", 1, 2320, 1e4, &kDinText},
    {"din_1e7", 1, 1e7, 2e7, nullptr},
    {"din_1e7_plus_1", 1, 1e7 + 1, 2e7, &kDinText},
    {"din_inside", 1, 1e5, 2e5, nullptr},
    {"sharp_1e5", 2, 1e5, 2e5, nullptr},
    {"sharp_99999", 2, 99999, 2e5, &kSharpText},
    {"sharp_high", 2, 1e8, 2e8, nullptr},
    // The thick-edged orifice looks at the bore's Reynolds number only.
    {"thick_re2_4000", 3, 2400, 4000, nullptr},
    {"thick_re2_3999", 3, 1e6, 3999.9, &kThickText},
    {"thick_re2_high", 3, 2400, 1e5, nullptr},
    {"nozzle_never", 4, 2400, 4800, nullptr},
    {"venturi_never", 5, 2400, 4800, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Orifices, RuleOrificeRangeBox, ::testing::ValuesIn(kBoxes), caseName);

// ---- silent mode ----

struct SilentCase {
    const char* name;
    PipeElement element;
    bool keepsCallerZeta;
    double ownZeta;  // what the rule gives when not silent
};

class RuleSilentMode : public ::testing::TestWithParam<SilentCase> {};

TEST_P(RuleSilentMode, keeps_the_loaded_coefficient_only_where_it_came_from_an_option) {
    const SilentCase& k = GetParam();
    const double loaded = 3.7;
    RuleSetup s;
    s.element = k.element;
    s.state.zeta = loaded;
    s.medium.density = 1000;
    s.state.velocity = 2;
    s.silent = true;
    const RuleRun silent = runRule(s);
    const double zeta = k.keepsCallerZeta ? loaded : k.ownZeta;
    EXPECT_NEAR(silent.result.zeta, zeta, 1e-12);
    EXPECT_NEAR(silent.result.pressureDrop, zeta * 0.02, 1e-12);
    EXPECT_TRUE(silent.messages.empty());

    s.silent = false;
    const RuleRun shown = runRule(s);
    EXPECT_NEAR(shown.result.zeta, k.ownZeta, 1e-12);
}

const std::vector<SilentCase> kSilent = {
    {"lyra_bend", element(6, 2, 100, 0, 0, 0, 1), true, 1.4},
    {"globe_valve", element(7, 1, 100, 0, 0, 0, 0), true, 6.5},
    {"venturi", element(9, 5, 100, 100 * std::sqrt(0.6), 0, 0, 1), true, 0.2},
    {"compensator", element(6, 1, 100, 4), false, 0.8},
    {"globe_valve_y_pattern", element(7, 2, 100), false, 2.0},
    {"cock", element(7, 5, 100, 50), false, 95.3},
    {"check_valve_swing", element(8, 3, 200), false, 1.0},
    {"nozzle", element(9, 4, 100, 100 * std::sqrt(0.7)), false, 0.2},
    {"tee", element(5, 1, 100), false, 1.3},
    {"known_coefficient", element(10, 2, 100, 1.5), false, 1.5},
};

INSTANTIATE_TEST_SUITE_P(Kinds, RuleSilentMode, ::testing::ValuesIn(kSilent), caseName);

}  // namespace
}  // namespace tolvane::enginetest
