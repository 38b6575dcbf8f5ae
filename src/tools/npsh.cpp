#include "tools/npsh.h"

#include "tools/tool_input.h"
#include "base/number_format.h"
#include "units/unit_factors.h"

namespace tolvane {

NpshResult calculateNpsh(const NpshInput& in, InputCheck& check) {
    NpshResult result;
    check.InputValid = true;
    const ToolField suction{in.suctionPressure, npsh_label::SuctionPressure, "Edit1"};
    const ToolField vapour{in.vapourPressure, npsh_label::VapourPressure, "Edit2"};
    const ToolField density{in.density, npsh_label::Density, "Edit3"};
    const auto ps = readField(suction, check);
    if (!ps) return result;
    const auto pv = readField(vapour, check);
    if (!pv) return result;
    const auto rho = readField(density, check);
    if (!rho) return result;

    const double psBar = convertAt(UnitList::GasPressure, in.suctionPressureUnit, *ps);
    const double pvBar = convertAt(UnitList::GasPressure, in.vapourPressureUnit, *pv);
    const double rhoKg = convertAt(UnitList::Density, in.densityUnit, *rho);
    if (!(rhoKg > 0.0)) return result;

    // 10.2 m of water column per bar, scaled by the liquid's density. A
    // vapour pressure above the suction pressure leaves no head at all, however
    // far above it is.
    double npsh = (psBar - pvBar) * 10.2 / rhoKg * 1000.0;
    if (psBar - pvBar < 0.0) npsh = 0.0;
    if (!acceptResult(npsh / kMPerFt,
                      {{psBar, &suction}, {pvBar, &vapour}, {rhoKg, &density, true}}, check))
        return result;
    result.calculated = true;
    result.metres = formatFixed(npsh, 1) + " m";
    result.feet = "(= " + formatFixed(npsh / kMPerFt, 1) + " ft.)";
    return result;
}

}  // namespace tolvane
