#include "checks/isothermal_gas.h"

#include <cmath>

namespace tolvane::checks {

std::optional<double> isothermalOutletPressure(double p1, double density1, double massFlux,
                                               double resistance) {
    if (!(p1 > 0.0) || !(density1 > 0.0) || !(resistance >= 0.0) || !std::isfinite(massFlux))
        return std::nullopt;
    const double c = massFlux * massFlux * p1 / density1;  // Pa²
    auto excess = [&](double p2) {
        return p1 * p1 - p2 * p2 - c * (resistance + 2.0 * std::log(p1 / p2));
    };
    double low = std::sqrt(c);  // choking pressure: the excess is largest here
    if (!(low < p1) || excess(low) < 0.0) return std::nullopt;
    double high = p1;
    // The excess falls monotonically from the choking pressure to p1.
    for (int i = 0; i < 200 && high - low > 1e-12 * p1; ++i) {
        const double mid = 0.5 * (low + high);
        (excess(mid) > 0.0 ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

}  // namespace tolvane::checks
