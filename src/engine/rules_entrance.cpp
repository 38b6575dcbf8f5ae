// Pipe entrances from a large vessel, referred to the velocity in the pipe.
#include <cmath>
#include <numbers>

#include "engine/rules.h"

namespace tolvane::rules {

void lossEntrance(LossContext& c) {
    const PipeElement& e = c.element;
    ElementResult& r = c.result;
    const bool sharp = e.option == 0;  // otherwise the edge is broken ("crushed")
    switch (kindOf(e.kind)) {
        case Kind::SharpEdgedEntrance:
            if (!c.env.silent) r.zeta = sharp ? 0.5 : 0.25;
            break;
        case Kind::RoundedEntrance: r.zeta = 0.05; break;
        case Kind::AngledSharpEdgedEntrance: {
            const double cosine = std::cos(e.va2 * std::numbers::pi / 180.0);
            r.zeta = 0.5 + 0.3 * cosine + 0.2 * cosine * cosine;
            break;
        }
        case Kind::ProjectingEntrance:
            if (!c.env.silent) r.zeta = sharp ? 3.0 : 1.0;
            break;
        default: refuse(c, kNotPossibleMessage); return;
    }
    r.pressureDrop = zetaToPressureDrop(r.zeta, c.medium.density, r.velocity);
}

}  // namespace tolvane::rules
