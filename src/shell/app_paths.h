// Where the program finds its files: its own directory (data files, element
// pictures, the help file), the settings file TOLV.INI beside the program
// when that directory is writable and otherwise in the user's configuration
// directory, and read-only data in the installed data directory.
#pragma once

#include <string>

namespace tolvane {

// The directory of the running program (without a trailing slash).
std::string programDirectory();

// TOLV.INI in the program directory when it is writable, otherwise
// $XDG_CONFIG_HOME/Tolvane/TOLV.INI (~/.config/Tolvane/TOLV.INI when the
// variable is unset); that directory is created when missing.
std::string settingsFilePath();
std::string settingsFilePathFor(const std::string& programDir, const std::string& configHome);

// A file of the user's own data (USER.DAT) by name: kept where the settings
// file is, beside the program when that directory is writable, otherwise in
// $XDG_CONFIG_HOME/Tolvane (created when missing).
std::string userFilePath(const std::string& name);
std::string userFilePathFor(const std::string& name, const std::string& programDir,
                            const std::string& configHome);

// A data file by name: the program directory first, then the installed data
// directory. The program-directory path when it is in neither place.
std::string dataFilePath(const std::string& name);
std::string dataFilePathFor(const std::string& name, const std::string& programDir,
                            const std::string& installDir);

// The help pages: "help" beside the program first, then in the installed
// data directory. The one beside the program when neither exists.
std::string helpDirectory();
std::string helpDirectoryFor(const std::string& programDir, const std::string& installDir);

// The installed data directory (fixed at build time).
std::string installedDataDirectory();

}  // namespace tolvane
