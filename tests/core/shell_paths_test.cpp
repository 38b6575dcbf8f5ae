// Where the settings file and the data files are found, and the roughness
// query's OK: the typed roughness in mm, or a message and no value.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "properties/roughness_query.h"
#include "shell/app_paths.h"
#include "shell_harness.h"

namespace tolvane::shelltest {
namespace {

namespace fs = std::filesystem;

class PathsTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("tolvane_paths_" + std::to_string(::getpid()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "share");
    }
    void TearDown() override { fs::remove_all(root_); }
    void touch(const fs::path& p) { std::ofstream(p) << "x"; }
    fs::path root_;
};

TEST_F(PathsTest, SettingsBesideAWritableProgram) {
    EXPECT_EQ(settingsFilePathFor((root_ / "bin").string(), (root_ / "config").string()),
              (root_ / "bin" / "TOLV.INI").string());
    EXPECT_FALSE(fs::exists(root_ / "config"));
}

TEST_F(PathsTest, HelpBesideTheProgramFirstThenInstalled) {
    const std::string bin = (root_ / "bin").string();
    const std::string share = (root_ / "share").string();
    EXPECT_EQ(helpDirectoryFor(bin, share), (root_ / "bin" / "help").string());  // neither
    fs::create_directories(root_ / "share" / "help");
    EXPECT_EQ(helpDirectoryFor(bin, share), (root_ / "share" / "help").string());
    fs::create_directories(root_ / "bin" / "help");
    EXPECT_EQ(helpDirectoryFor(bin, share), (root_ / "bin" / "help").string());
}

TEST_F(PathsTest, SettingsInTheConfigurationDirectoryOtherwise) {
    // A program directory that cannot take a file (here: one that does not exist).
    const std::string path =
        settingsFilePathFor((root_ / "gone").string(), (root_ / "config").string());
    EXPECT_EQ(path, (root_ / "config" / "Tolvane" / "TOLV.INI").string());
    EXPECT_TRUE(fs::is_directory(root_ / "config" / "Tolvane"));
}

TEST_F(PathsTest, UserDataGoesWhereTheSettingsGo) {
    EXPECT_EQ(userFilePathFor("USER.DAT", (root_ / "bin").string(), (root_ / "config").string()),
              (root_ / "bin" / "USER.DAT").string());
    EXPECT_EQ(userFilePathFor("USER.DAT", (root_ / "gone").string(), (root_ / "config").string()),
              (root_ / "config" / "Tolvane" / "USER.DAT").string());
}

TEST(ConfigHome, FromTheEnvironmentElseTheAccount) {
    const struct {
        const char* xdg;
        const char* home;
        const char* account;
        const char* configHome;
    } cases[] = {
        {"/x/conf", "/home/u", "/home/a", "/x/conf"},
        {"", "/home/u", "/home/a", "/home/u/.config"},
        {"conf", "/home/u", "/home/a", "/home/u/.config"},  // a relative path does not count
        {"", "", "/home/a", "/home/a/.config"},             // started without HOME
        {"", "here", "/home/a", "/home/a/.config"},
        {"", "", "", ""},
        {"", "", "nowhere", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(configHomeFrom(c.xdg, c.home, c.account), c.configHome)
            << c.xdg << " | " << c.home << " | " << c.account;
}

// An installed program never keeps the user's files in its bin folder, even
// where that is writable (for root) and no home is known.
TEST_F(PathsTest, InstalledProgramWithoutAHomeKeepsNothingBesideIt) {
    const fs::path bin = root_ / "usr" / "bin";
    fs::create_directories(bin);
    fs::create_directories(installedDataDirectoriesFor(bin.string()).front());
    ASSERT_TRUE(isInstalledProgramDirectory(bin.string()));
    for (const char* name : {"TOLV.INI", "USER.DAT"})
        EXPECT_EQ(userFilePathFor(name, bin.string(), ""), "") << name;
    EXPECT_EQ(settingsFilePathFor(bin.string(), ""), "");
    EXPECT_EQ(settingsFilePathFor(bin.string(), (root_ / "home" / ".config").string()),
              (root_ / "home" / ".config" / "Tolvane" / "TOLV.INI").string());
    // A configuration directory that cannot be made is no place either.
    touch(root_ / "file");
    EXPECT_EQ(settingsFilePathFor(bin.string(), (root_ / "file" / ".config").string()), "");
}

TEST_F(PathsTest, UnpackedProgramWithoutAHomeKeepsItsFilesBesideIt) {
    EXPECT_EQ(settingsFilePathFor((root_ / "bin").string(), ""),
              (root_ / "bin" / "TOLV.INI").string());
    EXPECT_EQ(settingsFilePathFor((root_ / "gone").string(), ""), "");
}

TEST_F(PathsTest, DataFilesFromTheProgramDirectoryFirst) {
    const std::string bin = (root_ / "bin").string(), share = (root_ / "share").string();
    touch(root_ / "share" / "GASE.STW");
    touch(root_ / "share" / "1601.bmp");
    touch(root_ / "bin" / "1601.bmp");
    EXPECT_EQ(dataFilePathFor("1601.bmp", bin, share), (root_ / "bin" / "1601.bmp").string());
    EXPECT_EQ(dataFilePathFor("GASE.STW", bin, share), (root_ / "share" / "GASE.STW").string());
    EXPECT_EQ(dataFilePathFor("MEDIEN.STW", bin, share), (root_ / "bin" / "MEDIEN.STW").string());
}

TEST(ProgramDirectory, IsTheDirectoryOfTheRunningProgram) {
    const fs::path dir = programDirectory();
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_TRUE(fs::exists(dir / fs::read_symlink("/proc/self/exe").filename()));
}

struct RoughnessCase {
    const char* text;
    int unit;
    std::optional<double> k;
    std::string message;
};

TEST(RoughnessQuery, HandsTheRoughnessInMillimetres) {
    const RoughnessCase cases[] = {
        {"0.1", 0, 0.1, ""},
        {"0,2", 1, 5.08, ""},
        {" 1 ", 1, 25.4, ""},
        {"0", 0, 0.0, ""},  // hydraulically smooth
        {"", 0, 0.0, ""},
        {"abc", 0, std::nullopt, badInputMessage("Roughness:")},
        {"0.1.2", 1, std::nullopt, badInputMessage("Roughness:")},
        {"-0.1", 0, std::nullopt, zeroMessage("Roughness:")},
        {"-1", 1, std::nullopt, zeroMessage("Roughness:")},
        {"9e307", 1, std::nullopt, badInputMessage("Roughness:")},
    };
    for (const RoughnessCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.unit ? " in." : " mm"));
        RecordingMessageSink sink;
        const auto outcome = confirmRoughness(RoughnessQueryState{c.text, c.unit}, sink);
        ASSERT_EQ(outcome.k.has_value(), c.k.has_value());
        if (c.k) {
            EXPECT_NEAR(*outcome.k, *c.k, 1e-12);
            EXPECT_TRUE(sink.messages.empty());
            EXPECT_EQ(outcome.focus, "");
        } else {
            EXPECT_EQ(texts(sink), std::vector<std::string>{c.message});
            EXPECT_EQ(outcome.focus, "Edit1");
        }
    }
}

}  // namespace
}  // namespace tolvane::shelltest
