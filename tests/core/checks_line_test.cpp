// The checks of a table read from its texts: each code at its limits, in
// metric and US texts, gas checks only where the inlet pressure is known,
// and the table itself never changed.
#include <gtest/gtest.h>

#include "checks/line_checks.h"

namespace tolvane::checks {
namespace {

struct Col {
    std::string medium = "water/liq.";
    std::string density = "998.200";
    std::string velocity = "1.000";
    std::string reynolds = "1.00E+0005";
    std::string dropMbar = "10.000";
    std::string velocity2, reynolds2;
};

CalculationTable tableOf(const std::vector<Col>& cols) {
    std::vector<CalculationColumn> columns;
    for (const Col& c : cols) {
        CalculationColumn column{};
        column[Row::Medium] = c.medium;
        column[Row::Density] = c.density;
        column[Row::Velocity] = c.velocity;
        column[Row::Reynolds] = c.reynolds;
        column[Row::Velocity2] = c.velocity2;
        column[Row::Reynolds2] = c.reynolds2;
        column[Row::PressureDrop] = c.dropMbar;
        columns.push_back(column);
    }
    CalculationTable table;
    table.setCalculations(columns);
    return table;
}

std::vector<std::string> codesOf(const std::vector<Diagnostic>& d) {
    std::vector<std::string> out;
    for (const Diagnostic& x : d)
        out.push_back(std::to_string(x.column) + " " + x.code + " " + severityWord(x.severity));
    return out;
}

Col air(const char* velocity, const char* dropMbar) {
    Col c;
    c.medium = "air/gas.";
    c.density = "5.950";
    c.velocity = velocity;
    c.dropMbar = dropMbar;
    return c;
}

struct CheckCase {
    const char* name;
    std::vector<Col> columns;
    std::vector<ColumnConditions> conditions;
    std::vector<std::string> expected;  // "column code severity"
};
std::ostream& operator<<(std::ostream& os, const CheckCase& c) { return os << c.name; }

class LineChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(LineChecks, GiveTheirCodesInColumnOrder) {
    const CheckCase& c = GetParam();
    const CalculationTable table = tableOf(c.columns);
    const std::string before = table.clipboardText();
    EXPECT_EQ(codesOf(checkTable(table, OutputSystem::Metric, c.conditions)), c.expected);
    EXPECT_EQ(table.clipboardText(), before);
}

Col withRe(const char* re) {
    Col c;
    c.reynolds = re;
    return c;
}
Col withVelocity(const char* w) {
    Col c;
    c.velocity = w;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineChecks,
    testing::Values(
        CheckCase{"quiet_water", {Col{}}, {}, {}},
        CheckCase{"transition_edges",
                  {withRe("1999"), withRe("2000"), withRe("2998"), withRe("4000"), withRe("4001")},
                  {},
                  {"2 transition caution", "3 transition caution", "4 transition caution"}},
        CheckCase{"transition_of_the_branch",
                  {[] {
                      Col c;
                      c.velocity2 = "0.500";
                      c.reynolds2 = "3000";
                      return c;
                  }()},
                  {},
                  {"1 transition caution"}},
        CheckCase{"liquid_velocity_limit",
                  {withVelocity("3.000"), withVelocity("3.010"), withVelocity("9.900")},
                  {},
                  {"2 velocity caution", "3 velocity caution"}},
        CheckCase{"vertical_difference_has_no_flow_to_check",
                  {[] {
                      Col c;
                      c.velocity = "";
                      c.reynolds = "";
                      return c;
                  }()},
                  {},
                  {}},
        // c = sqrt(1.4 * 5e5 / 5.95) = 343.0 m/s; 10 % of 5 bar is 500 mbar.
        CheckCase{"gas_without_inlet_pressure_checks_velocity_only",
                  {air("84.880", "2175.000")},
                  {},
                  {"1 velocity caution"}},
        CheckCase{"gas_drop_and_mach_limits",
                  {air("20.000", "500.000"), air("68.700", "501.000"), air("25.000", "2000.000"),
                   air("172.000", "2001.000")},
                  {{5.0, {}}, {5.0, {}}, {5.0, {}}, {5.0, {}}},
                  {"2 velocity caution", "2 mach caution", "2 gas-pressure-drop caution",
                   "3 gas-pressure-drop caution", "4 velocity caution", "4 mach warning",
                   "4 gas-pressure-drop warning", "4 gas-line-pressure error"}},
        CheckCase{"gas_line_adds_its_columns",
                  {air("20.000", "300.000"), air("20.000", "300.000")},
                  {{5.0, {}}, {5.0, {}}},
                  {"2 gas-line-pressure caution"}},
        CheckCase{"mixed_media_is_the_tables",
                  {Col{}, air("20.000", "1.000")},
                  {},
                  {"0 mixed-media warning"}}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(LineChecks, UsTextsAreReadInTheirUnits) {
    // 32.808 ft/s = 10 m/s; 2.088 lbw./sq.ft. = 1 mbar; 0.371 lb./cu.ft. = 5.94 kg/m³.
    Col c = air("295.276", "20885.434");  // 90 m/s, 10 bar of drop
    c.density = "0.371";
    const auto found =
        codesOf(checkTable(tableOf({c}), OutputSystem::US, {{ColumnConditions{5.0, {}}}}));
    EXPECT_EQ(found, (std::vector<std::string>{"1 velocity caution", "1 mach caution",
                                               "1 gas-pressure-drop warning"}));
}

TEST(LineChecks, SummaryCountsEachSeverityWorstFirst) {
    auto d = [](Severity s) { return Diagnostic{1, "x", s, "", ""}; };
    EXPECT_EQ(checksSummary({}), "");
    EXPECT_EQ(checksSummary({d(Severity::Caution)}), "Checks: 1 caution (View > Checks)");
    EXPECT_EQ(checksSummary({d(Severity::Caution), d(Severity::Error), d(Severity::Caution),
                             d(Severity::Warning)}),
              "Checks: 1 error, 1 warning, 2 cautions (View > Checks)");
}

TEST(LineChecks, EveryDiagnosticNamesItsHelpParagraph) {
    const auto found = checkTable(tableOf({withRe("3000"), air("100.000", "4000.000")}),
                                  OutputSystem::Metric, {{}, {5.0, {}}});
    ASSERT_FALSE(found.empty());
    for (const Diagnostic& d : found) EXPECT_EQ(d.helpAnchor, "checks.html#" + d.code);
}

}  // namespace
}  // namespace tolvane::checks
