// Whether the program finds the files it ships with: the property data
// files, the resistance-coefficient files, the element pictures and the list
// of data sources. Looked up the way the windows look them up (the program's
// own directory, then the installed data directories), so that an
// installation can be checked from the program that was installed.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct LocatedFile {
    std::string name;
    std::string path;  // where it was found; "" when missing
};

// Every shipped file the program opens by name.
std::vector<std::string> shippedFileNames();

// Each name looked up in the program directory, then in the installed data
// directories; the resistance-coefficient files (*.ZTA) as one entry
// "*.ZTA" found in the first directory that holds any.
std::vector<LocatedFile> locateShippedFiles(const std::string& programDir,
                                            const std::vector<std::string>& installDirs);

// One line per file, "found NAME in DIR" or "missing NAME", the found ones
// grouped by directory so that a report of 50 pictures stays readable.
std::vector<std::string> installationReport(const std::vector<LocatedFile>& files);

bool allFound(const std::vector<LocatedFile>& files);

}  // namespace tolvane
