// Looking up one row of the shipped pipe-size table (target: at most 1 µs),
// for a row near the start, one near the end and one that is not there, and
// reading the whole file once for comparison.
#include <benchmark/benchmark.h>

#include <string>

#include "base/text_file.h"
#include "properties/pipe_sizes.h"
#include "shell/app_paths.h"

namespace tolvane {
namespace {

const PipeSizesRead& shipped() {
    static const PipeSizesRead read = readPipeSizesFile(dataFilePath(kPipeSizesFileName));
    return read;
}

void BM_FindPipeRow(benchmark::State& state, const char* standard, const char* size,
                    const char* schedule) {
    const PipeSizeTable& table = shipped().table;
    if (table.empty()) state.SkipWithError("PIPE_SIZES.TXT not found beside the benchmark");
    const std::string s = standard, n = size, k = schedule;
    for (auto _ : state) benchmark::DoNotOptimize(table.find(s, n, k));
    state.counters["rows"] = static_cast<double>(table.rows().size());
}
BENCHMARK_CAPTURE(BM_FindPipeRow, nps4_sch40, "ASME B36.10M", "4", "40")
    ->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_FindPipeRow, copper_54, "EN 1057", "54", "2.0")->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_FindPipeRow, missing, "ASME B36.10M", "1/8", "160")
    ->Unit(benchmark::kNanosecond);

void BM_ReadPipeSizesFile(benchmark::State& state) {
    const auto bytes = readFileBytes(dataFilePath(kPipeSizesFileName));
    if (!bytes) state.SkipWithError("PIPE_SIZES.TXT not found beside the benchmark");
    for (auto _ : state) benchmark::DoNotOptimize(parsePipeSizes(bytes ? *bytes : std::string()));
}
BENCHMARK(BM_ReadPipeSizesFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tolvane
