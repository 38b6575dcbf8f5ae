// Runs one resistance rule on a prepared flow state and records the boxes it
// shows. By default the medium has rho = 2e5 kg/m³ and the velocity is 1 m/s,
// so that the pressure drop in bar equals the resistance coefficient.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "engine/rules.h"

namespace tolvane::testing {

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

inline PipeElement makeElement(int group, int variant, double va1 = 100, double va2 = 0,
                               double va3 = 0, double va4 = 0, int option = 0) {
    PipeElement e;
    e.kind = {group, variant};
    e.va1 = va1;
    e.va2 = va2;
    e.va3 = va3;
    e.va4 = va4;
    e.option = option;
    return e;
}

// Names parameterised cases after the `name` member of their parameter.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& i) const {
        return i.param.name;
    }
};
inline constexpr CaseName caseName{};

}  // namespace tolvane::testing
