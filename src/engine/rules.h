// Inside the engine: one resistance rule per element group. computeElementLoss
// decides the regime, then calls the group's rule, then applies the gas
// correction and the quantity. A rule sets zeta, pressureDrop (bar, before gas
// correction and quantity) and whatever else its kind reports; it refuses an
// element by calling refuse().
#pragma once

#include <cmath>
#include <utility>
#include <vector>

#include "engine/engine.h"

namespace tolvane::rules {

struct LossContext {
    const PipeElement& element;
    const FlowMedium& medium;
    EngineEnv& env;
    ElementResult& result;
};

// Shows `text` as an error box (unless silent or already refused) and sets calcError.
void refuse(LossContext& c, const std::string& text);
// The laminar refusal of the kinds without a laminar rule.
void refuseLaminar(LossContext& c);
// Shows an information box unless silent.
void inform(LossContext& c, const std::string& text);
// The roughness query before a turbulent friction calculation. Returns false
// (and sets calcError) when the query was cancelled.
bool requestRoughness(LossContext& c);

// Pressure drop in bar of a resistance coefficient at velocity w (m/s).
inline double zetaToPressureDrop(double zeta, double density, double w) {
    return zeta / 2.0 / 1e5 * density * w * w;
}

// base^exponent for base > 0 as exp(exponent * ln base), the form the rules
// have always used (std::pow can differ from it in the last bit).
inline double power(double base, double exponent) { return std::exp(exponent * std::log(base)); }

// A table of points read by linear interpolation inside the segment
// [x_i, x_i+1) that contains x; x equal to the last point gives its value.
// Outside the table the nearest end value is taken.
struct Table {
    std::vector<double> x;
    std::vector<double> y;
    double at(double v) const;
};

// The rule of the element's group; an unknown group is refused.
void runGroupRule(LossContext& c);

void lossStraightPipe(LossContext& c);     // group 1
void lossEntrance(LossContext& c);         // group 2
void lossChangeOfSection(LossContext& c);  // group 3
void lossBend(LossContext& c);             // group 4
void lossBranching(LossContext& c);        // group 5
void lossBellows(LossContext& c);          // group 6
void lossValve(LossContext& c);            // group 7
void lossCheckValve(LossContext& c);       // group 8
void lossNozzleOrifice(LossContext& c);    // group 9
void lossDiverse(LossContext& c);          // group 10

}  // namespace tolvane::rules
