#include "tools/operating_point.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tolvane {

namespace {

constexpr double kPascalPerBar = 1e5;

// Brent's method (Brent, Algorithms for Minimization without Derivatives,
// 1973, ch. 4) on [a, b] with f(a), f(b) of opposite signs.
template <class F>
std::optional<double> brent(F&& f, double a, double b, double fa, double fb) {
    double c = a, fc = fa, d = b - a, e = d;
    for (int i = 0; i < 200; ++i) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b, b = c, c = a;
            fa = fb, fb = fc, fc = fa;
        }
        const double tol = 0.5 * kFlowTolerance * std::max(std::abs(b), 1e-300);
        const double m = 0.5 * (c - b);
        if (std::abs(m) <= tol || fb == 0.0) return b;
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            double p, q, r;
            const double s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                q = fa / fc;
                r = fb / fc;
                p = s * (2 * m * q * (q - r) - (b - a) * (r - 1));
                q = (q - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * m * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : (m > 0 ? tol : -tol);
        const auto fnew = f(b);
        if (!fnew) return std::nullopt;
        fb = *fnew;
    }
    return b;
}

}  // namespace

double headOfPressure(double bar, double density) {
    return bar * kPascalPerBar / (density * kStandardGravity);
}
double pressureOfHead(double head, double density) {
    return head * density * kStandardGravity / kPascalPerBar;
}

std::optional<double> systemHead(const SystemSide& side, double density, const DropAtFlow& drop,
                                 double rateOfFlow) {
    const auto dp = drop(rateOfFlow);
    if (!dp) return std::nullopt;
    return side.staticHead + headOfPressure(side.pressureDifference + *dp, density);
}

OperatingOutcome findOperatingPoint(const PumpCurve& pump, const SystemSide& side, double density,
                                    const DropAtFlow& drop) {
    OperatingOutcome out;
    out.bestEfficiencyFlow = pump.bestEfficiencyFlow();
    const auto f = [&](double q) -> std::optional<double> {
        const auto h = systemHead(side, density, drop, q);
        if (!h) return std::nullopt;
        return *pump.head(q) - *h;
    };
    // The difference at every stated flow and between them: a sign change in
    // each interval brackets one crossing.
    std::vector<std::pair<double, double>> samples;
    const auto& points = pump.data().points;
    for (std::size_t i = 0; i < points.size(); ++i) {
        std::vector<double> flows{points[i].flow};
        if (i + 1 < points.size()) flows.push_back(0.5 * (points[i].flow + points[i + 1].flow));
        for (double q : flows) {
            const auto v = f(q);
            if (!v) {
                out.problem = kSystemNotComputed;
                return out;
            }
            samples.emplace_back(q, *v);
        }
    }
    // A sample where the two meet exactly is a crossing of its own; so is
    // every interval whose ends lie on opposite sides.
    std::optional<double> exact;
    std::optional<std::size_t> bracket;
    int crossings = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i].second == 0.0) {
            ++crossings;
            exact = samples[i].first;
        } else if (i + 1 < samples.size() && samples[i].second * samples[i + 1].second < 0.0) {
            ++crossings;
            bracket = i;
        }
    }
    if (crossings == 0) {
        out.problem = kNoIntersection;
        return out;
    }
    if (crossings > 1) {
        out.problem = kSeveralIntersections;
        return out;
    }
    std::optional<double> q = exact;
    if (bracket)
        q = brent(f, samples[*bracket].first, samples[*bracket + 1].first, samples[*bracket].second,
                  samples[*bracket + 1].second);
    if (!q) {
        out.problem = kSystemNotComputed;
        return out;
    }
    OperatingPoint point;
    point.flow = *q;
    point.head = *pump.head(*q);
    point.efficiency = pump.efficiency(*q);
    point.npshr = pump.npshr(*q);
    point.power = pump.power(*q);
    if (!point.power && point.efficiency && *point.efficiency > 0.0)
        point.power = density * kStandardGravity * (*q / 3600.0) * point.head /
                      (*point.efficiency / 100.0) / 1000.0;
    if (out.bestEfficiencyFlow) {
        const double share = *q / *out.bestEfficiencyFlow;
        if (share < kLowestBepShare || share > kHighestBepShare)
            out.warnings.push_back(kOutsideBestEfficiency);
    }
    out.point = point;
    return out;
}

}  // namespace tolvane
