// Where a pump meets the plant: the system head is the static head, the
// pressure difference between the end vessels and the plant's drop, each as
// a head of the medium; the operating point is the flow at which the pump's
// head equals it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/pump_curve.h"

namespace tolvane {

inline constexpr double kStandardGravity = 9.80665;  // m/s²

struct SystemSide {
    double staticHead = 0.0;          // m
    double pressureDifference = 0.0;  // bar
};

// A pressure in bar as a head in m of a medium of `density` kg/m³.
double headOfPressure(double bar, double density);
double pressureOfHead(double head, double density);

// The plant's drop in bar at a rate of flow in m³/h; nothing when it cannot
// be computed there.
using DropAtFlow = std::function<std::optional<double>(double rateOfFlow)>;

// The system head in m at a rate of flow; nothing when the drop is not known.
std::optional<double> systemHead(const SystemSide& side, double density, const DropAtFlow& drop,
                                 double rateOfFlow);

struct OperatingPoint {
    double flow = 0.0;                 // m³/h
    double head = 0.0;                 // m
    std::optional<double> efficiency;  // percent
    std::optional<double> npshr;       // m
    std::optional<double> power;       // kW, stated or from the efficiency
};

struct OperatingOutcome {
    std::optional<OperatingPoint> point;
    std::string problem;                       // why there is no point
    std::vector<std::string> warnings;         // about the point found
    std::optional<double> bestEfficiencyFlow;  // m³/h
};

// Brent's method on pump head minus system head over the pump's flows, to
// 1e-9 relative in flow; refused when the two do not cross there or cross
// more than once.
OperatingOutcome findOperatingPoint(const PumpCurve& pump, const SystemSide& side, double density,
                                    const DropAtFlow& drop);

inline constexpr double kFlowTolerance = 1e-9;  // relative
// The best efficiency flow's share outside which a warning is shown.
inline constexpr double kLowestBepShare = 0.7, kHighestBepShare = 1.2;

inline const std::string kNoIntersection =
    "The pump's curve and the system curve do not cross within the pump's rates of flow.";
inline const std::string kSeveralIntersections =
    "The pump's curve crosses the system curve more than once (unstable pump); there is no "
    "single operating point.";
inline const std::string kSystemNotComputed =
    "The system curve cannot be computed within the pump's rates of flow.";
inline const std::string kOutsideBestEfficiency =
    "The operating point lies outside 70 to 120 % of the best efficiency flow.";

}  // namespace tolvane
