#include "shell/project_file.h"

#include <array>
#include <utility>

#include "shell/input_size.h"
#include "base/integer_text.h"
#include "base/text_file.h"

namespace tolvane {

namespace {

// The current format opens with these lines, then the look lines; the older
// one closes with the default column width and the look lines.
constexpr std::size_t kVersionLine = 0;
constexpr const char* kCurrentVersion = "4.0";
constexpr const char* kOlderVersion = "1";
constexpr std::size_t kSystemLine = 1;
constexpr std::size_t kCountLine = 2;
constexpr std::size_t kWidthsLine = 3;
constexpr std::size_t kLookLinesFrom = 4;

const char* const kOldElementMessageStart =
    "Your project-file contains one ore more elements of type ";
const char* const kOldElementMessageEnd =
    ". In the new program version will this element calculates in a different way. "
    "Please calculate these elements new!";

std::string notANumber(std::size_t line) {
    return "line " + std::to_string(line + 1) + " is not a number";
}

ProjectReadResult damaged(std::string problem) {
    ProjectReadResult r;
    r.status = ProjectReadStatus::Damaged;
    r.problem = std::move(problem);
    return r;
}

// Reads the integer of line `index` into `out`; false when it is none.
bool integerLine(const std::vector<std::string>& lines, std::size_t index, int& out) {
    auto v = readInteger(lines[index], {IntegerBlanks::None});
    if (!v) return false;
    out = *v;
    return true;
}

// The look a project may bring along. A value outside these ranges is no
// table this program wrote (and a font size near 2^31 overflows the height
// conversion), so the file is refused as damaged.
struct Bounds {
    int minimum, maximum;
};
constexpr Bounds kFontSize{1, 1000};       // points
constexpr Bounds kRowHeight{1, 10000};     // pixels
constexpr Bounds kColumnWidth{0, 100000};  // pixels

std::string outOfRange(std::size_t line) {
    return "line " + std::to_string(line + 1) + " is out of range";
}

// An integer line within `bounds`; the problem when it is not.
std::optional<std::string> boundedLine(const std::vector<std::string>& lines, std::size_t index,
                                       Bounds bounds, int& out) {
    if (!integerLine(lines, index, out)) return notANumber(index);
    if (out < bounds.minimum || out > bounds.maximum) return outOfRange(index);
    return std::nullopt;
}

// The table's look, line by line in the order both formats keep it: written
// and read through the same table.
struct LookLine {
    std::string (*write)(const CalculationTable& table);
    // The problem when the line is damaged.
    std::optional<std::string> (*read)(const std::vector<std::string>& lines, std::size_t index,
                                       ProjectData& d);
};

std::optional<std::string> styleLine(const std::string& text, bool& out) {
    out = text == "1";
    return std::nullopt;
}

constexpr std::array<LookLine, 8> kLookLines{{
    {[](const CalculationTable& t) { return std::to_string(t.defaultRowHeight); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         return boundedLine(l, i, kRowHeight, d.rowHeight);
     }},
    {[](const CalculationTable& t) { return oneLine(t.font.name); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         d.font.name = l[i];
         return std::optional<std::string>();
     }},
    {[](const CalculationTable& t) { return std::to_string(t.font.color); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         if (!integerLine(l, i, d.font.color)) return std::optional<std::string>(notANumber(i));
         return std::optional<std::string>();
     }},
    {[](const CalculationTable& t) { return std::to_string(t.font.size); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         auto problem = boundedLine(l, i, kFontSize, d.font.size);
         if (!problem) d.font.height = fontHeightOfSize(d.font.size);
         return problem;
     }},
    {[](const CalculationTable& t) { return std::string(t.font.bold ? "1" : "0"); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         return styleLine(l[i], d.font.bold);
     }},
    {[](const CalculationTable& t) { return std::string(t.font.italic ? "1" : "0"); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         return styleLine(l[i], d.font.italic);
     }},
    {[](const CalculationTable& t) { return std::string(t.font.underline ? "1" : "0"); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         return styleLine(l[i], d.font.underline);
     }},
    {[](const CalculationTable& t) { return std::string(t.font.strikeOut ? "1" : "0"); },
     [](const std::vector<std::string>& l, std::size_t i, ProjectData& d) {
         return styleLine(l[i], d.font.strikeOut);
     }},
}};

constexpr std::size_t kHeaderLines = kLookLinesFrom + kLookLines.size();
constexpr std::size_t kOlderTrailerLines = 1 + kLookLines.size();

// Reads the look lines from line `first` on; the first problem.
std::optional<std::string> readLook(const std::vector<std::string>& lines, std::size_t first,
                                    ProjectData& d) {
    for (std::size_t i = 0; i < kLookLines.size(); ++i)
        if (auto problem = kLookLines[i].read(lines, first + i, d)) return problem;
    return std::nullopt;
}

std::vector<CalculationColumn> cellColumns(const std::vector<std::string>& lines, std::size_t first,
                                           int n) {
    std::vector<CalculationColumn> columns(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < kTableRows; ++r) {
            columns[c][r] = lines[first + static_cast<std::size_t>(c * kTableRows + r)];
        }
    }
    return columns;
}

ProjectReadResult parseOlder(const std::vector<std::string>& lines) {
    ProjectReadResult r;
    ProjectData& d = r.data;
    d.format = ProjectFormat::Older;
    d.system = OutputSystem::Metric;
    std::size_t count = lines.size();
    if (count < kOlderTrailerLines + kTableRows || (count - kOlderTrailerLines) % kTableRows != 0) {
        return damaged("it has " + std::to_string(count) +
                       " lines, which are not whole calculations of 25 lines and 9 closing lines");
    }
    std::size_t t = count - kOlderTrailerLines;
    if (auto problem = boundedLine(lines, t, kColumnWidth, d.defaultColumnWidth))
        return damaged(*problem);
    if (auto problem = readLook(lines, t + 1, d)) return damaged(*problem);
    d.calculations = cellColumns(lines, 0, static_cast<int>(t / kTableRows));
    return r;
}

ProjectReadResult parseCurrent(const std::vector<std::string>& lines) {
    ProjectReadResult r;
    ProjectData& d = r.data;
    d.format = ProjectFormat::Current;
    if (lines.size() < kHeaderLines) {
        return damaged("it has only " + std::to_string(lines.size()) + " header lines of 12");
    }
    if (lines[kSystemLine] == "M") {
        d.system = OutputSystem::Metric;
    } else if (lines[kSystemLine] == "I") {
        d.system = OutputSystem::US;
    } else {
        return damaged("line 2 is neither \"M\" nor \"I\"");
    }
    int n = 0;
    if (!integerLine(lines, kCountLine, n) || n < 0) return damaged(notANumber(kCountLine));
    // Widths of columns 0..N, each ended by a TAB.
    const std::string& widthLine = lines[kWidthsLine];
    std::size_t pos = 0;
    while (pos < widthLine.size()) {
        std::size_t tab = widthLine.find('\t', pos);
        if (tab == std::string::npos) tab = widthLine.size();
        auto w = readInteger(widthLine.substr(pos, tab - pos), {IntegerBlanks::None});
        if (!w) return damaged(notANumber(kWidthsLine));
        if (*w < kColumnWidth.minimum || *w > kColumnWidth.maximum)
            return damaged(outOfRange(kWidthsLine));
        d.columnWidths.push_back(*w);
        pos = tab + 1;
    }
    if (d.columnWidths.size() != static_cast<std::size_t>(n) + 1) {
        return damaged("line 4 holds " + std::to_string(d.columnWidths.size()) +
                       " column widths instead of " +
                       std::to_string(static_cast<long long>(n) + 1));
    }
    if (auto problem = readLook(lines, kLookLinesFrom, d)) return damaged(*problem);
    std::size_t expected = kHeaderLines + static_cast<std::size_t>(n) * kTableRows;
    if (lines.size() != expected) {
        return damaged("it has " + std::to_string(lines.size()) + " lines instead of " +
                       std::to_string(expected) + " for " + std::to_string(n) + " calculations");
    }
    d.calculations = cellColumns(lines, kHeaderLines, n);
    return r;
}

// The older format's note on elements that are now calculated differently;
// only the first such column counts.
std::string oldElementMessage(const std::vector<CalculationColumn>& calculations) {
    for (const CalculationColumn& c : calculations) {
        std::string name = c[Row::Element].substr(0, c[Row::Element].find('/'));
        const char* kind = nullptr;
        if (name == "Branch flowing asunder" || name == "Branch flowing together") {
            kind = "Branch flowing";
        } else if (name == "Orifice") {
            kind = "Orifice";
        }
        if (kind) {
            return std::string(kOldElementMessageStart) + "\"" + kind + "\"" +
                   kOldElementMessageEnd;
        }
    }
    return {};
}

}  // namespace

std::vector<std::string> projectFileLines(const CalculationTable& table, OutputSystem system) {
    const int n = table.calculationCount();
    std::vector<std::string> lines;
    lines.reserve(kHeaderLines + static_cast<std::size_t>(n) * kTableRows);
    lines.emplace_back(kCurrentVersion);
    lines.emplace_back(system == OutputSystem::US ? "I" : "M");
    lines.push_back(std::to_string(n));
    std::string widths;
    for (int c = 0; c <= n; ++c) {
        const int w = table.columnWidth(c);
        widths += std::to_string(w);
        widths += '\t';
    }
    lines.push_back(std::move(widths));
    for (const LookLine& look : kLookLines) lines.push_back(look.write(table));
    for (int c = 1; c <= n; ++c) {
        for (const std::string& text : table.column(c)) lines.push_back(oneLine(text));
    }
    return lines;
}

ProjectReadResult parseProjectLines(const std::vector<std::string>& lines) {
    if (!lines.empty() && lines[kVersionLine] == kOlderVersion) return parseOlder(lines);
    if (!lines.empty() && lines[kVersionLine] == kCurrentVersion) return parseCurrent(lines);
    // Anything else is no project of ours. Loading it as an empty table under
    // its name would let the next Save overwrite a file the user never wrote
    // with this program, so it is refused like a damaged project.
    return damaged("it is not a project file (its first line is neither \"4.0\" nor \"1\")");
}

ProjectReadResult readProjectFile(const std::string& path) {
    const InputBytes read = readInputFile(path);
    if (read.status != InputBytes::Status::Ok) {
        ProjectReadResult r;
        const bool tooLarge = read.status == InputBytes::Status::TooLarge;
        r.status = tooLarge ? ProjectReadStatus::TooLarge : ProjectReadStatus::Unreadable;
        if (tooLarge) r.problem = tooLargeText(read) + " for a project";
        return r;
    }
    return parseProjectLines(textLinesOf(read.bytes));
}

std::string writeProjectFile(const std::string& path, const CalculationTable& table,
                             OutputSystem system) {
    return writeTextLinesAtomically(path, projectFileLines(table, system));
}

ProjectOutcome LoadProject(Session& session, const std::string& path, MessageSink& messages) {
    ProjectOutcome out;
    out.refreshShortDisplay = true;
    ProjectReadResult read = readProjectFile(path);
    if (read.status == ProjectReadStatus::Unreadable) {
        messages.show(MessageType::Warning, "The file is not availaible.");
        return out;
    }
    if (read.status == ProjectReadStatus::TooLarge) {
        messages.show(MessageType::Warning, "The file \"" + path + "\" " + read.problem +
                                                ".\rThe project was not opened.");
        return out;
    }
    if (read.status == ProjectReadStatus::Damaged) {
        messages.show(MessageType::Warning, "The file \"" + path + "\" is damaged: " +
                                                read.problem + ".\rThe project was not opened.");
        return out;
    }

    ProjectData& d = read.data;
    CalculationTable table;
    std::string note;
    OutputSystem before = session.settings.output;
    session.settings.output = d.system;
    out.outputSystemChanged = before != d.system;
    if (d.format == ProjectFormat::Older) {
        table.setDefaultColumnWidth(d.defaultColumnWidth);
        note = oldElementMessage(d.calculations);
    }
    table.defaultRowHeight = d.rowHeight;
    table.font = d.font;
    table.setCalculations(std::move(d.calculations));
    if (d.format == ProjectFormat::Current) {
        for (std::size_t c = 0; c < d.columnWidths.size(); ++c) {
            table.setColumnWidth(static_cast<int>(c), d.columnWidths[c]);
        }
    }
    table.writeHeadings(session.settings.output, session.settings.decimals);
    session.table = std::move(table);
    session.projectName = path;
    out.tableReplaced = true;
    out.captionChanged = true;
    if (!note.empty()) messages.show(MessageType::Error, note);
    return out;
}

bool WriteProject(Session& session, const std::string& path, MessageSink& messages) {
    std::string error = writeProjectFile(path, session.table, session.settings.output);
    if (!error.empty()) {
        messages.show(MessageType::Error,
                      "The file \"" + path + "\" could not be written.\r" + error);
        return false;
    }
    session.projectSaved = true;
    return true;
}

}  // namespace tolvane
