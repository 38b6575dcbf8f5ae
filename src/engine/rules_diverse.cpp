// Diverse elements (group 10): the vertical difference, whose pressure is
// the weight of the column of medium and does not depend on the flow, and
// the element of known resistance coefficient.
#include "engine/rules.h"

namespace tolvane::rules {

namespace {

constexpr double kGravity = 9.81;  // m/s²

}  // namespace

void lossDiverse(LossContext& c) {
    const PipeElement& e = c.element;
    switch (kindOf(e.kind)) {
        case Kind::VerticalDifference:
            // H in m; a negative H (the line falls) gives a gain of pressure.
            c.result.zeta = 0.0;
            c.result.pressureDrop = kGravity * c.medium.density * e.va1 / 1e5;
            break;
        case Kind::KnownResistance:
            c.result.zeta = e.va2;
            c.result.pressureDrop = zetaToPressureDrop(e.va2, c.medium.density, c.result.velocity);
            break;
        default: break;
    }
}

}  // namespace tolvane::rules
