// Copy to edit-windows: one calculation column of the table goes back into
// the input panels, so that it can be changed and calculated again. The
// column's texts are the only record: the element kind comes from the
// element name, the inputs and their units from the dimension rows, the
// option from the option row, the medium from rows 1 to 4.
#pragma once

#include "results/calculation_table.h"
#include "shell/form_state.h"

namespace tolvane {

// Fills `form` from calculation column `col`. Does nothing and returns false
// for the heading column, the trailing empty column, a column out of range
// and a column whose element name is none of the 46 kinds. `output` is the
// unit system of the table's texts, `decimals` the places of the recomputed
// branch rate of flow.
bool CopyToEditWindows(FormState& form, const CalculationTable& table, int col, OutputSystem output,
                       int decimals);

}  // namespace tolvane
