// What the About box says: the program's name and version (from the build),
// the licence line, the published sources of the shipped data with the place
// of the file that describes them (SOURCES.md), and the Qt version the
// program runs on, which the window passes in.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct AboutFacts {
    std::string caption;      // "About Tolvane"
    std::string programName;  // "Tolvane"
    std::string version;      // "Version " and the program's version
    std::string licence;
    std::string sourcesIntro;              // where the data come from, with the file's place
    std::vector<std::string> dataSources;  // the sources' names
    std::string qtVersion;                 // "Qt 6.4.2"
};

// The published works the shipped data files and the engine's correlations
// are taken from, as named in SOURCES.md.
const std::vector<std::string>& dataSourceNames();

AboutFacts aboutFacts(const std::string& qtVersion, const std::string& sourcesFilePath);

// The sources as one text, one per line.
std::string dataSourcesText(const AboutFacts& facts);

}  // namespace tolvane
