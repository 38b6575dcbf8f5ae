// Which help page answers F1 where: every window and dialog by its class
// name, every command of the main menu by its action's object name, and
// every element kind by its variant name.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

struct HelpTopic {
    std::string page;    // relative to the help directory
    std::string anchor;  // "" for the top of the page

    // "page.html" or "page.html#anchor".
    std::string target() const { return anchor.empty() ? page : page + "#" + anchor; }
};

// The first page of the help, with the table of contents.
inline constexpr const char* kHelpContentsPage = "contents.html";

// Window and dialog class names (without namespace), and the object names
// of Qt's own dialogs the program shows, with their topics.
const std::vector<std::pair<std::string, HelpTopic>>& windowHelpTopics();
// The object names of the main menu's actions with their topics; the list
// is the menu's complete set of commands.
const std::vector<std::pair<std::string, HelpTopic>>& menuHelpTopics();

// The topic of a window by class name ("tolvane::TWasser_Dialog" or
// "TWasser_Dialog"), nothing when the class has no page of its own.
std::optional<HelpTopic> helpTopicForWindow(const std::string& className);
std::optional<HelpTopic> helpTopicForMenuCommand(const std::string& actionName);
// "elements/<slug of the variant name>.html".
HelpTopic helpTopicForElement(const std::string& variantName);

}  // namespace tolvane
