// Taking the property data files apart: Windows-1252 text, one entry per
// line, fields separated by one TAB. Anything that is clearly not such a file
// (binary bytes, an enormous file or line) is refused before a line is read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

// The longest line a table may hold: the property tables take 8,192 bytes,
// the fitting tables of the resistance-coefficient database 4,096.
inline constexpr std::size_t kPropertyLineLimit = 8192;
inline constexpr std::size_t kFittingLineLimit = 4096;

// The lines of a table as they are in the file (Windows-1252, without their
// line ends, blank lines kept); nothing for bytes that are no text table:
// binary bytes, more than 4 MB, or a line longer than `lineLimit`.
std::optional<std::vector<std::string>> rawTableLines(const std::string& bytes,
                                                      std::size_t lineLimit);

// The lines of a data file in UTF-8 without their line ends, blank lines left
// out; nothing for bytes that are no text table.
std::optional<std::vector<std::string>> dataFileLines(const std::string& bytes);

// The same lines with their numbers in the file (the first line is 1), for
// readers that name the line of a fault.
struct NumberedLine {
    int number = 0;
    std::string text;
};
std::optional<std::vector<NumberedLine>> numberedDataFileLines(const std::string& bytes);

// The fields of one line; "a\t\tb" gives three fields, the middle one empty.
std::vector<std::string> tabFields(const std::string& line);

// The lines of the file at `path`; nothing when it is missing, unreadable or
// no text table.
std::optional<std::vector<std::string>> readDataFile(const std::string& path);

}  // namespace tolvane
