// Project files: writing the "4.0" format, reading it and the older format,
// refusing damaged files without touching the open project.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <functional>

#include "project_test_support.h"
#include "shell/project_file.h"
#include "base/text_file.h"

namespace tolvane {
namespace {

using testing_support::addCalculations;
using testing_support::ScratchFolder;

std::string writeLines(const ScratchFolder& dir, const std::string& name,
                       const std::vector<std::string>& lines) {
    std::string path = dir.file(name);
    EXPECT_EQ(writeTextLinesAtomically(path, lines), "");
    return path;
}

std::vector<std::string> splitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the file ends with CR LF";
    return lines;
}

struct RoundTripCase {
    const char* name;
    OutputSystem system;
    TableFont font;
    std::vector<int> widths;  // columns 0..3
    int rowHeight;
};

class ProjectRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProjectRoundTrip, WritesLoadsAndWritesTheSameBytes) {
    const RoundTripCase& c = GetParam();
    ScratchFolder dir;
    Session s;
    s.settings.output = c.system;
    addCalculations(s, 3);
    s.table.setCell(2, Row::Specification, "from tank T1 (20 °C)");
    s.table.setCell(3, Row::Density, "Weight in kg/m³");
    s.table.font = c.font;
    s.table.defaultRowHeight = c.rowHeight;
    for (int i = 0; i < 4; ++i) s.table.setColumnWidth(i, c.widths[i]);
    s.projectSaved = false;

    RecordingMessageSink messages;
    std::string first = dir.file("first.tlv");
    ASSERT_TRUE(WriteProject(s, first, messages));
    EXPECT_TRUE(s.projectSaved);
    auto bytes = readFileBytes(first);
    ASSERT_TRUE(bytes);
    auto lines = splitCrLf(*bytes);
    ASSERT_EQ(lines.size(), 12u + 75u);
    EXPECT_EQ(lines[0], "4.0");
    EXPECT_EQ(lines[1], c.system == OutputSystem::US ? "I" : "M");
    EXPECT_EQ(lines[2], "3");
    std::string widths;
    for (int w : c.widths) widths += std::to_string(w) + "\t";
    EXPECT_EQ(lines[3], widths);
    EXPECT_EQ(lines[5], c.font.name);
    EXPECT_EQ(lines[7], std::to_string(c.font.size));
    EXPECT_EQ(lines[12], "1");
    EXPECT_EQ(lines[12 + kTableRows + Row::Specification],
              "from tank T1 (20 \xB0"
              "C)");  // Windows-1252 degree sign
    EXPECT_EQ(lines[12 + 2 * kTableRows + Row::PressureDrop], "3.000");

    Session loaded;  // metric at start
    loaded.projectSaved = false;
    ProjectOutcome out = LoadProject(loaded, first, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(out.tableReplaced);
    EXPECT_EQ(out.outputSystemChanged, c.system == OutputSystem::US);
    EXPECT_EQ(loaded.settings.output, c.system);
    EXPECT_EQ(loaded.projectName, first);
    EXPECT_FALSE(loaded.projectSaved);  // the loader leaves the flag alone
    EXPECT_EQ(loaded.table.calculationCount(), 3);
    EXPECT_EQ(loaded.table.cell(2, Row::Specification), "from tank T1 (20 °C)");
    EXPECT_EQ(loaded.table.cell(0, Row::PressureDrop), c.system == OutputSystem::US
                                                           ? "Pressure drop in lbw./sq.ft.:"
                                                           : "Pressure drop in mbar:");
    EXPECT_EQ(loaded.table.font.bold, c.font.bold);
    EXPECT_EQ(loaded.table.font.strikeOut, c.font.strikeOut);

    std::string second = dir.file("second.tlv");
    ASSERT_TRUE(WriteProject(loaded, second, messages));
    EXPECT_EQ(readFileBytes(second), bytes);
}

TableFont fontOf(const char* name, int color, int size, bool b, bool i, bool u, bool st) {
    TableFont f;
    f.name = name;
    f.color = color;
    f.size = size;
    f.height = fontHeightOfSize(size);
    f.bold = b, f.italic = i, f.underline = u, f.strikeOut = st;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Projects, ProjectRoundTrip,
    ::testing::Values(
        RoundTripCase{
            "MetricDefaults", OutputSystem::Metric, TableFont{}, {145, 150, 150, 150}, 16},
        RoundTripCase{"UsBoldStruck",
                      OutputSystem::US,
                      fontOf("Courier New", 255, 12, true, false, false, true),
                      {145, 80, 200, 123},
                      24},
        RoundTripCase{"ItalicUnderlined",
                      OutputSystem::Metric,
                      fontOf("Times New Roman", 16711680, 9, false, true, true, false),
                      {145, 1, 0, 999},
                      19}),
    [](const auto& p) { return std::string(p.param.name); });

// One value per line: a line break inside a text (a specification handed over
// by the batch tool, a pasted text) must not add a line, or the file written
// could no longer be opened.
struct LineBreakCase {
    const char* name;
    int row;
    std::string text;
    std::string loaded;
};

class ProjectLineBreaks : public ::testing::TestWithParam<LineBreakCase> {};

TEST_P(ProjectLineBreaks, ATextStaysOnItsLine) {
    const LineBreakCase& c = GetParam();
    ScratchFolder dir;
    Session s;
    addCalculations(s, 2);
    s.table.setCell(1, c.row, c.text);
    RecordingMessageSink messages;
    const std::string path = dir.file("breaks.tlv");
    ASSERT_TRUE(WriteProject(s, path, messages));
    auto bytes = readFileBytes(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(splitCrLf(*bytes).size(), 12u + 50u);

    Session loaded;
    LoadProject(loaded, path, messages);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front().text;
    ASSERT_EQ(loaded.table.calculationCount(), 2);
    EXPECT_EQ(loaded.table.cell(1, c.row), c.loaded);
    EXPECT_EQ(loaded.table.cell(2, Row::Element), "Gate valve/2");
}

INSTANTIATE_TEST_SUITE_P(
    Projects, ProjectLineBreaks,
    ::testing::Values(LineBreakCase{"CrLfInSpecification", 6, "pump\r\noutlet", "pump  outlet"},
                      LineBreakCase{"LfInSpecification", 6, "pump\noutlet", "pump outlet"},
                      LineBreakCase{"CrInMediumName", 1, "brine\r/liq.", "brine /liq."},
                      LineBreakCase{"TrailingBreak", 6, "note\n", "note "}),
    [](const auto& p) { return std::string(p.param.name); });

// An older-format file: 25 lines per calculation, then the nine closing lines.
std::vector<std::string> olderFile(const std::vector<std::string>& elementNames) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < elementNames.size(); ++i) {
        std::vector<std::string> col(kTableRows);
        col[Row::Number] = std::to_string(i + 1);
        col[Row::Element] = elementNames[i];
        col[Row::PressureDrop] = std::to_string(i + 2) + ".000";
        lines.insert(lines.end(), col.begin(), col.end());
    }
    for (const char* t : {"120", "18", "Arial", "0", "9", "1", "0", "0", "0"})
        lines.emplace_back(t);
    return lines;
}

std::string oldElementMessage(const char* kind) {
    return std::string("Your project-file contains one ore more elements of type \"") + kind +
           "\". In the new program version will this element calculates in a different way. "
           "Please calculate these elements new!";
}

struct OlderCase {
    const char* name;
    std::vector<std::string> elements;
    const char* messageKind;  // nullptr: no message
};

class OlderFormat : public ::testing::TestWithParam<OlderCase> {};

TEST_P(OlderFormat, LoadsMetricWithItsLookAndOneMessage) {
    ScratchFolder dir;
    std::string path = writeLines(dir, "old.tlv", olderFile(GetParam().elements));
    Session s;
    s.settings.output = OutputSystem::US;
    RecordingMessageSink messages;
    ProjectOutcome out = LoadProject(s, path, messages);
    EXPECT_TRUE(out.outputSystemChanged);
    EXPECT_EQ(s.settings.output, OutputSystem::Metric);
    const int n = static_cast<int>(GetParam().elements.size());
    EXPECT_EQ(s.table.calculationCount(), n);
    EXPECT_EQ(s.table.cell(n, Row::Element), GetParam().elements.back());
    EXPECT_EQ(s.table.cell(0, Row::PressureDrop), "Pressure drop in mbar:");
    EXPECT_EQ(s.table.defaultColumnWidth, 120);
    EXPECT_EQ(s.table.columnWidth(1), 120);
    EXPECT_EQ(s.table.columnWidth(0), 145);
    EXPECT_EQ(s.table.defaultRowHeight, 18);
    EXPECT_EQ(s.table.font.name, "Arial");
    EXPECT_EQ(s.table.font.size, 9);
    EXPECT_TRUE(s.table.font.bold);
    EXPECT_FALSE(s.table.font.italic);
    if (GetParam().messageKind) {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].type, MessageType::Error);
        EXPECT_EQ(messages.messages[0].text, oldElementMessage(GetParam().messageKind));
    } else {
        EXPECT_TRUE(messages.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Projects, OlderFormat,
    ::testing::Values(OlderCase{"SeveralOrificesOneMessage",
                                {"Orifice/1", "Gate valve/1", "Orifice/2"},
                                "Orifice"},
                      OlderCase{"BranchFirstWins",
                                {"Cock/1", "Branch flowing together/3", "Orifice/1"},
                                "Branch flowing"},
                      OlderCase{"AsunderToo", {"Branch flowing asunder/1"}, "Branch flowing"},
                      OlderCase{"TodaysOrificeNamesAreNoOldElements",
                                {"Orifice DIN 1952/1", "Orifice sharp-edged/1"},
                                nullptr}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- damaged files leave the open project as it was ----

std::vector<std::string> goodCurrentFile() {
    Session s;
    addCalculations(s, 2);
    return projectFileLines(s.table, OutputSystem::Metric);
}

struct DamageCase {
    const char* name;
    std::function<std::vector<std::string>()> lines;
    const char* problem;
};

class DamagedFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, IsRefusedWithAWarningAndTheTableStays) {
    ScratchFolder dir;
    std::string path = writeLines(dir, "broken.tlv", GetParam().lines());
    Session s;
    addCalculations(s, 1);
    s.table.setCell(1, Row::Specification, "keep me");
    s.table.setColumnWidth(1, 77);
    s.table.zoomIn();
    s.projectName = "/somewhere/current.tlv";
    s.projectSaved = false;
    const CalculationTable before = s.table;

    RecordingMessageSink messages;
    ProjectOutcome out = LoadProject(s, path, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].type, MessageType::Warning);
    EXPECT_EQ(messages.messages[0].text, "The file \"" + path + "\" is damaged: " +
                                             GetParam().problem + ".\rThe project was not opened.");
    EXPECT_FALSE(out.tableReplaced);
    EXPECT_EQ(s.table.clipboardText(), before.clipboardText());
    EXPECT_EQ(s.table.columnWidths(), before.columnWidths());
    EXPECT_EQ(s.table.font, before.font);
    EXPECT_EQ(s.table.defaultRowHeight, before.defaultRowHeight);
    EXPECT_EQ(s.projectName, "/somewhere/current.tlv");
    EXPECT_EQ(s.settings.output, OutputSystem::Metric);
}

std::vector<std::string> goodWith(std::size_t line, const std::string& text) {
    auto lines = goodCurrentFile();
    lines[line] = text;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Projects, DamagedFile,
    ::testing::Values(
        DamageCase{"MissingLastCell",
                   [] {
                       auto l = goodCurrentFile();
                       l.pop_back();
                       return l;
                   },
                   "it has 61 lines instead of 62 for 2 calculations"},
        DamageCase{"ExtraLine",
                   [] {
                       auto l = goodCurrentFile();
                       l.push_back("x");
                       return l;
                   },
                   "it has 63 lines instead of 62 for 2 calculations"},
        DamageCase{"CountIsNoNumber", [] { return goodWith(2, "two"); }, "line 3 is not a number"},
        DamageCase{"NegativeCount", [] { return goodWith(2, "-1"); }, "line 3 is not a number"},
        DamageCase{"WidthIsNoNumber", [] { return goodWith(3, "145\t1a\t150\t"); },
                   "line 4 is not a number"},
        DamageCase{"TooFewWidths", [] { return goodWith(3, "145\t150\t"); },
                   "line 4 holds 2 column widths instead of 3"},
        DamageCase{"RowHeightWithFraction", [] { return goodWith(4, "16.5"); },
                   "line 5 is not a number"},
        DamageCase{"ColourEmpty", [] { return goodWith(6, ""); }, "line 7 is not a number"},
        DamageCase{"SizeWithBlank", [] { return goodWith(7, "8 "); }, "line 8 is not a number"},
        DamageCase{"FontSizeNearIntMax", [] { return goodWith(7, "1610612736"); },
                   "line 8 is out of range"},
        DamageCase{"FontSizeZero", [] { return goodWith(7, "0"); }, "line 8 is out of range"},
        DamageCase{"RowHeightNegative", [] { return goodWith(4, "-16"); },
                   "line 5 is out of range"},
        DamageCase{"WidthHuge", [] { return goodWith(3, "145\t150\t2000000000\t"); },
                   "line 4 is out of range"},
        DamageCase{"CountAtIntMax", [] { return goodWith(2, "2147483647"); },
                   "line 4 holds 3 column widths instead of 2147483648"},
        DamageCase{"OlderFontSizeHuge",
                   [] {
                       auto l = olderFile({"Cock/1"});
                       l[29] = "1610612736";
                       return l;
                   },
                   "line 30 is out of range"},
        DamageCase{"UnknownUnitSystem", [] { return goodWith(1, "X"); },
                   "line 2 is neither \"M\" nor \"I\""},
        DamageCase{"HeaderCutShort",
                   [] {
                       auto l = goodCurrentFile();
                       l.resize(7);
                       return l;
                   },
                   "it has only 7 header lines of 12"},
        DamageCase{
            "OlderTruncated",
            [] {
                auto l = olderFile({"Cock/1", "Cock/2"});
                l.erase(l.begin() + 30);
                return l;
            },
            "it has 58 lines, which are not whole calculations of 25 lines and 9 closing lines"},
        DamageCase{"OlderWidthIsNoNumber",
                   [] {
                       auto l = olderFile({"Cock/1"});
                       l[25] = "abc";
                       return l;
                   },
                   "line 26 is not a number"},
        DamageCase{
            "OlderWithoutCalculations",
            [] {
                auto l = olderFile({"Cock/1"});
                l.erase(l.begin() + 1, l.begin() + 25);
                return l;
            },
            "it has 10 lines, which are not whole calculations of 25 lines and 9 closing lines"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(LoadProject, UnreadableFileIsNotAvailable) {
    ScratchFolder dir;
    Session s;
    addCalculations(s, 2);
    const std::string before = s.table.clipboardText();
    RecordingMessageSink messages;
    ProjectOutcome out = LoadProject(s, dir.file("missing.tlv"), messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              (Message{MessageType::Warning, "The file is not availaible.", ""}));
    EXPECT_FALSE(out.tableReplaced);
    EXPECT_EQ(s.table.clipboardText(), before);
    EXPECT_EQ(s.projectName, "NONAME.TLV");
}

TEST(LoadProject, UnknownFormatIsRefusedAndLeavesTheTable) {
    ScratchFolder dir;
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{"3.0", "M", "0"}, std::vector<std::string>{}}) {
        std::string path = writeLines(dir, "other.tlv", lines);
        Session s;
        addCalculations(s, 2);
        const std::string before = s.table.clipboardText();
        RecordingMessageSink messages;
        ProjectOutcome out = LoadProject(s, path, messages);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].type, MessageType::Warning);
        EXPECT_EQ(messages.messages[0].text,
                  "The file \"" + path +
                      "\" is damaged: it is not a project file (its first line is "
                      "neither \"4.0\" nor \"1\").\rThe project was not opened.");
        EXPECT_FALSE(out.tableReplaced);
        EXPECT_EQ(s.table.clipboardText(), before);
        EXPECT_EQ(s.projectName, "NONAME.TLV");
    }
}

TEST(LoadProject, EmptyCurrentProjectLoads) {
    ScratchFolder dir;
    std::string path = writeLines(
        dir, "none.tlv", {"4.0", "I", "0", "145\t", "16", "Arial", "0", "8", "0", "0", "0", "0"});
    Session s;
    addCalculations(s, 1);
    RecordingMessageSink messages;
    LoadProject(s, path, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(s.table.hasValues());
    EXPECT_EQ(s.settings.output, OutputSystem::US);
    EXPECT_EQ(s.table.totalText(), "0.00 psi");
}

// A save that cannot be completed (the file size limit of the process stops
// the write half-way) reports the failure and leaves the old file whole.
TEST(WriteProject, InterruptedSaveKeepsTheOldFile) {
    ScratchFolder dir;
    std::string path = dir.file("plant.tlv");
    Session small;
    addCalculations(small, 1);
    RecordingMessageSink messages;
    ASSERT_TRUE(WriteProject(small, path, messages));
    auto old = readFileBytes(path);
    ASSERT_TRUE(old);

    Session big;
    addCalculations(big, 400);
    big.projectSaved = false;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    bool written = WriteProject(big, path, messages);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(big.projectSaved);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].type, MessageType::Error);
    EXPECT_EQ(
        messages.messages[0].text.rfind("The file \"" + path + "\" could not be written.\r", 0),
        0u);
    EXPECT_EQ(readFileBytes(path), old);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

}  // namespace
}  // namespace tolvane
