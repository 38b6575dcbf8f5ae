#include "shell/about_facts.h"

#include "shell/version.h"

namespace tolvane {

const std::vector<std::string>& dataSourceNames() {
    static const std::vector<std::string> names = {
        "CRC Handbook of Chemistry and Physics",
        "NIST Chemistry WebBook",
        "NIST Standard Reference Database 134",
        "IUPAC standard atomic weights",
        "VDI Heat Atlas",
        "ASHRAE Handbook",
        "Fundamentals of Heat and Mass Transfer",
        "The Properties of Gases and Liquids",
        "IAPWS-95",
        "Colebrook (1939)",
        "Handbook of Hydraulic Resistance",
        "ISO 5167-1",
    };
    return names;
}

AboutFacts aboutFacts(const std::string& qtVersion, const std::string& sourcesFilePath) {
    AboutFacts f;
    f.caption = std::string("About ") + kProgramName;
    f.programName = kProgramName;
    f.version = std::string("Version ") + kProgramVersion;
    f.licence = kLicenceLine;
    f.sourcesIntro =
        "The property data and the resistance correlations are taken from published "
        "works; " +
        sourcesFilePath + " says which value comes from which:";
    f.dataSources = dataSourceNames();
    f.qtVersion = "Qt " + qtVersion;
    return f;
}

std::string dataSourcesText(const AboutFacts& facts) {
    std::string text;
    for (const std::string& source : facts.dataSources) {
        if (!text.empty()) text += '\n';
        text += source;
    }
    return text;
}

}  // namespace tolvane
