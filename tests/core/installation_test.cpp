// The About box's facts, where an installed program finds its data and keeps
// its settings, and the check of the shipped files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "shell/about_facts.h"
#include "shell/app_paths.h"
#include "shell/installation_check.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

std::string collapsedWhitespace(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

TEST(AboutFacts, NamesTheVersionOfTheBuildAndTheQtVersionGiven) {
    const AboutFacts f = aboutFacts("6.4.2", "/usr/share/tolvane/SOURCES.md");
    EXPECT_EQ(f.caption, "About Tolvane");
    EXPECT_TRUE(std::regex_match(f.version, std::regex("Version [0-9]+\\.[0-9]+(\\.[0-9]+)*")))
        << f.version;
    EXPECT_EQ(f.qtVersion, "Qt 6.4.2");
    EXPECT_FALSE(f.licence.empty());
    EXPECT_NE(f.sourcesIntro.find("/usr/share/tolvane/SOURCES.md"), std::string::npos);
}

// Every source the About box names is one SOURCES.md names (the copy beside
// the test program, which the build takes from data/).
TEST(AboutFacts, EverySourceNamedIsInTheSourcesFile) {
    std::ifstream in(dataFilePath("SOURCES.md"));
    ASSERT_TRUE(in) << "SOURCES.md not beside the tests";
    std::stringstream text;
    text << in.rdbuf();
    const std::string sources = collapsedWhitespace(text.str());
    ASSERT_GE(dataSourceNames().size(), 5u);
    for (const std::string& name : dataSourceNames())
        EXPECT_NE(sources.find(name), std::string::npos) << name;
    const std::string shown = dataSourcesText(aboutFacts("6", "SOURCES.md"));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n') + 1,
              static_cast<long>(dataSourceNames().size()));
}

class InstallationTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("tolvane_install_" + std::to_string(::getpid()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(bin());
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path bin() const { return root_ / "usr" / "bin"; }
    fs::path share() const { return root_ / "usr" / "share" / "tolvane"; }
    static void touch(const fs::path& p) { std::ofstream(p) << "x"; }
    void shipEverything(const fs::path& dir) {
        fs::create_directories(dir);
        for (const std::string& name : shippedFileNames())
            if (name != "*.ZTA") touch(dir / name);
        touch(dir / "Maker.ZTA");
    }
    fs::path root_;
};

TEST_F(InstallationTest, DataDirectoryFollowsTheProgramsPrefixFirst) {
    const auto dirs = installedDataDirectoriesFor(bin().string());
    ASSERT_FALSE(dirs.empty());
    EXPECT_EQ(dirs.front(), share().string());
    EXPECT_EQ(dirs.back(), fs::path(TOLVANE_DATA_INSTALL_DIR).lexically_normal().string());
}

TEST_F(InstallationTest, AnInstalledProgramFindsItsDataUnderItsPrefix) {
    fs::create_directories(share());
    touch(share() / "GASE.STW");
    EXPECT_EQ(
        dataFilePathFor("GASE.STW", bin().string(), installedDataDirectoriesFor(bin().string())),
        (share() / "GASE.STW").string());
}

TEST_F(InstallationTest, AnInstalledProgramKeepsItsSettingsInTheConfigurationDirectory) {
    const std::string config = (root_ / "config").string();
    // A writable bin/ without data beside it is a program folder of its own.
    EXPECT_EQ(settingsFilePathFor(bin().string(), config), (bin() / "TOLV.INI").string());
    fs::create_directories(share());
    EXPECT_EQ(settingsFilePathFor(bin().string(), config),
              (root_ / "config" / "Tolvane" / "TOLV.INI").string());
    EXPECT_EQ(userFilePathFor("USER.DAT", bin().string(), config),
              (root_ / "config" / "Tolvane" / "USER.DAT").string());
}

TEST_F(InstallationTest, ReportsEveryShippedFileFoundInTheInstallation) {
    shipEverything(share());
    const auto files = locateShippedFiles(bin().string(), {share().string()});
    EXPECT_TRUE(allFound(files));
    const auto report = installationReport(files);
    ASSERT_EQ(report.size(), 1u) << report.front();
    EXPECT_EQ(report[0].rfind("found GASE.STW MEDIEN.STW DADRU.DAD SOURCES.md 1601.bmp", 0), 0u);
    EXPECT_TRUE(report[0].ends_with(" *.ZTA in " + share().string()));
}

TEST_F(InstallationTest, ReportsWhatIsMissingAndWhatCameFromTheProgramDirectory) {
    shipEverything(share());
    fs::remove(share() / "DADRU.DAD");
    fs::remove(share() / "Maker.ZTA");
    touch(bin() / "GASE.STW");
    const auto files = locateShippedFiles(bin().string(), {share().string()});
    EXPECT_FALSE(allFound(files));
    const auto report = installationReport(files);
    ASSERT_EQ(report.size(), 4u);
    EXPECT_EQ(report[0], "found GASE.STW in " + bin().string());
    EXPECT_EQ(report[1].rfind("found MEDIEN.STW SOURCES.md 1601.bmp", 0), 0u);
    EXPECT_EQ(report[2], "missing DADRU.DAD");
    EXPECT_EQ(report[3], "missing *.ZTA");
}

TEST(ShippedFiles, NameEveryElementPictureOnce) {
    const auto names = shippedFileNames();
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const std::string& n) { return n.ends_with(".bmp"); }),
              46);
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

}  // namespace
}  // namespace tolvane
