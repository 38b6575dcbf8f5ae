#include "shell/dialog_folder.h"

#include <filesystem>
#include <system_error>

namespace tolvane {

namespace {

bool isFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

}  // namespace

std::string fileDialogFolder(const std::string& projectPath, const std::string& documentsFolder,
                             const std::string& homeFolder) {
    const std::filesystem::path project(projectPath);
    // A bare name (the unsaved "NONAME.TLV") would mean the current
    // directory, the program's folder.
    if (project.is_absolute() && isFolder(project.parent_path()))
        return project.parent_path().string();
    if (isFolder(documentsFolder)) return documentsFolder;
    return homeFolder;
}

}  // namespace tolvane
