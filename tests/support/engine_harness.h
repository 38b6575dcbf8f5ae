// The engine harness of the tests and the benchmark: builds elements, runs
// one element through the engine as the Calculate command does (flow state,
// then loss) or one resistance rule on a prepared flow state, and records the
// boxes and roughness queries. It also holds an independent Colebrook solver
// and one element of every kind.
#pragma once

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/rules.h"

namespace tolvane::enginetest {

inline PipeElement element(int group, int variant, double va1 = 0, double va2 = 0, double va3 = 0,
                           double va4 = 0, int option = 0, double quantity = 1) {
    PipeElement e;
    e.kind = {group, variant};
    e.va1 = va1;
    e.va2 = va2;
    e.va3 = va3;
    e.va4 = va4;
    e.option = option;
    e.quantity = quantity;
    return e;
}

// A water-like liquid: 1000 kg/m³, 1 mPa s.
inline FlowMedium water(double q) {
    FlowMedium m;
    m.rateOfFlow = q;
    m.density = 1000;
    m.viscosity = 1000;
    return m;
}

struct EngineRun {
    ElementResult result;
    std::vector<Message> messages;
    int roughnessQueries = 0;
};

struct EngineCase {
    PipeElement element;
    FlowMedium medium = water(10);
    double roughness = 0.1;
    bool silent = false;
    // What the roughness dialog answers; nothing = cancelled.
    std::optional<double> roughnessAnswer = std::nullopt;
    bool dialogAvailable = false;
    ElementResult start{};
};

inline EngineRun calculate(const EngineCase& s) {
    RecordingMessageSink sink;
    EngineEnv env;
    env.messages = &sink;
    env.silent = s.silent;
    env.roughness = s.roughness;
    EngineRun run;
    if (s.dialogAvailable) {
        env.askRoughness = [&]() -> std::optional<double> {
            ++run.roughnessQueries;
            return s.roughnessAnswer;
        };
    }
    run.result = computeElementLoss(s.element, s.medium,
                                    computeFlowState(s.element, s.medium, s.start), env);
    run.messages = sink.messages;
    return run;
}

inline double dynamicPressureBar(double zeta, double density, double w) {
    return zeta * density * w * w / 2e5;
}

// The medium `m` with a rate of flow (and, where needed, a viscosity a few
// units in the last place away) that gives exactly the Reynolds number
// `target`; the nearest above it when no nearby double gives it exactly.
inline FlowMedium mediumForReynolds(const PipeElement& e, FlowMedium m, double target) {
    auto re = [&](const FlowMedium& x) { return computeFlowState(e, x).reynolds; };
    FlowMedium best = m;
    best.rateOfFlow = 1e300;
    for (int tries = 0; tries < 400; ++tries) {
        FlowMedium probe = m;
        probe.rateOfFlow = 1.0;
        probe.rateOfFlow = target / re(probe);
        for (int i = 0; i < 8 && re(probe) < target; ++i)
            probe.rateOfFlow = std::nextafter(probe.rateOfFlow, 1e300);
        for (int i = 0; i < 8 && re(probe) > target; ++i) {
            FlowMedium lower = probe;
            lower.rateOfFlow = std::nextafter(probe.rateOfFlow, 0.0);
            if (re(lower) < target) break;
            probe = lower;
        }
        if (re(probe) == target) return probe;
        if (re(probe) > target && re(probe) < re(best)) best = probe;
        m.viscosity = std::nextafter(m.viscosity, 1e300);
    }
    return best;
}

inline double rateForReynolds(const PipeElement& e, FlowMedium m, double target) {
    return mediumForReynolds(e, m, target).rateOfFlow;
}

inline bool allFinite(const ElementResult& r) {
    for (double v : {r.velocity, r.reynolds, r.velocity2, r.reynolds2, r.hydraulicDiameter,
                     r.frictionFactor, r.zeta, r.zeta2, r.pressureDrop, r.pressureDrop2})
        if (!std::isfinite(v)) return false;
    return true;
}

// Colebrook's equation solved independently by bisection in long double.
inline long double referenceFriction(double k, double re, double d) {
    const long double c = 0.269L * k / d;
    auto f = [&](long double l) {
        const long double s = std::sqrt(l);
        return 1.0L / s + 0.868588L * std::log(2.51L / (re * s) + c);
    };
    // f falls with l; bisection on ln l between 1e-8 and 1e12.
    long double lo = std::log(1e-8L), hi = std::log(1e12L);
    for (int i = 0; i < 300; ++i) {
        const long double mid = 0.5L * (lo + hi);
        if (f(std::exp(mid)) > 0)
            lo = mid;
        else
            hi = mid;
    }
    return std::exp(0.5L * (lo + hi));
}

// One element of every kind with inputs inside the ranges the input form
// allows (angles in degrees, lengths of straight pipes in m, else mm).
inline std::vector<PipeElement> everyKind() {
    return {
        element(1, 1, 80, 5),
        element(1, 2, 60, 40, 5),
        element(1, 3, 100, 60, 5),
        element(1, 4, 60, 40, 5),
        element(1, 5, 0.003, 0.25, 5),
        element(2, 1, 80),
        element(2, 2, 80),
        element(2, 3, 80, 30),
        element(2, 4, 80),
        element(3, 1, 80, 120),
        element(3, 2, 80, 120, 10),
        element(3, 3, 80, 50),
        element(3, 4, 80, 50, 10),
        element(4, 1, 80, 160, 90),
        element(4, 2, 80, 45),
        element(4, 3, 80),
        element(4, 4, 60, 40, 100, 90),
        element(4, 5, 80, 90),
        element(4, 6, 60, 40, 90),
        element(5, 1, 80),
        element(5, 2, 80),
        element(5, 3, 80),
        element(5, 4, 80),
        element(5, 5, 80, 50, 10, 90),
        element(5, 6, 80, 50, 10, 90),
        element(5, 7, 80, 45),
        element(5, 8, 80, 120),
        element(6, 1, 80, 3),
        element(6, 2, 80),
        element(6, 3, 80, 400),
        element(7, 1, 80),
        element(7, 2, 80),
        element(7, 3, 80),
        element(7, 4, 80, 40),
        element(7, 5, 80, 20),
        element(7, 6, 80, 20),
        element(8, 1, 80),
        element(8, 2, 80),
        element(8, 3, 80),
        element(9, 1, 80, 50),
        element(9, 2, 80, 50),
        element(9, 3, 80, 50, 20),
        element(9, 4, 80, 50),
        element(9, 5, 80, 50),
        element(10, 1, 10),
        element(10, 2, 80, 2.5),
    };
}

inline std::string kindLabel(ElementKind k) {
    return std::to_string(k.group) + "_" + std::to_string(k.variant);
}

// ---- one resistance rule on a prepared flow state ----

// By default the medium has rho = 2e5 kg/m³ and the velocity is 1 m/s, so
// that the pressure drop in bar equals the resistance coefficient.
struct RuleRun {
    ElementResult result;
    std::vector<Message> messages;
};

struct RuleSetup {
    PipeElement element;
    FlowMedium medium{.rateOfFlow = 10, .density = 2e5, .viscosity = 1000};
    ElementResult state{.velocity = 1.0, .reynolds = 1e5, .reynolds2 = 2e5};
    bool silent = false;
};

inline RuleRun runRule(const RuleSetup& s) {
    RecordingMessageSink sink;
    EngineEnv env;
    env.messages = &sink;
    env.silent = s.silent;
    RuleRun run{s.state, {}};
    rules::LossContext c{s.element, s.medium, env, run.result};
    rules::runGroupRule(c);
    run.messages = sink.messages;
    return run;
}

// Names parameterised cases after the `name` member of their parameter.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& i) const {
        return i.param.name;
    }
};
inline constexpr CaseName caseName{};

}  // namespace tolvane::enginetest
