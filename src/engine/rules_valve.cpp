// Valves (group 7): globe valves and the angle valve of constant resistance,
// the gate valve by its relative opening, the cock and the swing valve by
// their angle of closing.
#include "engine/rules.h"

namespace tolvane::rules {

namespace {

void setZeta(LossContext& c, double zeta) {
    c.result.zeta = zeta;
    c.result.pressureDrop = zetaToPressureDrop(zeta, c.medium.density, c.result.velocity);
}

// Gate valve by H/D, from nearly closed to fully open.
const Table kGateValve{{0.125, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0},
                       {97.8, 35, 10, 4.6, 2.06, 0.98, 0.44, 0.17, 0.06, 0}};
// Cock by the angle of closing (degrees).
const Table kCock{{0, 10, 20, 30, 40, 50}, {0, 0.31, 1.84, 6.15, 20.7, 95.3}};
// Swing valve by the angle (degrees).
const Table kSwingValve{{0, 10, 20, 30, 40, 50, 60, 70},
                        {0, 0.52, 1.54, 3.91, 10.8, 32.6, 118, 251}};

}  // namespace

void lossValve(LossContext& c) {
    const PipeElement& e = c.element;
    switch (kindOf(e.kind)) {
        case Kind::GlobeValve:
            // Forged 6.5, cast 4.0; in silent mode the coefficient of the column.
            setZeta(c, c.env.silent ? c.result.zeta : (e.option == 1 ? 4.0 : 6.5));
            break;
        case Kind::YPatternGlobeValve: setZeta(c, 2.0); break;  // globe valve, Y-pattern
        case Kind::AngleValve:
            setZeta(c, 3.0);
            break;  // angle valve
        // The table reads hold the end values outside their ranges, so an angle
        // or opening that slipped past the input checks never reads beyond them.
        case Kind::GateValve: setZeta(c, kGateValve.at(e.va2 / e.va1)); break;
        case Kind::Cock: setZeta(c, kCock.at(e.va2)); break;
        case Kind::SwingValve: setZeta(c, kSwingValve.at(e.va2)); break;
        default: break;
    }
}

}  // namespace tolvane::rules
