#include "shell/command_line.h"

#include <filesystem>

namespace tolvane {

std::string commandLineProject(const std::vector<std::string>& arguments,
                               const std::string& startDirectory) {
    std::string name;
    for (const std::string& argument : arguments) {
        if (!name.empty()) name += ' ';
        name += argument;
    }
    if (name.empty()) return name;
    const std::filesystem::path path(name);
    if (path.is_absolute() || startDirectory.empty()) return name;
    return (std::filesystem::path(startDirectory) / path).lexically_normal().string();
}

}  // namespace tolvane
