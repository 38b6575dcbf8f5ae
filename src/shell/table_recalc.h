// "Recalculate all with current medium...": every calculation column is read
// back into the element panel as "To input" reads it (element, quantity,
// option, dimensions with their units, branch ratio), given the medium
// panel's medium and rate of flow, the gas data and the current roughness,
// and calculated again by Calculate itself, so a recalculated column is the
// column a fresh Calculate of that element appends. The columns run in
// table order from a fresh start, as if the line were entered again.
#pragma once

#include <string>
#include <vector>

#include "base/messages_clipboard_files.h"
#include "shell/calculate_command.h"
#include "shell/session.h"

namespace tolvane {

struct ColumnRecalc {
    bool recalculated = false;
    std::vector<Message> messages;  // what Calculate showed for the column, in order
};

struct TableRecalc {
    // The session's table with every recalculated column replaced (refused
    // ones keep their texts), the total updated; widths and look unchanged.
    CalculationTable table;
    std::vector<ColumnRecalc> columns;  // [k] is calculation column k + 1
    double roughness = 0.0;             // the run's roughness afterwards (mm)
    std::vector<int> refusedColumns() const;
};

// The session is not changed.
TableRecalc RecalculateTable(const Session& session);

// "Recalculate all" asks first: how many columns, with which medium and rate
// of flow, and which columns cannot be recalculated and why.
std::string recalcQuestionText(const TableRecalc& recalc, const FormState& form);

// "Replace column N": the panels calculated as Calculate does, the new column
// put in place of calculation column `col` (keeping its number and its
// specification) instead of appended; the total follows. Refused like
// Calculate, with its messages; nothing for a column that is no calculation.
CalculateOutcome ReplaceColumn(Session& session, int col, MessageSink& messages,
                               const RoughnessAsker& askRoughness);

// The notes Calculate showed for recalculated columns (a flow in the
// transition range, a Reynolds number below the correlation's range), each
// column on a line of its own; "" when there were none.
std::string recalcNotesText(const TableRecalc& recalc);

// Every refused column on a line of its own with the reason Calculate gave.
std::string recalcRefusalText(const TableRecalc& recalc);

inline const std::string kRecalcTitle = "Recalculate all";
inline const std::string kRecalcNothing = "In the table are no calculations to recalculate.";

}  // namespace tolvane
