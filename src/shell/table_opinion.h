// The second opinion of the session's table: every column's element read
// back as the plant curve reads it (kinds from the element catalogue), then
// given to the published methods of its kind.
#pragma once

#include <vector>

#include "checks/second_opinion.h"
#include "shell/session.h"

namespace tolvane {

// `conditions` as for the checks: the gas columns' inlet pressures.
checks::SecondOpinion tableSecondOpinion(const Session& session,
                                         const std::vector<checks::ColumnConditions>& conditions);

}  // namespace tolvane
