// Speed of the friction factor and of one element through the engine.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "support/engine_harness.h"

namespace {

using namespace tolvane;

struct GridPoint {
    double reynolds, relativeRoughness;
};

// Re from 4e3 to 1e8 in 40 logarithmic steps, k/d 0 and 24 steps up to 0.05.
std::vector<GridPoint> frictionGrid() {
    std::vector<GridPoint> grid;
    for (int i = 0; i <= 40; ++i) {
        const double re = 4e3 * std::pow(1e8 / 4e3, i / 40.0);
        grid.push_back({re, 0.0});
        for (int j = 0; j < 24; ++j) grid.push_back({re, 0.05 * std::pow(1e-6, j / 23.0)});
    }
    return grid;
}

// Time per solve, averaged over the whole grid; the median is taken over
// the repetitions.
void BM_ColebrookGrid(benchmark::State& state) {
    const std::vector<GridPoint> grid = frictionGrid();
    for (auto _ : state) {
        for (const GridPoint& p : grid) {
            auto lambda = colebrook(p.relativeRoughness * 100.0, p.reynolds, 100.0);
            benchmark::DoNotOptimize(lambda);
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * grid.size()));
    state.counters["per_solve"] = benchmark::Counter(
        static_cast<double>(grid.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ColebrookGrid)->Repetitions(9)->ReportAggregatesOnly(true);

// Single points: a typical rough pipe, a smooth pipe at Re 1e8 (the secant
// leaves its domain there), and the rough end of the grid.
void BM_ColebrookPoint(benchmark::State& state) {
    const double re = static_cast<double>(state.range(0));
    const double kd = static_cast<double>(state.range(1)) * 1e-6;
    for (auto _ : state) {
        auto lambda = colebrook(kd * 100.0, re, 100.0);
        benchmark::DoNotOptimize(lambda);
    }
}
BENCHMARK(BM_ColebrookPoint)
    ->Args({35368, 1000})
    ->Args({4000, 0})
    ->Args({100000000, 0})
    ->Args({7040000, 0})
    ->Args({100000000, 50000});

// One element of every kind in turbulent water flow (60 m³/h, branch 20 m³/h).
void BM_Element(benchmark::State& state, const PipeElement& e) {
    FlowMedium medium;
    medium.rateOfFlow = 60;
    medium.branchRateOfFlow = 20;
    medium.density = 998.2;
    medium.viscosity = 1002;
    EngineEnv env;  // no message boxes, no roughness dialog
    env.roughness = 0.05;
    for (auto _ : state) {
        ElementResult r = computeElementLoss(e, medium, computeFlowState(e, medium), env);
        benchmark::DoNotOptimize(r);
        if (r.calcError) state.SkipWithError("element refused");
    }
}

const int kRegistered = [] {
    for (const PipeElement& e : enginetest::everyKind()) {
        const std::string name = "BM_Element/" + enginetest::kindLabel(e.kind);
        benchmark::RegisterBenchmark(name.c_str(), BM_Element, e);
    }
    return 0;
}();

}  // namespace
