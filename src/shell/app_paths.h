// Where the program finds its files: its own directory (data files, element
// pictures, the help file), the settings file TOLV.INI beside the program
// when that directory is writable and otherwise in the user's configuration
// directory, and read-only data in the installed data directory.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// The directory of the running program (without a trailing slash).
std::string programDirectory();

// TOLV.INI in the program directory when it is writable (an unpacked,
// portable program), otherwise in <configuration directory>/Tolvane, which
// is created when missing. An installed program (its data in
// <prefix>/share/tolvane) always keeps the file in the configuration
// directory: /usr/bin is writable for root, and a file left there belongs to
// no package. Empty when there is no such place that can be written: the
// settings cannot be kept.
std::string settingsFilePath();
std::string settingsFilePathFor(const std::string& programDir, const std::string& configHome);

// The user's configuration directory: $XDG_CONFIG_HOME, else ~/.config with
// ~ from $HOME, else from the system's user database (a program started
// without HOME). Only absolute paths count; empty when none is known.
std::string configHomeFrom(const std::string& xdgConfigHome, const std::string& home,
                           const std::string& accountHome);

// A file of the user's own data (USER.DAT) by name: kept where the settings
// file is, by the same rules; empty when there is no place for it.
std::string userFilePath(const std::string& name);
std::string userFilePathFor(const std::string& name, const std::string& programDir,
                            const std::string& configHome);

// A data file by name: the program directory first, then the installed data
// directories. The program-directory path when it is in none of them.
std::string dataFilePath(const std::string& name);
std::string dataFilePathFor(const std::string& name, const std::string& programDir,
                            const std::string& installDir);
std::string dataFilePathFor(const std::string& name, const std::string& programDir,
                            const std::vector<std::string>& installDirs);

// The installed data directories in the order they are searched: the one
// found from the program's own place (<prefix>/bin/../share/tolvane), which
// follows a relocated or DESTDIR installation, then the one fixed at build
// time (left out when both are the same).
std::vector<std::string> installedDataDirectories();
std::vector<std::string> installedDataDirectoriesFor(const std::string& programDir);

// The first of the installed data directories that exists (the one fixed at
// build time when none does).
std::string installedDataDirectory();

// The help pages: "help" beside the program first, then in the installed
// data directories. The one beside the program when none exists.
std::string helpDirectory();
std::string helpDirectoryFor(const std::string& programDir, const std::string& installDir);
std::string helpDirectoryFor(const std::string& programDir,
                             const std::vector<std::string>& installDirs);

// The program directory belongs to an installation: its data directory
// <prefix>/share/tolvane stands beside it.
bool isInstalledProgramDirectory(const std::string& programDir);

}  // namespace tolvane
