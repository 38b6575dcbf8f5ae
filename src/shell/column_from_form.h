// The input panels as a calculation column records them: the medium's name
// and condition, the kind's name, the quantity, the value rows with their
// unit names and the option line (for the rectangular bend, the surface of its
// "Additional Data" window).
#pragma once

#include "results/column_description.h"
#include "shell/form_state.h"

namespace tolvane {

ColumnDescription describeColumn(const FormState& form);

}  // namespace tolvane
