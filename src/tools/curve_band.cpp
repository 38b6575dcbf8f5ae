#include "tools/curve_band.h"

#include <cmath>

#include "engine/engine.h"
#include "engine/published_methods.h"
#include "tools/tool_input.h"
#include "units/unit_catalogue.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

// The column's drop (bar) at its lowest and highest published coefficient;
// false when the engine refuses it.
bool columnSpread(const CurveColumn& col, const FlowMedium& medium, EngineEnv& env, double& low,
                  double& high) {
    low = high = 0.0;
    const bool vertical = col.element.kind == Kind::VerticalDifference;
    if (medium.rateOfFlow == 0.0 && !vertical) return true;
    ElementResult r;
    r.zeta = col.zeta;
    r = computeFlowState(col.element, medium, r);
    r = computeElementLoss(col.element, medium, r, env);
    if (r.calcError || r.gasOverflow) return false;
    low = high = r.pressureDrop;
    if (vertical) return true;
    PublishedInput in{col.element, r.reynolds, r.reynolds2, col.roughness, col.branchRatio};
    const PublishedZetas zetas = publishedZetas(in);
    if (zetas.empty()) return true;
    const double w = zetaOnSecondSection(col.element.kind) ? r.velocity2 : r.velocity;
    const double perZeta = 0.5 * medium.density * w * w / 1e5 * col.element.quantity;
    low += (zetas.lowest() - r.zeta) * perZeta;
    high += (zetas.highest() - r.zeta) * perZeta;
    return true;
}

}  // namespace

std::vector<double> curveRatesOfFlow(const PlantCurve& curve) {
    const int unit = UnitCatalogue::indexOf(UnitList::VolumeFlow, curve.flowUnitText);
    const double factor = unit >= 0 ? convertAt(UnitList::VolumeFlow, unit, 1.0) : 1.0;
    std::vector<double> rates;
    rates.reserve(curve.points.size());
    for (const CurvePoint& p : curve.points) rates.push_back(p.rateOfFlow * factor);
    return rates;
}

std::optional<std::vector<BandPoint>> computeCurveBand(const std::vector<CurveColumn>& columns,
                                                       const std::vector<double>& ratesOfFlow,
                                                       const FlowMedium& medium,
                                                       OutputSystem system) {
    std::vector<BandPoint> band(ratesOfFlow.size());
    const double factor = system == OutputSystem::US ? 1.0 / kBarPerPsi : 1.0;
    FlowMedium m = medium;
    for (const CurveColumn& col : columns) {
        EngineEnv env;
        env.silent = true;
        env.roughness = col.roughness;
        const bool branch = isBranchKind(col.element.kind);
        for (std::size_t i = 0; i < band.size(); ++i) {
            BandPoint& p = band[i];
            m.rateOfFlow = ratesOfFlow[i];
            if (branch) m.branchRateOfFlow = m.rateOfFlow / col.branchRatio;
            double low = 0.0, high = 0.0;
            if (!columnSpread(col, m, env, low, high)) return std::nullopt;
            p.low += low * factor;
            p.high += high * factor;
        }
    }
    return band;
}

}  // namespace tolvane
