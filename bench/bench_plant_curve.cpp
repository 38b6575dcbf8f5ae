// Speed of the plant curve: a table of 1,000 calculation columns, every one
// computed again at 1,000 rates of flow (a million engine runs), from the
// dialog's texts to the list of points.
#include <benchmark/benchmark.h>

#include <string>

#include "base/messages_clipboard_files.h"
#include "bench_line.h"
#include "shell/plant_curve_command.h"

namespace {

using namespace tolvane;
using tolvane::bench::lineOf;

void BM_PlantCurve(benchmark::State& state) {
    const Session session = lineOf(static_cast<int>(state.range(0)));
    if (session.table.calculationCount() != state.range(0)) {
        state.SkipWithError("the line could not be calculated");
        return;
    }
    const PlantCurveRequest request{"5", "50", std::to_string(state.range(1)), 0};
    for (auto _ : state) {
        RecordingMessageSink messages;
        PlantCurveOutcome outcome = RunPlantCurve(session, request, messages);
        if (!outcome.curve) {
            state.SkipWithError(messages.messages.empty() ? "refused"
                                                          : messages.messages.back().text.c_str());
            break;
        }
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

BENCHMARK(BM_PlantCurve)->Args({1000, 1000})->Args({8, 20})->Unit(benchmark::kMillisecond);

}  // namespace
