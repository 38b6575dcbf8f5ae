// The second opinion of the session's table: every column's element read
// back as the plant curve reads it (kinds from the element catalogue), then
// given to the published methods of its kind.
#pragma once

#include <vector>

#include "checks/second_opinion.h"
#include "shell/session.h"
#include "tools/curve_band.h"

namespace tolvane {

// `conditions` as for the checks: the gas columns' inlet pressures.
checks::SecondOpinion tableSecondOpinion(const Session& session,
                                         const std::vector<checks::ColumnConditions>& conditions);

// The band around a plant curve computed for the session's table, with the
// medium panel's medium as the curve read it; nothing where a column
// cannot be computed at one of the points.
std::optional<std::vector<BandPoint>> plantCurveBand(const Session& session,
                                                     const PlantCurve& curve);

}  // namespace tolvane
