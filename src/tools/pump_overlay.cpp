#include "tools/pump_overlay.h"

#include <algorithm>

#include "base/number_format.h"
#include "units/unit_factors.h"

namespace tolvane {

AdjustedPump adjustPump(const PumpData& pump, const PumpAdjustment& a) {
    PumpData data = pump;
    if (a.speedRatio != 1.0) data = withSpeedRatio(data, a.speedRatio);
    if (a.impellerRatio != 1.0) data = withImpellerRatio(data, a.impellerRatio);
    data = arranged(data, a.arrangement, a.count);
    AdjustedPump out{PumpCurve(std::move(data)), {}};
    if (out.curve.hasUnstableRegion()) out.warnings.push_back(kUnstableRegionWarning);
    if (a.impellerRatio < kLowestTrustedImpellerRatio)
        out.warnings.push_back(kImpellerRatioWarning);
    return out;
}

double npshMargin(const NpshMarginRule& rule, double npshRequired) {
    return std::max(rule.minimum, rule.share * npshRequired);
}

std::vector<CurveColumn> suctionColumns(const std::vector<CurveColumn>& all,
                                        const SuctionSide& side) {
    const int count = static_cast<int>(all.size());
    const int first = std::max(1, std::min(side.firstColumn, side.lastColumn));
    const int last = std::min(count, std::max(side.firstColumn, side.lastColumn));
    std::vector<CurveColumn> out;
    for (int c = first; c <= last; ++c) out.push_back(all[static_cast<std::size_t>(c - 1)]);
    return out;
}

std::optional<double> npshAvailable(const SuctionSide& side, double density,
                                    const DropAtFlow& suctionDrop, double rateOfFlow) {
    const auto drop = suctionDrop(rateOfFlow);
    if (!drop) return std::nullopt;
    return headOfPressure(side.vesselPressure - side.vapourPressure, density) + side.level -
           headOfPressure(*drop, density);
}

PumpOverlay overlayPump(const PlantCurve& curve, const PumpSelection& sel, double density,
                        double flowFactor, const std::vector<CurveColumn>* columns,
                        const FlowMedium* medium) {
    PumpOverlay out;
    out.side = sel.side;
    out.density = density;
    out.flowFactor = flowFactor;
    out.pump = sel.pump;
    out.pumpName = sel.pumpName;
    out.warnings = sel.warnings;
    // The curve's drops are in psi for US output; the system side is in bar.
    const double toBar = curve.system == OutputSystem::US ? kBarPerPsi : 1.0;
    const bool computable = columns && medium;
    std::vector<CurveColumn> suction;
    DropAtFlow suctionDrop;
    if (sel.suction && computable) {
        out.withSuction = true;
        suction = suctionColumns(*columns, *sel.suction);
        suctionDrop = [&suction, medium](double q) { return plantDropAt(suction, *medium, q); };
    }
    for (const CurvePoint& p : curve.points) {
        out.systemHeads.push_back(
            out.side.staticHead +
            headOfPressure(out.side.pressureDifference + p.pressureDrop * toBar, density));
        const double q = p.rateOfFlow * flowFactor;
        if (out.pump) out.pumpHeads.push_back(out.pump->head(q));
        if (out.withSuction) {
            out.npshAvailable.push_back(npshAvailable(*sel.suction, density, suctionDrop, q));
            out.npshRequired.push_back(out.pump ? out.pump->npshr(q) : std::nullopt);
        }
    }
    if (!out.pump) return out;
    if (!computable) {
        out.operating.problem = kSystemNotComputed;
    } else {
        out.operating = findOperatingPoint(*out.pump, out.side, density, [&](double q) {
            return plantDropAt(*columns, *medium, q);
        });
    }
    if (!out.operating.point) out.warnings.push_back(out.operating.problem);
    for (const std::string& w : out.operating.warnings) out.warnings.push_back(w);
    if (out.withSuction && out.operating.point) {
        const OperatingPoint& op = *out.operating.point;
        out.npshAvailableAtPoint = npshAvailable(*sel.suction, density, suctionDrop, op.flow);
        if (out.npshAvailableAtPoint && op.npshr) {
            const double margin = npshMargin(sel.margin, *op.npshr);
            out.marginAtPoint = *out.npshAvailableAtPoint - *op.npshr;
            if (*out.npshAvailableAtPoint < *op.npshr + margin)
                out.warnings.push_back(
                    npshWarningText(*out.npshAvailableAtPoint, *op.npshr, margin));
        }
    }
    return out;
}

std::string npshWarningText(double available, double required, double margin) {
    return "At the operating point NPSH available (" + formatFixed(available, 2) +
           " m) is less than NPSH required and the margin (" + formatFixed(required, 2) + " m + " +
           formatFixed(margin, 2) + " m); the pump may cavitate.";
}

namespace {

std::string cell(const std::optional<double>& x, int decimals = 3) {
    return x ? formatFixed(*x, decimals) : std::string();
}

}  // namespace

std::vector<std::string> operatingPointLines(const PumpOverlay& o, const std::string& flowUnit) {
    std::vector<std::string> lines;
    if (!o.pump) return lines;
    if (!o.pumpName.empty()) lines.push_back("Pump: " + o.pumpName);
    const auto& op = o.operating.point;
    if (!op) {
        lines.push_back("No operating point");
        return lines;
    }
    lines.push_back("Operating point");
    lines.push_back("Rate of flow: " + formatFixed(op->flow / o.flowFactor, 3) + " " + flowUnit);
    lines.push_back("Head: " + formatFixed(op->head, 3) + " m");
    if (op->efficiency) lines.push_back("Efficiency: " + formatFixed(*op->efficiency, 1) + " %");
    if (op->npshr) lines.push_back("NPSH required: " + formatFixed(*op->npshr, 2) + " m");
    if (o.npshAvailableAtPoint)
        lines.push_back("NPSH available: " + formatFixed(*o.npshAvailableAtPoint, 2) + " m");
    if (o.marginAtPoint) lines.push_back("NPSH margin: " + formatFixed(*o.marginAtPoint, 2) + " m");
    if (op->power) lines.push_back("Shaft power: " + formatFixed(*op->power, 3) + " kW");
    if (o.operating.bestEfficiencyFlow)
        lines.push_back("Best efficiency flow: " +
                        formatFixed(*o.operating.bestEfficiencyFlow / o.flowFactor, 3) + " " +
                        flowUnit);
    return lines;
}

std::string pumpClipboardText(const PumpOverlay& o, const PlantCurve& curve) {
    std::string text = "\r\nRate of flow in " + curve.flowUnitText + "\tSystem head in m";
    if (o.pump) text += "\tPump head in m";
    if (o.withSuction) text += "\tNPSH available in m\tNPSH required in m";
    text += "\r\n";
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        text += formatFixed(curve.points[i].rateOfFlow, 3) + "\t" + cell(o.systemHeads[i]);
        if (o.pump) text += "\t" + cell(o.pumpHeads[i]);
        if (o.withSuction) text += "\t" + cell(o.npshAvailable[i]) + "\t" + cell(o.npshRequired[i]);
        text += "\r\n";
    }
    const std::vector<std::string> lines = operatingPointLines(o, curve.flowUnitText);
    if (!lines.empty()) text += "\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    for (const std::string& w : o.warnings) text += w + "\r\n";
    return text;
}

}  // namespace tolvane
