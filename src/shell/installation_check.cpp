#include "shell/installation_check.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "properties/gas_database.h"
#include "properties/liquid_database.h"
#include "properties/vapour_pressure.h"
#include "properties/zeta_database.h"
#include "shell/app_paths.h"
#include "shell/element_catalogue.h"

namespace tolvane {

namespace fs = std::filesystem;

namespace {

const char* const kZetaEntry = "*.ZTA";

std::string locate(const std::string& name, const std::vector<std::string>& dirs) {
    std::error_code ec;
    for (const std::string& dir : dirs)
        if (!dir.empty() && fs::is_regular_file(fs::path(dir) / name, ec))
            return (fs::path(dir) / name).string();
    return {};
}

std::string locateZetaFiles(const std::vector<std::string>& dirs) {
    for (const std::string& dir : dirs)
        if (!dir.empty() && !listZetaFiles(dir).empty()) return dir;
    return {};
}

}  // namespace

std::vector<std::string> shippedFileNames() {
    std::vector<std::string> names = {kGasFileName, kLiquidFileName, kVapourFileName, "SOURCES.md"};
    for (const KindSpec& spec : elementKinds())
        names.push_back(std::to_string(pictureNumber(spec.kind)) + ".bmp");
    names.push_back(kZetaEntry);
    return names;
}

std::vector<LocatedFile> locateShippedFiles(const std::string& programDir,
                                            const std::vector<std::string>& installDirs) {
    std::vector<std::string> dirs{programDir};
    dirs.insert(dirs.end(), installDirs.begin(), installDirs.end());
    std::vector<LocatedFile> files;
    for (const std::string& name : shippedFileNames()) {
        if (name == kZetaEntry) {
            const std::string dir = locateZetaFiles(dirs);
            files.push_back({name, dir.empty() ? std::string() : (fs::path(dir) / name).string()});
        } else {
            files.push_back({name, locate(name, dirs)});
        }
    }
    return files;
}

std::vector<std::string> installationReport(const std::vector<LocatedFile>& files) {
    std::map<std::string, std::string> namesByDirectory;
    std::vector<std::string> missing;
    for (const LocatedFile& f : files) {
        if (f.path.empty()) {
            missing.push_back("missing " + f.name);
            continue;
        }
        std::string& names = namesByDirectory[fs::path(f.path).parent_path().string()];
        names += (names.empty() ? "" : " ") + f.name;
    }
    std::vector<std::string> lines;
    for (const auto& [dir, names] : namesByDirectory)
        lines.push_back("found " + names + " in " + dir);
    lines.insert(lines.end(), missing.begin(), missing.end());
    return lines;
}

bool allFound(const std::vector<LocatedFile>& files) {
    for (const LocatedFile& f : files)
        if (f.path.empty()) return false;
    return true;
}

}  // namespace tolvane
