// Turbulent friction factor after Colebrook and White,
//   1/sqrt(l) = -0.868588 ln(2.51/(Re sqrt(l)) + 0.269 k/d),
// solved by a secant iteration with a fixed step. At very high Reynolds
// numbers on smooth walls the first secant step overshoots below zero; there
// the same equation is solved in x = 1/sqrt(l), where it is increasing and
// bracketed.
#include <cmath>

#include "engine/engine.h"

namespace tolvane {

namespace {

constexpr double kLn = 0.868588;
constexpr double kRe = 2.51;
constexpr double kRough = 0.269;

double colebrookF(double lambda, double reynolds, double relRough) {
    const double s = std::sqrt(lambda);
    return 1.0 / s + kLn * std::log(kRe / (reynolds * s) + relRough);
}

// The same equation in x = 1/sqrt(l): G(x) = x + 0.868588 ln(2.51 x/Re + c).
double colebrookG(double x, double reynolds, double relRough) {
    return x + kLn * std::log(kRe * x / reynolds + relRough);
}

// Plain secant as the correlation is known to be solved: start 0.02, step
// 1e-8, stop when two iterates differ by less than 1e-8, at most 100 steps.
// Returns nothing where an iterate leaves the positive numbers or the
// iteration does not settle.
std::optional<double> secant(double reynolds, double relRough) {
    constexpr double h = 1e-8;
    double lambda = 0.02;
    for (int n = 0; n < 100; ++n) {
        const double f = colebrookF(lambda, reynolds, relRough);
        const double next = lambda - f * h / (colebrookF(lambda + h, reynolds, relRough) - f);
        if (!std::isfinite(next) || next <= 0.0) return std::nullopt;
        const bool settled = std::fabs(lambda - next) < 1e-8;
        lambda = next;
        if (settled) return lambda;
    }
    return std::nullopt;
}

// Newton's method on G inside a bracket that always holds the root; a step
// that leaves the bracket is replaced by bisection.
double bracketedRoot(double reynolds, double relRough) {
    double lo = 0.0;  // G(0+) = 0.868588 ln c < 0 (or -infinity)
    double hi = 1.0;
    while (colebrookG(hi, reynolds, relRough) <= 0.0) {
        lo = hi;
        hi *= 2.0;
    }
    double x = 0.5 * (lo + hi);
    for (int n = 0; n < 200; ++n) {
        const double g = colebrookG(x, reynolds, relRough);
        if (g == 0.0) break;
        if (g < 0.0)
            lo = x;
        else
            hi = x;
        const double slope = 1.0 + kLn * kRe / (kRe * x + relRough * reynolds);
        double next = x - g / slope;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - x) <= 1e-15 * x) {
            x = next;
            break;
        }
        x = next;
    }
    return 1.0 / (x * x);
}

}  // namespace

std::optional<double> colebrook(double k, double reynolds, double d) {
    if (!(std::isfinite(k) && std::isfinite(reynolds) && std::isfinite(d)) || k < 0.0 ||
        reynolds <= 0.0 || d <= 0.0)
        return std::nullopt;
    const double relRough = kRough * k / d;
    // 1/sqrt(l) > 0 needs the logarithm's argument below 1 somewhere.
    if (!(relRough < 1.0)) return std::nullopt;
    if (auto lambda = secant(reynolds, relRough)) {
        // A settled secant step near zero can also mean a vanishing slope.
        const double x = 1.0 / std::sqrt(*lambda);
        if (std::fabs(colebrookG(x, reynolds, relRough)) <= 1e-6 * x) return lambda;
    }
    const double lambda = bracketedRoot(reynolds, relRough);
    if (!std::isfinite(lambda) || lambda <= 0.0) return std::nullopt;
    return lambda;
}

}  // namespace tolvane
