// A property dialog's chosen medium into the input panels: name, density and
// absolute viscosity with their units and the condition into the medium
// panel, and for a gas the inlet pressure and both temperatures with their
// units into the gas data window. The viscosity kind goes back to "Abs.viscos."
// with its unit list refilled, as a user change of that list does. The rate
// of flow stays as it is; nothing is calculated.
#pragma once

#include "properties/medium_choice.h"
#include "shell/form_state.h"

namespace tolvane {

void HandBackMedium(FormState& form, const MediumChoice& choice);

}  // namespace tolvane
