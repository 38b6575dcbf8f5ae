// The calculating order around the resistance rules: regime boundary and
// laminar refusal, roughness query, gas correction and its limit, quantity,
// silent mode, and the refusal of results that are not finite numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/engine_harness.h"

namespace tolvane::enginetest {
namespace {

const Message kLaminarBox{MessageType::Error, kLaminarMessage, {}};
const Message kGasBox{MessageType::Error, kGasLimitMessage, {}};
const Message kNotPossibleBox{MessageType::Error, kNotPossibleMessage, {}};

bool isEnlargement(ElementKind k) { return k.group == 3 && k.variant <= 2; }
bool hasLaminarRule(ElementKind k) {
    return (k.group == 1 && k.variant <= 4) || k == ElementKind{10, 1};
}

EngineCase atReynolds(const PipeElement& e, double reynolds) {
    EngineCase s;
    s.element = e;
    if (e.kind == ElementKind{10, 1}) return s;  // no velocity, Re is always 0
    s.medium = mediumForReynolds(e, water(1), 2320.0);
    s.medium.rateOfFlow *= reynolds / 2320.0;
    s.medium.branchRateOfFlow = 0.3 * s.medium.rateOfFlow;
    return s;
}

TEST(Regime, ExactlyTwoThousandThreeHundredTwentyIsTurbulent) {
    for (const PipeElement& e : everyKind()) {
        if (e.kind == ElementKind{10, 1}) continue;
        const EngineRun run = calculate(atReynolds(e, 2320.0));
        ASSERT_EQ(run.result.reynolds, 2320.0) << kindLabel(e.kind);
        if (isEnlargement(e.kind)) {
            // The wider second section is laminar.
            EXPECT_TRUE(run.result.isLaminar) << kindLabel(e.kind);
            EXPECT_TRUE(run.result.calcError) << kindLabel(e.kind);
            EXPECT_EQ(run.messages, std::vector<Message>{kLaminarBox}) << kindLabel(e.kind);
            continue;
        }
        EXPECT_FALSE(run.result.isLaminar) << kindLabel(e.kind);
        EXPECT_FALSE(run.result.calcError) << kindLabel(e.kind);
        for (const Message& m : run.messages) EXPECT_NE(m, kLaminarBox) << kindLabel(e.kind);
        EXPECT_TRUE(allFinite(run.result)) << kindLabel(e.kind);
    }
}

TEST(Regime, JustBelowIsLaminarAndOnlyTheKindsWithALaminarRuleGoOn) {
    for (const PipeElement& e : everyKind()) {
        EngineCase s = atReynolds(e, 2319.9);
        s.start.zeta = 4.25;
        s.start.pressureDrop = 0.125;
        const EngineRun run = calculate(s);
        EXPECT_TRUE(run.result.isLaminar) << kindLabel(e.kind);
        if (hasLaminarRule(e.kind)) {
            EXPECT_FALSE(run.result.calcError) << kindLabel(e.kind);
            EXPECT_TRUE(run.messages.empty()) << kindLabel(e.kind);
            EXPECT_GT(run.result.pressureDrop, 0.0) << kindLabel(e.kind);
        } else {
            EXPECT_LT(run.result.reynolds, 2320.0);
            EXPECT_GT(run.result.reynolds, 2319.8);
            EXPECT_TRUE(run.result.calcError) << kindLabel(e.kind);
            EXPECT_EQ(run.messages, std::vector<Message>{kLaminarBox}) << kindLabel(e.kind);
            // No rule ran: the caller's values stay.
            EXPECT_EQ(run.result.zeta, 4.25) << kindLabel(e.kind);
            EXPECT_EQ(run.result.pressureDrop, 0.125) << kindLabel(e.kind);
        }
    }
}

TEST(Regime, VerticalDifferenceIsComputedAtAnyRateOfFlow) {
    for (double q : {0.0, 1.0, 1e4}) {
        EngineCase s;
        s.element = element(10, 1, 10);
        s.medium = water(q);
        s.start.velocity = 1.5;
        const EngineRun run = calculate(s);
        EXPECT_FALSE(run.result.calcError);
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(run.result.reynolds, 0.0);
        EXPECT_EQ(run.result.velocity, 1.5);
        EXPECT_NEAR(run.result.pressureDrop, 0.981, 1e-12);
    }
}

TEST(Roughness, AskedOnlyBeforeTurbulentFrictionKinds) {
    for (const PipeElement& e : everyKind()) {
        EngineCase s;
        s.element = e;
        s.medium = water(60);  // turbulent in every section used here
        s.medium.branchRateOfFlow = 20;
        s.dialogAvailable = true;
        s.roughnessAnswer = 0.5;
        const EngineRun run = calculate(s);
        const bool friction = isFrictionKind(e.kind);
        EXPECT_EQ(run.roughnessQueries, friction ? 1 : 0) << kindLabel(e.kind);
        if (!friction) continue;
        ASSERT_FALSE(run.result.calcError) << kindLabel(e.kind);
        const bool circular =
            e.kind.group == 3 || (e.kind == ElementKind{1, 1}) || (e.kind == ElementKind{4, 5});
        const double d = circular ? e.va1 : run.result.hydraulicDiameter;
        const double ref = static_cast<double>(referenceFriction(0.5, run.result.reynolds, d));
        EXPECT_NEAR(run.result.frictionFactor, ref, 1e-9) << kindLabel(e.kind);
    }
}

TEST(Roughness, CancelledQueryRefusesSilently) {
    for (ElementKind k :
         {ElementKind{1, 1}, ElementKind{1, 5}, ElementKind{3, 4}, ElementKind{4, 6}}) {
        EngineCase s;
        for (const PipeElement& e : everyKind())
            if (e.kind == k) s.element = e;
        s.medium = water(60);
        s.dialogAvailable = true;
        s.roughnessAnswer = std::nullopt;
        s.start.zeta = 9.5;
        const EngineRun run = calculate(s);
        EXPECT_EQ(run.roughnessQueries, 1) << kindLabel(k);
        EXPECT_TRUE(run.result.calcError) << kindLabel(k);
        EXPECT_TRUE(run.messages.empty()) << kindLabel(k);
        EXPECT_EQ(run.result.zeta, 9.5) << kindLabel(k);
    }
}

TEST(Roughness, NeitherAskedInLaminarFlowNorInSilentMode) {
    struct Case {
        double q;
        bool silent;
        double k;
    };
    for (const Case& c : {Case{0.1, false, 0.1}, Case{60, true, 0.02}}) {
        EngineCase s;
        s.element = element(1, 1, 80, 5);
        s.medium = water(c.q);
        s.silent = c.silent;
        s.roughness = c.k;
        s.dialogAvailable = true;
        s.roughnessAnswer = 3.0;
        const EngineRun run = calculate(s);
        EXPECT_EQ(run.roughnessQueries, 0);
        EXPECT_FALSE(run.result.calcError);
        if (!run.result.isLaminar) {
            const double ref = static_cast<double>(referenceFriction(c.k, run.result.reynolds, 80));
            EXPECT_NEAR(run.result.frictionFactor, ref, 1e-9);
        }
    }
}

// Known resistance coefficient 2.5 in 80 mm at 36 m³/h, liquid drop dp0.
struct GasCase {
    const char* name;
    double inletOverDrop;  // p1 / dp0
    double t1, t2;
    bool silent;
    double quantity;
    bool refused;
};

TEST(Gas, CorrectionAndItsLimit) {
    EngineCase liquid;
    liquid.element = element(10, 2, 80, 2.5);
    liquid.medium = water(36);
    const double dp0 = calculate(liquid).result.pressureDrop;
    ASSERT_GT(dp0, 0.0);

    const GasCase cases[] = {
        {"well below the limit", 10, 300, 330, false, 1, false},
        {"exactly half the inlet pressure", 2, 300, 300, false, 1, false},
        {"limit tested before the quantity", 2, 300, 300, false, 3, false},
        {"just above the limit", std::nextafter(2.0, 0.0), 300, 300, false, 1, true},
        {"just above the limit, silent", std::nextafter(2.0, 0.0), 300, 300, true, 1, true},
        {"negative radicand", 2.5, 300, 600, false, 1, true},
        {"negative radicand, silent", 2.5, 300, 600, true, 1, true},
        {"radicand just positive", 2.5, 300, 440, false, 1, false},
    };
    for (const GasCase& c : cases) {
        EngineCase s = liquid;
        s.element.quantity = c.quantity;
        s.silent = c.silent;
        s.medium.condition = MediumCondition::Gas;
        // Just above the limit: the largest p1 with p1/2 below dp0.
        s.medium.inletPressure =
            c.inletOverDrop < 2 ? std::nextafter(2 * dp0, 0.0) : c.inletOverDrop * dp0;
        s.medium.inletTemperature = c.t1;
        s.medium.outletTemperature = c.t2;
        const EngineRun run = calculate(s);
        EXPECT_EQ(run.result.calcError, c.refused) << c.name;
        EXPECT_EQ(run.result.gasOverflow, c.refused && c.silent) << c.name;
        EXPECT_EQ(run.messages,
                  c.refused && !c.silent ? std::vector<Message>{kGasBox} : std::vector<Message>{})
            << c.name;
        const double p1 = s.medium.inletPressure;
        const double corrected = p1 * (1 - std::sqrt(1 - 2 * dp0 / p1 * (c.t1 + c.t2) / 2 / c.t1));
        EXPECT_NEAR(run.result.pressureDrop, c.quantity * (c.refused ? dp0 : corrected),
                    1e-12 * dp0)
            << c.name;
        EXPECT_TRUE(allFinite(run.result)) << c.name;
    }
}

TEST(Gas, WorkedCorrectionAndVerticalDifference) {
    EngineCase s;
    s.element = element(10, 1, 10);
    s.medium = water(0);
    s.medium.condition = MediumCondition::Gas;
    s.medium.inletPressure = 9.81;  // ten times the liquid drop of 0.981 bar
    s.medium.inletTemperature = 300;
    s.medium.outletTemperature = 330;
    const EngineRun run = calculate(s);
    ASSERT_FALSE(run.result.calcError);
    EXPECT_NEAR(run.result.pressureDrop, 9.81 * (1 - std::sqrt(0.79)), 1e-12);
}

TEST(Quantity, MultipliesOnlyThePressureDrop) {
    const PipeElement kinds[] = {element(1, 1, 80, 5),  element(1, 2, 60, 40, 5),
                                 element(2, 1, 80),     element(3, 1, 80, 120),
                                 element(4, 5, 80, 90), element(5, 5, 80, 50, 10, 90),
                                 element(10, 1, 10)};
    for (double q : {0.5, 60.0}) {
        for (const PipeElement& e : kinds) {
            EngineCase one;
            one.element = e;
            one.medium = water(q);
            one.medium.branchRateOfFlow = q / 3;
            EngineCase three = one;
            three.element.quantity = 3;
            const ElementResult a = calculate(one).result;
            const ElementResult b = calculate(three).result;
            if (a.calcError) continue;
            EXPECT_NEAR(b.pressureDrop, 3 * a.pressureDrop, 1e-12 * std::fabs(a.pressureDrop))
                << kindLabel(e.kind);
            EXPECT_EQ(b.zeta, a.zeta) << kindLabel(e.kind);
            EXPECT_EQ(b.frictionFactor, a.frictionFactor) << kindLabel(e.kind);
            EXPECT_EQ(b.zeta2, a.zeta2) << kindLabel(e.kind);
            EXPECT_EQ(b.pressureDrop2, a.pressureDrop2) << kindLabel(e.kind);
        }
    }
}

TEST(Silent, KeepsTheCallersCoefficientWhereItComesFromAnOptionOrABendTable) {
    struct Case {
        PipeElement e;
        double ownZeta;
    };
    const Case cases[] = {
        {element(2, 1, 80, 0, 0, 0, 1), 0.25},
        {element(2, 4, 80, 0, 0, 0, 0), 3.0},
        {element(4, 1, 80, 80, 90, 0, 1), 0.51},
        {element(4, 4, 48, 48, 48, 90, 0), 0.21},
        {element(2, 2, 80), 0.05},  // not option-derived: recomputed when silent
    };
    for (const Case& c : cases) {
        for (bool silent : {false, true}) {
            EngineCase s;
            s.element = c.e;
            s.medium = water(60);
            s.silent = silent;
            s.start.zeta = 7.5;
            const EngineRun run = calculate(s);
            const bool keeps = silent && !(c.e.kind == ElementKind{2, 2});
            const double zeta = keeps ? 7.5 : c.ownZeta;
            EXPECT_NEAR(run.result.zeta, zeta, 1e-12) << kindLabel(c.e.kind) << silent;
            EXPECT_NEAR(run.result.pressureDrop,
                        dynamicPressureBar(zeta, 1000, run.result.velocity), 1e-15)
                << kindLabel(c.e.kind);
            EXPECT_TRUE(run.messages.empty());
        }
    }
}

TEST(Silent, RefusalsShowNoBox) {
    for (const PipeElement& e : everyKind()) {
        EngineCase s = atReynolds(e, 1000);
        s.silent = true;
        const EngineRun run = calculate(s);
        EXPECT_TRUE(run.messages.empty()) << kindLabel(e.kind);
        EXPECT_EQ(run.result.calcError, !hasLaminarRule(e.kind)) << kindLabel(e.kind);
    }
}

// Inputs the form would let through only by mistake, or at the limits of
// double precision: the element is refused and every field stays a number.
TEST(Refusal, ResultsThatAreNotFiniteNumbers) {
    struct Case {
        const char* name;
        PipeElement e;
        double q;
        double roughness;
    };
    const Case cases[] = {
        {"miter bend of no angle", element(4, 5, 80, 0), 60, 0.1},
        {"cone of no angle", element(3, 2, 80, 120, 0), 60, 0.1},
        {"velocity beyond double range", element(1, 1, 1e-3, 5), 1e306, 0.1},
        {"coefficient beyond double range", element(10, 2, 80, 1e306), 1e4, 0.1},
        {"quantity beyond double range", element(10, 2, 80, 1e300, 0, 0, 0, 1e300), 1e3, 0.1},
        {"roughness beyond the friction equation", element(1, 1, 10, 5), 60, 40.0},
        {"rectangular roughness beyond", element(1, 2, 10, 10, 5), 60, 40.0},
    };
    for (const Case& c : cases) {
        for (bool silent : {false, true}) {
            EngineCase s;
            s.element = c.e;
            s.medium = water(c.q);
            s.roughness = c.roughness;
            s.silent = silent;
            const EngineRun run = calculate(s);
            EXPECT_TRUE(run.result.calcError) << c.name;
            EXPECT_TRUE(allFinite(run.result)) << c.name;
            EXPECT_EQ(run.messages,
                      silent ? std::vector<Message>{} : std::vector<Message>{kNotPossibleBox})
                << c.name;
        }
    }
}

TEST(Refusal, UnknownKind) {
    EngineCase s;
    s.element = element(11, 1, 80);
    const EngineRun run = calculate(s);
    EXPECT_TRUE(run.result.calcError);
}

TEST(Refusal, NextCalculationStartsClear) {
    EngineCase s;
    s.element = element(1, 1, 80, 5);
    s.medium = water(60);
    s.start.calcError = true;
    s.start.gasOverflow = true;
    const EngineRun run = calculate(s);
    EXPECT_FALSE(run.result.calcError);
    EXPECT_FALSE(run.result.gasOverflow);
}

}  // namespace
}  // namespace tolvane::enginetest
