// The list of recently used projects shown in the "&File" menu: the most
// recent first, each file once, at most eight. The list is kept in its own
// file beside the settings file (TOLV.INI keeps its fixed lines).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tolvane {

inline constexpr std::size_t kRecentProjectCount = 8;
inline constexpr const char* kRecentProjectsFileName = "tolvane-recent.ini";

// `path` put first; an earlier entry of the same file goes, the list is cut
// to eight. Names are compared after ".." and "." are resolved.
std::vector<std::string> withRecentProject(std::vector<std::string> list, const std::string& path);
// Every entry of `path` taken out.
std::vector<std::string> withoutRecentProject(std::vector<std::string> list,
                                              const std::string& path);
// A list read back from the file: empty entries dropped, duplicates and
// entries beyond eight cut.
std::vector<std::string> cleanRecentProjects(const std::vector<std::string>& list);

// The menu text of entry `index` (0-based): "&1 plant.tlv"; when another
// entry has the same file name, its folder follows in brackets. A "&" of the
// name is doubled so that it is shown, not taken as an accelerator.
std::string recentProjectLabel(const std::vector<std::string>& list, std::size_t index);

// The recent-projects file in the folder of the settings file.
std::string recentProjectsFilePath(const std::string& settingsPath);

// The file's text, an INI file in the form Qt's settings class gives it, so
// that lists kept by earlier versions read the same: "[General]" and
// "projects=" with the names separated by ", "; a name holding ",", ";" or
// "=", or beginning or ending with a blank, is quoted; backslash, double
// quote and control characters are escaped; an empty list is "@Invalid()".
std::string recentProjectsFileText(const std::vector<std::string>& list);
std::vector<std::string> recentProjectsFromFileText(const std::string& text);
// The list in the file, cleaned; empty when there is no file.
std::vector<std::string> readRecentProjectsFile(const std::string& path);

// A change of the list is applied to the list as it is on the disk now (a
// second program may have added projects to it since) and written back
// atomically; when the file cannot be read, to `current`, the list held in
// memory. `list` is the list after the change, written or not; `error` says
// why it was not written ("" when it was).
struct RecentProjectsUpdate {
    std::vector<std::string> list;
    std::string error;
};
using RecentProjectsChange = std::function<std::vector<std::string>(std::vector<std::string>)>;
RecentProjectsUpdate updateRecentProjectsFile(const std::string& path,
                                              const std::vector<std::string>& current,
                                              const RecentProjectsChange& change);
// The warning when the list could not be written, with the writer's reason.
std::string recentProjectsNotSavedText(const std::string& path, const std::string& error);

inline constexpr const char* kRecentProjectMissing =
    "The project file\r\"%1\"\rno longer exists. It is removed from the list of recent "
    "projects.";

}  // namespace tolvane
