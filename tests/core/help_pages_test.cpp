// The shipped help is complete: every element kind, every window and dialog
// and every menu command has its page (and anchor), and every link and
// picture on every page leads somewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "shell/element_catalogue.h"
#include "help/help_index.h"
#include "help/help_topics.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = TOLVANE_SOURCE_DIR;

const HelpIndex& shippedHelp() {
    static const HelpIndex index = HelpIndex::load((kSource / "help").string());
    return index;
}

std::string readSource(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every window and dialog class the program has: T-classes deriving from a
// Qt window class or from one of the shared dialog bases.
std::set<std::string> windowClassesInSources() {
    std::set<std::string> classes;
    const std::regex declaration(R"re(class\s+(T\w+)\s*:\s*public\s+(\w+))re");
    for (const auto& entry : fs::recursive_directory_iterator(kSource / "src")) {
        if (entry.path().extension() != ".h" || entry.path().parent_path().filename() != "widgets")
            continue;
        const std::string text = readSource(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it) {
            const std::string base = (*it)[2];
            if (base == "QWidget" || base == "QDialog" || base == "QMainWindow" ||
                base == "QSplashScreen" || base.ends_with("Dialog"))
                classes.insert((*it)[1]);
        }
    }
    return classes;
}

// The object names of the main menu's actions as the menu code gives them.
std::set<std::string> menuActionNamesInSources() {
    const std::string text = readSource(kSource / "src/shell/widgets/main_menu.cpp");
    std::set<std::string> names;
    const std::regex item(R"re(item\(\s*\w+Menu\s*,\s*"[^"]*"\s*,\s*"(\w+)"\s*\))re");
    const std::regex named(R"re(setObjectName\(\s*QStringLiteral\(\s*"(\w+)"\s*\)\s*\))re");
    for (const std::regex* re : {&item, &named})
        for (std::sregex_iterator it(text.begin(), text.end(), *re), end; it != end; ++it)
            names.insert((*it)[1]);
    return names;
}

TEST(HelpPages, TheFirstPagesExist) {
    ASSERT_NE(shippedHelp().page("contents.html"), nullptr);
    EXPECT_NE(shippedHelp().page("elements/index.html"), nullptr);
    EXPECT_GT(shippedHelp().contents().size(), 20u);
}

TEST(HelpPages, EveryElementKindHasItsPage) {
    ASSERT_EQ(elementKinds().size(), std::size_t(kElementKindCount));
    for (const KindSpec& spec : elementKinds()) {
        const HelpTopic topic = helpTopicForElement(spec.variantName);
        EXPECT_TRUE(shippedHelp().resolves(topic.target()))
            << elementName(spec.kind) << ": " << topic.target();
    }
}

TEST(HelpPages, EveryWindowClassHasAPage) {
    const std::set<std::string> classes = windowClassesInSources();
    EXPECT_GE(classes.size(), 30u);
    for (const std::string& name : classes)
        EXPECT_TRUE(helpTopicForWindow(name).has_value()) << name << " has no help topic";
    for (const auto& [name, topic] : windowHelpTopics())
        EXPECT_TRUE(shippedHelp().resolves(topic.target())) << name << ": " << topic.target();
}

TEST(HelpPages, EveryMenuCommandHasAPageAndAnchor) {
    const std::set<std::string> names = menuActionNamesInSources();
    EXPECT_GT(names.size(), 40u);
    for (const std::string& name : names)
        EXPECT_TRUE(helpTopicForMenuCommand(name).has_value()) << name << " has no help topic";
    EXPECT_EQ(helpTopicForMenuCommand("RecentProject3")->anchor, "recent_projects");
    EXPECT_FALSE(helpTopicForMenuCommand("RecentProjectX").has_value());
    for (const auto& [name, topic] : menuHelpTopics()) {
        EXPECT_FALSE(topic.anchor.empty()) << name;
        EXPECT_TRUE(shippedHelp().resolves(topic.target())) << name << ": " << topic.target();
    }
}

TEST(HelpPages, EveryLinkAndPictureResolves) {
    for (const BrokenLink& b : shippedHelp().brokenLinks())
        ADD_FAILURE() << b.page << " links to " << b.link;
}

TEST(HelpPages, EveryPageHasATitleAndKeywords) {
    for (const HelpPage& p : shippedHelp().pages()) {
        EXPECT_NE(p.title, fs::path(p.path).stem().string()) << p.path << " has no <title>";
        if (p.path != "contents.html" && !p.path.ends_with("index.html")) {
            EXPECT_FALSE(p.keywords.empty()) << p.path << " has no keywords";
        }
    }
}

}  // namespace
}  // namespace tolvane
