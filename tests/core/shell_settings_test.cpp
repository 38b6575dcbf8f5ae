// The settings file: its 43 lines, a round trip through the file, the order
// in which lines are applied, the saving choice "no", and the warnings for a
// missing, short or damaged file and for a file that cannot be written.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>

#include <unistd.h>

#include "file_size_limit.h"
#include "properties/roughness_query.h"
#include "shell/settings_file.h"
#include "base/window_geometry.h"
#include "shell_harness.h"
#include "base/text_file.h"

namespace tolvane::shelltest {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tolvane_settings_" + std::to_string(::getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "TOLV.INI").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void writeLines(const std::vector<std::string>& lines) {
        ASSERT_EQ(writeTextLinesAtomically(path_, lines), "");
    }

    fs::path dir_;
    std::string path_;
};

// A state in which every kept value differs from the standard settings.
void changeEverything(Session& s, WindowPlaces& p) {
    s.settings.output = OutputSystem::US;
    s.settings.decimals = 5;
    s.settings.userDatabaseMetric = false;
    s.roughnessQuery.unit = 1;
    p = WindowPlaces{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, {21, 22, 23, 24}};
    FormState& f = s.form;
    f.medium.name = "Öl, schwer";
    setFlowKind(f, 1);
    f.medium.flowUnit.index = 6;
    f.medium.flow = "12,5";
    f.medium.density = "0.9";
    f.medium.densityUnit.index = 1;
    setViscosityKind(f, 1);
    f.medium.viscosityUnit.index = 5;
    f.medium.viscosity = "3e-3";
    f.medium.gas = true;
    f.gas = GasPanel{"14.7", 8, "68", 2, "491", 3};
    chooseElementKind(f, {4, 1});
    f.element.rows[0].text = "2";
    f.element.rows[0].unit.index = 1;
    f.element.rows[1].text = "6";
    f.element.rows[1].unit.index = 1;
    f.element.rows[2].text = "45";
    f.element.rows[2].unit.index = 1;  // hidden behind the "degree" label, kept all the same
}

TEST_F(SettingsFileTest, WritesTheLinesInTheirOrder) {
    Session s;
    const WindowPlaces p{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, {11, 12, 13, 14}};
    const std::vector<std::string> expected{
        "M",  "0",  "1",    "2",  "3",   "4",     "5",     "6",   "7",   "8",   "9",
        "10", "11", "12",   "13", "14",  "3",     "water", "0",   "1.0", "0",   "998.2",
        "0",  "0",  "1002", "0",  "0",   "10000", "0",     "300", "0",   "250", "0",
        "1",  "1",  "100",  "0",  "1.0", "0",     "",      "0",   "0",   "0"};
    EXPECT_EQ(buildSettingsLines(s, p), expected);

    RecordingMessageSink sink;
    ASSERT_TRUE(WriteSettings(s, p, path_, sink));
    EXPECT_TRUE(sink.messages.empty());
    std::string bytes = readFileBytes(path_).value();
    EXPECT_EQ(bytes.substr(0, 9), "M\r\n0\r\n1\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "0\r\n0\r\n");
}

TEST_F(SettingsFileTest, RoundTripKeepsEveryLine) {
    Session written;
    WindowPlaces writtenPlaces;
    changeEverything(written, writtenPlaces);
    RecordingMessageSink sink;
    ASSERT_TRUE(WriteSettings(written, writtenPlaces, path_, sink));
    const auto raw = readFileBytes(path_).value();
    EXPECT_NE(raw.find("\xD6l, schwer\r\n"), std::string::npos);  // Windows-1252

    Session read;
    WindowPlaces readPlaces;
    EXPECT_EQ(ReadSettings(read, readPlaces, path_, sink), SettingsRead::Restored);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(buildSettingsLines(read, readPlaces), buildSettingsLines(written, writtenPlaces));
    EXPECT_EQ(buildSettingsLines(read, readPlaces).size(), 43u);
    EXPECT_EQ(readPlaces, writtenPlaces);
    EXPECT_EQ(read.settings.output, OutputSystem::US);
    EXPECT_EQ(read.form.medium, written.form.medium);
    EXPECT_EQ(read.form.gas, written.form.gas);
    EXPECT_EQ(read.form.element.kind, (ElementKind{4, 1}));
    EXPECT_EQ(read.form.element.rows, written.form.element.rows);
    EXPECT_EQ(read.form.extra.branchFlowUnit, "oz./min");
    EXPECT_EQ(read.roughnessQuery.unit, 1);
    EXPECT_FALSE(read.settings.userDatabaseMetric);
}

// Edit1 is not kept: a restored unit brings the text of that unit, so OK on
// the untouched query takes about 0.1 mm and never 0.1 in. = 2.54 mm.
TEST_F(SettingsFileTest, RestoredRoughnessUnitBringsItsOwnInitialText) {
    for (const auto& [unit, text] : {std::pair{0, "0.1"}, std::pair{1, "0.004"}}) {
        Session written;
        written.roughnessQuery.unit = unit;
        RecordingMessageSink sink;
        ASSERT_TRUE(WriteSettings(written, WindowPlaces{}, path_, sink));

        Session read;
        read.roughnessQuery = {"7", 1 - unit};  // typed in this run before the file is read
        WindowPlaces places;
        ASSERT_EQ(ReadSettings(read, places, path_, sink), SettingsRead::Restored);
        EXPECT_EQ(read.roughnessQuery.unit, unit);
        EXPECT_EQ(read.roughnessQuery.text, text);
        const auto k = confirmRoughness(read.roughnessQuery, sink).k;
        ASSERT_TRUE(k.has_value());
        EXPECT_NEAR(*k, 0.1, 0.002) << unit;
    }
}

TEST_F(SettingsFileTest, StandardSettingsPutTheRoughnessQueryBackToMillimetres) {
    Session s;
    s.roughnessQuery = {"0.004", 1};
    applyStandardSettings(s);
    EXPECT_EQ(s.roughnessQuery.unit, 0);
    EXPECT_EQ(s.roughnessQuery.text, "0.1");
}

TEST_F(SettingsFileTest, UnitListsAreRebuiltBeforeTheirPositionsAreSet) {
    Session written;
    WindowPlaces places;
    changeEverything(written, places);
    auto lines = buildSettingsLines(written, places);
    lines[20] = "7";  // the last mass-flow unit: not in the volume-flow list's first 8 entries only
    lines[25] = "5";  // the last kinematic unit
    writeLines(lines);
    Session read;
    RecordingMessageSink sink;
    ASSERT_EQ(ReadSettings(read, places, path_, sink), SettingsRead::Restored);
    EXPECT_EQ(read.form.medium.flowUnit.text(), "oz./s");
    EXPECT_EQ(read.form.medium.viscosityUnit.text(), "sq.ft/s");
    // The element panel is laid out for the kind before its texts come back.
    EXPECT_EQ(read.form.element.rows[1].label, "Radius R:");
    EXPECT_EQ(read.form.element.rows[0].unit.text(), "in.");
    EXPECT_TRUE(read.form.element.option.visible);
}

// The standard settings as the panels show them.
void expectStandardMedium(const Session& s) {
    EXPECT_EQ(s.form.medium.name, "Water");
    EXPECT_EQ(s.form.medium.flowKind, 0);
    EXPECT_EQ(s.form.medium.flowUnit.text(), "m³/h");
    EXPECT_EQ(s.form.medium.flow, "1.0");
    EXPECT_EQ(s.form.medium.density, "998.2");
    EXPECT_EQ(s.form.medium.densityUnit.text(), "kg/m³");
    EXPECT_EQ(s.form.medium.viscosityKind, 0);
    EXPECT_EQ(s.form.medium.viscosityUnit.text(), "10-6 kg/ms");
    EXPECT_EQ(s.form.medium.viscosity, "1002");
    EXPECT_FALSE(s.form.medium.gas);
    EXPECT_EQ(s.form.gas, GasPanel{});
    EXPECT_EQ(s.settings.decimals, 3);
    EXPECT_EQ(s.roughnessQuery.unit, 0);
    EXPECT_TRUE(s.settings.userDatabaseMetric);
    for (const ElementRow& row : s.form.element.rows) EXPECT_EQ(row.unit.index, 0);
}

struct DamagedCase {
    const char* name;
    std::function<void(std::vector<std::string>&)> damage;
    int keptPlaces;  // how many window places (lines 2..15) come from the file
};

std::ostream& operator<<(std::ostream& os, const DamagedCase& c) { return os << c.name; }

const DamagedCase kDamaged[] = {
    {"only_20_lines", [](auto& l) { l.resize(20); }, 14},
    {"empty_file", [](auto& l) { l.clear(); }, 0},
    {"output_neither_M_nor_I", [](auto& l) { l[0] = "X"; }, 0},
    {"place_not_a_number", [](auto& l) { l[6] = "12px"; }, 4},
    {"decimals_beyond_six", [](auto& l) { l[16] = "7"; }, 14},
    {"flow_unit_beyond_its_list", [](auto& l) { l[20] = "13"; }, 14},
    {"kind_that_does_not_exist", [](auto& l) { l[34] = "9"; }, 14},
};

class DamagedSettingsTest : public SettingsFileTest,
                            public testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedSettingsTest, WarnsAndStartsWithStandardSettings) {
    Session written;
    WindowPlaces writtenPlaces;
    changeEverything(written, writtenPlaces);
    written.settings.saveSettings = true;
    auto lines = buildSettingsLines(written, writtenPlaces);
    GetParam().damage(lines);
    writeLines(lines);

    Session read;
    read.settings.saveSettings = false;
    WindowPlaces places;
    const WindowPlaces defaults;
    RecordingMessageSink sink;
    EXPECT_EQ(ReadSettings(read, places, path_, sink), SettingsRead::Damaged);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].type, MessageType::Warning);
    EXPECT_EQ(sink.messages[0].text,
              "The file \"TOLV.INI\" was not found or is valid.\r\nTolvane will start with "
              "standard settings.");
    EXPECT_EQ(read.settings.output, OutputSystem::Metric);
    EXPECT_TRUE(read.settings.saveSettings);
    expectStandardMedium(read);

    const int kept = GetParam().keptPlaces;
    const int fromFile[] = {writtenPlaces.mainLeft,
                            writtenPlaces.mainTop,
                            writtenPlaces.tableLeft,
                            writtenPlaces.tableTop,
                            writtenPlaces.tableWidth,
                            writtenPlaces.tableHeight,
                            writtenPlaces.shortLeft,
                            writtenPlaces.shortTop,
                            writtenPlaces.shortWidth,
                            writtenPlaces.shortHeight,
                            writtenPlaces.shortColumnWidths[0],
                            writtenPlaces.shortColumnWidths[1],
                            writtenPlaces.shortColumnWidths[2],
                            writtenPlaces.shortColumnWidths[3]};
    const int standard[] = {defaults.mainLeft,
                            defaults.mainTop,
                            defaults.tableLeft,
                            defaults.tableTop,
                            defaults.tableWidth,
                            defaults.tableHeight,
                            defaults.shortLeft,
                            defaults.shortTop,
                            defaults.shortWidth,
                            defaults.shortHeight,
                            defaults.shortColumnWidths[0],
                            defaults.shortColumnWidths[1],
                            defaults.shortColumnWidths[2],
                            defaults.shortColumnWidths[3]};
    const int got[] = {places.mainLeft,
                       places.mainTop,
                       places.tableLeft,
                       places.tableTop,
                       places.tableWidth,
                       places.tableHeight,
                       places.shortLeft,
                       places.shortTop,
                       places.shortWidth,
                       places.shortHeight,
                       places.shortColumnWidths[0],
                       places.shortColumnWidths[1],
                       places.shortColumnWidths[2],
                       places.shortColumnWidths[3]};
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(got[i], i < kept ? fromFile[i] : standard[i]) << "place " << i;
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedSettingsTest, testing::ValuesIn(kDamaged),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST_F(SettingsFileTest, MissingFileGivesTheWarningAndTheStandardSettings) {
    Session s;
    WindowPlaces places;
    changeEverything(s, places);
    places = WindowPlaces{};
    RecordingMessageSink sink;
    EXPECT_EQ(ReadSettings(s, places, (dir_ / "nothing" / "TOLV.INI").string(), sink),
              SettingsRead::Damaged);
    EXPECT_EQ(sink.messages.size(), 1u);
    expectStandardMedium(s);
    // The element kind and its texts stay as they were.
    EXPECT_EQ(s.form.element.kind, (ElementKind{4, 1}));
    EXPECT_EQ(s.form.element.rows[0].text, "2");
}

TEST_F(SettingsFileTest, SavingChoiceNoStartsWithStandardSettingsAndKeepsNo) {
    Session written;
    WindowPlaces places;
    changeEverything(written, places);
    written.settings.saveSettings = false;
    RecordingMessageSink sink;
    ASSERT_TRUE(WriteSettings(written, places, path_, sink));  // written whatever the choice
    EXPECT_EQ(buildSettingsLines(written, places)[17], "Öl, schwer");

    Session read;
    WindowPlaces readPlaces;
    EXPECT_EQ(ReadSettings(read, readPlaces, path_, sink), SettingsRead::Standard);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(read.settings.saveSettings);
    EXPECT_EQ(read.settings.output, OutputSystem::US);  // line 0 is taken before the choice
    expectStandardMedium(read);
    EXPECT_EQ(read.form.element.kind, (ElementKind{1, 1}));
    EXPECT_EQ(readPlaces, WindowPlaces{});
}

TEST_F(SettingsFileTest, UnwritableFileGivesTheWriteWarningAndKeepsTheOldFile) {
    Session s;
    WindowPlaces places;
    RecordingMessageSink sink;
    EXPECT_FALSE(WriteSettings(s, places, (dir_ / "missing" / "TOLV.INI").string(), sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].type, MessageType::Warning);
    EXPECT_EQ(sink.messages[0].text,
              "It is not possible to write the file \"TOLV.INI\".\r\n It is not able to save the "
              "actual settings.");

    // A directory in the file's place cannot be replaced either.
    fs::create_directories(dir_ / "TOLV.INI" / "inside");
    EXPECT_FALSE(WriteSettings(s, places, path_, sink));
    EXPECT_TRUE(fs::is_directory(dir_ / "TOLV.INI" / "inside"));
}

TEST_F(SettingsFileTest, ShortWriteGivesTheWriteWarningAndKeepsTheOldFile) {
    Session s;
    WindowPlaces places;
    RecordingMessageSink sink;
    ASSERT_TRUE(WriteSettings(s, places, path_, sink));
    const auto before = readFileBytes(path_);
    s.form.medium.name = std::string(200, 'x');  // the new file is longer than the old one
    {
        testing_support::FileSizeLimit limit(before->size() + 10);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(WriteSettings(s, places, path_, sink));
    }
    EXPECT_EQ(readFileBytes(path_), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);  // no temporary file left
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].type, MessageType::Warning);
    EXPECT_EQ(sink.messages[0].text, kSettingsWriteWarning);
}

// Places and sizes near the ends of an int are pulled back when read, so a
// window's right edge (left + width) is still a number.
TEST_F(SettingsFileTest, FarOffPlacesAndSizesArePulledBack) {
    Session s;
    std::vector<std::string> lines = buildSettingsLines(s, WindowPlaces{});
    const std::string most = std::to_string(INT_MAX), least = std::to_string(INT_MIN);
    for (std::size_t i = 2; i <= 15; ++i) lines[i] = i % 2 ? least : most;
    lines[4] = "-1000001";
    lines[5] = "999999";
    writeLines(lines);
    WindowPlaces p;
    RecordingMessageSink sink;
    EXPECT_EQ(ReadSettings(s, p, path_, sink), SettingsRead::Restored);
    EXPECT_TRUE(sink.messages.empty());
    const int far = 1'000'000;
    EXPECT_EQ(p, (WindowPlaces{far, -far, -far, 999999, far, 0, far, -far, far, 0,
                               {far, 0, far, 0}}));
    const ScreenRect table{p.tableLeft, p.tableTop, p.tableWidth, p.tableHeight};
    EXPECT_EQ(table.right(), 0);
    const ScreenRect screen{0, 0, 1920, 1080};
    const ScreenRect placed = keepTitleBarOnScreen(
        {p.shortLeft, p.shortTop, p.shortWidth, p.shortHeight}, 30, {screen});
    EXPECT_TRUE(titleBarReachable(placed, 30, {screen}));
}

// No place for the file: the standard settings, one warning at the start and
// nothing at the end.
TEST_F(SettingsFileTest, NoPlaceForTheFileIsToldOnce) {
    Session s;
    WindowPlaces places;
    changeEverything(s, places);
    RecordingMessageSink sink;
    EXPECT_EQ(ReadSettings(s, places, "", sink), SettingsRead::NotKept);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], (Message{MessageType::Warning, kSettingsNotKeptWarning, ""}));
    expectStandardMedium(s);
    EXPECT_EQ(s.settings.output, OutputSystem::Metric);
    EXPECT_FALSE(WriteSettings(s, places, "", sink));
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(SettingsFileTest, LineBreaksInATextDoNotShiftTheLines) {
    Session s;
    s.form.medium.name = "two\r\nlines";
    WindowPlaces places;
    RecordingMessageSink sink;
    ASSERT_TRUE(WriteSettings(s, places, path_, sink));
    EXPECT_EQ(readTextLines(path_)->size(), 43u);
    Session read;
    EXPECT_EQ(ReadSettings(read, places, path_, sink), SettingsRead::Restored);
    EXPECT_EQ(read.form.medium.name, "two  lines");
}

}  // namespace
}  // namespace tolvane::shelltest
