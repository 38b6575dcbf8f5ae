// The unit switch of the calculation table converts each column from the
// texts it had before its first switch: there and back gives back exactly
// those texts for every row with a unit and every number of decimals, however
// often it is done, through deletes, moves, undo and redo; a column written in
// the other units starts from its own texts, and so does a project opened
// from a file.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "project_test_support.h"
#include "results/result_column.h"
#include "results/unit_switch.h"
#include "shell/copy_back.h"
#include "shell/output_switch.h"
#include "shell/project_file.h"
#include "shell/table_history.h"
#include "base/number_format.h"

namespace tolvane {
namespace {

constexpr OutputSystem kMetric = OutputSystem::Metric;
constexpr OutputSystem kUs = OutputSystem::US;

OutputSystem other(OutputSystem s) { return s == kUs ? kMetric : kUs; }

// One row that carries a unit, with its text in each system as a calculation
// writes it with d decimals. The values are ones that do not come back from a
// conversion of their rounded texts.
struct UnitRow {
    const char* name;
    int row;
    std::string (*metric)(int d);
    std::string (*us)(int d);
};

const UnitRow kUnitRows[] = {
    {"rate of flow", Row::RateOfFlow, [](int d) { return formatFixed(12.345, d); },
     [](int d) { return formatFixed(44.029, d); }},
    {"density", Row::Density, [](int d) { return formatFixed(998.2, d); },
     [](int d) { return formatFixed(62.317, d); }},
    {"viscosity", Row::Viscosity, [](int d) { return formatFixed(1002.0, d); },
     [](int d) { return formatFixed(1.002, d); }},
    {"diameter", Row::Dimension1,
     [](int d) { return "Diameter of pipe D in mm: " + formatFixed(100.0, d); },
     [](int d) { return "Diameter of pipe D in in.: " + formatFixed(3.937, d); }},
    {"cross section", Row::Dimension1,
     [](int d) { return "Cross section A in m²: " + formatFixed(0.013, d); },
     [](int d) { return "Cross section A in sq.yd.: " + formatFixed(0.016, d); }},
    {"length", Row::Dimension2,
     [](int d) { return "Length of pipe L in m: " + formatFixed(25.3, d); },
     [](int d) { return "Length of pipe L in ft.: " + formatFixed(83.005, d); }},
    {"bend radius", Row::Dimension2,
     [](int d) { return "Radius R in mm: " + formatFixed(150.0, d); },
     [](int d) { return "Radius R in in.: " + formatFixed(5.906, d); }},
    {"ridges", Row::Dimension2,
     [](int d) { return "Quantity of ridges in pieces: " + formatFixed(3.0, d); },
     [](int d) { return "Quantity of ridges in pieces: " + formatFixed(3.0, d); }},
    {"third dimension", Row::Dimension3,
     [](int d) { return "Radius R in mm: " + formatFixed(150.0, d); },
     [](int d) { return "Radius R in in.: " + formatFixed(5.906, d); }},
    {"angle", Row::Dimension3, [](int d) { return "Angle w in degree: " + formatFixed(90.0, d); },
     [](int d) { return "Angle w in degree: " + formatFixed(90.0, d); }},
    {"velocity", Row::Velocity, [](int d) { return fixedResultText(1.2345, d, 10); },
     [](int d) { return fixedResultText(4.0502, d, 10); }},
    {"velocity 2", Row::Velocity2, [](int d) { return fixedResultText(0.0789, d, 10); },
     [](int d) { return fixedResultText(0.2589, d, 10); }},
    {"roughness", Row::Roughness, [](int d) { return formatFixed(0.05, d); },
     [](int d) { return formatFixed(0.002, d); }},
    {"branch drop", Row::PressureDrop2, [](int d) { return fixedResultText(5.678, d, 11); },
     [](int d) { return fixedResultText(11.859, d, 11); }},
    {"pressure drop", Row::PressureDrop, [](int d) { return pressureText(12.345, d); },
     [](int d) { return fixedResultText(25.783, d, 11); }},
    {"pressure drop large", Row::PressureDropLarge, [](int d) { return pressureText(0.012, d); },
     [](int d) { return fixedResultText(0.179, d, 11); }},
    {"drop in exponent form", Row::PressureDrop, [](int d) { return pressureText(12345.678, d); },
     [](int d) { return fixedResultText(25784.123, d, 11); }},
};

// One column per unit row, each with a name in row 7, in `system` with d decimals.
CalculationTable tableOfUnitRows(OutputSystem system, int d) {
    std::vector<CalculationColumn> columns;
    for (const UnitRow& u : kUnitRows) {
        CalculationColumn c;
        c[Row::Element] = std::string(u.name) + "/1";
        c[Row::Specification] = "typed";
        c[u.row] = system == kUs ? u.us(d) : u.metric(d);
        columns.push_back(c);
    }
    CalculationTable t;
    t.setCalculations(std::move(columns));
    t.renumber();
    t.writeHeadings(system, d);
    return t;
}

void expectSameTexts(const CalculationTable& actual, const CalculationTable& expected,
                     const std::string& what) {
    ASSERT_EQ(actual.ColCount(), expected.ColCount()) << what;
    for (int c = 0; c < expected.ColCount(); ++c)
        for (int r = 0; r < kTableRows; ++r)
            EXPECT_EQ(actual.cell(c, r), expected.cell(c, r))
                << what << ": column " << c << " (" << expected.cell(c, Row::Element) << ") row "
                << r;
    EXPECT_EQ(actual.totalText(), expected.totalText()) << what;
}

struct TripCase {
    OutputSystem origin;
    int decimals;
};

class RoundTrip : public ::testing::TestWithParam<TripCase> {};

TEST_P(RoundTrip, GivesBackExactlyTheTextsOfEveryRowWithAUnit) {
    const auto [origin, d] = GetParam();
    const CalculationTable before = tableOfUnitRows(origin, d);
    CalculationTable t = before;
    ASSERT_TRUE(t.convertUnits(other(origin), d));
    ASSERT_TRUE(t.convertUnits(origin, d));
    expectSameTexts(t, before, "there and back");
}

TEST_P(RoundTrip, RepeatedSwitchesShowTheTextsOfTheFirstOneEachTime) {
    const auto [origin, d] = GetParam();
    const CalculationTable before = tableOfUnitRows(origin, d);
    CalculationTable t = before;
    ASSERT_TRUE(t.convertUnits(other(origin), d));
    const CalculationTable switched = t;
    for (int trip = 1; trip <= 3; ++trip) {
        ASSERT_TRUE(t.convertUnits(origin, d));
        expectSameTexts(t, before, "back, trip " + std::to_string(trip));
        ASSERT_TRUE(t.convertUnits(other(origin), d));
        expectSameTexts(t, switched, "switched, trip " + std::to_string(trip));
    }
}

std::vector<TripCase> tripCases() {
    std::vector<TripCase> cases;
    for (OutputSystem s : {kMetric, kUs})
        for (int d = 0; d <= 6; ++d) cases.push_back({s, d});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Results, RoundTrip, ::testing::ValuesIn(tripCases()), [](const auto& p) {
    return std::string(p.param.origin == kUs ? "US" : "Metric") + "Decimals" +
           std::to_string(p.param.decimals);
});

// The values of the bug report: density 998.200, roughness 0.050 mm, a bend
// radius of 150.000 and the angle 90.000.
CalculationColumn bendAndPipe() {
    CalculationColumn c;
    c[Row::Medium] = "water/liq.";
    c[Row::RateOfFlow] = "10.000";
    c[Row::Density] = "998.200";
    c[Row::Viscosity] = "1002.000";
    c[Row::Element] = "Circular bend/1";
    c[Row::Dimension1] = "Diameter of pipe D in mm: 100.000";
    c[Row::Dimension2] = "Radius R in mm: 150.000";
    c[Row::Dimension3] = "Angle w in degree: 90.000";
    c[Row::Field4] = " ";
    c[Row::Option] = "The surface of pipe is:  smooth";
    c[Row::Velocity] = "0.354";
    c[Row::Roughness] = "0.050";
    c[Row::PressureDrop] = "1.230";
    c[Row::PressureDropLarge] = "0.001";
    return c;
}

CalculationTable tableOf(std::vector<CalculationColumn> columns, OutputSystem system = kMetric) {
    CalculationTable t;
    t.setCalculations(std::move(columns));
    t.renumber();
    t.writeHeadings(system, 3);
    return t;
}

CalculationColumn named(CalculationColumn c, const std::string& name) {
    c[Row::Element] = name + "/1";
    return c;
}

TEST(UnitSwitch, OneSwitchConvertsTheTextsAndTheThirdDimensionTakesAComma) {
    CalculationTable t = tableOf({bendAndPipe()});
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    EXPECT_EQ(t.cell(1, Row::Density), "62.316");
    EXPECT_EQ(t.cell(1, Row::Roughness), "0.002");
    EXPECT_EQ(t.cell(1, Row::Dimension2), "Radius R in in.: 5.906");
    EXPECT_EQ(t.cell(1, Row::Dimension3), "Angle w in degree: 90,000");
    ASSERT_TRUE(t.convertUnits(kMetric, 3));
    EXPECT_EQ(t.cell(1, Row::Density), "998.200");
    EXPECT_EQ(t.cell(1, Row::Roughness), "0.050");
    EXPECT_EQ(t.cell(1, Row::Dimension2), "Radius R in mm: 150.000");
    EXPECT_EQ(t.cell(1, Row::Dimension3), "Angle w in degree: 90.000");
}

// A column calculated while the output is US starts from its US texts; the
// columns switched before keep their own.
TEST(UnitSwitch, ColumnWrittenInTheOtherUnitsStartsFromItsOwnTexts) {
    CalculationTable t = tableOf({bendAndPipe()});
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    const CalculationColumn firstInUs = t.column(1);
    CalculationColumn usColumn = bendAndPipe();
    usColumn[Row::Element] = "calculated in US/1";
    usColumn[Row::Density] = "62.316";
    usColumn[Row::Dimension2] = "Radius R in in.: 5.906";
    usColumn[Row::Roughness] = "0.002";
    const int col = t.trailingColumn();
    for (int r = 1; r < kTableRows; ++r) t.setCell(col, r, usColumn[r]);
    t.addTrailingColumn();
    t.renumber();

    ASSERT_TRUE(t.convertUnits(kMetric, 3));
    EXPECT_EQ(t.column(1), tableOf({bendAndPipe()}).column(1));
    EXPECT_EQ(t.cell(2, Row::Dimension2), "Radius R in mm: 150.012");
    EXPECT_EQ(t.cell(2, Row::Roughness), "0.051");
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    EXPECT_EQ(t.column(1), firstInUs);
    for (int r = 1; r < kTableRows; ++r) EXPECT_EQ(t.cell(2, r), usColumn[r]) << "row " << r;
}

TEST(UnitSwitch, DeletedAndMovedColumnsKeepWhatTheyConvertFrom) {
    const std::vector<CalculationColumn> original = {
        named(bendAndPipe(), "A"), named(bendAndPipe(), "B"), named(bendAndPipe(), "C")};
    CalculationTable t = tableOf(original);
    t.setCell(3, Row::Roughness, "0.070");
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    ASSERT_TRUE(t.deleteColumn(1, kUs, 3));  // A goes; B, C remain
    t.moveColumn(2, 1);                      // C, B
    t.moveColumn(3, 1);                      // the empty column goes back to the end
    ASSERT_TRUE(t.convertUnits(kMetric, 3));
    ASSERT_EQ(t.calculationCount(), 2);
    EXPECT_EQ(t.cell(1, Row::Element), "C/1");
    EXPECT_EQ(t.cell(1, Row::Roughness), "0.070");
    EXPECT_EQ(t.cell(2, Row::Element), "B/1");
    for (int r = 1; r < kTableRows; ++r) EXPECT_EQ(t.cell(2, r), original[1][r]) << "row " << r;
    EXPECT_EQ(t.cell(1, Row::Number), "1");
    EXPECT_EQ(t.cell(2, Row::Number), "2");
}

// A specification typed while the table shows US units is kept; a value row
// written from elsewhere is what the next switch converts.
TEST(UnitSwitch, TypedSpecificationStaysAndAnOverwrittenValueIsConvertedAfresh) {
    CalculationTable t = tableOf({bendAndPipe()});
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    t.setCell(1, Row::Specification, "pump suction");
    t.setCell(1, Row::Density, "62.000");
    ASSERT_TRUE(t.convertUnits(kMetric, 3));
    EXPECT_EQ(t.cell(1, Row::Specification), "pump suction");
    EXPECT_EQ(t.cell(1, Row::Density), "993.145");  // 62 x 16.0184655
    EXPECT_EQ(t.cell(1, Row::Dimension2), "Radius R in mm: 150.012");
}

// Decimal places changed between switches: the values are written again
// from the texts before the first switch, not from the rounded ones between.
TEST(UnitSwitch, OtherDecimalsWriteTheValuesBeforeTheFirstSwitchAgain) {
    CalculationTable t = tableOf({bendAndPipe()});
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    ASSERT_TRUE(t.convertUnits(kMetric, 2));
    EXPECT_EQ(t.cell(1, Row::Dimension2), "Radius R in mm: 150.00");
    EXPECT_EQ(t.cell(1, Row::Dimension3), "Angle w in degree: 90,00");
    EXPECT_EQ(t.cell(1, Row::Density), "998.20");
    ASSERT_TRUE(t.convertUnits(kUs, 2));
    EXPECT_EQ(t.cell(1, Row::Dimension2), "Radius R in in.: 5.91");
}

TEST(UnitSwitch, RefusedSwitchKeepsWhatTheColumnsConvertFrom) {
    CalculationTable t = tableOf({bendAndPipe()});
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    const auto source = t.switchSource(1);
    ASSERT_TRUE(source);
    // A column calculated in US units whose density has no metric value.
    CalculationColumn huge = bendAndPipe();
    huge[Row::Density] = "1e308";
    for (int r = 1; r < kTableRows; ++r) t.setCell(t.trailingColumn(), r, huge[r]);
    t.addTrailingColumn();
    const CalculationTable before = t;
    EXPECT_FALSE(t.convertUnits(kMetric, 3));
    EXPECT_EQ(t.switchSource(1), source);
    EXPECT_FALSE(t.switchSource(2));
    EXPECT_EQ(t.clipboardText(), before.clipboardText());
}

TEST(UnitSwitch, UndoAndRedoOfASwitchKeepWhatTheColumnsConvertFrom) {
    Session s;
    s.table = tableOf({bendAndPipe()});
    TableSnapshots snapshots;
    const auto before = snapshots.take(s);
    RecordingMessageSink messages;
    ASSERT_EQ(switchOutputSystem(s, kUs, messages), OutputSwitch::Switched);
    const auto after = snapshots.take(s);
    restoreTable(s, *before);  // undo
    restoreTable(s, *after);   // redo
    EXPECT_EQ(s.settings.output, kUs);
    ASSERT_EQ(switchOutputSystem(s, kMetric, messages), OutputSwitch::Switched);
    EXPECT_EQ(s.table.column(1), tableOf({bendAndPipe()}).column(1));
    EXPECT_TRUE(messages.messages.empty());
}

// Only the texts are saved: a project opened from a file starts from them.
TEST(UnitSwitch, ProjectOpenedFromAFileStartsFromItsTexts) {
    testing_support::ScratchFolder folder;
    Session s;
    s.table = tableOf({bendAndPipe()});
    RecordingMessageSink messages;
    ASSERT_EQ(switchOutputSystem(s, kUs, messages), OutputSwitch::Switched);
    ASSERT_TRUE(WriteProject(s, folder.file("us.tlv"), messages));

    Session opened;
    LoadProject(opened, folder.file("us.tlv"), messages);
    ASSERT_EQ(opened.settings.output, kUs);
    EXPECT_FALSE(opened.table.switchSource(1));
    ASSERT_EQ(switchOutputSystem(opened, kMetric, messages), OutputSwitch::Switched);
    EXPECT_EQ(opened.table.cell(1, Row::Dimension2), "Radius R in mm: 150.012");
    EXPECT_EQ(opened.table.cell(1, Row::Roughness), "0.051");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(UnitSwitch, CopyBackAfterARoundTripTakesTheOriginalValues) {
    const CalculationTable before = tableOf({bendAndPipe()});
    FormState expected;
    ASSERT_TRUE(CopyToEditWindows(expected, before, 1, kMetric, 3));
    CalculationTable t = before;
    ASSERT_TRUE(t.convertUnits(kUs, 3));
    ASSERT_TRUE(t.convertUnits(kMetric, 3));
    FormState copied;
    ASSERT_TRUE(CopyToEditWindows(copied, t, 1, kMetric, 3));
    EXPECT_EQ(copied.medium.density, "998.200");
    EXPECT_EQ(copied.element.rows[1].text, "150.000");
    EXPECT_EQ(copied.medium, expected.medium);
    EXPECT_EQ(copied.element, expected.element);
}

TEST(OutputSwitch, SameSystemChangesNothing) {
    Session s;
    s.table = tableOf({bendAndPipe()});
    RecordingMessageSink messages;
    EXPECT_EQ(switchOutputSystem(s, kMetric, messages), OutputSwitch::Unchanged);
    EXPECT_EQ(s.table.column(1), tableOf({bendAndPipe()}).column(1));
    EXPECT_FALSE(s.table.switchSource(1));
}

TEST(OutputSwitch, RefusalIsReportedAndTheSettingStays) {
    CalculationColumn huge = bendAndPipe();
    huge[Row::RateOfFlow] = "1e308";
    Session s;
    s.table = tableOf({huge});
    RecordingMessageSink messages;
    EXPECT_EQ(switchOutputSystem(s, kUs, messages), OutputSwitch::Refused);
    EXPECT_EQ(s.settings.output, kMetric);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kUnitSwitchRefused);
    EXPECT_EQ(s.table.cell(0, Row::PressureDrop), "Pressure drop in mbar:");
}

// A locale whose decimal separator is a comma, for the C++ streams.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Switches the process's locales for one scope and back.
class LocaleScope {
public:
    explicit LocaleScope(const char* cName)
        : cpp_(std::locale::global(std::locale(std::locale::classic(), new CommaDecimals))),
          c_(std::setlocale(LC_ALL, nullptr)) {
        cSet_ = cName && std::setlocale(LC_ALL, cName) != nullptr;
    }
    ~LocaleScope() {
        std::setlocale(LC_ALL, c_.c_str());
        std::locale::global(cpp_);
    }
    bool cLocaleSet() const { return cSet_; }

private:
    std::locale cpp_;
    std::string c_;
    bool cSet_ = false;
};

std::string switchedTexts(OutputSystem origin, int d) {
    CalculationTable t = tableOfUnitRows(origin, d);
    t.convertUnits(other(origin), d);
    std::string texts = t.clipboardText();
    t.convertUnits(origin, d);
    return texts + t.clipboardText();
}

// The switch writes with the program's own number writer: a comma appears only
// where the table puts one (the third dimension), whatever the locale.
TEST(UnitSwitchLocale, TextsDoNotFollowACommaLocaleOfTheStreams) {
    const std::string metric = switchedTexts(kMetric, 3), us = switchedTexts(kUs, 3);
    LocaleScope scope(nullptr);
    EXPECT_EQ(switchedTexts(kMetric, 3), metric);
    EXPECT_EQ(switchedTexts(kUs, 3), us);
}

TEST(UnitSwitchLocale, TextsDoNotFollowAGermanLocale) {
    const std::string metric = switchedTexts(kMetric, 3), us = switchedTexts(kUs, 3);
    LocaleScope scope("de_DE.UTF-8");
    if (!scope.cLocaleSet()) GTEST_SKIP() << "no German locale on this machine";
    EXPECT_EQ(switchedTexts(kMetric, 3), metric);
    EXPECT_EQ(switchedTexts(kUs, 3), us);
}

}  // namespace
}  // namespace tolvane
