// The Calculate command without its window: read and convert every field of
// the form, check the element and the medium, run the engine, convert for US
// output, format the results and append them as a new calculation column.
// Every refusal is a message through the sink; `focus` names the field the
// last message moved the focus to. A refusal leaves the table untouched.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "shell/session.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

// Asked in the middle of a turbulent friction calculation; returns the
// confirmed roughness k in mm, or nothing when the query was cancelled.
using RoughnessAsker = std::function<std::optional<double>()>;

struct CalculateOutcome {
    bool added = false;    // a column was appended
    std::string focus;     // object name of the focused field after a message, or ""
    ElementResult result;  // as computed (also when refused by the engine)
};

CalculateOutcome Calculate(Session& session, MessageSink& messages,
                           const RoughnessAsker& askRoughness);

}  // namespace tolvane
