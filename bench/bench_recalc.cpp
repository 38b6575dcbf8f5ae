// Speed of "Recalculate all with current medium...": a table of 10,000
// calculation columns (pipes, bends, valves, fittings and a branch) read back
// and calculated again at another rate of flow. Target: at most 50 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "base/messages_clipboard_files.h"
#include "bench_line.h"
#include "shell/table_recalc.h"

namespace {

using namespace tolvane;
using tolvane::bench::lineOf;

void BM_RecalculateAll(benchmark::State& state) {
    Session session = lineOf(static_cast<int>(state.range(0)), true);
    if (session.table.calculationCount() != state.range(0)) {
        state.SkipWithError("the line could not be calculated");
        return;
    }
    session.form.medium.flow = "20";
    for (auto _ : state) {
        TableRecalc recalc = RecalculateTable(session);
        if (!recalc.refusedColumns().empty()) {
            state.SkipWithError("a column was refused");
            break;
        }
        benchmark::DoNotOptimize(recalc);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RecalculateAll)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
