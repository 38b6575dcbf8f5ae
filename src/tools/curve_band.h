// The band around the plant curve: at every point of the curve each column
// is computed again as the curve computes it, then taken at the lowest and at
// the highest coefficient the published methods give its element at that
// point's Reynolds number (a column without alternatives at its own value).
#pragma once

#include <optional>
#include <vector>

#include "tools/plant_curve.h"

namespace tolvane {

struct BandPoint {
    double low = 0.0, high = 0.0;  // bar (metric output) or psi (US output)
};

// One band point per rate of flow (m³/h); nothing where the engine refuses
// a column at one of them (the curve itself then says why).
std::optional<std::vector<BandPoint>> computeCurveBand(const std::vector<CurveColumn>& columns,
                                                       const std::vector<double>& ratesOfFlow,
                                                       const FlowMedium& medium,
                                                       OutputSystem system);

// The rates of flow (m³/h) of a computed curve's points.
std::vector<double> curveRatesOfFlow(const PlantCurve& curve);

}  // namespace tolvane
