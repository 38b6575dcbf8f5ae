// Result texts and the column writer: widths, fixed and exponent forms, and
// which rows each element kind fills.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "results/result_column.h"
#include "results/shown_values.h"
#include "shell/column_from_form.h"
#include "shell/element_panel.h"

namespace tolvane {
namespace {

// ---- number texts ----

struct TextCase {
    const char* name;
    std::function<std::string()> make;
    const char* expected;
};

class NumberTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTexts, AreWrittenInTheirForm) { EXPECT_EQ(GetParam().make(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Results, NumberTexts,
    ::testing::Values(
        TextCase{"ReynoldsAt9999IsFourDigits", [] { return reynoldsText(9999); }, "9999"},
        TextCase{"ReynoldsAbove9999IsExponentWithoutBlank", [] { return reynoldsText(12345); },
                 "1.23E+0004"},
        TextCase{"ReynoldsOfWaterPipe", [] { return reynoldsText(35368.4); }, "3.54E+0004"},
        TextCase{"ReynoldsRoundsUpTo2320", [] { return reynoldsText(2319.6); }, "2320"},
        TextCase{"ReynoldsZero", [] { return reynoldsText(0); }, "0"},
        TextCase{"PressureAt9999IsFixed", [] { return pressureText(9999, 3); }, "9999.000"},
        TextCase{"PressureAbove9999KeepsBlank", [] { return pressureText(12345, 3); },
                 " 1.23E+0004"},
        TextCase{"PressureSmall", [] { return pressureText(0.0012345, 3); }, "0.001"},
        TextCase{"PressureCutToEleven", [] { return pressureText(1234.56789, 6); }, "1234.567890"},
        TextCase{"PressureNoDecimals", [] { return pressureText(12.5001, 0); }, "13"},
        TextCase{"NegativeHugePressureIsExponent", [] { return pressureText(-9.8e11, 3); },
                 "-9.80E+0011"},
        TextCase{"NegativePressureThatFitsKeepsFixedCut",
                 [] { return pressureText(-980000000.0, 3); }, "-980000000."},
        TextCase{"VelocityCutToTen", [] { return fixedResultText(1234.5, 6, 10); }, "1234.50000"},
        TextCase{"VelocityOverflowDropsBlank", [] { return fixedResultText(12345678901.5, 3, 10); },
                 "1.23E+0010"},
        TextCase{"NegativeOverflowAtWidthTenGivesAMantissaDigit",
                 [] { return fixedResultText(-12345678901.5, 3, 10); }, "-1.2E+0010"},
        TextCase{"NegativeHugeAtWidthTen", [] { return fixedResultText(-9.87e200, 3, 10); },
                 "-9.9E+0200"},
        TextCase{"UsPressureOverflowIsExponent",
                 [] { return fixedResultText(1303904617100.0, 3, 11); }, " 1.30E+0012"},
        TextCase{"ElevenIntegerDigitsStillFit",
                 [] { return fixedResultText(12345678901.0, 3, 11); }, "12345678901"}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- the set of result texts ----

ResultTexts someTexts() {
    ResultTexts t;
    t.frictionFactor = "old-lambda";
    t.zeta2 = "old-zeta2";
    t.pressureDrop2 = "old-dp2";
    t.pressureDropPsi = "old-psi";
    t.pressureDropLbw = "old-lbw";
    return t;
}

TEST(ResultTexts, OnlyFrictionKindsWriteLambda) {
    ElementResult r;
    r.frictionFactor = 0.0226;
    ShownValues v;
    for (ElementKind k : {ElementKind{1, 5}, ElementKind{3, 2}, ElementKind{4, 6}}) {
        EXPECT_EQ(formatResults(r, v, k, OutputSystem::Metric, 3, someTexts()).frictionFactor,
                  "0.023");
    }
    for (ElementKind k : {ElementKind{3, 1}, ElementKind{4, 1}, ElementKind{10, 2}}) {
        EXPECT_EQ(formatResults(r, v, k, OutputSystem::Metric, 3, someTexts()).frictionFactor,
                  "old-lambda");
    }
}

TEST(ResultTexts, ZetaEmptyUnlessPositive) {
    ElementResult r;
    ShownValues v;
    for (double zeta : {0.0, -1.0}) {
        r.zeta = zeta;
        EXPECT_EQ(formatResults(r, v, {7, 1}, OutputSystem::Metric, 3).zeta, "");
    }
    r.zeta = 4.1;
    EXPECT_EQ(formatResults(r, v, {7, 1}, OutputSystem::Metric, 2).zeta, "4.10");
}

TEST(ResultTexts, BranchTextsOnlyForBranchKinds) {
    ElementResult r;
    r.zeta2 = 0.5;
    ShownValues v;
    v.pressureDrop2 = 12.26;
    auto branch = formatResults(r, v, {5, 6}, OutputSystem::Metric, 1, someTexts());
    EXPECT_EQ(branch.zeta2, "0.5");
    EXPECT_EQ(branch.pressureDrop2, "12.3");
    auto tee = formatResults(r, v, {5, 1}, OutputSystem::Metric, 1, someTexts());
    EXPECT_EQ(tee.zeta2, "old-zeta2");
    EXPECT_EQ(tee.pressureDrop2, "old-dp2");
}

TEST(ResultTexts, PsiAndLbwOnlyForUsOutput) {
    ElementResult r;
    ShownValues v;
    v.pressureDrop = 0.01;
    v.pressureDropPsi = 0.145;
    v.pressureDropLbw = 20.885;
    auto metric = formatResults(r, v, {7, 1}, OutputSystem::Metric, 3, someTexts());
    EXPECT_EQ(metric.pressureDropPsi, "old-psi");
    EXPECT_EQ(metric.pressureDropMbar, "10.000");
    EXPECT_EQ(metric.pressureDropBar, "0.010");
    auto us = formatResults(r, v, {7, 1}, OutputSystem::US, 3, someTexts());
    EXPECT_EQ(us.pressureDropPsi, "0.145");
    EXPECT_EQ(us.pressureDropLbw, "20.885");
}

// ---- US presentation ----

TEST(UsPresentation, ConvertsByRecordedUnitsAndVisibility) {
    FormState form;
    chooseElementKind(form, {1, 5});  // A in m², U in m, L in m
    ShownValues v;
    v.rateOfFlow = 10;
    v.density = 1000;
    v.viscosity = 1000;
    v.dims = {0.01, 2.0, 2.0};
    v.roughness = 0.254;
    v.velocity = 0.3048;
    v.velocity2 = 0;
    v.pressureDrop = 0.01;
    v.pressureDrop2 = 5;
    form.element.rows[2].unit.visible = false;  // a hidden unit box is left alone
    ShownValues us = toUsShownValues(v, describeColumn(form));
    EXPECT_NEAR(us.rateOfFlow, 44.0288, 1e-4);
    EXPECT_NEAR(us.density, 62.4280, 1e-4);
    EXPECT_DOUBLE_EQ(us.viscosity, 1.0);
    EXPECT_NEAR(us.dims[0], 0.011960, 1e-6);
    EXPECT_NEAR(us.dims[1], 6.561680, 1e-6);
    EXPECT_DOUBLE_EQ(us.dims[2], 2.0);
    EXPECT_NEAR(us.roughness, 0.01, 1e-12);
    EXPECT_NEAR(us.velocity, 1.0, 1e-12);
    EXPECT_EQ(us.velocity2, 0.0);
    EXPECT_NEAR(us.pressureDropPsi, 0.145038, 1e-6);
    EXPECT_NEAR(us.pressureDropLbw, 20.885431, 1e-6);
    EXPECT_NEAR(us.pressureDrop2, 10.442716, 1e-6);
    EXPECT_DOUBLE_EQ(us.pressureDrop, 0.01);  // bar stays for the totals of bar rows
}

TEST(UsPresentation, DegreeAndZeroRoughnessStay) {
    FormState form;
    chooseElementKind(form, {4, 1});  // D mm, R mm, angle degree
    ShownValues v;
    v.dims = {50.8, 101.6, 90};
    v.roughness = 0;
    ShownValues us = toUsShownValues(v, describeColumn(form));
    EXPECT_NEAR(us.dims[0], 2.0, 1e-12);
    EXPECT_NEAR(us.dims[1], 4.0, 1e-12);
    EXPECT_DOUBLE_EQ(us.dims[2], 90.0);
    EXPECT_EQ(us.roughness, 0.0);
}

// ---- the column writer ----

struct ColumnCase {
    const char* name;
    ElementKind kind;
    OutputSystem system;
    std::function<void(FormState&, ElementResult&, ShownValues&)> setUp;
    std::map<int, std::string> rows;  // every row not listed stays empty
};

ElementResult turbulentResult() {
    ElementResult r;
    r.velocity = 0.3536776;
    r.reynolds = 35367.76;
    r.isLaminar = false;
    r.frictionFactor = 0.0226;
    r.zeta = 0.226;
    r.pressureDrop = 0.00123;
    return r;
}

ShownValues waterValues(const ElementResult& r, std::array<double, 3> dims) {
    ShownValues v;
    v.rateOfFlow = 10;
    v.density = 1000;
    v.viscosity = 1000;
    v.dims = dims;
    v.roughness = 0.1;
    v.velocity = r.velocity;
    v.velocity2 = r.velocity2;
    v.pressureDrop = r.pressureDrop;
    v.pressureDrop2 = r.pressureDrop2;
    return v;
}

class ColumnWriter : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnWriter, FillsTheRowsOfItsKind) {
    const ColumnCase& c = GetParam();
    FormState form;
    chooseElementKind(form, c.kind);
    form.medium.name = "water";
    form.medium.gas = false;
    ElementResult result = turbulentResult();
    ShownValues shown = waterValues(result, {100, 1, 0});
    c.setUp(form, result, shown);
    if (c.system == OutputSystem::US) shown = toUsShownValues(shown, describeColumn(form));
    ResultTexts texts = formatResults(result, shown, c.kind, c.system, 3);

    CalculationTable table;
    RecordingMessageSink messages;
    appendResultColumn(table, describeColumn(form), result, shown, texts, c.system, 3, messages);

    ASSERT_EQ(table.ColCount(), 3);
    EXPECT_TRUE(messages.messages.empty());
    for (int row = 0; row < kTableRows; ++row) {
        auto it = c.rows.find(row);
        std::string expected = it == c.rows.end() ? "" : it->second;
        EXPECT_EQ(table.cell(1, row), expected) << "row " << row;
    }
    for (int row = 0; row < kTableRows; ++row) {
        EXPECT_EQ(table.cell(2, row), "") << "new trailing column, row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, ColumnWriter,
    ::testing::Values(ColumnCase{"CircularPipeTurbulent",
                                 {1, 1},
                                 OutputSystem::Metric,
                                 [](FormState&, ElementResult&, ShownValues&) {},
                                 {{Row::Number, "1"},
                                  {Row::Medium, "water/liq."},
                                  {Row::RateOfFlow, "10.000"},
                                  {Row::Density, "1000.000"},
                                  {Row::Viscosity, "1000.000"},
                                  {Row::Element, "circular/1"},
                                  {Row::Dimension1, "Diameter of pipe D in mm: 100.000"},
                                  {Row::Dimension2, "Length of pipe L in m: 1.000"},
                                  {Row::Field4, " "},
                                  {Row::Option, " "},
                                  {Row::Velocity, "0.354"},
                                  {Row::Reynolds, "3.54E+0004"},
                                  {Row::Regime, "turbulent"},
                                  {Row::Roughness, "0.100"},
                                  {Row::FrictionFactor, "0.023"},
                                  {Row::Zeta, "0.226"},
                                  {Row::PressureDrop, "1.230"},
                                  {Row::PressureDropLarge, "0.001"}}},
                      ColumnCase{"RectangularPipeLaminar",
                                 {1, 2},
                                 OutputSystem::Metric,
                                 [](FormState& f, ElementResult& r, ShownValues& v) {
                                     f.medium.name = "oil";
                                     f.element.quantity = "2";
                                     r.isLaminar = true;
                                     r.reynolds = 1500;
                                     r.zeta = 0;
                                     r.frictionFactor = 0.0376;
                                     v.dims = {100, 100, 1};
                                 },
                                 {{Row::Number, "1"},
                                  {Row::Medium, "oil/liq."},
                                  {Row::RateOfFlow, "10.000"},
                                  {Row::Density, "1000.000"},
                                  {Row::Viscosity, "1000.000"},
                                  {Row::Element, "rectangular/2"},
                                  {Row::Dimension1, "Width of pipe B in mm: 100.000"},
                                  {Row::Dimension2, "Height of pipe H in mm: 100.000"},
                                  {Row::Dimension3, "Length of pipe L in m: 1.000"},
                                  {Row::Field4, " "},
                                  {Row::Option, " "},
                                  {Row::Velocity, "0.354"},
                                  {Row::Reynolds, "1500"},
                                  {Row::Regime, "laminar"},
                                  {Row::FrictionFactor, "0.038"},
                                  {Row::PressureDrop, "1.230"},
                                  {Row::PressureDropLarge, "0.001"}}},
                      ColumnCase{"VerticalDifferenceSkipsFlowRows",
                                 {10, 1},
                                 OutputSystem::Metric,
                                 [](FormState& f, ElementResult& r, ShownValues& v) {
                                     f.medium.gas = true;
                                     f.medium.name = "air";
                                     r.reynolds = 0;
                                     r.velocity = 0;
                                     v.velocity = 0;
                                     v.dims = {10, 0, 0};
                                     v.pressureDrop = 0.981;
                                 },
                                 {{Row::Number, "1"},
                                  {Row::Medium, "air/gas."},
                                  {Row::RateOfFlow, "10.000"},
                                  {Row::Density, "1000.000"},
                                  {Row::Viscosity, "1000.000"},
                                  {Row::Element, "Vertical difference/1"},
                                  {Row::Dimension1, "Vertical difference H in m: 10.000"},
                                  {Row::Field4, " "},
                                  {Row::Option, " "},
                                  {Row::PressureDrop, "981.000"},
                                  {Row::PressureDropLarge, "0.981"}}},
                      ColumnCase{"KnownResistanceHasNoUnitInRow9",
                                 {10, 2},
                                 OutputSystem::Metric,
                                 [](FormState&, ElementResult& r, ShownValues& v) {
                                     v.dims = {100, 2, 0};
                                     r.zeta = 2;
                                 },
                                 {{Row::Number, "1"},
                                  {Row::Medium, "water/liq."},
                                  {Row::RateOfFlow, "10.000"},
                                  {Row::Density, "1000.000"},
                                  {Row::Viscosity, "1000.000"},
                                  {Row::Element, "Resistance coefficient/1"},
                                  {Row::Dimension1, "Diameter of element D in mm: 100.000"},
                                  {Row::Dimension2, "Resistance coefficient: 2.000"},
                                  {Row::Field4, " "},
                                  {Row::Option, " "},
                                  {Row::Velocity, "0.354"},
                                  {Row::Reynolds, "3.54E+0004"},
                                  {Row::Regime, "turbulent"},
                                  {Row::Zeta, "2.000"},
                                  {Row::PressureDrop, "1.230"},
                                  {Row::PressureDropLarge, "0.001"}}},
                      ColumnCase{"CircularBendOptionAndDegree",
                                 {4, 1},
                                 OutputSystem::Metric,
                                 [](FormState& f, ElementResult&, ShownValues& v) {
                                     f.element.option.selected = 1;
                                     v.dims = {50, 100, 90};
                                 },
                                 {{Row::Number, "1"},
                                  {Row::Medium, "water/liq."},
                                  {Row::RateOfFlow, "10.000"},
                                  {Row::Density, "1000.000"},
                                  {Row::Viscosity, "1000.000"},
                                  {Row::Element, "Circular bend/1"},
                                  {Row::Dimension1, "Diameter of pipe D in mm: 50.000"},
                                  {Row::Dimension2, "Radius R in mm: 100.000"},
                                  {Row::Dimension3, "Angle w in degree: 90.000"},
                                  {Row::Field4, " "},
                                  {Row::Option, "The surface of pipe is:  rough"},
                                  {Row::Velocity, "0.354"},
                                  {Row::Reynolds, "3.54E+0004"},
                                  {Row::Regime, "turbulent"},
                                  {Row::Zeta, "0.226"},
                                  {Row::PressureDrop, "1.230"},
                                  {Row::PressureDropLarge, "0.001"}}},
                      ColumnCase{"RectangularBendUsesAdditionalWindow",
                                 {4, 4},
                                 OutputSystem::Metric,
                                 [](FormState& f, ElementResult&, ShownValues& v) {
                                     f.extra.surface = 1;
                                     f.element.rows[3].text = "60";
                                     v.dims = {50, 20, 100};
                                 },
                                 {{Row::Number, "1"},
                                  {Row::Medium, "water/liq."},
                                  {Row::RateOfFlow, "10.000"},
                                  {Row::Density, "1000.000"},
                                  {Row::Viscosity, "1000.000"},
                                  {Row::Element, "Rectangular bend/1"},
                                  {Row::Dimension1, "Width of pipe B in mm: 50.000"},
                                  {Row::Dimension2, "Height of pipe H in mm: 20.000"},
                                  {Row::Dimension3, "Radius R in mm: 100.000"},
                                  {Row::Field4, "Angle w: 60"},
                                  {Row::Option, "The Surface of Pipe is: rough"},
                                  {Row::Velocity, "0.354"},
                                  {Row::Reynolds, "3.54E+0004"},
                                  {Row::Regime, "turbulent"},
                                  {Row::Zeta, "0.226"},
                                  {Row::PressureDrop, "1.230"},
                                  {Row::PressureDropLarge, "0.001"}}},
                      ColumnCase{"BranchInUsUnits",
                                 {5, 5},
                                 OutputSystem::US,
                                 [](FormState&, ElementResult& r, ShownValues& v) {
                                     r.zeta = 0.3;
                                     r.zeta2 = 0.5;
                                     r.reynolds2 = 17683.9;
                                     v.velocity = 0.3537;
                                     v.velocity2 = 1.4147;
                                     v.dims = {100, 50, 0};
                                     v.pressureDrop = 0.01;
                                     v.pressureDrop2 = 5;
                                 },
                                 {{Row::Number, "1"},
                                  {Row::Medium, "water/liq."},
                                  {Row::RateOfFlow, "44.029"},
                                  {Row::Density, "62.428"},
                                  {Row::Viscosity, "1.000"},
                                  {Row::Element, "Branch flowing asunder/1"},
                                  {Row::Dimension1, "Diameter D1 in in.: 3.937"},
                                  {Row::Dimension2, "Diameter D2 in in.: 1.969"},
                                  {Row::Dimension3, "Radius R in in.: 0.000"},
                                  {Row::Field4, "Angle w in degree: 45"},
                                  {Row::Option, " "},
                                  {Row::Velocity, "1.160"},
                                  {Row::Reynolds, "3.54E+0004"},
                                  {Row::Velocity2, "4.641"},
                                  {Row::Reynolds2, "1.77E+0004"},
                                  {Row::Regime, "turbulent"},
                                  {Row::Zeta, "0.300"},
                                  {Row::Zeta2, "0.500"},
                                  {Row::PressureDrop2, "10.443"},
                                  {Row::PressureDrop, "20.885"},
                                  {Row::PressureDropLarge, "0.145"}}},
                      ColumnCase{"HugeUsPressureDropIsExponent",
                                 {7, 4},
                                 OutputSystem::US,
                                 [](FormState&, ElementResult& r, ShownValues& v) {
                                     r.zeta = 0;
                                     v.dims = {100, 50, 0};
                                     v.pressureDrop = 6.243e8;
                                 },
                                 {{Row::Number, "1"},
                                  {Row::Medium, "water/liq."},
                                  {Row::RateOfFlow, "44.029"},
                                  {Row::Density, "62.428"},
                                  {Row::Viscosity, "1.000"},
                                  {Row::Element, "Gate valve/1"},
                                  {Row::Dimension1, "Diameter of pipe D in in.: 3.937"},
                                  {Row::Dimension2, "Height H in in.: 1.969"},
                                  {Row::Field4, " "},
                                  {Row::Option, " "},
                                  {Row::Velocity, "1.160"},
                                  {Row::Reynolds, "3.54E+0004"},
                                  {Row::Regime, "turbulent"},
                                  {Row::PressureDrop, " 1.30E+0012"},
                                  {Row::PressureDropLarge, "9054704778."}}}),
    [](const auto& p) { return std::string(p.param.name); });

struct TransitionCase {
    double reynolds;
    bool message;
};

class TransitionalWarning : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(TransitionalWarning, IsShownBeforeTheColumnIsWritten) {
    FormState form;
    chooseElementKind(form, {1, 1});
    ElementResult r = turbulentResult();
    r.reynolds = GetParam().reynolds;
    ShownValues v = waterValues(r, {100, 1, 0});
    CalculationTable table;
    RecordingMessageSink messages;
    appendResultColumn(table, describeColumn(form), r, v,
                       formatResults(r, v, form.element.kind, OutputSystem::Metric, 3),
                       OutputSystem::Metric, 3, messages);
    EXPECT_EQ(table.calculationCount(), 1);  // written all the same
    if (GetParam().message) {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].type, MessageType::Information);
        EXPECT_EQ(
            messages.messages[0].text,
            "The flow is in the range laminar to turbulent. An error of calculation is possible!");
    } else {
        EXPECT_TRUE(messages.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Results, TransitionalWarning,
                         ::testing::Values(TransitionCase{2199, false}, TransitionCase{2200, true},
                                           TransitionCase{2319.6, true}, TransitionCase{2320, true},
                                           TransitionCase{2321, false}));

TEST(ColumnWriter, NumbersFollowTheColumnAndKeepTheTypedSpecification) {
    FormState form;
    chooseElementKind(form, {7, 1});
    ElementResult r = turbulentResult();
    ShownValues v = waterValues(r, {100, 0, 0});
    CalculationTable table;
    RecordingMessageSink messages;
    ResultTexts t = formatResults(r, v, form.element.kind, OutputSystem::Metric, 3);
    appendResultColumn(table, describeColumn(form), r, v, t, OutputSystem::Metric, 3, messages);
    table.setCell(2, Row::Specification, "pump outlet");
    appendResultColumn(table, describeColumn(form), r, v, t, OutputSystem::Metric, 3, messages);
    EXPECT_EQ(table.ColCount(), 4);
    EXPECT_EQ(table.cell(2, Row::Number), "2");
    EXPECT_EQ(table.cell(2, Row::Specification), "pump outlet");
    EXPECT_EQ(table.cell(2, Row::Option), "The valve is:  forged");
}

}  // namespace
}  // namespace tolvane
