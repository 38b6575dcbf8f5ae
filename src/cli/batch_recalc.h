// `tolvane-cli recalc`: a project loaded as Open project loads it, the medium
// panel showing the medium of its first column (as "To input" reads it), then
// the medium and gas data of MEDIUM.json, the rate of flow and the roughness
// given on the command line, and "Recalculate all with current medium...".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/batch_input.h"
#include "cli/batch_run.h"
#include "shell/session.h"

namespace tolvane::cli {

struct RecalcRequest {
    std::optional<StepInput> medium;  // the medium and gas members only
    std::optional<std::string> flow;
    std::optional<std::string> flowUnit;
    std::optional<RoughnessAnswer> roughness;
};

struct RecalcRun {
    Session session;                   // with the recalculated table
    std::vector<StepOutcome> columns;  // one per calculation column
    std::vector<Message> messages;     // a roughness that does not read
    bool allRecalculated() const;
};

// `session` holds the loaded project. Throws InputError for a unit text the
// panel does not list ("medium.flowUnit", "--flow-unit").
RecalcRun runRecalc(Session session, const RecalcRequest& request);

}  // namespace tolvane::cli
