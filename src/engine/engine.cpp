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
    switch (k.group) {
        case 1:
            switch (k.variant) {
                case 1: circularSection(r, q, element.va1, medium); break;
                case 2:
                case 4: rectangularSection(r, q, element.va1, element.va2, medium); break;
                case 3: {
                    const double d = element.va1, di = element.va2;
                    r.velocity = 4e4 * q / (36.0 * std::numbers::pi * (d * d - di * di));
                    r.hydraulicDiameter = d - di;
                    r.reynolds = reynoldsNumber(r.velocity, medium.density, r.hydraulicDiameter,
                                                medium.viscosity);
                    break;
                }
                case 5:
                    // Area in m², wetted circumference in m.
                    r.velocity = q / (3600.0 * element.va1);
                    r.hydraulicDiameter = 4.0 * element.va1 / element.va2 * 1000.0;
                    r.reynolds = reynoldsNumber(r.velocity, medium.density, r.hydraulicDiameter,
                                                medium.viscosity);
                    break;
                default: break;
            }
            break;
        case 3:
            circularSection(r, q, element.va1, medium);
            r.velocity2 = circularVelocity(q, element.va2);
            r.reynolds2 =
                reynoldsNumber(r.velocity2, medium.density, element.va2, medium.viscosity);
            break;
        case 4:
            if (k.variant == 4 || k.variant == 6)
                rectangularSection(r, q, element.va1, element.va2, medium);
            else
                circularSection(r, q, element.va1, medium);
            break;
        case 5:
            circularSection(r, q, element.va1, medium);
            if (isBranchKind(k)) {
                r.velocity2 = circularVelocity(medium.branchRateOfFlow, element.va2);
                r.reynolds2 =
                    reynoldsNumber(r.velocity2, medium.density, element.va2, medium.viscosity);
            }
            break;
        case 9:
            circularSection(r, q, element.va1, medium);
            r.velocity2 = circularVelocity(q, element.va2);
            r.reynolds2 = r.reynolds * element.va1 / element.va2;
            break;
        case 10:
            // The vertical difference has no velocity; its Reynolds number is 0.
            if (k.variant == 1)
                r.reynolds = 0.0;
            else
                circularSection(r, q, element.va1, medium);
            break;
        case 2:
        case 6:
        case 7:
        case 8: circularSection(r, q, element.va1, medium); break;
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
            if (k.group != 1 && !(k.group == 10 && k.variant == 1)) {
                rules::refuseLaminar(c);
                runRule = false;
            }
        } else if (k.group == 3 && result.reynolds2 < kTurbulentFrom) {
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
    switch (c.element.kind.group) {
        case 1: rules::lossStraightPipe(c); break;
        case 2: rules::lossEntrance(c); break;
        case 3: rules::lossChangeOfSection(c); break;
        case 4: rules::lossBend(c); break;
        case 5: rules::lossBranching(c); break;
        case 6: rules::lossBellows(c); break;
        case 7: rules::lossValve(c); break;
        case 8: rules::lossCheckValve(c); break;
        case 9: rules::lossNozzleOrifice(c); break;
        case 10: rules::lossDiverse(c); break;
        default: rules::refuse(c, kNotPossibleMessage); break;
    }
}

}  // namespace tolvane
