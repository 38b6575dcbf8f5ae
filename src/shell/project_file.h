// Project files (*.tlv): the calculation table's columns with their cell
// texts, the column widths, the row height, the table font and the unit
// system of the texts. The current format "4.0" has a 12-line header and 25
// lines per calculation; the older header-less format (first line "1", nine
// trailer lines, always metric) is only read. A file is read and checked as a
// whole before anything of the session changes.
#pragma once

#include <string>
#include <vector>

#include "results/calculation_table.h"
#include "shell/session.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

inline constexpr const char* kNoName = "NONAME.TLV";
inline constexpr const char* kProjectFilter = "Projektdateien (*.tlv)|*.tlv";
inline constexpr const char* kProjectExtension = "TLV";

enum class ProjectFormat { Current, Older, Unknown };

struct ProjectData {
    ProjectFormat format = ProjectFormat::Unknown;
    OutputSystem system = OutputSystem::Metric;
    std::vector<CalculationColumn> calculations;
    std::vector<int> columnWidths;  // current format: columns 0..N
    int defaultColumnWidth = 150;   // older format: every column takes it
    int rowHeight = 16;
    TableFont font;
};

enum class ProjectReadStatus { Ok, Unreadable, Damaged, TooLarge };

struct ProjectReadResult {
    ProjectReadStatus status = ProjectReadStatus::Ok;
    // Damaged: what is wrong, e.g. "line 3 is not a number"; TooLarge: its
    // size and the limit, "is 1 GB (...); at most 64 MB (...) are read for a
    // project".
    std::string problem;
    ProjectData data;
};

// The lines of the current format for `table`, whose texts are in `system`.
std::vector<std::string> projectFileLines(const CalculationTable& table, OutputSystem system);
// Reads lines of either format. Line numbers in problems count from 1. A
// file above kLargestInputBytes is refused unread.
ProjectReadResult parseProjectLines(const std::vector<std::string>& lines);
ProjectReadResult readProjectFile(const std::string& path);
// Writes atomically; returns an error text, or "" on success.
std::string writeProjectFile(const std::string& path, const CalculationTable& table,
                             OutputSystem system);

// What the windows must do after a project command.
struct ProjectOutcome {
    bool tableReplaced = false;        // show session.table in a fresh table window
    bool captionChanged = false;       // the table window's caption is session.projectName
    bool outputSystemChanged = false;  // session.settings.output was switched by the file
    bool saved = false;                // a file was written
    std::string savedPath;             // the file written, when saved
    bool refreshShortDisplay = false;
    bool fileMissing = false;  // a recent project that is no longer on the disk
};

// Loads `path` into the session: "The file is not availaible." for an
// unreadable file, a warning for a damaged or too large one (table unchanged), the
// older-format element message once, a fresh table for an unknown format.
ProjectOutcome LoadProject(Session& session, const std::string& path, MessageSink& messages);

// Writes the session's table under `path`; reports a failure through
// `messages` and then leaves projectSaved as it was. True when written.
bool WriteProject(Session& session, const std::string& path, MessageSink& messages);

}  // namespace tolvane
