// The settings file TOLV.INI: 43 lines that keep the working state from one
// run to the next (output system, the saving choice, window places, the
// medium, the gas data, the element kind with its first three rows, the unit
// choices, the roughness query's unit and the units of the user database).
// Lines are Windows-1252 text ended by CR LF, integers in decimal.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shell/session.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

inline constexpr int kSettingsLineCount = 43;

// Places and sizes of the windows the settings file keeps (pixels). A file's
// values are taken within +-1,000,000, sizes from 0, so that no place plus a
// size leaves the range of an int.
struct WindowPlaces {
    int mainLeft = 80, mainTop = 60;
    int tableLeft = 80, tableTop = 260, tableWidth = 760, tableHeight = 540;  // all 25 rows in view
    int shortLeft = 740, shortTop = 60, shortWidth = 420, shortHeight = 300;
    std::array<int, 4> shortColumnWidths{29, 146, 170, 54};  // "No.", element, spec., dp
    bool operator==(const WindowPlaces&) const = default;
};

// The standard settings: medium "Water", 1.0 m³/h, 998.2 kg/m³, 1002
// 10-6 kg/ms, liquid, gas 10000 bar / 300 °C / 250 °C, three decimals,
// element unit boxes and the roughness unit at their first position, user
// database metric. The element kind, the panel's texts, the output system,
// the saving choice and the window places are left as they are.
void applyStandardSettings(Session& session);

// The 43 lines from the current state.
std::vector<std::string> buildSettingsLines(const Session& session, const WindowPlaces& places);

enum class SettingsRead {
    Restored,  // every line applied
    Standard,  // the saving choice was "no": standard settings, "no" kept
    Damaged,   // missing, unreadable or damaged file: standard settings and the warning
    NotKept,   // no place for the file: standard settings and a warning saying so
};

// Applies lines read from the file (nothing = the file could not be read).
SettingsRead applySettingsLines(Session& session, WindowPlaces& places,
                                const std::optional<std::vector<std::string>>& lines,
                                MessageSink& messages);

// Reads `path` and applies it; a missing or damaged file gives the warning.
// An empty path (settingsFilePath found no place that can be written) gives
// the standard settings and kSettingsNotKeptWarning, the one word the user
// hears of it.
SettingsRead ReadSettings(Session& session, WindowPlaces& places, const std::string& path,
                          MessageSink& messages);

// Writes the 43 lines to `path` (atomically); a failure gives the warning.
// Returns true when the file was written; an empty path writes nothing and
// says nothing.
bool WriteSettings(const Session& session, const WindowPlaces& places, const std::string& path,
                   MessageSink& messages);

inline const std::string kSettingsReadWarning =
    "The file \"TOLV.INI\" was not found or is valid.\r\nTolvane will start with standard "
    "settings.";
inline const std::string kSettingsNotKeptWarning =
    "There is no folder where the file \"TOLV.INI\" can be kept (the home folder is not "
    "known or cannot be written).\r\nTolvane will start with standard settings; neither the "
    "settings nor the user defined database can be saved.";
inline const std::string kSettingsWriteWarning =
    "It is not possible to write the file \"TOLV.INI\".\r\n It is not able to save the actual "
    "settings.";

}  // namespace tolvane
