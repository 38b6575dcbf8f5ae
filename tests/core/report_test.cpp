// The calculation report: the engine's numbers of every column (and the
// table's texts, marked, where a column does not calculate again to them),
// the total, media, sources, the pump's operating point on the diagram, the
// title-block file's round trip and refusals, and the pages on a recording
// canvas (page i of n, the title block on every page, nothing cut).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "base/text_file.h"
#include "report/calculation_report.h"
#include "report/report_printout.h"
#include "report/title_block.h"
#include "results/column_reading.h"
#include "shell/calculate_command.h"
#include "shell/plant_curve_command.h"
#include "shell/report_command.h"
#include "shell/table_opinion.h"
#include "shell_harness.h"
#include "tools/pump_file.h"

namespace tolvane::report {
namespace {

using shelltest::texts;

struct Step {
    ElementKind kind;
    std::vector<std::string> fields;
    std::string quantity = "1";
    int option = 0;
};

// The line of the golden curve cases: 25 m of DN 80, an entrance, four
// bends, a valve and 5 m of height, with 10 m³/h of water.
const std::vector<Step> kFiveElements = {
    {{1, 1}, {"80", "25"}},   {{2, 1}, {"80"}, "1", 1}, {{4, 1}, {"80", "160", "90"}, "4"},
    {{7, 1}, {"80"}, "1", 1}, {{10, 1}, {"5"}},
};

struct Built {
    Session session;
    std::vector<ElementResult> results;  // what each Calculate computed
};

Built calculate(const std::vector<Step>& steps, OutputSystem output = OutputSystem::Metric) {
    Built b;
    Session& s = b.session;
    s.settings.output = output;
    s.table.writeHeadings(output, s.settings.decimals);
    s.form.medium.name = "water 20 C";
    s.form.medium.flow = "10";
    int n = 0;
    for (const Step& step : steps) {
        chooseElementKind(s.form, step.kind);
        for (std::size_t i = 0; i < step.fields.size(); ++i) {
            s.form.element.rows[i].text = step.fields[i];
            // A US table records its dimensions in inches and feet, so they are typed in them.
            if (output == OutputSystem::US && i < 2) s.form.element.rows[i].unit.index = 1;
        }
        s.form.element.quantity = step.quantity;
        s.form.element.option.selected = step.option;
        s.table.setCell(s.table.trailingColumn(), Row::Specification,
                        "part " + std::to_string(++n));
        RecordingMessageSink sink;
        const CalculateOutcome out = Calculate(s, sink, [] { return std::optional<double>(0.1); });
        EXPECT_TRUE(out.added) << testing::PrintToString(texts(sink));
        b.results.push_back(out.result);
    }
    return b;
}

ReportRequest plainRequest() {
    ReportRequest r;
    r.settings.title.project = "Cooling water";
    r.settings.include.diagram = false;
    return r;
}

TEST(FormatSignificant, GivesFiveSignificantDigitsWithoutExponentInTheUsualRange) {
    struct Case {
        double x;
        const char* text;
    };
    const Case cases[] = {
        {0.552741234, "0.55274"},
        {35368.4, "35368"},
        {176432.7, "176433"},
        {1.0, "1.0000"},
        {0.0, "0"},
        {-0.0123456, "-0.012346"},
        {1.23456e-7, "1.2346e-07"},
        {2.5e12, "2.5000e+12"},
        {9.99996, "10.0000"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatSignificant(c.x, 5), c.text) << c.x;
    EXPECT_EQ(formatSignificant(489.61712), "489.617");  // the report's six digits
}

TEST(CalculationReport, ShowsTheEngineNumbersOfEveryColumn) {
    const Built b = calculate(kFiveElements);
    const CalculationReport r = MakeReport(b.session, plainRequest());
    ASSERT_EQ(r.rows.size(), kFiveElements.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        const ReportRow& row = r.rows[i];
        const ElementResult& e = b.results[i];
        const int col = static_cast<int>(i) + 1;
        SCOPED_TRACE(row.element);
        EXPECT_FALSE(row.fromTable);
        EXPECT_EQ(row.number, std::to_string(col));
        EXPECT_EQ(row.specification, "part " + std::to_string(col));
        EXPECT_EQ(row.element + "/" + row.quantity, b.session.table.cell(col, Row::Element));
        EXPECT_EQ(row.pressureDrop, formatSignificant(e.pressureDrop * 1000.0));
        // The full number rounds to the table's three decimals.
        EXPECT_NEAR(std::stod(row.pressureDrop),
                    cellNumber(b.session.table.cell(col, Row::PressureDrop)), 0.0005);
        if (kFiveElements[i].kind != ElementKind{10, 1}) {
            ASSERT_EQ(row.velocities.size(), 1u);
            EXPECT_EQ(row.velocities[0], formatSignificant(e.velocity));
            EXPECT_EQ(row.reynolds[0], formatSignificant(e.reynolds, kReynoldsDigits));
        } else {
            EXPECT_TRUE(row.velocities.empty());
        }
        sum += e.pressureDrop * 1000.0;
    }
    EXPECT_EQ(r.rows[0].coefficients.front(),
              "λ = " + formatSignificant(b.results[0].frictionFactor));
    EXPECT_EQ(r.rows[2].coefficients.front(), "ζ = " + formatSignificant(b.results[2].zeta));
    EXPECT_EQ(r.rows[0].inputs.front(), "Diameter of pipe D: 80.000 mm");
    EXPECT_EQ(r.total.substr(0, r.total.find(' ')), formatSignificant(sum));
    EXPECT_EQ(r.tableTotal, b.session.table.totalText());
    EXPECT_TRUE(r.notes.empty());
    EXPECT_EQ(r.velocityUnit, "m/s");
    EXPECT_EQ(r.pressureUnit, "mbar");
}

TEST(CalculationReport, KeepsAndMarksTheTableTextsOfAColumnThatDoesNotCalculateAgain) {
    Built b = calculate(kFiveElements);
    // As if the column had been calculated with another roughness query answer.
    b.session.table.setCell(3, Row::PressureDrop, "999.000");
    const CalculationReport r = MakeReport(b.session, plainRequest());
    EXPECT_TRUE(r.rows[2].fromTable);
    EXPECT_EQ(r.rows[2].pressureDrop, "999.000 *");
    EXPECT_FALSE(r.rows[1].fromTable);
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(r.notes[0], kFromTableNote);
}

TEST(CalculationReport, UsOutputInFeetPerSecondAndPoundsPerSquareFoot) {
    const Built b =
        calculate({{{1, 1}, {"3", "80"}}, {{4, 1}, {"3", "6", "90"}, "2"}}, OutputSystem::US);
    const CalculationReport r = MakeReport(b.session, plainRequest());
    EXPECT_EQ(r.velocityUnit, "ft./s");
    EXPECT_EQ(r.pressureUnit, "lbw./sq.ft.");
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        EXPECT_FALSE(r.rows[i].fromTable) << r.rows[i].element;
        const int col = static_cast<int>(i) + 1;
        EXPECT_NEAR(std::stod(r.rows[i].pressureDrop),
                    cellNumber(b.session.table.cell(col, Row::PressureDrop)), 0.0005);
        EXPECT_NEAR(std::stod(r.rows[i].velocities[0]),
                    cellNumber(b.session.table.cell(col, Row::Velocity)), 0.0005);
    }
}

TEST(CalculationReport, NamesTheMediumAndTheSourcesOfTheColumnsCorrelations) {
    const Built b = calculate(kFiveElements);
    const CalculationReport r = MakeReport(b.session, plainRequest());
    ASSERT_EQ(r.media.size(), 1u);
    EXPECT_EQ(r.media[0].name, "water 20 C");
    EXPECT_EQ(r.media[0].condition, "liquid");
    EXPECT_EQ(r.media[0].columns, "1-5");
    EXPECT_EQ(r.media[0].source, kAsEntered);
    ASSERT_EQ(r.media[0].properties.size(), 3u);
    EXPECT_EQ(r.media[0].properties[1].label, "Weight density in kg/m³");  // the table's heading
    EXPECT_EQ(r.media[0].properties[1].value, "998.200");

    auto usedBy = [&](const std::string& usedFor) -> std::string {
        for (const ReportSource& s : r.sources)
            if (s.usedFor.starts_with(usedFor)) return s.usedBy;
        return "(none)";
    };
    EXPECT_EQ(usedBy("Turbulent friction factor"), "column 1");
    EXPECT_EQ(usedBy("Laminar friction factor"), "(none)");  // the pipe's flow is turbulent
    EXPECT_EQ(usedBy("Elementary physics"), "column 5");
    EXPECT_EQ(usedBy("Gas correction"), "(none)");
    EXPECT_EQ(usedBy("Pump characteristic"), "(none)");
}

TEST(CalculationReport, GivesTheSecondOpinionOfThePublishedMethodsWithTheChecks) {
    const Built b = calculate(kFiveElements);
    const CalculationReport r = MakeReport(b.session, plainRequest());
    const checks::SecondOpinion opinion = tableSecondOpinion(b.session, {});
    std::vector<std::string> expected;
    for (const checks::ColumnOpinion& c : opinion.columns)
        if (const std::string text = checks::opinionText(c, 3); !text.empty())
            expected.push_back("Column " + std::to_string(c.column) + ": " + text);
    ASSERT_FALSE(expected.empty());  // the bend and the valve have published methods
    ASSERT_EQ(r.secondOpinion.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(r.secondOpinion[i], expected[i]);
    EXPECT_EQ("t" + r.secondOpinion.back().substr(1),
              checks::rangeText(opinion, OutputSystem::Metric, 3));
    bool named = false;
    for (const ReportSource& s : r.sources)
        named |= s.usedFor == "Published methods of the second opinion";
    EXPECT_TRUE(named);
    ReportRequest without = plainRequest();
    without.settings.include.checks = false;
    EXPECT_TRUE(MakeReport(b.session, without).secondOpinion.empty());
}

TEST(CalculationReport, ShowsBothSectionsOfAChangeOfSection) {
    const Built b = calculate({{{3, 1}, {"50", "100"}}});  // sudden enlargement
    const CalculationReport r = MakeReport(b.session, plainRequest());
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_FALSE(r.rows[0].fromTable);
    ASSERT_EQ(r.rows[0].velocities.size(), 2u);
    EXPECT_EQ(r.rows[0].velocities[1], formatSignificant(b.results[0].velocity2));
    EXPECT_EQ(r.rows[0].reynolds[1], formatSignificant(b.results[0].reynolds2, kReynoldsDigits));
}

TEST(CalculationReport, AGasColumnNamesItsGasDataAndTheGasCorrection) {
    Session s;
    s.table.writeHeadings(OutputSystem::Metric, 3);
    s.form.medium.name = "air";
    s.form.medium.gas = true;
    s.form.medium.flow = "100";
    s.form.medium.density = "1.2";
    s.form.medium.viscosity = "18";
    chooseElementKind(s.form, {1, 1});
    s.form.element.rows[0].text = "100";
    s.form.element.rows[1].text = "10";
    RecordingMessageSink sink;
    ASSERT_TRUE(Calculate(s, sink, [] { return std::optional<double>(0.1); }).added)
        << testing::PrintToString(texts(sink));
    ReportRequest req = plainRequest();
    req.gasDataKnown = true;
    const CalculationReport r = MakeReport(s, req);
    ASSERT_EQ(r.media.size(), 1u);
    EXPECT_EQ(r.media[0].condition, "gas");
    ASSERT_EQ(r.media[0].properties.size(), 6u);
    EXPECT_EQ(r.media[0].properties[3].label, "Pressure (incoming)");
    EXPECT_TRUE(r.media[0].properties[3].value.starts_with(s.form.gas.pressure + " "));
    EXPECT_FALSE(r.rows[0].fromTable);
    bool gas = false;
    for (const ReportSource& src : r.sources)
        gas |= src.usedFor == "Gas correction" && src.usedBy == "column 1";
    EXPECT_TRUE(gas);
    // From a project file the gas data are not known.
    const CalculationReport fromFile = MakeReport(s, plainRequest());
    EXPECT_EQ(fromFile.media[0].properties.back().value, "not recorded in the project file");
}

TEST(CalculationReport, MergesColumnRangesOfOneMediumAndSeparatesAnother) {
    Built b = calculate(kFiveElements);
    b.session.table.setCell(4, Row::Medium, "oil/liq.");
    const CalculationReport r = MakeReport(b.session, plainRequest());
    ASSERT_EQ(r.media.size(), 2u);
    EXPECT_EQ(r.media[0].columns, "1-3, 5");
    EXPECT_EQ(r.media[1].columns, "4");
    EXPECT_EQ(r.media[1].name, "oil");
}

TEST(CalculationReport, ChecksCarryTheirBasis) {
    Built b = calculate({{{1, 1}, {"20", "10"}}});  // 10 m³/h through DN 20: far above 3 m/s
    ReportRequest req = plainRequest();
    const CalculationReport r = MakeReport(b.session, req);
    ASSERT_FALSE(r.checks.empty());
    const auto velocity = std::find_if(r.checks.begin(), r.checks.end(),
                                       [](const ReportCheck& c) { return c.code == "velocity"; });
    ASSERT_NE(velocity, r.checks.end());
    EXPECT_EQ(velocity->where, "column 1");
    EXPECT_EQ(velocity->source, checkSource("velocity"));
    EXPECT_EQ(checkSource("some-new-check"), "Help page checks.html#some-new-check");
    req.settings.include.checks = false;
    EXPECT_TRUE(MakeReport(b.session, req).checks.empty());
}

std::optional<ReportPump> examplePump(double staticHead) {
    const PumpFileOutcome read = readPumpFile(std::string(TOLVANE_SOURCE_DIR) +
                                              "/data/pumps/example-end-suction-50-200.tpump");
    if (!read.file) return std::nullopt;
    ReportPump p{PumpCurve(read.file->pump), "example-end-suction-50-200.tpump", {}, {}};
    p.side.staticHead = staticHead;
    return p;
}

TEST(CalculationReport, TheOperatingPointLiesWhereThePumpLeavesThePlantItsDrop) {
    const Built b = calculate(kFiveElements);
    ReportRequest req = plainRequest();
    req.settings.include.diagram = true;
    req.pump = examplePump(30.0);
    ASSERT_TRUE(req.pump);
    req.curve = defaultReportCurve(b.session, req.pump);
    EXPECT_EQ(req.curve.from, "0");
    const CalculationReport r = MakeReport(b.session, req);
    ASSERT_TRUE(r.diagram);
    ASSERT_TRUE(r.diagram->pump);
    const PumpOnCurve& p = *r.diagram->pump;
    ASSERT_TRUE(p.operating.point) << p.operating.problem;
    EXPECT_GE(r.diagram->diagram.curve.end, req.pump->pump.maxFlow());
    // The plant's drop at the operating flow equals what the pump leaves.
    const auto columns =
        readCurveColumns(b.session.table, OutputSystem::Metric, catalogueKindByName());
    ASSERT_TRUE(columns);
    FlowMedium m;
    m.rateOfFlow = 10.0;
    m.density = 998.2;
    m.viscosity = 1002.0;
    const auto drop = plantDropAt(*columns, m, p.operating.point->flow);
    ASSERT_TRUE(drop);
    EXPECT_NEAR(pressureOfHead(p.operating.point->head - 30.0, 998.2), *drop, 1e-6);
    EXPECT_FALSE(p.pressureForPlant.empty());
    ASSERT_GE(r.diagramLines.size(), 3u);
    EXPECT_TRUE(r.diagramLines[2].starts_with("Operating point: rate of flow " +
                                              formatSignificant(p.operating.point->flow)));
    bool named = false;
    for (const ReportSource& s : r.sources) named |= s.usedFor == "Pump characteristic";
    EXPECT_TRUE(named);
}

TEST(CalculationReport, SaysWhyThereIsNoDiagram) {
    Session empty;
    empty.table.writeHeadings(OutputSystem::Metric, 3);
    ReportRequest req = plainRequest();
    req.settings.include.diagram = true;
    const CalculationReport r = MakeReport(empty, req);
    EXPECT_FALSE(r.diagram);
    ASSERT_EQ(r.diagramLines.size(), 1u);
    EXPECT_TRUE(r.diagramLines[0].starts_with(
        "No plant characteristic curve: In the table are no values."));
}

// ---- The pages ----

constexpr int kPageW = 1800, kPageH = 2670;  // A4 portrait between 15 mm margins

std::vector<std::string> pageTexts(const RecordingPrintCanvas& c, std::size_t page) {
    std::vector<std::string> out;
    for (const auto& t : c.pages[page].texts) out.push_back(t.text);
    return out;
}

bool hasText(const RecordingPrintCanvas& c, std::size_t page, const std::string& text) {
    const auto t = pageTexts(c, page);
    return std::find(t.begin(), t.end(), text) != t.end();
}

TEST(ReportPrintout, EveryPageHasTheTitleBlockAndItsNumberOfAll) {
    // 40 columns: several pages of rows.
    std::vector<Step> many;
    for (int i = 0; i < 8; ++i) many.insert(many.end(), kFiveElements.begin(), kFiveElements.end());
    const Built b = calculate(many);
    ReportRequest req = plainRequest();
    req.settings.title.checkedBy = "J. Doe";
    req.settings.include.diagram = true;
    req.curve = defaultReportCurve(b.session, std::nullopt);
    const CalculationReport r = MakeReport(b.session, req);
    RecordingPrintCanvas canvas(kPageW, kPageH);
    printReport(r, canvas);
    const std::size_t n = canvas.pages.size();
    ASSERT_GE(n, 3u);
    EXPECT_EQ(layoutReport(r, canvas).size(), n);
    for (std::size_t p = 0; p < n; ++p) {
        SCOPED_TRACE(p);
        const std::string of = "Page " + std::to_string(p + 1) + " of " + std::to_string(n);
        const std::vector<std::string> onPage = pageTexts(canvas, p);
        EXPECT_EQ(std::count(onPage.begin(), onPage.end(), of), 2);  // title block and foot
        EXPECT_TRUE(hasText(canvas, p, "Project: Cooling water"));
        EXPECT_TRUE(hasText(canvas, p, "Checked by: J. Doe"));
        for (const auto& t : canvas.pages[p].texts) {
            EXPECT_GE(t.y, 0);
            EXPECT_LE(t.y + t.points * 254 / 72, kPageH) << t.text;
        }
        for (const auto& l : canvas.pages[p].lines) {
            EXPECT_LE(std::max(l.y1, l.y2), kPageH);
            EXPECT_LE(std::max(l.x1, l.x2), kPageW);
        }
    }
    // Every column's number and drop are printed; the table's heading stands above the rows of each
    // page.
    int headings = 0;
    for (std::size_t p = 0; p < n; ++p) headings += hasText(canvas, p, "No.") ? 1 : 0;
    for (const ReportRow& row : r.rows) {
        int numbers = 0, drops = 0;
        for (std::size_t p = 0; p < n; ++p)
            for (const auto& t : canvas.pages[p].texts) {
                numbers += t.text == row.number ? 1 : 0;
                drops += t.text == row.pressureDrop ? 1 : 0;
            }
        EXPECT_GE(numbers, 1) << row.number;
        EXPECT_GE(drops, 1) << row.pressureDrop;
    }
    EXPECT_GE(headings, 2);
}

TEST(ReportPrintout, PrintsOnlyThePagesOfARange) {
    const Built b = calculate(kFiveElements);
    const CalculationReport r = MakeReport(b.session, plainRequest());
    RecordingPrintCanvas all(kPageW, kPageH);
    printReport(r, all);
    RecordingPrintCanvas one(kPageW, kPageH);
    printReport(r, one, PageRange{1, 1});
    ASSERT_EQ(one.pages.size(), 1u);
    EXPECT_EQ(pageTexts(one, 0), pageTexts(all, 0));
}

TEST(ReportPrintout, LeavesOutTheSectionsNotIncluded) {
    const Built b = calculate(kFiveElements);
    ReportRequest req = plainRequest();
    req.settings.include = {false, true, false, false, false};
    const CalculationReport r = MakeReport(b.session, req);
    RecordingPrintCanvas canvas(kPageW, kPageH);
    printReport(r, canvas);
    for (const char* heading : {"Medium", "Checks", "Sources", "Plant characteristic curve"})
        for (std::size_t p = 0; p < canvas.pages.size(); ++p)
            EXPECT_FALSE(hasText(canvas, p, heading)) << heading;
    EXPECT_TRUE(hasText(canvas, 0, "Calculation"));
}

// ---- The title block beside the project ----

class TitleBlockFile : public testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("tolvane-title-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(TitleBlockFile, IsNamedAfterTheProject) {
    EXPECT_EQ(titleBlockPath("/a/b/pump line.tlv"), "/a/b/pump line.tlv.report.json");
    EXPECT_EQ(titleBlockPath(""), "");
}

TEST_F(TitleBlockFile, RoundTripsEveryMember) {
    ReportSettings s;
    s.title = {"Kühlwasser",  "L-101 / \"A\"", "DOC-7",
               "B",           "A. Author",     "C. Checker",
               "D. Approver", "2026-12-10",    "first line\nsecond line"};
    s.include = {false, true, false, true, false};
    const std::string file = path("p.tlv.report.json");
    ASSERT_EQ(writeTitleBlockFile(file, s), "");
    const TitleBlockRead read = readTitleBlockFile(file);
    ASSERT_TRUE(read.settings) << read.problem;
    EXPECT_EQ(*read.settings, s);
}

TEST_F(TitleBlockFile, AMissingFileIsAnEmptyTitleBlock) {
    const TitleBlockRead read = readTitleBlockFile(path("none.tlv.report.json"));
    ASSERT_TRUE(read.settings);
    EXPECT_EQ(*read.settings, ReportSettings{});
}

TEST_F(TitleBlockFile, RefusesADamagedFileWhole) {
    struct Case {
        const char* text;
        const char* problem;
    };
    const Case cases[] = {
        {"{\"titleBlock\": {\"project\": \"x\"", "not JSON"},
        {"[1, 2]", "not a JSON object"},
        {"{\"titleBlock\": 3}", "titleBlock: not an object"},
        {"{\"titleBlock\": {\"project\": \"ok\", \"checkedBy\": 7}}",
         "titleBlock.checkedBy: not a text"},
        {"{\"include\": {\"checks\": \"yes\"}}", "include.checks: not true or false"},
        {"{\"include\": []}", "include: not an object"},
    };
    for (const Case& c : cases) {
        const TitleBlockRead read = readTitleBlockText(c.text);
        EXPECT_FALSE(read.settings) << c.text;
        EXPECT_TRUE(read.problem.starts_with(c.problem)) << read.problem;
    }
    const std::string file = path("bad.tlv.report.json");
    ASSERT_EQ(writeFileAtomically(file, std::string(kTitleBlockByteLimit + 1, ' ')), "");
    EXPECT_EQ(readTitleBlockFile(file).problem, "the file is larger than 64 KB");
    ASSERT_EQ(writeFileAtomically(file, "{\"titleBlock\": {\"remark\": 1}}"), "");
    EXPECT_FALSE(readTitleBlockFile(file).settings);
}

TEST_F(TitleBlockFile, AFailedWriteSaysWhyAndLeavesWhatWasThere) {
    // A folder of that name cannot be replaced by the file.
    const std::string file = path("p.tlv.report.json");
    std::filesystem::create_directories(file + "/kept");
    ReportSettings s;
    s.title.project = "new";
    EXPECT_NE(writeTitleBlockFile(file, s), "");
    EXPECT_TRUE(std::filesystem::is_directory(file + "/kept"));
    EXPECT_FALSE(readTitleBlockFile(file).settings);
}

}  // namespace
}  // namespace tolvane::report
