// The element panel's logic: laying it out for the current element kind and
// checking the converted values of its rows before the engine runs.
#pragma once

#include <array>

#include "shell/form_state.h"
#include "base/input_number.h"

namespace tolvane {

// Lays out form.element for form.element.kind: hides both additional data
// windows, sets picture, element name, rows (labels, default texts, unit boxes
// keeping their metric/US position, fixed labels), the option group, shows the
// additional data window the kind needs. The caller puts the focus on Va1_Edit.
void ElementPanelSetup(FormState& form);

// Chooses a kind and lays the panel out for it (the chooser's OK).
void chooseElementKind(FormState& form, ElementKind kind);

// The quantity field holds something else than one element; the panel shows
// it marked, so that a quantity left from an earlier element is seen.
bool quantityStandsOut(const std::string& quantity);

// The element checks of the current kind on the values of rows 1..4 in engine
// units (mm, m, m², degree). Messages go through `check` in their order.
void CheckElement(const FormState& form, const std::array<double, 4>& values, InputCheck& check);

}  // namespace tolvane
