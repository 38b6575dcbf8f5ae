// `tolvane-cli methods`: the table of published methods, which method covers
// which element kind with its constants and source, as JSON (the help's
// tables of methods are written from it).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvane::cli {

inline constexpr const char* kMethodsUsage =
    "       tolvane-cli methods\n"
    "methods: the published methods of every element kind with their constants and\n"
    "source, as JSON.\n";

// `args` without the word "methods"; none are taken (exit status 2 for any).
int runMethodsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tolvane::cli
