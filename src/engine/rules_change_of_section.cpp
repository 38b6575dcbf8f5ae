// Sudden and gradual enlargements and contractions of a circular pipe. The
// pressure drop is the difference of the static pressures before and after,
// so the change of kinetic energy is added (negative for an enlargement).
// The cones add a friction part along their length to the local loss.
#include <cmath>
#include <numbers>

#include "engine/rules.h"

namespace tolvane::rules {

namespace {

double hyperbolicTangent(double x) {
    return (std::exp(x) - std::exp(-x)) / (std::exp(x) + std::exp(-x));
}

// Pressure in bar of the resistance at velocity w plus the change of the
// kinetic energy from w1 to w2.
double staticPressureDrop(double zeta, double density, double w, double w1, double w2) {
    return zeta / 2.0 / 1e5 * density * w * w + (w2 * w2 - w1 * w1) * (density / 2.0) / 1e5;
}

}  // namespace

void lossChangeOfSection(LossContext& c) {
    const PipeElement& e = c.element;
    ElementResult& r = c.result;
    const double d1 = e.va1, d2 = e.va2, halfAngle = e.va3;
    const double w1 = r.velocity, w2 = r.velocity2, rho = c.medium.density;

    double lambda = 0.0;
    if (isGradualChangeKind(e.kind)) {
        const auto l = colebrook(c.env.roughness, r.reynolds, d1);
        if (!l) {
            refuse(c, kNotPossibleMessage);
            return;
        }
        lambda = *l;
        r.frictionFactor = lambda;
    }

    switch (kindOf(e.kind)) {
        case Kind::SuddenEnlargement: {
            const double ratio = (d2 / d1) * (d2 / d1) - 1.0;
            r.zeta = ratio * ratio;
            r.pressureDrop = staticPressureDrop(r.zeta, rho, w2, w1, w2);
            break;
        }
        case Kind::GradualEnlargement: {
            const double a = (d1 / d2) * (d1 / d2);
            const double total = 2.0 * halfAngle / 100.0;
            const double phi = 522.0 * power(total, 4.365) * std::exp(-8.0 * total) +
                               hyperbolicTangent(1.41 * total);
            const double coneLength =
                ((d2 - d1) / 2.0) / std::tan(halfAngle * std::numbers::pi / 180.0);
            const double friction =
                (1.0 - a * a) * lambda * coneLength / (4.0 * d1) / (d2 / d1 - 1.0);
            r.zeta = phi * (1.0 - a) * (1.0 - a) + friction;
            r.pressureDrop = staticPressureDrop(r.zeta, rho, w1, w1, w2);
            break;
        }
        case Kind::SuddenContraction: {
            r.zeta = 0.5 * power(1.0 - (d2 / d1) * (d2 / d1), 0.75);
            r.pressureDrop = staticPressureDrop(r.zeta, rho, w2, w1, w2);
            break;
        }
        case Kind::GradualContraction: {
            const double n = (d2 / d1) * (d2 / d1);
            const double alpha = 0.01745 * 2.0 * halfAngle;
            const double local =
                (alpha * alpha * alpha - 2.0 * std::numbers::pi * alpha * alpha - 10.0 * alpha) *
                (-0.0125 * n * n * n * n + 0.0224 * n * n * n - 0.00723 * n * n + 0.00444 * n -
                 0.00745);
            const double friction =
                (1.0 - n * n) * lambda / (8.0 * std::sin(halfAngle * std::numbers::pi / 180.0));
            r.zeta = local + friction;
            r.pressureDrop = staticPressureDrop(r.zeta, rho, w2, w1, w2);
            break;
        }
        default: refuse(c, kNotPossibleMessage); break;
    }
}

}  // namespace tolvane::rules
