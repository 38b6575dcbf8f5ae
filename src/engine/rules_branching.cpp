// Branchings of current (group 5): four tees of constant resistance, the
// branch flowing asunder and together with a coefficient for each flow path,
// and the two Y-pipes. Every coefficient refers to the velocity of the main
// pipe D1 at the full rate of flow.
#include <cmath>
#include <numbers>

#include "engine/rules.h"

namespace tolvane::rules {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

void setZeta(LossContext& c, double zeta) {
    c.result.zeta = zeta;
    c.result.pressureDrop = zetaToPressureDrop(zeta, c.medium.density, c.result.velocity);
}

// Branch flowing asunder: q = Q2/Q, f = (D2/D1)², r = R/D1, angle of the
// branch in degrees. The main passage is path 1, the branch path 0.
double asunderZeta(int path, double q, double f, double r, double angle) {
    if (path == 1) return 0.03 * (1 - q) * (1 - q) - 0.2 * q * (1 - q) + 0.35 * q * q;
    const double t = std::tan((180.0 - angle) / 2.0 * kDegree);
    const double x = 0.4 * q * (1 - q) * (1 / f + 1) / t;
    const double y = 0.95 * (1 - q) * (1 - q) + x;
    const double z = 1.3 / t - 0.3;
    const double w = (0.4 - 0.1 * f) / (f * f);
    return q * q * ((1 - 0.9 * std::sqrt(r / f)) * w + z) + y;
}

// Branch flowing together, same quantities as above.
double togetherZeta(int path, double q, double f, double r, double angle) {
    const double u = std::cos(angle * kDegree);
    if (path == 1)
        return 0.03 * (1 - q) * (1 - q) + q * (1 - q) * (2 - f) -
               q * q * ((u / f - 1) * (1.62 - std::sqrt(r)) + 1 - 0.38 * (1 - f));
    return -0.92 * (1 - q) * (1 - q) + q * (1 - q) * (2 - f) -
           q * q * (0.8 * (1 - 1 / (f * f)) + (u / f - 1) * (1.2 - std::sqrt(r)) - u * (1 - f) / f);
}

void branch(LossContext& c, bool asunder) {
    const PipeElement& e = c.element;
    const double q = c.medium.branchRateOfFlow / c.medium.rateOfFlow;
    const double f = (e.va2 / e.va1) * (e.va2 / e.va1);
    const double r = e.va3 / e.va1;
    const auto coefficient = asunder ? asunderZeta : togetherZeta;
    const double zeta = coefficient(1, q, f, r, e.va4);
    const double zeta2 = coefficient(0, q, f, r, e.va4);
    // A branch turned fully back (180°) has no tangent to divide by; the
    // correlation ends there.
    if (!std::isfinite(zeta) || !std::isfinite(zeta2)) {
        refuse(c, kNotPossibleMessage);
        return;
    }
    setZeta(c, zeta);
    c.result.zeta2 = zeta2;
    c.result.pressureDrop2 =
        zetaToPressureDrop(zeta2, c.medium.density, c.result.velocity) * 1000.0;
}

// Y-pipe straight, by the angle of the branch (0..90°).
const Table kYPipeStraight{{0, 10, 30, 45, 60, 90}, {0, 0.1, 0.3, 0.7, 1.0, 1.4}};
// Y-pipe bent, by R/D (0.5..2).
const Table kYPipeBent{{0.5, 0.75, 1.0, 1.5, 2.0}, {1.1, 0.6, 0.4, 0.25, 0.2}};

}  // namespace

void lossBranching(LossContext& c) {
    const PipeElement& e = c.element;
    switch (kindOf(e.kind)) {
        case Kind::SharpEdgedTee: setZeta(c, 1.3); break;  // tee, sharp edged
        case Kind::GlobularTee: setZeta(c, 5.0); break;  // tee, globular
        case Kind::RoundedBottomTee: setZeta(c, 0.7); break;  // tee, rounded bottom plain
        case Kind::RoundedNeckTee: setZeta(c, 0.9); break;  // tee, globular neck rounded
        case Kind::DividingBranch: branch(c, true); break;
        case Kind::CombiningBranch: branch(c, false); break;
        case Kind::StraightYPipe: {
            const double angle = e.va2;
            setZeta(c, angle >= 90 ? 1.4 : angle <= 0 ? 0.0 : kYPipeStraight.at(angle));
            break;
        }
        case Kind::BentYPipe: {
            const double ratio = e.va2 / e.va1;
            setZeta(c, ratio >= 2 ? 0.2 : ratio <= 0.5 ? 1.1 : kYPipeBent.at(ratio));
            break;
        }
        default: break;
    }
}

}  // namespace tolvane::rules
