// Isothermal compressible flow of an ideal gas through a resistance K:
//   p1² − p2² = G² (p1/ρ1) (K + 2 ln(p1/p2)),
// G the mass flux (kg/(m² s)) on the section K refers to, the logarithm the
// acceleration of the expanding gas. The subsonic root lies between the
// isothermal choking pressure √(G² p1/ρ1) and p1.
#pragma once

#include <optional>

namespace tolvane::checks {

// Outlet pressure (Pa) for the inlet pressure p1 (Pa), the inlet density
// (kg/m³), the mass flux and K; nothing when the flow would choke before
// the end (the element cannot carry it at this inlet pressure).
std::optional<double> isothermalOutletPressure(double p1, double density1, double massFlux,
                                               double resistance);

}  // namespace tolvane::checks
