#include "results/shown_values.h"

namespace tolvane {

ShownValues metricShownValues(const FlowMedium& medium, const PipeElement& element,
                              const ElementResult& result, double roughness) {
    ShownValues v;
    v.rateOfFlow = medium.rateOfFlow;
    v.density = medium.density;
    v.viscosity = medium.viscosity;
    v.dims = {element.va1, element.va2, element.va3};
    v.roughness = roughness;
    v.velocity = result.velocity;
    v.velocity2 = result.velocity2;
    v.pressureDrop = result.pressureDrop;
    v.pressureDrop2 = result.pressureDrop2;
    return v;
}

double metricToUsDimension(double value, const std::string& metricUnit) {
    if (metricUnit == "mm") return value / kMmPerIn;
    if (metricUnit == "m²") return value / kM2PerSqYd;
    if (metricUnit == "m") return value / kMPerFt;
    return value;
}

ShownValues toUsShownValues(ShownValues v, const ColumnDescription& column) {
    v.rateOfFlow = v.rateOfFlow / kM3PerBarrel * 42.0 / 60.0;
    v.density /= kKgM3PerLbCuFt;
    v.viscosity /= 1000.0;
    v.velocity /= kMPerFt;
    if (v.velocity2 > 0) v.velocity2 /= kMPerFt;
    const auto& rows = column.rows;
    v.dims[0] = metricToUsDimension(v.dims[0], rows[0].metricUnit);
    for (int i = 1; i < 3; ++i) {
        const std::string& unit = rows[i].metricUnit;
        if (rows[i].unitVisible && (unit == "mm" || unit == "m")) {
            v.dims[i] = metricToUsDimension(v.dims[i], unit);
        }
    }
    if (v.roughness > 0) v.roughness /= kMmPerIn;
    // The branch pipe's drop is shown under a lbw./sq.ft. heading like the
    // element's own drop.
    v.pressureDrop2 /= kMbarPerLbwSqFt;
    v.pressureDropPsi = v.pressureDrop / kBarPerPsi;
    v.pressureDropLbw = v.pressureDrop / kBarPerLbwSqFt;
    return v;
}

}  // namespace tolvane
