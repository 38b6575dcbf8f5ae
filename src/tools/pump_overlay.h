// A pump laid over the plant curve. The pump's stated points -> adjustPump
// (affinity laws, N pumps) -> PumpSelection with the system side and,
// optionally, the suction side -> overlayPump on a computed PlantCurve: the
// system and pump heads at every point of the curve, NPSH available from the
// suction columns computed again at each rate of flow, NPSH required, and the
// operating point with its NPSH margin. The diagram and the batch tool both
// read the PumpOverlay.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/operating_point.h"
#include "tools/plant_curve.h"
#include "tools/pump_curve.h"

namespace tolvane {

struct PumpAdjustment {
    double speedRatio = 1.0;     // n/n0
    double impellerRatio = 1.0;  // D/D0
    Arrangement arrangement = Arrangement::Single;
    int count = 1;
};

struct AdjustedPump {
    PumpCurve curve;
    std::vector<std::string> warnings;  // unstable region, trimmed below 0.8
};
AdjustedPump adjustPump(const PumpData& pump, const PumpAdjustment& adjustment);

// The suction line of the pump: calculation columns first..last of the table
// (in either order), the suction vessel's absolute pressure, the liquid level
// above the pump's inlet (negative below it) and the vapour pressure.
struct SuctionSide {
    int firstColumn = 1, lastColumn = 1;
    double vesselPressure = 1.01325;  // bar absolute
    double level = 0.0;               // m
    double vapourPressure = 0.0;      // bar
};

// NPSH available must stay this far above NPSH required: the larger of a
// head and a share of NPSH required.
struct NpshMarginRule {
    double minimum = 0.5;  // m
    double share = 0.1;
};
double npshMargin(const NpshMarginRule& rule, double npshRequired);

// The suction side's columns out of all columns of the table; empty when the
// range lies wholly outside it.
std::vector<CurveColumn> suctionColumns(const std::vector<CurveColumn>& all,
                                        const SuctionSide& side);

// (p_vessel - p_vapour)/(rho g) + z - suction drop(Q)/(rho g), in m; nothing
// when the suction drop is not known at that rate of flow (m³/h).
std::optional<double> npshAvailable(const SuctionSide& side, double density,
                                    const DropAtFlow& suctionDrop, double rateOfFlow);

struct PumpSelection {
    std::optional<PumpCurve> pump;  // after the affinity laws and the arrangement
    std::string pumpName;
    SystemSide side;
    std::optional<SuctionSide> suction;
    NpshMarginRule margin;
    std::vector<std::string> warnings;  // the pump's own
};

struct PumpOverlay {
    SystemSide side;
    double density = 0.0;     // kg/m³
    double flowFactor = 1.0;  // the curve's flow unit -> m³/h
    std::optional<PumpCurve> pump;
    std::string pumpName;
    // One per point of the curve; pump heads and NPSH required are nothing
    // outside the pump's rates of flow, NPSH available where a suction
    // column is refused.
    std::vector<std::optional<double>> systemHeads, pumpHeads;  // m
    bool withSuction = false;
    std::vector<std::optional<double>> npshAvailable, npshRequired;  // m
    OperatingOutcome operating;
    std::optional<double> npshAvailableAtPoint, marginAtPoint;  // m
    // In the order they are shown: the pump's, why there is no operating
    // point, then the warnings about the point.
    std::vector<std::string> warnings;
    bool withPump() const { return pump.has_value(); }
};

// `columns` and `medium` are what the curve was computed from (base units);
// without them there is no operating point and no NPSH available.
PumpOverlay overlayPump(const PlantCurve& curve, const PumpSelection& selection, double density,
                        double flowFactor, const std::vector<CurveColumn>* columns,
                        const FlowMedium* medium);

// The overlay in the curve's flow unit, as "&Copy data" appends it: the heads
// (and NPSH) point by point, then the operating point; CR LF ended.
std::string pumpClipboardText(const PumpOverlay& overlay, const PlantCurve& curve);

// The operating point's lines beside the diagram: "Rate of flow: 58.475 m³/h",
// "Head: 41.171 m", ...; the problem when there is none.
std::vector<std::string> operatingPointLines(const PumpOverlay& overlay,
                                             const std::string& flowUnit);

// The warning when NPSH available at the operating point is less than NPSH
// required and the margin.
std::string npshWarningText(double available, double required, double margin);

inline const std::string kNoHeadBeyondFlows = "no head beyond the pump's flows";

}  // namespace tolvane
