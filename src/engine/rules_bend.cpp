// Bends: the circular and rectangular bend as an angle factor times a radius
// factor (smooth or rough wall), the bend of segments and the cast iron bend
// from one-dimensional tables, and the miter bends from a closed formula in
// the deflection angle with a Reynolds-number and a roughness factor.
#include <cmath>
#include <numbers>

#include "engine/rules.h"

namespace tolvane::rules {

namespace {

const Table kAngleFactor{{0, 30, 60, 90, 120, 150, 180}, {0, 0.4, 0.7, 1.0, 1.25, 1.5, 1.7}};
const Table kRadiusFactorSmooth{{1, 2, 4, 6, 10}, {0.21, 0.14, 0.11, 0.09, 0.11}};
const Table kRadiusFactorRough{{1, 2, 4, 6, 10}, {0.51, 0.3, 0.23, 0.18, 0.2}};
const Table kSegmentBend{{0, 30, 45, 60, 90}, {0, 0.1, 0.15, 0.2, 0.25}};
const Table kCastIronBend{{50, 100, 200, 300, 400}, {1.3, 1.5, 1.8, 2.1, 2.2}};

double bendZeta(double angle, double radiusRatio, bool rough) {
    const Table& radius = rough ? kRadiusFactorRough : kRadiusFactorSmooth;
    return kAngleFactor.at(angle) * radius.at(radiusRatio);
}

double miterZeta(double angle, double reynolds, double relativeRoughness) {
    const double a = 0.95 + 33.5 / angle;
    const double half = std::sin(angle / 2.0 * std::numbers::pi / 180.0);
    const double s = 0.95 * half * half + 2.05 * power(half, 4.0);
    const double e = 4.06 / power(reynolds, 0.118);
    double f = 1.0;
    if (reynolds > 40000.0) {
        if (relativeRoughness > 0.001)
            f = 1.5;
        else if (relativeRoughness > 0.0)
            f = 1.0 + 500.0 * relativeRoughness;
    }
    return a * s * f * e;
}

}  // namespace

void lossBend(LossContext& c) {
    const PipeElement& e = c.element;
    ElementResult& r = c.result;
    const bool rough = e.option == 1;
    switch (kindOf(e.kind)) {
        case Kind::CircularBend:
            if (!c.env.silent) r.zeta = bendZeta(e.va3, e.va2 / e.va1, rough);
            break;
        case Kind::SegmentBend: r.zeta = kSegmentBend.at(e.va2); break;
        case Kind::CastIronBend: r.zeta = kCastIronBend.at(e.va1); break;
        case Kind::RectangularBend:
            if (!c.env.silent) {
                const double zeta0 = bendZeta(e.va4, e.va3 / r.hydraulicDiameter, rough);
                const double s = e.va2 / e.va1;
                r.zeta = s <= 1.0 ? zeta0 * s : zeta0 * std::sqrt(s);
            }
            break;
        case Kind::CircularMiterBend:
        case Kind::RectangularMiterBend: {
            const bool circular = e.kind == Kind::CircularMiterBend;
            const double d = circular ? e.va1 : r.hydraulicDiameter;
            const double angle = circular ? e.va2 : e.va3;
            const auto lambda = colebrook(c.env.roughness, r.reynolds, d);
            if (!lambda) {
                refuse(c, kNotPossibleMessage);
                return;
            }
            r.frictionFactor = *lambda;
            r.zeta = miterZeta(angle, r.reynolds, c.env.roughness / d);
            break;
        }
        default: refuse(c, kNotPossibleMessage); return;
    }
    r.pressureDrop = zetaToPressureDrop(r.zeta, c.medium.density, r.velocity);
}

}  // namespace tolvane::rules
