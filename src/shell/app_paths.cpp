#include "shell/app_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef TOLVANE_DATA_INSTALL_DIR
#define TOLVANE_DATA_INSTALL_DIR "/usr/local/share/tolvane"
#endif
#ifndef TOLVANE_DATA_RELATIVE_DIR
#define TOLVANE_DATA_RELATIVE_DIR "../share/tolvane"
#endif

namespace tolvane {

namespace fs = std::filesystem;

namespace {

const char* const kSettingsFileName = "TOLV.INI";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The home directory the system's user database gives this user, for a
// program started without HOME (by a service or `env -i`).
std::string accountHome() {
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

std::string configHomeFromEnvironment() {
    return configHomeFrom(environment("XDG_CONFIG_HOME"), environment("HOME"), accountHome());
}

bool isWritableDirectory(const std::string& dir) {
    std::error_code ec;
    return !dir.empty() && fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::string programDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path()) return exe.parent_path().string();
    return fs::current_path(ec).string();
}

std::vector<std::string> installedDataDirectoriesFor(const std::string& programDir) {
    std::vector<std::string> dirs;
    if (!programDir.empty())
        dirs.push_back(
            (fs::path(programDir) / TOLVANE_DATA_RELATIVE_DIR).lexically_normal().string());
    const std::string fixed = fs::path(TOLVANE_DATA_INSTALL_DIR).lexically_normal().string();
    if (dirs.empty() || dirs.front() != fixed) dirs.push_back(fixed);
    return dirs;
}

std::vector<std::string> installedDataDirectories() {
    return installedDataDirectoriesFor(programDirectory());
}

std::string installedDataDirectory() {
    const std::vector<std::string> dirs = installedDataDirectories();
    std::error_code ec;
    for (const std::string& dir : dirs)
        if (fs::is_directory(dir, ec)) return dir;
    return dirs.back();
}

bool isInstalledProgramDirectory(const std::string& programDir) {
    std::error_code ec;
    return !programDir.empty() &&
           fs::is_directory(fs::path(programDir) / TOLVANE_DATA_RELATIVE_DIR, ec);
}

std::string settingsFilePathFor(const std::string& programDir, const std::string& configHome) {
    return userFilePathFor(kSettingsFileName, programDir, configHome);
}

std::string configHomeFrom(const std::string& xdgConfigHome, const std::string& home,
                           const std::string& accountHome) {
    // Relative paths are not taken: they would depend on the current directory.
    if (!xdgConfigHome.empty() && xdgConfigHome[0] == '/') return xdgConfigHome;
    for (const std::string& dir : {home, accountHome})
        if (!dir.empty() && dir[0] == '/') return (fs::path(dir) / ".config").string();
    return {};
}

std::string userFilePathFor(const std::string& name, const std::string& programDir,
                            const std::string& configHome) {
    if (isWritableDirectory(programDir) && !isInstalledProgramDirectory(programDir))
        return (fs::path(programDir) / name).string();
    if (configHome.empty()) return {};
    const fs::path dir = fs::path(configHome) / "Tolvane";
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!isWritableDirectory(dir.string())) return {};
    return (dir / name).string();
}

std::string userFilePath(const std::string& name) {
    return userFilePathFor(name, programDirectory(), configHomeFromEnvironment());
}

std::string settingsFilePath() {
    return settingsFilePathFor(programDirectory(), configHomeFromEnvironment());
}

std::string dataFilePathFor(const std::string& name, const std::string& programDir,
                            const std::vector<std::string>& installDirs) {
    const fs::path local = fs::path(programDir) / name;
    std::error_code ec;
    if (fs::exists(local, ec)) return local.string();
    for (const std::string& dir : installDirs) {
        if (dir.empty()) continue;
        const fs::path installed = fs::path(dir) / name;
        if (fs::exists(installed, ec)) return installed.string();
    }
    return local.string();
}

std::string dataFilePathFor(const std::string& name, const std::string& programDir,
                            const std::string& installDir) {
    return dataFilePathFor(name, programDir, std::vector<std::string>{installDir});
}

std::string dataFilePath(const std::string& name) {
    const std::string program = programDirectory();
    return dataFilePathFor(name, program, installedDataDirectoriesFor(program));
}

std::string helpDirectoryFor(const std::string& programDir,
                             const std::vector<std::string>& installDirs) {
    const fs::path local = fs::path(programDir) / "help";
    std::error_code ec;
    if (fs::is_directory(local, ec)) return local.string();
    for (const std::string& dir : installDirs) {
        if (dir.empty()) continue;
        const fs::path installed = fs::path(dir) / "help";
        if (fs::is_directory(installed, ec)) return installed.string();
    }
    return local.string();
}

std::string helpDirectoryFor(const std::string& programDir, const std::string& installDir) {
    return helpDirectoryFor(programDir, std::vector<std::string>{installDir});
}

std::string helpDirectory() {
    const std::string program = programDirectory();
    return helpDirectoryFor(program, installedDataDirectoriesFor(program));
}

}  // namespace tolvane
