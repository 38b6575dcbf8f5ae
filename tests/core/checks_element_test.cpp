// The checks that need a column's element besides its texts: fixed
// coefficients in laminar flow, elements outside the range of their rule and
// cavitation at throttling elements, each at its limits; and the limits that
// do not fit together.
#include <gtest/gtest.h>

#include <cmath>

#include "checks/line_checks.h"

namespace tolvane::checks {
namespace {

struct Col {
    ElementKind kind{1, 1};
    double va1 = 100, va2 = 0, va3 = 0;
    std::string reynolds = "1.00E+0005";
    std::string reynolds2;
    std::string zeta = "0.500";
    std::string dropMbar = "10.000";
    std::string medium = "water/liq.";
    bool withElement = true;
};

Col of(Kind kind, double va1, double va2 = 0, double va3 = 0) {
    Col c;
    c.kind = pairOf(kind);
    c.va1 = va1;
    c.va2 = va2;
    c.va3 = va3;
    return c;
}
Col withRe(Col c, const char* re, const char* re2 = "") {
    c.reynolds = re;
    c.reynolds2 = re2;
    return c;
}
Col withZeta(Col c, const char* zeta) {
    c.zeta = zeta;
    return c;
}
Col withDrop(Col c, const char* mbar) {
    c.dropMbar = mbar;
    return c;
}

CalculationTable tableOf(const std::vector<Col>& cols) {
    std::vector<CalculationColumn> columns;
    for (const Col& c : cols) {
        CalculationColumn column{};
        column[Row::Medium] = c.medium;
        column[Row::Density] = "998.200";
        column[Row::Velocity] = "1.000";
        column[Row::Reynolds] = c.reynolds;
        if (!c.reynolds2.empty()) column[Row::Velocity2] = "1.000";
        column[Row::Reynolds2] = c.reynolds2;
        column[Row::Zeta] = c.zeta;
        column[Row::PressureDrop] = c.dropMbar;
        columns.push_back(column);
    }
    CalculationTable table;
    table.setCalculations(columns);
    return table;
}

std::vector<ColumnConditions> conditionsOf(const std::vector<Col>& cols) {
    std::vector<ColumnConditions> out;
    for (const Col& c : cols) {
        ColumnConditions k;
        if (c.withElement) k.element = PipeElement{c.kind, c.va1, c.va2, c.va3, 0.0, 1.0, 0};
        out.push_back(k);
    }
    return out;
}

std::vector<std::string> codesOf(const std::vector<Diagnostic>& d) {
    std::vector<std::string> out;
    for (const Diagnostic& x : d)
        out.push_back(std::to_string(x.column) + " " + x.code + " " + severityWord(x.severity));
    return out;
}

CheckLimits cavitationLimits(double inletBar, double vapourBar) {
    CheckLimits l;
    l.lineInletPressureBar = inletBar;
    l.vapourPressureBar = vapourBar;
    return l;
}

struct ElementCase {
    const char* name;
    std::vector<Col> columns;
    std::vector<std::string> expected;  // "column code severity"
    CheckLimits limits = {};
};
std::ostream& operator<<(std::ostream& os, const ElementCase& c) { return os << c.name; }

class ElementChecks : public testing::TestWithParam<ElementCase> {};

TEST_P(ElementChecks, GiveTheirCodesInColumnOrder) {
    const ElementCase& c = GetParam();
    const CalculationTable table = tableOf(c.columns);
    EXPECT_EQ(codesOf(checkTable(table, OutputSystem::Metric, conditionsOf(c.columns), c.limits)),
              c.expected);
}

const double kSqrt = std::sqrt(0.6) * 100.0;  // D2 of a nozzle with m = 0.6 in D1 = 100

INSTANTIATE_TEST_SUITE_P(Cases, ElementChecks,
                         testing::
                             Values(ElementCase{"laminar_fixed_fittings_below_2000",
                                                {withRe(of(Kind::GlobeValve, 50), "1999"),
                                                 withRe(of(Kind::SharpEdgedEntrance, 50), "2000"),
                                                 withRe(of(Kind::KnownResistance, 50, 3), "150"),
                                                 withRe(of(Kind::SegmentBend, 50, 90), "1500")},
                                                {"1 laminar-fitting caution",
                                                 "2 transition caution",
                                                 "3 laminar-fitting caution",
                                                 "4 laminar-fitting caution"}},
                                    ElementCase{
                                        "coefficients_that_take_re_are_not_fixed",
                                        {withRe(of(Kind::CircularPipe, 50, 10), "1500"),
                                         withRe(of(Kind::CircularMiterBend, 50, 90), "1500"),
                                         withRe(of(Kind::StandardOrifice, 100, 50), "1500", "3000"),
                                         withRe(of(Kind::ThickEdgedOrifice, 100, 50, 10), "1500",
                                                "3000"),
                                         withRe(of(Kind::GradualContraction, 100, 50, 10), "1500",
                                                "3000")},
                                        {"3 transition caution", "4 transition caution",
                                         "5 transition caution"}},
                                    ElementCase{"laminar_branch_of_a_tee",
                                                {withRe(of(Kind::DividingBranch, 100, 25),
                                                        "1.00E+0005", "1200")},
                                                {"1 laminar-fitting caution"}},
                                    ElementCase{
                                        "without_its_element_a_column_is_checked_on_its_texts",
                                        {[] {
                                            Col c = withRe(of(Kind::GlobeValve, 50), "1500");
                                            c.withElement = false;
                                            return c;
                                        }()},
                                        {}},
                                    ElementCase{"standard_orifice_beta_above_075",
                                                {of(Kind::StandardOrifice, 100, 75),
                                                 of(Kind::StandardOrifice, 100, 76),
                                                 of(Kind::SharpEdgedOrifice, 100, 80)},
                                                {"2 correlation-range caution"}},
                                    ElementCase{
                                        "nozzle_in_wide_gaps_and_beyond_its_table",
                                        {of(Kind::Nozzle, 100, kSqrt),  // m 0.6, gap 0.5-0.7
                                         of(Kind::Nozzle, 100,
                                            std::sqrt(0.35) * 100.0),  // gap 0.3-0.4
                                         of(Kind::Nozzle, 100,
                                            std::sqrt(0.45) * 100.0),  // gap 0.4-0.5
                                         of(Kind::Nozzle, 100,
                                            std::sqrt(0.15) * 100.0),  // gap 0.1-0.2
                                         of(Kind::Nozzle, 100,
                                            std::sqrt(0.25) * 100.0),  // gap 0.2-0.3
                                         of(Kind::Nozzle, 100, 30), of(Kind::Nozzle, 100, 60)},
                                        {"1 correlation-range caution",
                                         "4 correlation-range caution",
                                         "5 correlation-range caution",
                                         "6 correlation-range caution"}},
                                    ElementCase{
                                        "open_valves_with_no_coefficient",
                                        {withZeta(of(Kind::GateValve, 100, 100), "0.000"),
                                         withZeta(of(Kind::GateValve, 100, 90), "0.060"),
                                         withZeta(of(Kind::Cock, 100, 0), "0.000"),
                                         withZeta(of(Kind::SwingValve, 100, 0), "0.000"),
                                         withZeta(of(Kind::KnownResistance, 100, 0), "0.000")},
                                        {"1 correlation-range caution",
                                         "3 correlation-range caution",
                                         "4 correlation-range caution"}},
                                    ElementCase{"channel_counts_its_free_surface",
                                                {of(Kind::ChannelPipe, 1000, 500, 10)},
                                                {"1 correlation-range caution"}},
                                    ElementCase{
                                        "bend_ratio_beyond_its_table",
                                        {of(Kind::CircularBend, 50, 49, 90),
                                         of(Kind::CircularBend, 50, 50, 90),
                                         of(Kind::CircularBend, 50, 500, 90),
                                         of(Kind::CircularBend, 50, 501, 90),
                                         // 50 x 50: dh 50 mm
                                         [] {
                                             Col c = of(Kind::RectangularBend, 50, 50, 40);
                                             return c;
                                         }()},
                                        {"1 correlation-range caution",
                                         "4 correlation-range caution",
                                         "5 correlation-range caution"}},
                                    // 3 bar in: the pipe leaves 2 bar, each valve takes its share
                                    // after it.
                                    ElementCase{"cavitation_index_below_2_and_1",
                                                {withDrop(of(Kind::CircularPipe, 50, 10),
                                                          "1000.000"),
                                                 withDrop(of(Kind::GlobeValve, 50),
                                                          "400.000"),  // (1.6 - 0.1) / 0.4
                                                 withDrop(of(Kind::GateValve, 50, 25),
                                                          "600.000"),  // (1.0 - 0.1) / 0.6
                                                 withDrop(of(Kind::Nozzle, 100, 60),
                                                          "600.000")},  // (0.4 - 0.1) / 0.6
                                                {"3 cavitation caution", "4 cavitation warning"},
                                                cavitationLimits(3.0, 0.1)},
                                    ElementCase{"cavitation_needs_both_pressures",
                                                {withDrop(of(Kind::GlobeValve, 50), "2900.000"),
                                                 [] {
                                                     Col c = withDrop(of(Kind::GlobeValve, 50),
                                                                      "100.000");
                                                     c.medium = "air/gas.";
                                                     return c;
                                                 }()},
                                                {"0 mixed-media warning"},
                                                [] {
                                                    CheckLimits l;
                                                    l.lineInletPressureBar = 3.0;
                                                    return l;
                                                }()},
                                    ElementCase{
                                        "cavitation_only_at_throttling_elements_in_a_liquid",
                                        {withDrop(of(Kind::SegmentBend, 50, 90), "2900.000"),
                                         withDrop(of(Kind::SwingCheckValve, 50),
                                                  "60.000"),  // 0.04 / 0.06
                                         [] {
                                             Col c = withDrop(of(Kind::GlobeValve, 50),
                                                              "30.000");  // 0.01 / 0.03
                                             c.medium = "air/gas.";
                                             return c;
                                         }()},
                                        {"2 cavitation warning", "0 mixed-media warning"},
                                        cavitationLimits(3.0, 0.0)}),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(ElementChecks, TextsNameTheirNumbers) {
    const std::vector<Col> cols = {of(Kind::Nozzle, 100, kSqrt),
                                   of(Kind::ChannelPipe, 1000, 500, 10),
                                   withDrop(of(Kind::GlobeValve, 50), "1000.000")};
    const auto found = checkTable(tableOf(cols), OutputSystem::Metric, conditionsOf(cols),
                                  cavitationLimits(2.0, 0.5));
    ASSERT_EQ(found.size(), 3u);
    // Straight line 0.6 against the curve 1 * 1.2^-4.78 = 0.418: 30 % lower.
    EXPECT_EQ(found[0].text,
              "The nozzle's area ratio m = 0.600 lies between the table points 0.5 (ζ 1) and 0.7 "
              "(ζ 0.2), too far apart for a straight line: a smooth curve through them gives a "
              "coefficient 30 % lower here.");
    EXPECT_EQ(found[1].text,
              "The channel is calculated as a closed section B × H: its free surface counts as "
              "wall, so its hydraulic diameter is 666.7 mm instead of the open channel's 1000.0 mm "
              "(4·B·H/(B + 2·H)).");
    // 2 bar - 0.01 - 0.01 - 1 bar = 0.98 bar after the valve.
    EXPECT_EQ(found[2].text,
              "Cavitation index 0.48 = (outlet pressure 0.980 bar − vapour pressure 0.500 bar) / "
              "pressure drop 1.000 bar: below 2 the liquid may cavitate here, below 1 it will.");
    for (const Diagnostic& d : found) EXPECT_EQ(d.helpAnchor, "checks.html#" + d.code);
}

struct LimitsCase {
    const char* name;
    CheckLimits limits;
    std::string problem;
};

TEST(CheckLimits, RefuseWhatDoesNotFitTogether) {
    auto with = [](auto change) {
        CheckLimits l;
        change(l);
        return l;
    };
    const LimitsCase cases[] = {
        {"defaults", {}, ""},
        {"no_liquid_velocity", with([](CheckLimits& l) { l.liquidVelocity = 0; }),
         "The velocity limits must be above 0 m/s."},
        {"kappa_1", with([](CheckLimits& l) { l.kappa = 1.0; }),
         "The isentropic exponent κ must lie above 1 and at most 2."},
        {"kappa_2", with([](CheckLimits& l) { l.kappa = 2.0; }), ""},
        {"drops_reversed", with([](CheckLimits& l) { l.gasDropCaution = 0.5; }),
         "The gas pressure drops must rise from the caution to the warning, above 0 % and at most "
         "100 %."},
        {"drop_100", with([](CheckLimits& l) { l.gasDropWarning = 1.0; }), ""},
        {"mach_equal", with([](CheckLimits& l) { l.machWarning = 0.2; }),
         "The Mach numbers must rise from the caution to the warning, above 0 and at most 1."},
        {"nan_mach", with([](CheckLimits& l) { l.machCaution = NAN; }),
         "The Mach numbers must rise from the caution to the warning, above 0 and at most 1."},
        {"inlet_0", with([](CheckLimits& l) { l.lineInletPressureBar = 0.0; }),
         "The line's inlet pressure (absolute) must be above 0 bar."},
        {"vapour_0", with([](CheckLimits& l) { l.vapourPressureBar = 0.0; }), ""},
        {"vapour_negative", with([](CheckLimits& l) { l.vapourPressureBar = -0.1; }),
         "The vapour pressure must not be below 0 bar."},
    };
    for (const LimitsCase& c : cases) EXPECT_EQ(limitsProblem(c.limits), c.problem) << c.name;
}

TEST(CheckLimits, TextsNameTheLimitsGiven) {
    CheckLimits l;
    l.liquidVelocity = 2.5;
    l.gasDropCaution = 0.05;
    l.machCaution = 0.15;
    std::vector<ColumnConditions> conditions(1);
    conditions[0].inletPressureBar = 5.0;
    CalculationTable table;
    CalculationColumn water{}, air{};
    water[Row::Medium] = "water/liq.";
    water[Row::Velocity] = "2.600";
    air[Row::Medium] = "air/gas.";
    air[Row::Density] = "5.950";
    air[Row::Velocity] = "60.000";       // Mach 0.17 at c = 343 m/s
    air[Row::PressureDrop] = "300.000";  // 6 % of 5 bar
    table.setCalculations({air, water});
    const auto found = checkTable(table, OutputSystem::Metric, conditions, l);
    ASSERT_EQ(codesOf(found),
              (std::vector<std::string>{"1 velocity caution", "1 mach caution",
                                        "1 gas-pressure-drop caution", "2 velocity caution",
                                        "0 mixed-media warning"}));
    EXPECT_EQ(found[1].text,
              "Mach number 0.17 (speed of sound 343 m/s): above 0.15 the gas cannot be treated as "
              "incompressible.");
    EXPECT_EQ(found[2].text,
              "The pressure drop is 6.0 % of the inlet pressure 5.000 bar: the simple gas "
              "correction holds up to 5 % (with care 40 %).");
    EXPECT_EQ(found[3].text,
              "Velocity 2.60 m/s is above the usual limit of 2.5 m/s for a liquid line (noise, "
              "erosion, water hammer).");
}

}  // namespace
}  // namespace tolvane::checks
