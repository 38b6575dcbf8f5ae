// Shared pieces of the shell tests: the message texts of the input checks as
// the user reads them, and a short way to lay out the panel for a kind.
#pragma once

#include <string>
#include <vector>

#include "shell/element_panel.h"
#include "shell/form_state.h"
#include "base/messages_clipboard_files.h"

namespace tolvane::shelltest {

inline std::string zeroMessage(const std::string& label) {
    return "The input in the input field \r>> " + label + " << \rmust be bigger than zero!";
}
inline std::string tooLargeMessage(const std::string& label, const std::string& maximum) {
    return "The input in the input field \r>> " + label + " << \rmust be smaller than\r>> " +
           maximum + " << \r! Please correct it!";
}
inline std::string badInputMessage(const std::string& label) {
    return "Incorrect input in the input field\r\"" + label + "\"!";
}

inline std::vector<std::string> texts(const RecordingMessageSink& sink) {
    std::vector<std::string> out;
    for (const Message& m : sink.messages) out.push_back(m.text);
    return out;
}

inline FormState formFor(ElementKind kind) {
    FormState form;
    chooseElementKind(form, kind);
    return form;
}

}  // namespace tolvane::shelltest
