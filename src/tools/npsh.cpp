#include "tools/npsh.h"

#include <cmath>

#include "tools/operating_point.h"
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

NpshResult calculateSuctionNpsh(const NpshInput& in, const NpshSuctionInput& suction,
                                const SuctionLineDrop& drop, InputCheck& check) {
    NpshResult result;
    check.InputValid = true;
    const ToolField vessel{in.suctionPressure, npsh_label::SuctionPressure, "Edit1"};
    const ToolField vapour{in.vapourPressure, npsh_label::VapourPressure, "Edit2"};
    const ToolField density{in.density, npsh_label::Density, "Edit3"};
    const ToolField first{suction.firstColumn, npsh_label::FirstColumn, "Edit_SuctionFirst"};
    const ToolField last{suction.lastColumn, npsh_label::LastColumn, "Edit_SuctionLast"};
    const ToolField level{suction.level, npsh_label::Level, "Edit_Level"};
    const auto ps = readField(vessel, check);
    if (!ps) return result;
    const auto pv = readField(vapour, check);
    if (!pv) return result;
    const auto rho = readField(density, check);
    if (!rho) return result;
    const auto from = readField(first, check);
    if (!from) return result;
    const auto to = readField(last, check);
    if (!to) return result;
    const auto z = readField(level, check);
    if (!z) return result;
    for (const auto& [x, field] : {std::pair{*from, &first}, std::pair{*to, &last}}) {
        CheckRange(check, x, RangeLimits::notNegative().from(1).below(1e6), field->label,
                   field->name);
        if (!check.ChecksPassed) return result;
        if (x != std::floor(x)) {
            ReportBadInput(check, field->label, field->name);
            return result;
        }
    }
    const double rhoKg = convertAt(UnitList::Density, in.densityUnit, *rho);
    if (!(rhoKg > 0.0)) return result;
    const auto losses = drop ? drop(static_cast<int>(*from), static_cast<int>(*to)) : std::nullopt;
    if (!losses) {
        check.messages.show(MessageType::Error, kSuctionLineNotComputed);
        return result;
    }
    const double psBar = convertAt(UnitList::GasPressure, in.suctionPressureUnit, *ps);
    const double pvBar = convertAt(UnitList::GasPressure, in.vapourPressureUnit, *pv);
    const double npsh = headOfPressure(psBar - pvBar - *losses, rhoKg) +
                        convertAt(UnitList::Length, suction.levelUnit, *z);
    if (!std::isfinite(npsh)) return result;
    result.calculated = true;
    result.metres = formatFixed(npsh, 2) + " m";
    result.feet = "(= " + formatFixed(npsh / kMPerFt, 2) + " ft.)";
    return result;
}

}  // namespace tolvane
