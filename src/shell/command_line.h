// The project named on the command line: the arguments joined with single
// blanks (a name with blanks may arrive split into several arguments), and a
// relative name taken from the directory the user started the program in,
// since start-up then makes the program's own directory the current one.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// "" when there are no arguments.
std::string commandLineProject(const std::vector<std::string>& arguments,
                               const std::string& startDirectory);

}  // namespace tolvane
