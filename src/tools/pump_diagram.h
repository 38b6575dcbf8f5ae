// The pump on the curve diagram, apart from any drawing surface: the value
// axis as head (m or ft, through rho g) or as pressure, the pump's curve
// sampled within its rates of flow, the best-efficiency band, the operating
// point's mark and, with a suction side, a small second diagram of NPSH
// available and NPSH required over the same rates of flow.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/curve_axis.h"
#include "tools/pump_overlay.h"

namespace tolvane {

enum class DiagramQuantity { Pressure, HeadMetres, HeadFeet };

struct PumpDiagram {
    PumpOverlay overlay;
    DiagramQuantity quantity = DiagramQuantity::HeadMetres;
    std::string valueUnit;             // "m", "ft", "bar", "mbar", "psi"
    AxisScale valueAxis;               // over the system and pump values drawn
    std::vector<double> systemValues;  // one per curve point, in valueUnit
    // How much a change of the curve's pressure drop moves the system value:
    // the drop and the value differ by the static head and the vessels' difference.
    double valuePerDrop = 1.0;
    // The pump's curve: rates of flow in the curve's unit and values in
    // valueUnit, within the pump's flows and the flow axis.
    std::vector<std::pair<double, double>> pumpLine;
    bool beyondLeft = false, beyondRight = false;  // the axis reaches past the pump's flows
    std::optional<std::pair<double, double>> bestEfficiencyBand;  // curve's flow unit
    std::optional<std::pair<double, double>> operatingMark;       // flow, value
    // NPSH available and required (m) over the curve's rates of flow.
    bool withNpsh = false;
    AxisScale npshAxis;
    std::vector<std::pair<double, double>> npshAvailableLine, npshRequiredLine;
};

// `pressureUnit` and `pressureFactor` are the plant curve's pressure axis
// (bar/mbar/psi); in pressure the system is its drop with the static head
// and the pressure difference added, the pump its head times rho g.
PumpDiagram makePumpDiagram(PumpOverlay overlay, const PlantCurve& curve, const AxisScale& flowAxis,
                            DiagramQuantity quantity, const std::string& pressureUnit,
                            double pressureFactor);

std::string valueAxisTitle(const PumpDiagram& d);
inline constexpr const char* kNpshAxisTitle = "NPSH (m)";
// "Q 58.5 m³/h, H 41.2 m" beside the operating point's mark.
std::string operatingMarkText(const PumpDiagram& d, const std::string& flowUnit);

}  // namespace tolvane
