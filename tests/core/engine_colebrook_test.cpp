// The turbulent friction factor against an independent solve of the same
// equation, the secant's own result where it converges, and the cases where
// the secant leaves its domain or the equation has no root.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "support/engine_harness.h"

namespace tolvane::enginetest {
namespace {

// The iteration exactly as the correlation is usually solved; nothing when
// an iterate is not a positive number or it has not settled in 100 steps.
std::optional<double> plainSecant(double k, double re, double d) {
    auto f = [&](double l) {
        return 1.0 / std::sqrt(l) + 0.868588 * std::log(2.51 / (re * std::sqrt(l)) + 0.269 * k / d);
    };
    double l = 0.02;
    for (int i = 0; i < 100; ++i) {
        const double next = l - f(l) * 1e-8 / (f(l + 1e-8) - f(l));
        if (!(next > 0.0) || !std::isfinite(next)) return std::nullopt;
        const double step = std::fabs(l - next);
        l = next;
        if (step < 1e-8) return l;
    }
    return std::nullopt;
}

const double kReynolds[] = {4e3, 2.32e3, 1e4, 35368, 1e5, 7e5, 1e6, 7e6, 3e7, 1e8};
const double kRelativeRoughness[] = {0, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 3e-3, 1e-2, 0.05, 0.2, 3.0};

TEST(Colebrook, MatchesAnIndependentSolveOverTheGrid) {
    for (double re : kReynolds) {
        for (double kd : kRelativeRoughness) {
            const double d = 100.0;
            const auto lambda = colebrook(kd * d, re, d);
            ASSERT_TRUE(lambda.has_value()) << "Re " << re << " k/d " << kd;
            const double ref = static_cast<double>(referenceFriction(kd * d, re, d));
            EXPECT_NEAR(*lambda, ref, 1e-7 * ref) << "Re " << re << " k/d " << kd;
        }
    }
}

TEST(Colebrook, KeepsTheSecantResultWhereItConverges) {
    int converged = 0;
    for (double re : kReynolds) {
        for (double kd : kRelativeRoughness) {
            const auto plain = plainSecant(kd * 50.0, re, 50.0);
            if (!plain) continue;
            ++converged;
            const auto lambda = colebrook(kd * 50.0, re, 50.0);
            ASSERT_TRUE(lambda.has_value());
            EXPECT_EQ(*lambda, *plain) << "Re " << re << " k/d " << kd;
        }
    }
    EXPECT_GT(converged, 50);
}

TEST(Colebrook, SolvesWhereThePlainSecantFails) {
    struct Case {
        double k, re, d;
    };
    const Case cases[] = {{0.0, 7.04e6, 500.0}, {0.0, 1e8, 100.0}, {1e-4, 5e7, 300.0}};
    for (const Case& c : cases) {
        EXPECT_FALSE(plainSecant(c.k, c.re, c.d).has_value()) << c.re;
        const auto lambda = colebrook(c.k, c.re, c.d);
        ASSERT_TRUE(lambda.has_value()) << c.re;
        const double ref = static_cast<double>(referenceFriction(c.k, c.re, c.d));
        EXPECT_NEAR(*lambda, ref, 1e-9 * ref) << c.re;
    }
}

TEST(Colebrook, HasNoRootFromTheRoughnessLimitOn) {
    struct Case {
        double k, re, d;
        bool solvable;
    };
    const Case cases[] = {
        {1.0 / 0.269 * 100.0, 1e5, 100.0, false},  // 0.269 k/d = 1
        {400.0, 1e5, 100.0, false},
        {371.0, 1e5, 100.0, true},  // 0.269 k/d just below 1
        {0.1, 0.0, 100.0, false},
        {-0.1, 1e5, 100.0, false},
        {0.1, std::nan(""), 100.0, false},
    };
    for (const Case& c : cases) {
        const auto lambda = colebrook(c.k, c.re, c.d);
        EXPECT_EQ(lambda.has_value(), c.solvable) << c.k << " " << c.re;
        if (lambda && c.solvable) {
            EXPECT_TRUE(std::isfinite(*lambda) && *lambda > 0);
            const double ref = static_cast<double>(referenceFriction(c.k, c.re, c.d));
            EXPECT_NEAR(*lambda, ref, 1e-7 * ref);
        }
    }
}

// Circular pipe D 500 mm, L 1 m, water at 20 °C, 10000 m³/h on a smooth wall:
// Re about 7e6, where the first secant step lands below zero.
TEST(Colebrook, LargeSmoothPipeThroughTheEngine) {
    EngineCase s;
    s.element = element(1, 1, 500, 1);
    s.medium = water(10000);
    s.medium.density = 998.2;
    s.medium.viscosity = 1002;
    s.roughness = 0.0;
    const EngineRun run = calculate(s);
    ASSERT_FALSE(run.result.calcError);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_NEAR(run.result.reynolds, 7.04e6, 0.01e6);
    const double ref = static_cast<double>(referenceFriction(0.0, run.result.reynolds, 500));
    EXPECT_NEAR(run.result.frictionFactor, ref, 1e-9 * ref);
    EXPECT_NEAR(run.result.zeta, ref * 1000 / 500, 1e-8);
    EXPECT_TRUE(allFinite(run.result));
}

}  // namespace
}  // namespace tolvane::enginetest
