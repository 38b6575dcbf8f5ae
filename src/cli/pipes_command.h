// `tolvane-cli pipes`: the rows of the pipe-size table, all of them or those
// of one standard, size and schedule, or the next size of a standard at least
// as wide as a diameter, as JSON or as TAB-separated text.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvane::cli {

inline constexpr const char* kPipesUsage =
    "       tolvane-cli pipes [--standard NAME] [--size NPS|DN] [--schedule S]\n"
    "                         [--min-inside MM] [--format json|tsv] [--file TABLE] [-o OUT]\n"
    "pipes: --min-inside gives the next size of the standard (and schedule) whose\n"
    "inner diameter is at least MM.\n";

// `args` without the word "pipes". Exit status 0 with rows written, 1 when no
// row matches, 2 for a usage error or a table that cannot be read; faults of
// the table's lines go to `err` and leave the other rows usable.
int runPipesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tolvane::cli
