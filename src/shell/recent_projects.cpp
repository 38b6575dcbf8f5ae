#include "shell/recent_projects.h"

#include <algorithm>
#include <filesystem>

namespace tolvane {

namespace {

std::string normalised(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().string();
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string escapedAmpersands(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '&') out += '&';
        out += ch;
    }
    return out;
}

}  // namespace

std::vector<std::string> withRecentProject(std::vector<std::string> list, const std::string& path) {
    if (path.empty()) return cleanRecentProjects(list);
    list = withoutRecentProject(std::move(list), path);
    list.insert(list.begin(), normalised(path));
    return cleanRecentProjects(list);
}

std::vector<std::string> withoutRecentProject(std::vector<std::string> list,
                                              const std::string& path) {
    const std::string gone = normalised(path);
    std::erase_if(list, [&gone](const std::string& p) { return normalised(p) == gone; });
    return list;
}

std::vector<std::string> cleanRecentProjects(const std::vector<std::string>& list) {
    std::vector<std::string> out;
    for (const std::string& p : list) {
        if (p.empty()) continue;
        const std::string n = normalised(p);
        if (std::find(out.begin(), out.end(), n) != out.end()) continue;
        out.push_back(n);
        if (out.size() == kRecentProjectCount) break;
    }
    return out;
}

std::string recentProjectLabel(const std::vector<std::string>& list, std::size_t index) {
    if (index >= list.size()) return {};
    const std::string name = fileName(list[index]);
    const bool nameTwice = std::count_if(list.begin(), list.end(), [&name](const std::string& p) {
                               return fileName(p) == name;
                           }) > 1;
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "&" + text.
    std::string label = "&";
    label += std::to_string(index + 1);
    label += ' ';
    label += escapedAmpersands(name);
    if (nameTwice) {
        const std::string folder = std::filesystem::path(list[index]).parent_path().string();
        label += "  [" + escapedAmpersands(folder) + "]";
    }
    return label;
}

std::string recentProjectsFilePath(const std::string& settingsPath) {
    return (std::filesystem::path(settingsPath).parent_path() / kRecentProjectsFileName).string();
}

}  // namespace tolvane
