// Speed of the checks of a line: a table of 10,000 calculation columns
// (pipes, bends, valves, fittings and a branch) with every check on, the
// cavitation check included. Target: at most 10 ms CPU for the checks, and
// the same for the whole run the windows make after every change (each
// column's element read back from its texts, then the checks).
#include <benchmark/benchmark.h>

#include "bench_line.h"
#include "checks/line_checks.h"
#include "shell/line_check_run.h"

namespace {

using namespace tolvane;
using tolvane::bench::lineOf;

Session checkedLine(benchmark::State& state) {
    Session session = lineOf(static_cast<int>(state.range(0)), true);
    session.settings.checkLimits.lineInletPressureBar = 1e6;
    session.settings.checkLimits.vapourPressureBar = 0.03;
    if (session.table.calculationCount() != state.range(0))
        state.SkipWithError("the line could not be calculated");
    return session;
}

void BM_CheckTable(benchmark::State& state) {
    const Session session = checkedLine(state);
    const auto conditions = columnConditions(session.table, session.settings.output);
    for (auto _ : state) {
        auto found = checks::checkTable(session.table, session.settings.output, conditions,
                                        session.settings.checkLimits);
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CheckSession(benchmark::State& state) {
    const Session session = checkedLine(state);
    for (auto _ : state) {
        auto found = checkSession(session);
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_CheckTable)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSession)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
