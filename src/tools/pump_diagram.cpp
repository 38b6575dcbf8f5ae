#include "tools/pump_diagram.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

// Enough for a smooth line at any window size; the pump's points are few.
constexpr int kPumpSamples = 240;

struct ValueOf {
    DiagramQuantity quantity;
    double density, toBar, pressureFactor;
    double head(double metres) const {
        switch (quantity) {
            case DiagramQuantity::HeadMetres: return metres;
            case DiagramQuantity::HeadFeet: return metres / kMPerFt;
            case DiagramQuantity::Pressure: break;
        }
        return pressureOfHead(metres, density) / toBar * pressureFactor;
    }
};

// A value axis that starts on a multiple of `steps` ticks (-2, 0, 2 ...
// rather than -0.7, 0.3 ...) when it starts below zero or off a step; the
// small NPSH diagram labels every second tick, so there it is two.
AxisScale steppedAxis(double low, double high, double steps = 1.0) {
    const AxisScale a = scaleValueAxis(low, high);
    const double unit = steps * a.step;
    if (!(a.step > 0) || std::fmod(a.min, unit) == 0.0) return a;
    return scaleValueAxis(std::floor(low / unit) * unit, high);
}

void widen(double v, double& low, double& high, bool& any) {
    if (!std::isfinite(v)) return;
    low = any ? std::min(low, v) : v;
    high = any ? std::max(high, v) : v;
    any = true;
}

}  // namespace

PumpDiagram makePumpDiagram(PumpOverlay overlay, const PlantCurve& curve, const AxisScale& flowAxis,
                            DiagramQuantity quantity, const std::string& pressureUnit,
                            double pressureFactor) {
    PumpDiagram d;
    d.quantity = quantity;
    const double toBar = curve.system == OutputSystem::US ? kBarPerPsi : 1.0;
    const ValueOf value{quantity, overlay.density, toBar, pressureFactor};
    d.valueUnit = quantity == DiagramQuantity::HeadMetres ? "m"
                  : quantity == DiagramQuantity::HeadFeet ? "ft"
                                                          : pressureUnit;
    double low = 0, high = 0;
    bool any = false;
    const SystemSide& side = overlay.side;
    d.valuePerDrop = quantity == DiagramQuantity::Pressure
                         ? pressureFactor
                         : value.head(toBar / pressureOfHead(1.0, overlay.density));
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        double v = 0;
        if (quantity == DiagramQuantity::Pressure)
            // The drop with the static head and the vessels' difference
            // added: with neither, the plant curve's own points.
            v = (curve.points[i].pressureDrop * toBar + side.pressureDifference +
                 pressureOfHead(side.staticHead, overlay.density)) /
                toBar * pressureFactor;
        else
            v = value.head(overlay.systemHeads[i].value_or(0.0));
        d.systemValues.push_back(v);
        widen(v, low, high, any);
    }

    const double f = overlay.flowFactor;
    if (overlay.pump) {
        const PumpCurve& pump = *overlay.pump;
        const double from = std::max(pump.minFlow() / f, flowAxis.min);
        const double to = std::min(pump.maxFlow() / f, flowAxis.max);
        d.beyondLeft = flowAxis.min < pump.minFlow() / f;
        d.beyondRight = flowAxis.max > pump.maxFlow() / f;
        for (int k = 0; from < to && k <= kPumpSamples; ++k) {
            // The last sample lands on the end exactly, so the pump's last
            // point is not left out by rounding.
            const double q = k == kPumpSamples ? to : from + (to - from) * k / kPumpSamples;
            if (const auto h = pump.head(std::min(q * f, pump.maxFlow()))) {
                d.pumpLine.emplace_back(q, value.head(*h));
                widen(d.pumpLine.back().second, low, high, any);
            }
        }
        if (const auto bep = overlay.operating.bestEfficiencyFlow)
            d.bestEfficiencyBand =
                std::make_pair(kLowestBepShare * *bep / f, kHighestBepShare * *bep / f);
        if (const auto& op = overlay.operating.point)
            d.operatingMark = std::make_pair(op->flow / f, value.head(op->head));
    }
    d.valueAxis = steppedAxis(any ? low : 0.0, any ? high : 1.0);

    if (overlay.withSuction) {
        d.withNpsh = true;
        double nLow = 0, nHigh = 0;
        bool nAny = true;  // the NPSH axis starts at zero at most
        for (std::size_t i = 0; i < curve.points.size(); ++i) {
            const double q = curve.points[i].rateOfFlow;
            if (const auto a = overlay.npshAvailable[i]) {
                d.npshAvailableLine.emplace_back(q, *a);
                widen(*a, nLow, nHigh, nAny);
            }
        }
        if (overlay.pump) {
            const PumpCurve& pump = *overlay.pump;
            for (const auto& [q, v] : d.pumpLine) {
                (void)v;
                if (const auto r = pump.npshr(std::min(q * f, pump.maxFlow()))) {
                    d.npshRequiredLine.emplace_back(q, *r);
                    widen(*r, nLow, nHigh, nAny);
                }
            }
        }
        if (!(nHigh > nLow)) nHigh = nLow + 1.0;
        d.npshAxis = steppedAxis(nLow, nHigh, 2.0);
    }
    d.overlay = std::move(overlay);
    return d;
}

std::string valueAxisTitle(const PumpDiagram& d) {
    if (d.quantity == DiagramQuantity::Pressure) return "Pressure (" + d.valueUnit + ")";
    return "Head (" + d.valueUnit + ")";
}

std::string operatingMarkText(const PumpDiagram& d, const std::string& flowUnit) {
    if (!d.operatingMark) return "";
    const int decimals = d.valueUnit == "mbar" ? 1 : 2;
    return "Q " + formatFixed(d.operatingMark->first, 2) + " " + flowUnit + ", " +
           (d.quantity == DiagramQuantity::Pressure ? "p " : "H ") +
           formatFixed(d.operatingMark->second, decimals) + " " + d.valueUnit;
}

}  // namespace tolvane
