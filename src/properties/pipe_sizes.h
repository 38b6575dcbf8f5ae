// Standard pipe sizes from "PIPE_SIZES.TXT": one row per line, the fields
// standard, nominal size, schedule or series, outside diameter in mm and wall
// in mm, separated by TAB (or by ";" on a line without a TAB). Lines starting
// with "#" are comments. The inner diameter is outside - 2 wall, given with
// the decimals of the file's two numbers.
//
// A line that cannot be a row is left out and reported with its number; the
// other rows stay usable. The table lists standards, sizes and schedules in
// the order of the file and finds one row by its three names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

inline constexpr const char* kPipeSizesFileName = "PIPE_SIZES.TXT";

struct PipeRow {
    std::string standard;
    std::string size;
    std::string schedule;
    std::string outsideText;  // as spelled in the file, decimal point
    std::string wallText;
    std::string insideText;  // outside - 2 wall with the decimals of the two
    double outsideMm = 0;
    double wallMm = 0;
    double insideMm = 0;  // the value of insideText
};

struct PipeFileFault {
    int line = 0;  // 0: the file as a whole
    std::string text;
};

class PipeSizeTable {
public:
    PipeSizeTable() = default;
    explicit PipeSizeTable(std::vector<PipeRow> rows);

    const std::vector<PipeRow>& rows() const { return rows_; }
    bool empty() const { return rows_.empty(); }

    std::vector<std::string> standards() const;
    std::vector<std::string> sizes(std::string_view standard) const;
    std::vector<std::string> schedules(std::string_view standard, std::string_view size) const;

    // Nothing when the table has no such row.
    const PipeRow* find(std::string_view standard, std::string_view size,
                        std::string_view schedule) const;

    // The row of smallest inner diameter not below `minInsideMm` among those
    // of `standard` (and of `schedule` unless it is empty); the first in file
    // order of equal ones. Nothing when every row is narrower.
    const PipeRow* nextSize(std::string_view standard, std::string_view schedule,
                            double minInsideMm) const;

private:
    std::vector<PipeRow> rows_;
    std::vector<std::size_t> sorted_;  // row indices by (standard, size, schedule)
};

struct PipeSizesRead {
    PipeSizeTable table;
    std::vector<PipeFileFault> faults;  // in the order of the file
};

PipeSizesRead parsePipeSizes(const std::string& bytes);
// A missing or unreadable file gives an empty table and one fault of line 0.
PipeSizesRead readPipeSizesFile(const std::string& path);

// "line 7: ..." (or the text alone for the file as a whole).
std::string faultLine(const PipeFileFault& fault);

}  // namespace tolvane
