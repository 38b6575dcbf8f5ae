// The folder a file dialog opens in: the folder of the current project when
// it has one on disk, else the user's documents folder (the home folder when
// there is none) - never the program's own folder, which start-up made the
// current directory.
#pragma once

#include <string>

namespace tolvane {

// `projectPath` is the session's project name ("NONAME.TLV" until the
// project is saved or opened).
std::string fileDialogFolder(const std::string& projectPath, const std::string& documentsFolder,
                             const std::string& homeFolder);

}  // namespace tolvane
