// The calculation table as data: headings, total, delete, moving columns,
// the unit switch of the whole table, clipboard text and zoom.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include "results/calculation_table.h"
#include "results/shown_values.h"
#include "shell/column_from_form.h"
#include "shell/element_panel.h"
#include "base/input_number.h"
#include "base/number_format.h"

namespace tolvane {
namespace {

using Cells = std::map<int, std::string>;

CalculationColumn columnOf(const Cells& cells) {
    CalculationColumn c;
    for (const auto& [row, text] : cells) c[row] = text;
    return c;
}

CalculationTable tableOf(const std::vector<Cells>& columns,
                         OutputSystem system = OutputSystem::Metric, int decimals = 3) {
    CalculationTable t;
    std::vector<CalculationColumn> calcs;
    for (const Cells& c : columns) calcs.push_back(columnOf(c));
    t.setCalculations(std::move(calcs));
    t.renumber();
    t.writeHeadings(system, decimals);
    return t;
}

TEST(CalculationTable, EmptyTableShowsZeroInItsSystem) {
    CalculationTable t;
    EXPECT_EQ(t.ColCount(), 2);
    EXPECT_FALSE(t.hasValues());
    EXPECT_EQ(t.totalText(), "0.00 bar");
    EXPECT_EQ(t.cell(1, Row::Number), "1");
    EXPECT_EQ(t.cell(0, Row::RateOfFlow), "Rate of flow in m³/h");
    EXPECT_EQ(t.columnWidths(), (std::vector<int>{145, 150}));
    t.writeHeadings(OutputSystem::US, 3);
    EXPECT_EQ(t.totalText(), "0.00 psi");
    EXPECT_EQ(t.cell(0, Row::RateOfFlow), "Rate of flow in gal/min:");
    EXPECT_EQ(t.cell(0, Row::Roughness), "Absolute roughness in in.");
    EXPECT_EQ(t.cell(0, Row::PressureDrop2), "Press.drop branch.pipe lbw./sq.ft.:");
    EXPECT_FALSE(t.deleteColumn(1, OutputSystem::US, 3));
}

struct TotalCase {
    const char* name;
    std::vector<std::string> drops;  // row 23 of each calculation
    OutputSystem system;
    int decimals;
    const char* expected;
};

class Total : public ::testing::TestWithParam<TotalCase> {};

TEST_P(Total, SumsRow23AsDisplayed) {
    const TotalCase& c = GetParam();
    std::vector<Cells> cols;
    for (const std::string& d : c.drops)
        cols.push_back({{Row::Element, "Cock/1"}, {Row::PressureDrop, d}});
    CalculationTable t = tableOf(cols, c.system, c.decimals);
    t.updateTotal(c.system, c.decimals);
    EXPECT_EQ(t.totalText(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Results, Total,
    ::testing::Values(
        TotalCase{"MbarAboveLimitIsExponent",
                  {"12345.000"},
                  OutputSystem::Metric,
                  3,
                  " 1.23E+0004 mbar or 12.345 bar"},
        TotalCase{
            "LimitItselfIsFixed", {"9999"}, OutputSystem::Metric, 3, "9999.000 mbar or 9.999 bar"},
        TotalCase{"ReadsExponentCommaAndEmpty",
                  {" 1.23E+0004", "7", "", "0,5"},
                  OutputSystem::Metric,
                  1,
                  " 1.23E+0004 mbar or 12.3 bar"},
        TotalCase{"UsInPsi", {"100", "44"}, OutputSystem::US, 2, "144.00 lbw./sq.ft. or 1.00 psi"},
        TotalCase{"NegativeHugeIsExponent",
                  {"-9.8E+0011"},
                  OutputSystem::Metric,
                  3,
                  "-9.80E+0011 mbar or -980000000. bar"},
        TotalCase{"NoDecimals", {"1.4", "1.4"}, OutputSystem::Metric, 0, "3 mbar or 0 bar"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CalculationTable, DeleteRenumbersAndDropsTheTotal) {
    CalculationTable t = tableOf({{{Row::Element, "A/1"}, {Row::PressureDrop, "1.000"}},
                                  {{Row::Element, "B/1"}, {Row::PressureDrop, "2.000"}},
                                  {{Row::Element, "C/1"}, {Row::PressureDrop, "4.000"}}});
    t.updateTotal(OutputSystem::Metric, 3);
    EXPECT_EQ(t.totalText(), "7.000 mbar or 0.007 bar");

    EXPECT_FALSE(t.deleteColumn(0, OutputSystem::Metric, 3));  // heading column
    EXPECT_FALSE(t.deleteColumn(4, OutputSystem::Metric, 3));  // trailing column
    EXPECT_EQ(t.calculationCount(), 3);

    EXPECT_TRUE(t.deleteColumn(1, OutputSystem::Metric, 3));
    EXPECT_EQ(t.calculationCount(), 2);
    EXPECT_EQ(t.cell(1, Row::Element), "B/1");
    EXPECT_EQ(t.cell(2, Row::Element), "C/1");
    EXPECT_EQ(t.cell(1, Row::Number), "1");
    EXPECT_EQ(t.cell(2, Row::Number), "2");
    EXPECT_EQ(t.cell(3, Row::Number), "3");
    EXPECT_EQ(t.totalText(), "6.000 mbar or 0.006 bar");

    EXPECT_TRUE(t.deleteColumn(2, OutputSystem::Metric, 3));
    EXPECT_TRUE(t.deleteColumn(1, OutputSystem::Metric, 3));
    EXPECT_FALSE(t.hasValues());
    EXPECT_EQ(t.totalText(), "0.000 mbar or 0.000 bar");
    EXPECT_EQ(t.cell(1, Row::Number), "1");
}

// The total is the sum of the row-23 texts in column order, whatever was done
// to the table before. The values make the order matter (1e16, 1, 1, -1e16,
// 2.5 add up to 2.5 from left to right, to 4.5 with the first moved to the
// third place), so the sum must be exactly the one of the texts as they stand.
double sumOfTexts(const CalculationTable& t) {
    double sum = 0.0;
    for (int c = 1; c < t.ColCount() - 1; ++c)
        sum += readNumber(t.cell(c, Row::PressureDrop)).value_or(0.0);
    return sum;
}

struct TableStep {
    const char* what;
    std::function<void(CalculationTable&)> apply;
};

struct TotalScript {
    const char* name;
    std::vector<TableStep> steps;
};

void appendDrop(CalculationTable& t, const std::string& drop) {
    t.setCell(t.trailingColumn(), Row::Element, "Cock/1");
    t.setCell(t.trailingColumn(), Row::PressureDrop, drop);
    t.addTrailingColumn();
}

class TotalFollowsTheTexts : public ::testing::TestWithParam<TotalScript> {};

TEST_P(TotalFollowsTheTexts, AfterEveryChange) {
    CalculationTable t;
    for (const TableStep& step : GetParam().steps) {
        step.apply(t);
        t.updateTotal(OutputSystem::Metric, 3);
        const double expected = sumOfTexts(t);
        const double total = t.total();
        EXPECT_EQ(std::memcmp(&expected, &total, sizeof total), 0)
            << "after " << step.what << ": total " << total << ", texts add up to " << expected;
    }
}

const std::vector<TableStep> kAppends = {
    {"append 1e16", [](CalculationTable& t) { appendDrop(t, "1E16"); }},
    {"append 1", [](CalculationTable& t) { appendDrop(t, "1"); }},
    {"append 1 again", [](CalculationTable& t) { appendDrop(t, "1"); }},
    {"append -1e16", [](CalculationTable& t) { appendDrop(t, "-1E16"); }},
    {"append 2,5", [](CalculationTable& t) { appendDrop(t, "2,5"); }},
};

std::vector<TableStep> afterAppends(std::vector<TableStep> more) {
    std::vector<TableStep> steps = kAppends;
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

std::vector<TotalScript> totalScripts() {
    return {
        TotalScript{"Appending", kAppends},
        TotalScript{
            "CellEdits",
            afterAppends(
                {{"row 23 of column 2 rewritten",
                  [](CalculationTable& t) { t.setCell(2, Row::PressureDrop, " 1.23E+0004"); }},
                 {"row 23 of column 3 emptied",
                  [](CalculationTable& t) { t.setCell(3, Row::PressureDrop, ""); }},
                 {"row 23 of column 1 no number",
                  [](CalculationTable& t) { t.setCell(1, Row::PressureDrop, "x"); }},
                 {"row 22 written",
                  [](CalculationTable& t) { t.setCell(1, Row::PressureDrop2, "7"); }}})},
        // The total carries on from the columns it summed last; changes made
        // between two sums, to summed columns and to new ones, all count.
        TotalScript{"SeveralChangesBetweenSums",
                    afterAppends({{"two appended, the first of them rewritten",
                                   [](CalculationTable& t) {
                                       appendDrop(t, "3");
                                       appendDrop(t, "1E16");
                                       t.setCell(6, Row::PressureDrop, "-2");
                                   }},
                                  {"a summed column rewritten, then one appended",
                                   [](CalculationTable& t) {
                                       t.setCell(1, Row::PressureDrop, "4");
                                       appendDrop(t, "-1E16");
                                   }},
                                  {"the last one deleted, one appended",
                                   [](CalculationTable& t) {
                                       t.deleteColumn(t.trailingColumn() - 1, OutputSystem::Metric, 3);
                                       appendDrop(t, "0,5");
                                   }}})},
        TotalScript{"TrailingColumnIsNoCalculation",
                    afterAppends({{"row 23 of the trailing column",
                                   [](CalculationTable& t) {
                                       t.setCell(t.trailingColumn(), Row::PressureDrop, "99");
                                   }},
                                  {"then a new trailing column",
                                   [](CalculationTable& t) { t.addTrailingColumn(); }}})},
        TotalScript{
            "Deleting",
            afterAppends({{"delete column 1",
                           [](CalculationTable& t) { t.deleteColumn(1, OutputSystem::Metric, 3); }},
                          {"delete column 2",
                           [](CalculationTable& t) { t.deleteColumn(2, OutputSystem::Metric, 3); }},
                          {"append 4", [](CalculationTable& t) { appendDrop(t, "4"); }}})},
        TotalScript{"Moving",
                    afterAppends({{"move 1 to 3", [](CalculationTable& t) { t.moveColumn(1, 3); }},
                                  {"move 4 to 1", [](CalculationTable& t) { t.moveColumn(4, 1); }},
                                  {"trailing column with a drop moved to 2",
                                   [](CalculationTable& t) {
                                       t.setCell(t.trailingColumn(), Row::PressureDrop, "5");
                                       t.moveColumn(t.trailingColumn(), 2);
                                   }},
                                  {"append 3", [](CalculationTable& t) { appendDrop(t, "3"); }}})},
        TotalScript{"Replacing",
                    afterAppends({{"calculations set",
                                   [](CalculationTable& t) {
                                       std::vector<CalculationColumn> calcs(3);
                                       calcs[0][Row::PressureDrop] = "1";
                                       calcs[1][Row::PressureDrop] = "1E16";
                                       calcs[2][Row::PressureDrop] = "-1E16";
                                       t.setCalculations(calcs);
                                   }},
                                  {"empty calculations",
                                   [](CalculationTable& t) { t.setCalculations(std::vector<CalculationColumn>(2)); }},
                                  {"append 8", [](CalculationTable& t) { appendDrop(t, "8"); }}})},
        TotalScript{
            "SwitchingUnits",
            afterAppends(
                {{"to US", [](CalculationTable& t) { t.convertUnits(OutputSystem::US, 3); }},
                 {"back to metric",
                  [](CalculationTable& t) { t.convertUnits(OutputSystem::Metric, 3); }},
                 {"headings",
                  [](CalculationTable& t) { t.writeHeadings(OutputSystem::Metric, 3); }}})},
        TotalScript{"Copied", afterAppends({{"copied and the copy changed",
                                             [](CalculationTable& t) {
                                                 CalculationTable copy = t;
                                                 copy.setCell(1, Row::PressureDrop, "123");
                                                 t = copy;
                                             }}})},
    };
}

INSTANTIATE_TEST_SUITE_P(Results, TotalFollowsTheTexts, ::testing::ValuesIn(totalScripts()),
                         [](const auto& p) { return std::string(p.param.name); });

struct MoveCase {
    int from, to;
    std::vector<std::string> order;  // row 7 of columns 1..4 afterwards
};

class MoveColumn : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveColumn, EmptyColumnGoesBackToTheEnd) {
    CalculationTable t =
        tableOf({{{Row::Element, "A/1"}}, {{Row::Element, "B/1"}}, {{Row::Element, "C/1"}}});
    t.moveColumn(GetParam().from, GetParam().to);
    ASSERT_EQ(t.ColCount(), 5);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(t.cell(c, Row::Element), GetParam().order[c - 1]) << "column " << c;
        EXPECT_EQ(t.cell(c, Row::Number), std::to_string(c));
    }
}

INSTANTIATE_TEST_SUITE_P(Results, MoveColumn,
                         ::testing::Values(MoveCase{4, 2, {"A/1", "B/1", "C/1", ""}},
                                           MoveCase{4, 1, {"A/1", "B/1", "C/1", ""}},
                                           MoveCase{3, 1, {"C/1", "A/1", "B/1", ""}},
                                           MoveCase{1, 3, {"B/1", "C/1", "A/1", ""}},
                                           MoveCase{1, 4, {"B/1", "C/1", "A/1", ""}}));

// A circular bend, a vertical difference, an "other form" pipe, a known
// resistance coefficient and a branch as the table writes them (metric, d = 3).
std::vector<Cells> metricProject() {
    return {
        {{Row::Element, "Circular bend/1"},
         {Row::RateOfFlow, "10.000"},
         {Row::Density, "1000.000"},
         {Row::Viscosity, "1000.000"},
         {Row::Dimension1, "Diameter of pipe D in mm: 50.000"},
         {Row::Dimension2, "Radius R in mm: 100.000"},
         {Row::Dimension3, "Angle w in degree: 90.000"},
         {Row::Field4, " "},
         {Row::Option, "The surface of pipe is:  smooth"},
         {Row::Velocity, "0.354"},
         {Row::Reynolds, "3.54E+0004"},
         {Row::Regime, "turbulent"},
         {Row::Zeta, "0.226"},
         {Row::PressureDrop, "1.230"},
         {Row::PressureDropLarge, "0.001"}},
        {{Row::Element, "Vertical difference/1"},
         {Row::RateOfFlow, "10.000"},
         {Row::Density, "1000.000"},
         {Row::Viscosity, "1000.000"},
         {Row::Dimension1, "Vertical difference H in m: 10.000"},
         {Row::PressureDrop, "981.000"},
         {Row::PressureDropLarge, "0.981"}},
        {{Row::Element, "Other form/1"},
         {Row::Dimension1, "Cross section A in m²: 0.010"},
         {Row::Dimension2, "Wetted circumference in m: 0.400"},
         {Row::Dimension3, "Length of pipe L in m: 1.000"},
         {Row::Roughness, "0.100"},
         {Row::FrictionFactor, "0.023"}},
        {{Row::Element, "Resistance coefficient/1"},
         {Row::Dimension2, "Resistance coefficient: 2.000"}},
        {{Row::Element, "Branch flowing asunder/1"},
         {Row::Field4, "Angle w in degree: 45"},
         {Row::Velocity2, "1.415"},
         {Row::Reynolds2, "1.77E+0004"},
         {Row::Zeta2, "0.500"},
         {Row::PressureDrop2, "5.000"}},
    };
}

TEST(UnitSwitch, MetricToUsRewritesValuesAndUnits) {
    CalculationTable t = tableOf(metricProject());
    t.convertUnits(OutputSystem::US, 3);
    EXPECT_EQ(t.cell(0, Row::PressureDrop), "Pressure drop in lbw./sq.ft.:");
    std::vector<Cells> expected = {
        {{Row::RateOfFlow, "44.029"},
         {Row::Density, "62.428"},
         {Row::Viscosity, "1.000"},
         {Row::Dimension1, "Diameter of pipe D in in.: 1.969"},
         {Row::Dimension2, "Radius R in in.: 3.937"},
         {Row::Dimension3, "Angle w in degree: 90,000"},
         {Row::Field4, " "},
         {Row::Option, "The surface of pipe is:  smooth"},
         {Row::Velocity, "1.161"},
         {Row::Reynolds, "3.54E+0004"},
         {Row::Regime, "turbulent"},
         {Row::Zeta, "0.226"},
         {Row::PressureDrop, "2.569"},
         {Row::PressureDropLarge, "0.018"}},
        {{Row::RateOfFlow, "44.029"},
         {Row::Density, "62.428"},
         {Row::Viscosity, "1.000"},
         {Row::Dimension1, "Vertical difference H in ft.: 32.808"},
         {Row::PressureDrop, "2048.861"},
         {Row::PressureDropLarge, "14.228"}},
        {{Row::Dimension1, "Cross section A in sq.yd.: 0.012"},
         {Row::Dimension2, "Wetted circumference in ft.: 1.312"},
         {Row::Dimension3, "Length of pipe L in ft.: 3,281"},
         {Row::Roughness, "0.004"},
         {Row::FrictionFactor, "0.023"}},
        {{Row::Dimension2, "Resistance coefficient: 2.000"}},
        {{Row::Field4, "Angle w in degree: 45"},
         {Row::Velocity2, "4.642"},
         {Row::Reynolds2, "1.77E+0004"},
         {Row::Zeta2, "0.500"},
         {Row::PressureDrop2, "10.443"}},
    };
    for (int c = 1; c <= 5; ++c) {
        for (int row = 1; row < kTableRows; ++row) {
            if (row == 7) continue;
            auto it = expected[c - 1].find(row);
            EXPECT_EQ(t.cell(c, row), it == expected[c - 1].end() ? "" : it->second)
                << "column " << c << " row " << row;
        }
    }
    EXPECT_EQ(t.totalText(), "2051.430 lbw./sq.ft. or 14.246 psi");
}

TEST(UnitSwitch, MetricToUsToMetricGivesBackTheTexts) {
    const CalculationTable before = tableOf(metricProject());
    CalculationTable t = before;
    t.convertUnits(OutputSystem::US, 3);
    t.convertUnits(OutputSystem::Metric, 3);
    EXPECT_EQ(t.cell(0, Row::PressureDrop), "Pressure drop in mbar:");
    for (int c = 0; c < before.ColCount(); ++c)
        for (int r = 0; r < kTableRows; ++r)
            EXPECT_EQ(t.cell(c, r), before.cell(c, r)) << "column " << c << " row " << r;
    EXPECT_EQ(t.cell(2, Row::Velocity), "");  // the vertical difference has no velocity
    EXPECT_EQ(t.cell(1, Row::Dimension3), "Angle w in degree: 90.000");
    EXPECT_EQ(t.totalText(), "982.230 mbar or 0.982 bar");
}

// A table switched to US shows what a calculation with US output writes for
// the same metric texts: 350 10-6 kg/ms with one decimal is 0.3 cP in both
// (350 / 1000 lies just below 0.35, 350 x 0.001 just above).
struct SwitchCase {
    const char* name;
    int row;
    double ShownValues::*value;  // nullptr: row 8, a diameter in mm
};

class SwitchAgreesWithUsCalculation : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchAgreesWithUsCalculation, ForEveryTextOfZeroToThreeDecimals) {
    const SwitchCase& c = GetParam();
    FormState form;
    chooseElementKind(form, {1, 1});  // D in mm
    for (int d = 0; d <= 3; ++d) {
        std::vector<Cells> columns;
        std::vector<std::string> expected;
        for (int k = 1; k <= 1000; ++k) {
            const std::string text = formatFixed(k * 0.5, d);
            const double metric = readNumber(text).value_or(-1.0);
            ShownValues shown;
            if (c.value) {
                shown.*c.value = metric;
                columns.push_back({{Row::Element, "circular/1"}, {c.row, text}});
                expected.push_back(
                    formatFixed(toUsShownValues(shown, describeColumn(form)).*c.value, d));
            } else {
                shown.dims[0] = metric;
                columns.push_back({{Row::Element, "circular/1"},
                                   {Row::Dimension1, "Diameter of pipe D in mm: " + text}});
                expected.push_back(
                    "Diameter of pipe D in in.: " +
                    formatFixed(toUsShownValues(shown, describeColumn(form)).dims[0], d));
            }
        }
        CalculationTable t = tableOf(columns, OutputSystem::Metric, d);
        t.convertUnits(OutputSystem::US, d);
        int wrong = 0;
        for (int col = 1; col <= static_cast<int>(expected.size()) && wrong < 5; ++col) {
            if (t.cell(col, c.row) == expected[col - 1]) continue;
            ++wrong;
            ADD_FAILURE() << "d = " << d << ", " << columns[col - 1].at(c.row) << ": switched "
                          << t.cell(col, c.row) << ", calculated " << expected[col - 1];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, SwitchAgreesWithUsCalculation,
    ::testing::Values(SwitchCase{"RateOfFlow", Row::RateOfFlow, &ShownValues::rateOfFlow},
                      SwitchCase{"Density", Row::Density, &ShownValues::density},
                      SwitchCase{"Viscosity", Row::Viscosity, &ShownValues::viscosity},
                      SwitchCase{"Velocity", Row::Velocity, &ShownValues::velocity},
                      SwitchCase{"Velocity2", Row::Velocity2, &ShownValues::velocity2},
                      SwitchCase{"Roughness", Row::Roughness, &ShownValues::roughness},
                      SwitchCase{"Diameter", Row::Dimension1, nullptr}),
    [](const auto& p) { return std::string(p.param.name); });

// A value that has no finite counterpart in the other units leaves the whole
// table as it was.
TEST(UnitSwitch, ValueTooLargeForTheNewUnitsChangesNothing) {
    CalculationTable t = tableOf({{{Row::Element, "Vertical difference/1"},
                                   {Row::RateOfFlow, "1e308"},
                                   {Row::PressureDrop, "5.000"}},
                                  {{Row::Element, "circular/1"},
                                   {Row::RateOfFlow, "10.000"},
                                   {Row::PressureDrop, "2.000"}}});
    t.updateTotal(OutputSystem::Metric, 3);
    const CalculationTable before = t;
    EXPECT_FALSE(t.convertUnits(OutputSystem::US, 3));
    EXPECT_EQ(t.clipboardText(), before.clipboardText());
    EXPECT_EQ(t.total(), before.total());
    EXPECT_TRUE(t.convertUnits(OutputSystem::Metric, 3));  // its own units: nothing to overflow
}

// The switch writes each row as a calculation would: velocities in 10
// characters, the drops in 11, metric drops above 9999 in the exponent form.
TEST(UnitSwitch, WritesEachRowWithTheWidthOfACalculation) {
    CalculationTable t = tableOf({{{Row::Element, "Vertical difference/1"},
                                   {Row::Velocity, "123456789.123"},
                                   {Row::PressureDrop2, "97914.000"},
                                   {Row::PressureDrop, "97902414.000"},
                                   {Row::PressureDropLarge, "97902.414"}}});
    ASSERT_TRUE(t.convertUnits(OutputSystem::US, 3));
    for (int row : {Row::Velocity, Row::PressureDrop2, Row::PressureDrop, Row::PressureDropLarge}) {
        const std::size_t width = row == Row::Velocity ? 10 : 11;
        EXPECT_LE(t.cell(1, row).size(), width) << "row " << row << ": " << t.cell(1, row);
    }
    EXPECT_EQ(t.cell(1, Row::PressureDrop), "204473415.8");
    EXPECT_EQ(t.cell(1, Row::PressureDropLarge), "1419954.277");
    // Metric drops above 9999 take the exponent form.
    CalculationTable us =
        tableOf({{{Row::Element, "Vertical difference/1"}, {Row::PressureDrop, "204473415.8"}, {Row::PressureDropLarge, "1419954.277"}}},
                OutputSystem::US);
    ASSERT_TRUE(us.convertUnits(OutputSystem::Metric, 3));
    EXPECT_EQ(us.cell(1, Row::PressureDrop), " 9.79E+0007");
    EXPECT_EQ(us.cell(1, Row::PressureDropLarge), " 9.79E+0004");
}

TEST(Clipboard, OneCalculationIsTwentyFiveLinesAndTheTotal) {
    CalculationTable t = tableOf({{{Row::Element, "Cock/1"},
                                   {Row::Specification, "pump outlet"},
                                   {Row::PressureDrop, "1.230"},
                                   {Row::PressureDropLarge, "0.001"}}});
    t.setCell(2, Row::Specification, "typed for the next one");  // the trailing column is left out
    std::string text = t.clipboardText();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), 26u);
    for (int r = 0; r < kTableRows; ++r) {
        EXPECT_EQ(std::count(lines[r].begin(), lines[r].end(), '\t'), 1) << "line " << r;
    }
    EXPECT_EQ(lines[Row::Number], "Calculating number:\t1");
    EXPECT_EQ(lines[5], "\t");
    EXPECT_EQ(lines[Row::Specification], "Specification (user):\tpump outlet");
    EXPECT_EQ(lines[Row::PressureDrop], "Pressure drop in mbar:\t1.230");
    EXPECT_EQ(lines[kTableRows], "Total pressure drop:1.230 mbar or 0.001 bar");
}

struct ZoomCase {
    const char* name;
    int height, rowHeight, width;
    bool in;
    int newHeight, newRowHeight, newWidth, newSize;
};

class Zoom : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(Zoom, RoundsHalfToEven) {
    const ZoomCase& c = GetParam();
    CalculationTable t = tableOf({{{Row::Element, "Cock/1"}}});
    t.font.height = c.height;
    t.defaultRowHeight = c.rowHeight;
    t.defaultColumnWidth = c.width;
    c.in ? t.zoomIn() : t.zoomOut();
    EXPECT_EQ(t.font.height, c.newHeight);
    EXPECT_EQ(t.defaultRowHeight, c.newRowHeight);
    EXPECT_EQ(t.defaultColumnWidth, c.newWidth);
    EXPECT_EQ(t.font.size, c.newSize);
    EXPECT_EQ(t.columnWidths(), std::vector<int>(3, c.newWidth));
}

INSTANTIATE_TEST_SUITE_P(
    Results, Zoom,
    ::testing::Values(ZoomCase{"InFromDefaults", -11, 16, 150, true, -13, 19, 180, 10},
                      ZoomCase{"InAgain", -13, 19, 180, true, -16, 23, 216, 12},
                      ZoomCase{"OutBack", -16, 23, 216, false, -13, 19, 180, 10},
                      ZoomCase{"OutTiesGoToEven", -3, 9, 21, false, -2, 8, 18, 2},
                      ZoomCase{"OutTiesDown", -15, 3, 15, false, -12, 2, 12, 9},
                      ZoomCase{"PositiveHeightKeepsSign", 20, 16, 150, true, 24, 19, 180, 18}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CalculationTable, WidthsAndFont) {
    CalculationTable t = tableOf({{{Row::Element, "Cock/1"}}, {{Row::Element, "Cock/2"}}});
    t.setDefaultColumnWidth(99);
    EXPECT_EQ(t.columnWidths(), std::vector<int>(4, 99));
    TableFont f;
    f.name = "Arial";
    f.size = 12;
    t.changeFont(f);
    EXPECT_EQ(t.font.name, "Arial");
    EXPECT_EQ(t.defaultRowHeight, 24);
    t.writeHeadings(OutputSystem::Metric, 3);
    EXPECT_EQ(t.columnWidth(0), 145);
}

// The table keeps one width per column whatever its callers hand it.
TEST(CalculationTable, KeepsOneWidthPerColumn) {
    CalculationTable t = tableOf({{{Row::Element, "Cock/1"}}});  // 3 columns
    t.setColumnWidth(1, 70);
    t.setColumnWidth(3, 500);   // no such column
    t.setColumnWidth(-1, 500);
    EXPECT_EQ(t.columnWidths(), (std::vector<int>{145, 70, 150}));
    EXPECT_EQ(t.columnWidth(7), 150);
    t.setColumnWidths({1, 2});
    EXPECT_EQ(t.columnWidths(), (std::vector<int>{1, 2, 150}));
    t.setColumnWidths({1, 2, 3, 4, 5});
    EXPECT_EQ(t.columnWidths(), (std::vector<int>{1, 2, 3}));
    t.addTrailingColumn();
    EXPECT_EQ(t.columnWidths().size(), 4u);
}

}  // namespace
}  // namespace tolvane
