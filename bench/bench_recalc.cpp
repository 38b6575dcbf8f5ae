// Speed of "Recalculate all with current medium...": a table of 10,000
// calculation columns (pipes, bends, valves, fittings and a branch) read back
// and calculated again at another rate of flow. Target: at most 50 ms.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "base/messages_clipboard_files.h"
#include "shell/calculate_command.h"
#include "shell/element_panel.h"
#include "shell/table_recalc.h"

namespace {

using namespace tolvane;

Session lineOf(int columns) {
    const std::array<ElementKind, 8> kinds = {
        pairOf(Kind::CircularPipe),       pairOf(Kind::CircularBend),
        pairOf(Kind::GlobeValve),         pairOf(Kind::RectangularPipe),
        pairOf(Kind::GradualEnlargement), pairOf(Kind::DividingBranch),
        pairOf(Kind::KnownResistance),    pairOf(Kind::CorrugatedCompensator)};
    Session session;
    session.form.medium.flow = "10";
    RecordingMessageSink messages;
    const RoughnessAsker roughness = [] { return std::optional<double>(0.1); };
    for (int i = 0; session.table.calculationCount() < columns; ++i) {
        chooseElementKind(session.form, kinds[static_cast<std::size_t>(i) % kinds.size()]);
        session.form.extra.branchFlow = "4";
        if (!Calculate(session, messages, roughness).added) break;
    }
    return session;
}

void BM_RecalculateAll(benchmark::State& state) {
    Session session = lineOf(static_cast<int>(state.range(0)));
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
