// Flow state and the calculating order of one element: regime, the group's
// resistance rule, gas correction, quantity. The engine refuses an element
// rather than hand on a value that is not a finite number.
#include "engine/engine.h"

#include <cmath>
#include <numbers>

#include "engine/rules.h"

namespace tolvane {

namespace {

// Q in m³/h, lengths in mm, velocity in m/s.
double circularVelocity(double q, double d) { return 4e4 * q / (36.0 * std::numbers::pi * d * d); }
double rectangularVelocity(double q, double b, double h) { return 1e4 * q / (36.0 * b * h); }
double rectangularHydraulicDiameter(double b, double h) { return 2.0 * b * h / (b + h); }

// Viscosity in 10^-6 kg/(m s), d in mm.
double reynoldsNumber(double w, double density, double d, double viscosity) {
    return w * density * d * 1000.0 / viscosity;
}

void circularSection(ElementResult& r, double q, double d, const FlowMedium& m) {
    r.velocity = circularVelocity(q, d);
    r.reynolds = reynoldsNumber(r.velocity, m.density, d, m.viscosity);
}

void rectangularSection(ElementResult& r, double q, double b, double h, const FlowMedium& m) {
    r.velocity = rectangularVelocity(q, b, h);
    r.hydraulicDiameter = rectangularHydraulicDiameter(b, h);
    r.reynolds = reynoldsNumber(r.velocity, m.density, r.hydraulicDiameter, m.viscosity);
}

bool allFinite(const ElementResult& r) {
    for (double v : {r.velocity, r.reynolds, r.velocity2, r.reynolds2, r.hydraulicDiameter,
                     r.frictionFactor, r.zeta, r.zeta2, r.pressureDrop, r.pressureDrop2}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

void zeroNonFinite(ElementResult& r) {
    for (double* v : {&r.velocity, &r.reynolds, &r.velocity2, &r.reynolds2, &r.hydraulicDiameter,
                      &r.frictionFactor, &r.zeta, &r.zeta2, &r.pressureDrop, &r.pressureDrop2}) {
        if (!std::isfinite(*v)) *v = 0.0;
    }
}

// An element already refused has shown its message; a value that is not a
// number is cleared either way.
void refuseNonFinite(rules::LossContext& c) {
    if (allFinite(c.result)) return;
    zeroNonFinite(c.result);
    if (!c.result.calcError) rules::refuse(c, kNotPossibleMessage);
    c.result.calcError = true;
}

// Compressible correction of a pressure drop in bar; the limit is half the
// inlet pressure, and the root must stay real.
void correctForGas(rules::LossContext& c) {
    const FlowMedium& m = c.medium;
    const double p1 = m.inletPressure;
    const double dp = c.result.pressureDrop;
    const double radicand = 1.0 - (2.0 * dp / p1) *
                                      ((m.inletTemperature + m.outletTemperature) / 2.0) /
                                      m.inletTemperature;
    if (p1 / 2.0 < dp || radicand < 0.0 || !std::isfinite(radicand)) {
        rules::refuse(c, kGasLimitMessage);
        if (c.env.silent) c.result.gasOverflow = true;
        return;
    }
    c.result.pressureDrop = p1 * (1.0 - std::sqrt(radicand));
}

}  // namespace

double interpolate(double x, double x1, double x2, double y1, double y2) {
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

ElementResult computeFlowState(const PipeElement& element, const FlowMedium& medium,
                               ElementResult result) {
    const ElementKind k = element.kind;
    const double q = medium.rateOfFlow;
    ElementResult& r = result;
    switch (groupOf(k)) {
        case ElementGroup::StraightPipes:
            switch (kindOf(k)) {
                case Kind::CircularPipe: circularSection(r, q, element.va1, medium); break;
                case Kind::RectangularPipe:
                case Kind::ChannelPipe:
                    rectangularSection(r, q, element.va1, element.va2, medium);
                    break;
                case Kind::AnnularPipe: {
                    const double d = element.va1, di = element.va2;
                    r.velocity = 4e4 * q / (36.0 * std::numbers::pi * (d * d - di * di));
                    r.hydraulicDiameter = d - di;
                    r.reynolds = reynoldsNumber(r.velocity, medium.density, r.hydraulicDiameter,
                                                medium.viscosity);
                    break;
                }
                case Kind::OtherFormPipe:
                    // Area in m², wetted circumference in m.
                    r.velocity = q / (3600.0 * element.va1);
                    r.hydraulicDiameter = 4.0 * element.va1 / element.va2 * 1000.0;
                    r.reynolds = reynoldsNumber(r.velocity, medium.density, r.hydraulicDiameter,
                                                medium.viscosity);
                    break;
                default: break;
            }
            break;
        case ElementGroup::ChangesOfSection:
            circularSection(r, q, element.va1, medium);
            r.velocity2 = circularVelocity(q, element.va2);
            r.reynolds2 =
                reynoldsNumber(r.velocity2, medium.density, element.va2, medium.viscosity);
            break;
        case ElementGroup::Bends:
            if (isRectangularBendKind(k))
                rectangularSection(r, q, element.va1, element.va2, medium);
            else
                circularSection(r, q, element.va1, medium);
            break;
        case ElementGroup::Branchings:
            circularSection(r, q, element.va1, medium);
            if (isBranchKind(k)) {
                r.velocity2 = circularVelocity(medium.branchRateOfFlow, element.va2);
                r.reynolds2 =
                    reynoldsNumber(r.velocity2, medium.density, element.va2, medium.viscosity);
            }
            break;
        case ElementGroup::NozzlesAndOrifices:
            circularSection(r, q, element.va1, medium);
            r.velocity2 = circularVelocity(q, element.va2);
            r.reynolds2 = r.reynolds * element.va1 / element.va2;
            break;
        case ElementGroup::Diverse:
            // The vertical difference has no velocity; its Reynolds number is 0.
            if (k == Kind::VerticalDifference)
                r.reynolds = 0.0;
            else
                circularSection(r, q, element.va1, medium);
            break;
        case ElementGroup::Entrances:
        case ElementGroup::Bellows:
        case ElementGroup::Valves:
        case ElementGroup::CheckValves: circularSection(r, q, element.va1, medium); break;
        default: break;
    }
    return result;
}

ElementResult computeElementLoss(const PipeElement& element, const FlowMedium& medium,
                                 ElementResult result, EngineEnv& env) {
    rules::LossContext c{element, medium, env, result};
    const ElementKind k = element.kind;
    result.calcError = false;
    result.gasOverflow = false;

    bool runRule = true;
    if (!isValidKind(k)) {
        rules::refuse(c, kNotPossibleMessage);
        runRule = false;
    } else if (!allFinite(result)) {
        refuseNonFinite(c);
        runRule = false;
    }

    if (runRule) {
        result.isLaminar = result.reynolds < kTurbulentFrom;
        if (result.isLaminar) {
            // Only the straight pipes have laminar rules; the vertical
            // difference always comes this way with its Reynolds number 0.
            if (!inGroup(k, ElementGroup::StraightPipes) && k != Kind::VerticalDifference) {
                rules::refuseLaminar(c);
                runRule = false;
            }
        } else if (inGroup(k, ElementGroup::ChangesOfSection) && result.reynolds2 < kTurbulentFrom) {
            // Still computed for the record, but not added to the table.
            rules::refuseLaminar(c);
            result.isLaminar = true;
        }
    }

    if (runRule && !result.isLaminar && isFrictionKind(k) && !rules::requestRoughness(c))
        runRule = false;

    if (runRule) {
        rules::runGroupRule(c);
        refuseNonFinite(c);
        if (!result.calcError && medium.condition == MediumCondition::Gas) correctForGas(c);
    }

    result.pressureDrop *= element.quantity;
    refuseNonFinite(c);
    return result;
}

void rules::runGroupRule(LossContext& c) {
    switch (groupOf(c.element.kind)) {
        case ElementGroup::StraightPipes: rules::lossStraightPipe(c); break;
        case ElementGroup::Entrances: rules::lossEntrance(c); break;
        case ElementGroup::ChangesOfSection: rules::lossChangeOfSection(c); break;
        case ElementGroup::Bends: rules::lossBend(c); break;
        case ElementGroup::Branchings: rules::lossBranching(c); break;
        case ElementGroup::Bellows: rules::lossBellows(c); break;
        case ElementGroup::Valves: rules::lossValve(c); break;
        case ElementGroup::CheckValves: rules::lossCheckValve(c); break;
        case ElementGroup::NozzlesAndOrifices: rules::lossNozzleOrifice(c); break;
        case ElementGroup::Diverse: rules::lossDiverse(c); break;
        default: rules::refuse(c, kNotPossibleMessage); break;
    }
}

}  // namespace tolvane
