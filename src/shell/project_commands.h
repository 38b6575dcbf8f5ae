// The File menu's project commands without their windows: New project, Open
// project, Save project and Save project as. Questions and messages go to the
// MessageSink, file names come from the FileDialogs; each command returns
// what the windows must do afterwards.
#pragma once

#include "shell/project_file.h"
#include "shell/session.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

ProjectOutcome NewProject(Session& session, MessageSink& messages, FileDialogs& dialogs);
ProjectOutcome OpenProject(Session& session, MessageSink& messages, FileDialogs& dialogs);
ProjectOutcome SaveProject(Session& session, MessageSink& messages, FileDialogs& dialogs);
ProjectOutcome SaveProjectAs(Session& session, MessageSink& messages, FileDialogs& dialogs);
// A project chosen from the recent list: as Open project with the file
// already chosen. A file no longer on the disk is reported (before any
// question) and the outcome says so, for the caller to take it off the list.
ProjectOutcome OpenRecentProject(Session& session, const std::string& path, MessageSink& messages,
                                 FileDialogs& dialogs);

// A fresh empty table in the session's unit system, named "NONAME.TLV".
void ClearProject(Session& session);

}  // namespace tolvane
