// The exports' core: the sheet a calculation table becomes (columns per
// quantity, dimension captions, the total row), the cell and number texts,
// CSV quoting, the stored zip of the OpenDocument package, and Export
// table... through the scripted save dialog, keeping the old file on failure.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "exports/csv_text.h"
#include "exports/ods_document.h"
#include "exports/sheet.h"
#include "exports/stored_zip.h"
#include "exports/table_export.h"
#include "exports/table_sheet.h"

namespace tolvane::exports {
namespace {

using Kind = SheetCell::Kind;

CalculationColumn pipeColumn(const std::string& diameter, const std::string& drop) {
    CalculationColumn c;
    c[Row::Medium] = "water/liq.";
    c[Row::RateOfFlow] = "10.000";
    c[Row::Density] = "998.200";
    c[Row::Viscosity] = "1002.000";
    c[Row::Specification] = "suction, \"A\"";
    c[Row::Element] = "circular/2";
    c[Row::Dimension1] = "Diameter of pipe D in mm: " + diameter;
    c[Row::Dimension2] = "Length of pipe L in m: 1.000";
    c[Row::Field4] = " ";
    c[Row::Option] = " ";
    c[Row::Velocity] = "0.553";
    c[Row::Reynolds] = "4.40E+0004";
    c[Row::Regime] = "turbulent";
    c[Row::Roughness] = "0.100";
    c[Row::FrictionFactor] = "0.025";
    c[Row::Zeta] = "0.310";
    c[Row::PressureDrop] = drop;
    c[Row::PressureDropLarge] = "0.012";
    return c;
}

CalculationColumn bendColumn() {
    CalculationColumn c = pipeColumn("80.000", "0.854");
    c[Row::Specification] = "";
    c[Row::Element] = "Circular bend/4";
    c[Row::Dimension2] = "Radius R in mm: 160.000";
    c[Row::Dimension3] = "Angle w in degree: 90";
    c[Row::Option] = "The surface of pipe is:  smooth";
    c[Row::Roughness] = "";
    c[Row::FrictionFactor] = "";
    c[Row::PressureDropLarge] = "0.001";
    return c;
}

CalculationColumn knownResistanceColumn() {
    CalculationColumn c = pipeColumn("80.000", "7.346");
    c[Row::Element] = "Resistance coefficient/1";
    c[Row::Dimension1] = "Diameter of element D in mm: 80.000";
    c[Row::Dimension2] = "Resistance coefficient: 5.000";
    return c;
}

CalculationTable tableOf(std::vector<CalculationColumn> columns) {
    CalculationTable t;
    t.setCalculations(std::move(columns));
    t.renumber();
    t.writeHeadings(OutputSystem::Metric, 3);
    t.updateTotal(OutputSystem::Metric, 3);
    return t;
}

int columnNamed(const Sheet& s, const std::string& heading) {
    for (std::size_t i = 0; i < s.headings.size(); ++i)
        if (s.headings[i] == heading) return static_cast<int>(i);
    ADD_FAILURE() << "no column \"" << heading << "\"";
    return 0;
}

const SheetCell& cellAt(const Sheet& s, std::size_t row, const std::string& heading) {
    return s.rows.at(row).at(static_cast<std::size_t>(columnNamed(s, heading)));
}

TEST(TableSheet, OneRowPerCalculationAndOneColumnPerQuantity) {
    const Sheet s = tableSheet(tableOf({pipeColumn("100.000", "11.945"), bendColumn()}));
    ASSERT_EQ(s.rows.size(), 2u);
    for (const auto& row : s.rows) EXPECT_EQ(row.size(), s.headings.size());
    struct Expect {
        std::size_t row;
        const char* heading;
        Kind kind;
        double number;
        const char* text;
    };
    const Expect cases[] = {
        {0, "Calculating number", Kind::Number, 1, "1"},
        {1, "Calculating number", Kind::Number, 2, "2"},
        {0, "Flow medium", Kind::Text, 0, "water/liq."},
        {0, "Rate of flow in m³/h", Kind::Number, 10, "10.000"},
        {0, "Weight density in kg/m³", Kind::Number, 998.2, "998.200"},
        {0, "Specification (user)", Kind::Text, 0, "suction, \"A\""},
        {1, "Specification (user)", Kind::Empty, 0, ""},
        {0, "Element of pipe", Kind::Text, 0, "circular"},
        {1, "Element of pipe", Kind::Text, 0, "Circular bend"},
        {1, "Quantity", Kind::Text, 0, "4"},
        {0, "Diameter of pipe D in mm", Kind::Number, 100, "100.000"},
        {1, "Diameter of pipe D in mm", Kind::Number, 80, "80.000"},
        {0, "Length of pipe L in m", Kind::Number, 1, "1.000"},
        {1, "Length of pipe L in m", Kind::Empty, 0, ""},
        {1, "Radius R in mm", Kind::Number, 160, "160.000"},
        {1, "Angle w in degree", Kind::Number, 90, "90"},
        {1, "The surface of pipe is", Kind::Text, 0, "smooth"},
        {0, "Reynolds number", Kind::Number, 44000, "4.40E+0004"},
        {0, "Flow", Kind::Text, 0, "turbulent"},
        {1, "Pipe friction number", Kind::Empty, 0, ""},
        {0, "Pressure drop in mbar", Kind::Number, 11.945, "11.945"},
        {1, "Pressure drop in bar", Kind::Number, 0.001, "0.001"},
    };
    for (const Expect& e : cases) {
        SCOPED_TRACE(std::string(e.heading) + " row " + std::to_string(e.row));
        const SheetCell& c = cellAt(s, e.row, e.heading);
        EXPECT_EQ(c.kind, e.kind);
        if (e.kind == Kind::Number) {
            EXPECT_EQ(c.number, e.number);
        }
        if (e.kind != Kind::Empty) {
            EXPECT_EQ(c.text, e.text);
        }
    }
    // Dimension columns stand between the quantity and the results, in the
    // order their captions first appear.
    const int quantity = columnNamed(s, "Quantity");
    EXPECT_EQ(columnNamed(s, "Diameter of pipe D in mm"), quantity + 1);
    EXPECT_EQ(columnNamed(s, "Length of pipe L in m"), quantity + 2);
    EXPECT_EQ(columnNamed(s, "Radius R in mm"), quantity + 3);
    EXPECT_EQ(columnNamed(s, "Velocity of flow in m/s"), quantity + 6);
}

TEST(TableSheet, TheTotalRowSumsBothPressureDropColumns) {
    const Sheet s = tableSheet(
        tableOf({pipeColumn("100.000", "11.945"), bendColumn(), pipeColumn("80.000", "1034.025")}));
    ASSERT_EQ(s.totalRow.size(), s.headings.size());
    EXPECT_EQ(s.totalRow[0].kind, Kind::Text);
    EXPECT_EQ(s.totalRow[0].text, kTotalRowLabel);
    int sums = 0;
    for (const SheetCell& c : s.totalRow) sums += c.kind == Kind::ColumnSum;
    EXPECT_EQ(sums, 2);
    const auto mbar = static_cast<std::size_t>(columnNamed(s, "Pressure drop in mbar"));
    const auto bar = static_cast<std::size_t>(columnNamed(s, "Pressure drop in bar"));
    EXPECT_EQ(s.totalRow[mbar].kind, Kind::ColumnSum);
    // 11.945 + 0.854 + 1034.025 in binary is 1046.8240000000001; the sum keeps three decimals.
    EXPECT_EQ(s.totalRow[mbar].number, 1046.824);
    EXPECT_EQ(s.totalRow[bar].number, 0.025);
}

TEST(TableSheet, AGivenCoefficientIsNotTheComputedOne) {
    const Sheet s = tableSheet(tableOf({knownResistanceColumn()}));
    EXPECT_EQ(cellAt(s, 0, "Resistance coefficient (given)").number, 5.0);
    EXPECT_EQ(cellAt(s, 0, "Resistance coefficient").number, 0.31);
    EXPECT_EQ(cellAt(s, 0, "Diameter of element D in mm").number, 80.0);
}

TEST(TableSheet, AnEmptyTableHasHeadingsOnly) {
    const Sheet s = tableSheet(CalculationTable());
    EXPECT_TRUE(s.rows.empty());
    EXPECT_TRUE(s.totalRow.empty());
    EXPECT_EQ(s.headings.front(), "Calculating number");
    EXPECT_EQ(s.headings.back(), "Pressure drop in bar");
}

TEST(SheetCells, TextsReadAsNumbersOnlyWhenWhollyNumbers) {
    struct Case {
        const char* text;
        Kind kind;
        double number;
    } cases[] = {
        {"", Kind::Empty, 0},           {"   ", Kind::Empty, 0},
        {"100.000", Kind::Number, 100}, {" 1.74E+0004", Kind::Number, 17400},
        {"1,5", Kind::Number, 1.5},     {"-0.25", Kind::Number, -0.25},
        {"turbulent", Kind::Text, 0},   {"4 x 90", Kind::Text, 0},
        {"1e999", Kind::Text, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const SheetCell cell = cellOfText(c.text);
        EXPECT_EQ(cell.kind, c.kind);
        if (c.kind == Kind::Number) {
            EXPECT_EQ(cell.number, c.number);
        }
    }
}

TEST(SheetCells, NumberTextsAreShortestExactAndUseAPoint) {
    const std::pair<double, const char*> cases[] = {
        {100.0, "100"}, {0.088, "0.088"},    {17400.0, "17400"},
        {-2.5, "-2.5"}, {1.5e-7, "1.5e-07"}, {0.1 + 0.2, "0.30000000000000004"},
        {0.0, "0"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(numberText(value), text);
}

TEST(SheetCells, ColumnLettersRunPastZ) {
    const std::pair<int, const char*> cases[] = {
        {0, "A"},   {25, "Z"},  {26, "AA"},  {27, "AB"},
        {51, "AZ"}, {52, "BA"}, {701, "ZZ"}, {702, "AAA"},
    };
    for (auto [column, letters] : cases) EXPECT_EQ(columnLetters(column), letters);
}

TEST(SheetCells, TabTextBecomesHeadingsAndRows) {
    const Sheet s = sheetOfTabText(
        "Rate of flow in m³/h\tPressure drop in bar\r\n0.000\t0.490\r\n"
        "20.000\t\r\n",
        "Plant curve");
    ASSERT_EQ(s.headings.size(), 2u);
    EXPECT_EQ(s.headings[1], "Pressure drop in bar");
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(s.rows[0][1].number, 0.49);
    EXPECT_EQ(s.rows[1][0].number, 20.0);
    EXPECT_EQ(s.rows[1][1].kind, Kind::Empty);
    EXPECT_TRUE(s.totalRow.empty());
}

TEST(CsvText, QuotesOnlyWhatRfc4180Asks) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"},
        {"a,b", "\"a,b\""},
        {"header 4\"", "\"header 4\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"tab\there", "tab\there"},
        {"Wärme", "Wärme"},
        {"", ""},
    };
    for (auto [text, field] : cases) EXPECT_EQ(csvField(text), field);
}

TEST(CsvText, HeadingsRowsAndTotalEndWithCrLf) {
    const Sheet s = tableSheet(tableOf({pipeColumn("100.000", "11.945")}));
    const std::string csv = csvText(s);
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> out;
        std::size_t from = 0;
        for (std::size_t end; (end = csv.find("\r\n", from)) != std::string::npos; from = end + 2)
            out.push_back(csv.substr(from, end - from));
        EXPECT_EQ(from, csv.size()) << "text after the last CR LF";
        return out;
    }();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("Calculating number,Flow medium,Rate of flow in m³/h,", 0), 0u);
    EXPECT_EQ(
        lines[1].rfind("1,water/liq.,10,998.2,1002,\"suction, \"\"A\"\"\",circular,2,100,1,", 0),
        0u);
    EXPECT_NE(lines[1].find(",44000,"), std::string::npos);
    EXPECT_EQ(lines[2],
              "Total pressure drop" + std::string(s.headings.size() - 2, ',') + "11.945,0.012");
}

TEST(StoredZip, CrcOfTheCheckString) {
    EXPECT_EQ(crc32Of("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32Of(""), 0u);
}

std::uint32_t read32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

TEST(StoredZip, EntriesInOrderWithTheirOffsetsAndTheEndRecord) {
    const auto zip = storedZip({{"mimetype", "application/x"}, {"a/b.xml", "<x/>"}});
    ASSERT_TRUE(zip);
    const std::string& z = *zip;
    EXPECT_EQ(read32(z, 0), 0x04034b50u);
    EXPECT_EQ(z.substr(30, 8), "mimetype");  // the first name, right after the header
    EXPECT_EQ(z.substr(38, 13), "application/x");
    EXPECT_EQ(read32(z, 14), crc32Of("application/x"));
    const std::size_t second = 30 + 8 + 13;
    EXPECT_EQ(read32(z, second), 0x04034b50u);
    const std::size_t end = z.size() - 22;
    EXPECT_EQ(read32(z, end), 0x06054b50u);
    const std::uint32_t directory = read32(z, end + 16);
    EXPECT_EQ(directory, second + 30 + 7 + 4);
    EXPECT_EQ(read32(z, directory), 0x02014b50u);
    EXPECT_EQ(read32(z, directory + 42), 0u);  // the first entry's local header
    EXPECT_EQ(read32(z, directory + 46 + 8 + 42), second);
}

TEST(OdsDocument, EscapesMarkupAndKeepsBlanks) {
    EXPECT_EQ(xmlEscaped("a<b & \"c\">"), "a&lt;b &amp; &quot;c&quot;&gt;");
    EXPECT_EQ(xmlEscaped(std::string("bell\a\tend")), "bell\tend");
    Sheet s;
    s.name = "T";
    s.headings = {"x"};
    s.rows = {{SheetCell::textCell("  two  inner")}, {SheetCell::numberCell(17400, " 1.74E+0004")}};
    s.totalRow = {{Kind::ColumnSum, {}, 17400}};
    const std::string xml = odsContent(s);
    EXPECT_NE(xml.find("<text:p><text:s text:c=\"2\"/>two <text:s/>inner</text:p>"),
              std::string::npos);
    EXPECT_NE(
        xml.find("office:value-type=\"float\" office:value=\"17400\"><text:p><text:s/>1.74E+0004"),
        std::string::npos);
    EXPECT_NE(xml.find("table:formula=\"of:=SUM([.A2:.A3])\""), std::string::npos);
    const auto package = odsPackage(s);
    ASSERT_TRUE(package);
    EXPECT_EQ(package->substr(30, 8 + 46),
              "mimetypeapplication/vnd.oasis.opendocument.spreadsheet");
}

struct ExportFixture : ::testing::Test {
    std::filesystem::path dir;
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() /
            ("tolvane-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(ExportFixture, TheExtensionChoosesTheFormat) {
    const CalculationTable t = tableOf({pipeColumn("100.000", "11.945")});
    struct Case {
        const char* name;
        const char* starts;
    } cases[] = {{"line.csv", "Calculating number,"},
                 {"line.XLSX", "PK\x03\x04"},
                 {"line.ods", "PK\x03\x04"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedFileDialogs files;
        files.replies.push_back((dir / c.name).string());
        RecordingMessageSink messages;
        EXPECT_TRUE(ExportTable(t, "/work/LINE.TLV", files, messages));
        EXPECT_TRUE(messages.messages.empty());
        const auto bytes = readFileBytes((dir / c.name).string());
        ASSERT_TRUE(bytes);
        EXPECT_EQ(bytes->rfind(c.starts, 0), 0u);
    }
    EXPECT_EQ(exportFormatOfPath("a.b/line"), std::nullopt);
    EXPECT_EQ(exportFormatOfPath("line.Ods"), ExportFormat::Ods);
}

TEST_F(ExportFixture, AnotherExtensionOrAFailedWriteIsToldAndKeepsTheOldFile) {
    const CalculationTable t = tableOf({pipeColumn("100.000", "11.945")});
    const std::string kept = (dir / "kept.xlsx").string();
    ASSERT_TRUE(writeFileAtomically(kept, "old").empty());
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {(dir / "line.txt").string(), "Its name ends in none of .csv, .xlsx and .ods."},
        {kept, "Cannot write"},
        {(dir / "missing" / "line.ods").string(), "Cannot create a file beside"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ScriptedFileDialogs files;
        files.replies.push_back(c.path);
        RecordingMessageSink messages;
        EXPECT_FALSE(ExportTable(t, "LINE.TLV", files, messages));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].type, MessageType::Error);
        EXPECT_EQ(
            messages.messages[0].text.rfind("It is not possible to write the file \"" + c.path, 0),
            0u);
        EXPECT_NE(messages.messages[0].text.find(c.reason), std::string::npos)
            << messages.messages[0].text;
    }
    EXPECT_EQ(readFileBytes(kept), std::string("old"));
    EXPECT_FALSE(std::filesystem::exists(dir / "line.txt"));
}

TEST_F(ExportFixture, ACancelledDialogWritesNothing) {
    ScriptedFileDialogs files;  // no reply: cancelled
    RecordingMessageSink messages;
    EXPECT_FALSE(ExportTable(tableOf({bendColumn()}), "LINE.TLV", files, messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

}  // namespace
}  // namespace tolvane::exports
