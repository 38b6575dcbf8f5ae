// The batch tool's whole road, JSON text in to JSON text out, over the
// random parameter study of batch_steps.h: reading the document, running
// every step through Calculate, writing the report. The counter "step" is
// the CPU time of one step (the figure to compare with BM_Calculate).
#include <benchmark/benchmark.h>

#include "batch_steps.h"
#include "cli/batch_input.h"
#include "cli/batch_output.h"
#include "cli/batch_run.h"

namespace {

using namespace tolvane;

void BM_BatchRoad(benchmark::State& state) {
    const int steps = static_cast<int>(state.range(0));
    const std::string input = bench::randomBatchInput(steps);
    for (auto _ : state) {
        const cli::BatchRun run = cli::runBatch(cli::readBatchInput(input));
        std::string out = cli::report(cli::OutputFormat::Json, run.session, run.steps);
        benchmark::DoNotOptimize(out);
    }
    state.counters["step"] = benchmark::Counter(
        steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BatchRoad)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The stages alone, to see where a step's time goes.
void BM_BatchRead(benchmark::State& state) {
    const std::string input = bench::randomBatchInput(10000);
    for (auto _ : state) benchmark::DoNotOptimize(cli::readBatchInput(input));
}
BENCHMARK(BM_BatchRead)->Unit(benchmark::kMillisecond);

void BM_BatchRun(benchmark::State& state) {
    const cli::BatchInput input = cli::readBatchInput(bench::randomBatchInput(10000));
    for (auto _ : state) benchmark::DoNotOptimize(cli::runBatch(input));
}
BENCHMARK(BM_BatchRun)->Unit(benchmark::kMillisecond);

void BM_BatchReport(benchmark::State& state) {
    const cli::BatchRun run = cli::runBatch(cli::readBatchInput(bench::randomBatchInput(10000)));
    for (auto _ : state)
        benchmark::DoNotOptimize(cli::report(cli::OutputFormat::Json, run.session, run.steps));
}
BENCHMARK(BM_BatchReport)->Unit(benchmark::kMillisecond);

}  // namespace
