// Straight pipes: circular, rectangular, circular ring, open channel (taken as
// a closed rectangle B x H) and a section of any other form given by its area
// and wetted circumference. Laminar shape factors on 64/Re after the usual
// tables for rectangles and annuli; turbulent friction after Colebrook.
#include <algorithm>
#include <cmath>

#include "engine/rules.h"

namespace tolvane::rules {

namespace {

// Shape factor of a rectangle by the side ratio s = 0, 0.1, ... 1.
constexpr double kRectangleFactor[11] = {1.5,  1.34, 1.2, 1.1,  1.02, 0.97,
                                         0.94, 0.92, 0.9, 0.89, 0.88};

const Table kRingFactor{{1, 5, 10, 20, 50, 100}, {1.5, 1.45, 1.4, 1.35, 1.28, 1.25}};

double rectangleFactor(double b, double h) {
    const double s = std::min(b, h) / std::max(b, h);
    if (!(s < 1.0)) return kRectangleFactor[10];
    const int i = std::clamp(static_cast<int>(10.0 * s), 0, 9);
    return interpolate(s, i / 10.0, (i + 1) / 10.0, kRectangleFactor[i], kRectangleFactor[i + 1]);
}

// Pipe length in m, diameter in mm.
void setFrictionLoss(LossContext& c, double lambda, double length, double d) {
    ElementResult& r = c.result;
    r.frictionFactor = lambda;
    r.zeta = lambda * length * 1000.0 / d;
    r.pressureDrop =
        lambda * length * c.medium.density * r.velocity * r.velocity * 0.01 / (2.0 * d);
}

}  // namespace

void lossStraightPipe(LossContext& c) {
    const PipeElement& e = c.element;
    ElementResult& r = c.result;
    const bool circular = e.kind == Kind::CircularPipe;
    const double d = circular ? e.va1 : r.hydraulicDiameter;
    const double length = circular ? e.va2 : e.va3;

    if (!r.isLaminar) {
        const auto lambda = colebrook(c.env.roughness, r.reynolds, d);
        if (!lambda) {
            refuse(c, kNotPossibleMessage);
            return;
        }
        setFrictionLoss(c, *lambda, length, d);
        return;
    }

    double factor = 1.0;
    switch (kindOf(e.kind)) {
        case Kind::CircularPipe: {
            const double lambda = 64.0 / r.reynolds;
            r.frictionFactor = lambda;
            r.zeta = lambda * length * 1000.0 / d;
            r.pressureDrop = zetaToPressureDrop(r.zeta, c.medium.density, r.velocity);
            return;
        }
        case Kind::RectangularPipe:
        case Kind::ChannelPipe: factor = rectangleFactor(e.va1, e.va2); break;
        case Kind::AnnularPipe: factor = kRingFactor.at(e.va1 / e.va2); break;
        default: refuseLaminar(c); return;
    }
    // Non-circular laminar sections report no resistance coefficient.
    setFrictionLoss(c, factor * 64.0 / r.reynolds, length, d);
    r.zeta = 0.0;
}

}  // namespace tolvane::rules
