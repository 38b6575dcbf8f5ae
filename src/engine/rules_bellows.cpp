// Bellows (group 6): the corrugated compensator by its number of ridges, the
// lyra-bend smooth or corrugated, and the U-bend by the ratio of its length
// to the pipe diameter.
#include "engine/rules.h"

namespace tolvane::rules {

namespace {

void setZeta(LossContext& c, double zeta) {
    c.result.zeta = zeta;
    c.result.pressureDrop = zetaToPressureDrop(zeta, c.medium.density, c.result.velocity);
}

// U-bend: 0.33 for a bend without straight length, falling to 0.21 at L/D = 2
// and constant beyond.
double uBendZeta(double lengthOverDiameter) {
    if (lengthOverDiameter >= 2) return 0.21;
    if (lengthOverDiameter <= 0) return 0.33;
    return interpolate(lengthOverDiameter, 0, 2, 0.33, 0.21);
}

}  // namespace

void lossBellows(LossContext& c) {
    const PipeElement& e = c.element;
    switch (kindOf(e.kind)) {
        case Kind::CorrugatedCompensator: setZeta(c, 0.2 * e.va2); break;  // 0.2 per ridge
        case Kind::LyraBend:
            // In silent mode the caller has loaded the coefficient of the column.
            setZeta(c, c.env.silent ? c.result.zeta : (e.option == 1 ? 1.4 : 0.7));
            break;
        case Kind::UBend: setZeta(c, uBendZeta(e.va2 / e.va1)); break;  // L and D both in mm
        default: break;
    }
}

}  // namespace tolvane::rules
