// A change of "Output of values:" as the settings dialog's OK makes it: the
// whole calculation table is rewritten in the new units. A table that cannot
// be shown in them keeps its texts and the setting stays as it was.
#pragma once

#include "shell/session.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

enum class OutputSwitch { Unchanged, Switched, Refused };

// Nothing when `system` is already the output setting; a refusal is reported
// through `messages`.
OutputSwitch switchOutputSystem(Session& session, OutputSystem system, MessageSink& messages);

}  // namespace tolvane
