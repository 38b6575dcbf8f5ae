// What the pipe-size dialog hands back to the element panel: the chosen
// inner diameter goes into one diameter row of the form, in the unit that
// row's box shows ("mm" or "in.") and with the program's decimal places.
// Like copy-back it works on the session's FormState; the main window then
// shows the form.
#pragma once

#include "shell/form_state.h"

namespace tolvane {

// The row is a pipe's diameter in mm or inches ("Diameter of pipe D:",
// "Diameter D1:" ...), so a standard inner diameter may be put into it.
bool isPipeDiameterRow(const ElementRow& row);

// Row `row` (0 .. 3) of the element panel takes `insideMm` in its unit with
// `decimals` places. Nothing changes, and the answer is false, for a row that
// is hidden or no pipe diameter.
bool copyInsideDiameterToElement(FormState& form, int row, double insideMm, int decimals);

}  // namespace tolvane
