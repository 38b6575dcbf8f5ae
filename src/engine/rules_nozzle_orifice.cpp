// Nozzles and orifices (group 9). D1 is the pipe, D2 the bore or throat and
// m = (D2/D1)² the area ratio; every coefficient refers to the velocity in
// D1. The orifice correlations hold only over a range of Reynolds numbers;
// outside it the person is told once and the calculation goes on.
#include <cmath>
#include <string>

#include "engine/rules.h"

namespace tolvane::rules {

namespace {

void setZeta(LossContext& c, double zeta) {
    c.result.zeta = zeta;
    c.result.pressureDrop = zetaToPressureDrop(zeta, c.medium.density, c.result.velocity);
}

const std::string kDinRangeText =
    "An exact calculation is only possible in the range 5000=< Re =<10^7!";
const std::string kSharpRangeText = "An exact calculation is only possible at Re > 10^5!";
const std::string kThickRangeText = "An exact calculation is only possible atRe >4000 !";

// Standard orifice plate: discharge coefficient after Stolz with the pipe's
// Reynolds number, turned into the coefficient of the remaining loss.
double dinOrificeZeta(double m, double reynolds) {
    const double beta = std::sqrt(m);
    const double cd = 0.5959 + 0.0312 * std::pow(beta, 2.1) - 0.184 * std::pow(beta, 8) +
                      0.0029 * std::pow(beta, 2.5) * std::pow(1e6 / reynolds, 0.75);
    const double s = std::sqrt(1 - (1 - cd * cd) * m * m);
    return (1 - m * m) * (s - m * cd) / ((s + m * cd) * cd * cd * m * m);
}

// Sharp-edged orifice in a straight pipe (Idelchik), valid for Re > 10^5.
double sharpOrificeZeta(double m) {
    const double a = 0.707 * std::pow(1 - m, 0.375) + 1 - m;
    return a * a / (m * m);
}

// Thick-edged orifice with a bore of length L: the jet contraction eases as
// the bore lengthens (tau), plus the friction of the bore itself.
double thickOrificeZeta(double m, double length, double bore, double reynolds2) {
    const double relativeLength = length / bore;
    // std::tanh tends to ±1 without overflowing, however long the bore.
    const double tau = std::sqrt(0.5) * (1 - std::tanh(2.264 * (relativeLength - 0.657)));
    const double lambdaBore = reynolds2 > 2300 ? 0.22 / std::pow(reynolds2, 0.2) : 64 / reynolds2;
    return ((1 - m) * (1 - m) + (0.5 + tau * std::sqrt(1 - m)) * (1 - m) +
            lambdaBore * relativeLength) /
           (m * m);
}

const Table kNozzle{{0.1, 0.2, 0.3, 0.4, 0.5, 0.7}, {80, 18, 5, 2, 1, 0.2}};
const Table kVenturi15{{0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, {13, 3, 1, 0.5, 0.27, 0.15}};
const Table kVenturi30{{0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, {22, 5, 1.8, 0.8, 0.4, 0.2}};

}  // namespace

void lossNozzleOrifice(LossContext& c) {
    const PipeElement& e = c.element;
    const double m = (e.va2 / e.va1) * (e.va2 / e.va1);
    const double re = c.result.reynolds;
    switch (kindOf(e.kind)) {
        case Kind::StandardOrifice:
            if (re < 5000 || re > 1e7) inform(c, kDinRangeText);
            setZeta(c, dinOrificeZeta(m, re));
            break;
        case Kind::SharpEdgedOrifice:
            if (re < 1e5) inform(c, kSharpRangeText);
            setZeta(c, sharpOrificeZeta(m));
            break;
        case Kind::ThickEdgedOrifice:
            if (c.result.reynolds2 < 4000) inform(c, kThickRangeText);
            setZeta(c, thickOrificeZeta(m, e.va3, e.va2, c.result.reynolds2));
            break;
        case Kind::Nozzle: setZeta(c, kNozzle.at(m)); break;
        case Kind::VenturiTube:
            // In silent mode the caller has loaded the coefficient of the column.
            if (c.env.silent)
                setZeta(c, c.result.zeta);
            else
                setZeta(c, e.option == 1 ? kVenturi30.at(m) : kVenturi15.at(m));
            break;
        default: break;
    }
}

}  // namespace tolvane::rules
