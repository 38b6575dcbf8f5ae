// What the engineering tools hand back to the main window: the velocity-to-
// rate-of-flow dialog's "Copy to medium window" puts its m³/h text into the
// medium panel as a volume flow in m³/h. Like copy-back, it works on the
// session's FormState; the main window then shows the form.
#pragma once

#include <string>

#include "shell/form_state.h"

namespace tolvane {

// The rate of flow becomes `m3hText`, the panel is switched to "Volume flow:"
// with "m³/h" selected (whatever kind and unit it showed), and the branch
// window's unit label follows.
void copyRateOfFlowToMedium(FormState& form, const std::string& m3hText);

}  // namespace tolvane
