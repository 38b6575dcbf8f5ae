// `tolvane-cli export`: a project loaded as Open project loads it, its table
// written as CSV, XLSX or OpenDocument spreadsheet (to standard output or
// to -o OUT through the atomic writer).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvane::cli {

inline constexpr const char* kExportUsage =
    "       tolvane-cli export PROJECT.tlv --format csv|xlsx|ods [-o OUT]\n"
    "export: one row per calculation, one column per quantity, numbers as numbers in\n"
    "the unit their heading names, the total as the last row.\n"
    "curve --format csv|xlsx|ods: the points (and heads) as a spreadsheet.\n";

// `args` without the word "export". Exit status 0 with the file written, 2
// for a usage error, a project that cannot be read or a file not written.
int runExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tolvane::cli
