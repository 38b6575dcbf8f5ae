// Check valves (group 8): the two globe lift valves of constant resistance
// and the swing check valve by its nominal diameter.
#include "engine/rules.h"

namespace tolvane::rules {

namespace {

void setZeta(LossContext& c, double zeta) {
    c.result.zeta = zeta;
    c.result.pressureDrop = zetaToPressureDrop(zeta, c.medium.density, c.result.velocity);
}

const Table kSwing{{25, 50, 100, 150, 200}, {2.2, 2.0, 1.5, 1.3, 1.2}};

// Swing check valve: small valves below 25 mm take 2.2, valves of 200 mm
// and more the lower 1.0 of the large sizes; in between the table.
double swingZeta(double diameter) {
    if (diameter < 25) return 2.2;
    if (diameter >= 200) return 1.0;
    return kSwing.at(diameter);
}

}  // namespace

void lossCheckValve(LossContext& c) {
    switch (kindOf(c.element.kind)) {
        case Kind::LiftCheckValve: setZeta(c, 5.5); break;  // globe lift
        case Kind::YPatternLiftCheckValve: setZeta(c, 2.5); break;  // globe lift, Y-pattern
        case Kind::SwingCheckValve: setZeta(c, swingZeta(c.element.va1)); break;
        default: break;
    }
}

}  // namespace tolvane::rules
