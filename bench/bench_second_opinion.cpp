// Speed of the second opinion: every column of a line given to the published
// methods of its kind (at most 20 µs a column), and the band around the plant
// curve of 1,000 columns at 1,000 points (at most 1 s).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_line.h"
#include "shell/plant_curve_command.h"
#include "shell/table_opinion.h"

namespace {

using namespace tolvane;
using tolvane::bench::lineOf;

void BM_SecondOpinionPerColumn(benchmark::State& state) {
    const Session session = lineOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        checks::SecondOpinion s = tableSecondOpinion(session, {});
        benchmark::DoNotOptimize(s);
    }
    // Items are columns: the time per item is the time of one column.
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CurveBand(benchmark::State& state) {
    const Session session = lineOf(static_cast<int>(state.range(0)));
    const PlantCurveRequest request{"5", "50", std::to_string(state.range(1)), 0};
    RecordingMessageSink messages;
    const PlantCurveOutcome outcome = RunPlantCurve(session, request, messages);
    if (!outcome.curve) {
        state.SkipWithError("no curve");
        return;
    }
    for (auto _ : state) {
        auto band = plantCurveBand(session, *outcome.curve);
        if (!band) {
            state.SkipWithError("no band");
            break;
        }
        benchmark::DoNotOptimize(band);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

BENCHMARK(BM_SecondOpinionPerColumn)->Arg(8)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CurveBand)->Args({1000, 1000})->Unit(benchmark::kMillisecond);

}  // namespace
