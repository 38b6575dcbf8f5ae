// Velocity, Reynolds number and hydraulic diameter of every element kind,
// worked out from the cross-section area, against the engine's flow state.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "support/engine_harness.h"

namespace tolvane::enginetest {
namespace {

constexpr double kUnset = -7.0;
constexpr double kRate = 36.0;       // m³/h = 0.01 m³/s
constexpr double kBranchRate = 9.0;  // m³/h
constexpr double kDensity = 800.0;
constexpr double kViscosity = 2000.0;  // 2 mPa s

double circleArea(double dMm) { return std::numbers::pi / 4.0 * dMm * dMm * 1e-6; }

struct Section {
    double area = 0;      // m²; 0: no velocity written
    double diameter = 0;  // mm, for the Reynolds number
    double flow = kRate;  // m³/h
};

struct FlowCase {
    ElementKind kind;
    double va1, va2, va3, va4;
    Section first;
    double hydraulic;  // mm, or kUnset when not written
    Section second;    // area 0: velocity2 and reynolds2 not written
};

double velocityOf(const Section& s) { return s.flow / 3600.0 / s.area; }
double reynoldsOf(const Section& s) {
    return velocityOf(s) * kDensity * s.diameter / 1000.0 / (kViscosity * 1e-6);
}

const Section kCircle80{circleArea(80), 80};
const Section kRect60x40{0.0024, 48};
const Section kBore50{circleArea(50), 50};

const std::vector<FlowCase> kCases = {
    {{1, 1}, 80, 5, 0, 0, kCircle80, kUnset, {}},
    {{1, 2}, 60, 40, 5, 0, kRect60x40, 48, {}},
    {{1, 3}, 100, 60, 5, 0, {circleArea(100) - circleArea(60), 40}, 40, {}},
    {{1, 4}, 60, 40, 5, 0, kRect60x40, 48, {}},
    {{1, 5}, 0.003, 0.25, 5, 0, {0.003, 48}, 48, {}},
    {{2, 1}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{2, 2}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{2, 3}, 80, 30, 0, 0, kCircle80, kUnset, {}},
    {{2, 4}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{3, 1}, 80, 120, 0, 0, kCircle80, kUnset, {circleArea(120), 120}},
    {{3, 2}, 80, 120, 10, 0, kCircle80, kUnset, {circleArea(120), 120}},
    {{3, 3}, 80, 50, 0, 0, kCircle80, kUnset, kBore50},
    {{3, 4}, 80, 50, 10, 0, kCircle80, kUnset, kBore50},
    {{4, 1}, 80, 160, 90, 0, kCircle80, kUnset, {}},
    {{4, 2}, 80, 45, 0, 0, kCircle80, kUnset, {}},
    {{4, 3}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{4, 4}, 60, 40, 100, 90, kRect60x40, 48, {}},
    {{4, 5}, 80, 90, 0, 0, kCircle80, kUnset, {}},
    {{4, 6}, 60, 40, 90, 0, kRect60x40, 48, {}},
    {{5, 1}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{5, 2}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{5, 3}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{5, 4}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{5, 5}, 80, 50, 10, 90, kCircle80, kUnset, {circleArea(50), 50, kBranchRate}},
    {{5, 6}, 80, 50, 10, 90, kCircle80, kUnset, {circleArea(50), 50, kBranchRate}},
    {{5, 7}, 80, 45, 0, 0, kCircle80, kUnset, {}},
    {{5, 8}, 80, 120, 0, 0, kCircle80, kUnset, {}},
    {{6, 1}, 80, 3, 0, 0, kCircle80, kUnset, {}},
    {{6, 2}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{6, 3}, 80, 400, 0, 0, kCircle80, kUnset, {}},
    {{7, 1}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{7, 2}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{7, 3}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{7, 4}, 80, 40, 0, 0, kCircle80, kUnset, {}},
    {{7, 5}, 80, 20, 0, 0, kCircle80, kUnset, {}},
    {{7, 6}, 80, 20, 0, 0, kCircle80, kUnset, {}},
    {{8, 1}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{8, 2}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    {{8, 3}, 80, 0, 0, 0, kCircle80, kUnset, {}},
    // The bore's Reynolds number is the pipe's scaled by D1/D2, which is the
    // Reynolds number of the bore velocity in the bore.
    {{9, 1}, 80, 50, 0, 0, kCircle80, kUnset, kBore50},
    {{9, 2}, 80, 50, 0, 0, kCircle80, kUnset, kBore50},
    {{9, 3}, 80, 50, 20, 0, kCircle80, kUnset, kBore50},
    {{9, 4}, 80, 50, 0, 0, kCircle80, kUnset, kBore50},
    {{9, 5}, 80, 50, 0, 0, kCircle80, kUnset, kBore50},
    {{10, 1}, 10, 0, 0, 0, {}, kUnset, {}},
    {{10, 2}, 80, 2.5, 0, 0, kCircle80, kUnset, {}},
};

FlowMedium medium() {
    FlowMedium m;
    m.rateOfFlow = kRate;
    m.branchRateOfFlow = kBranchRate;
    m.density = kDensity;
    m.viscosity = kViscosity;
    return m;
}

ElementResult unsetResult() {
    ElementResult r;
    r.velocity = r.reynolds = r.velocity2 = r.reynolds2 = r.hydraulicDiameter = kUnset;
    return r;
}

void expectField(double actual, double expected, const char* field, ElementKind k) {
    if (expected == kUnset)
        EXPECT_EQ(actual, kUnset) << field << " written for " << kindLabel(k);
    else
        EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected))
            << field << " of " << kindLabel(k);
}

TEST(FlowState, EveryKindFromItsCrossSection) {
    for (const FlowCase& c : kCases) {
        const PipeElement e = element(c.kind.group, c.kind.variant, c.va1, c.va2, c.va3, c.va4);
        const ElementResult r = computeFlowState(e, medium(), unsetResult());
        const bool moving = c.first.area > 0;
        expectField(r.velocity, moving ? velocityOf(c.first) : kUnset, "velocity", c.kind);
        expectField(r.reynolds, moving ? reynoldsOf(c.first) : 0.0, "reynolds", c.kind);
        expectField(r.hydraulicDiameter, c.hydraulic, "hydraulicDiameter", c.kind);
        const bool second = c.second.area > 0;
        expectField(r.velocity2, second ? velocityOf(c.second) : kUnset, "velocity2", c.kind);
        expectField(r.reynolds2, second ? reynoldsOf(c.second) : kUnset, "reynolds2", c.kind);
    }
}

TEST(FlowState, TableCoversAllKinds) {
    int covered = 0;
    for (int g = 1; g <= kElementGroupCount; ++g) {
        for (int v = 1; v <= kVariantsPerGroup[g - 1]; ++v) {
            bool found = false;
            for (const FlowCase& c : kCases) found = found || (c.kind == ElementKind{g, v});
            EXPECT_TRUE(found) << g << "," << v;
            covered += found;
        }
    }
    EXPECT_EQ(covered, kElementKindCount);
}

TEST(FlowState, LeavesEverythingAloneOutsideTheGroups) {
    for (ElementKind k : {ElementKind{11, 1}, ElementKind{0, 1}}) {
        const ElementResult r =
            computeFlowState(element(k.group, k.variant, 80, 50), medium(), unsetResult());
        EXPECT_EQ(r.velocity, kUnset);
        EXPECT_EQ(r.reynolds, kUnset);
        EXPECT_EQ(r.velocity2, kUnset);
        EXPECT_EQ(r.reynolds2, kUnset);
    }
}

TEST(FlowState, WaterInAHundredMillimetrePipe) {
    const ElementResult r = computeFlowState(element(1, 1, 100, 1), water(10));
    EXPECT_NEAR(r.velocity, 0.3537, 5e-5);
    EXPECT_NEAR(r.reynolds, 35368, 1);
}

TEST(Interpolate, StraightLineThroughTwoPoints) {
    struct Case {
        double x, x1, x2, y1, y2, y;
    };
    const Case cases[] = {
        {0.25, 0.2, 0.3, 1.2, 1.1, 1.15},
        {5, 0, 10, 0, 1, 0.5},
        {0, 0, 10, 3, 7, 3},
        {10, 0, 10, 3, 7, 7},
        {15, 0, 10, 3, 7, 9},
        {2, 4, 2, 1, 5, 5},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(interpolate(c.x, c.x1, c.x2, c.y1, c.y2), c.y, 1e-12) << c.x;
}

}  // namespace
}  // namespace tolvane::enginetest
