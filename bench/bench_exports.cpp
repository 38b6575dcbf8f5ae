// Export table... of a table of 10,000 calculations (pipes, bends, valves,
// a branch and fittings, so that a dozen dimension columns appear): the
// sheet, and the whole file written through the atomic writer as CSV, XLSX
// and ODS, each at most 0.5 s.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_line.h"
#include "exports/table_export.h"
#include "exports/table_sheet.h"

namespace tolvane {
namespace {

constexpr int kCalculations = 10000;

const Session& line() {
    static const Session session = bench::lineOf(kCalculations, true);
    return session;
}

void BM_TableSheet(benchmark::State& state) {
    const CalculationTable& table = line().table;
    for (auto _ : state) benchmark::DoNotOptimize(exports::tableSheet(table));
}
BENCHMARK(BM_TableSheet)->Unit(benchmark::kMillisecond);

void BM_ExportTable(benchmark::State& state) {
    const auto format = static_cast<exports::ExportFormat>(state.range(0));
    const CalculationTable& table = line().table;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tolvane-bench-export." + std::string(exports::extensionOf(format))))
                                 .string();
    for (auto _ : state) {
        const std::string failure = exports::writeSheet(exports::tableSheet(table), format, path);
        if (!failure.empty()) state.SkipWithError(failure.c_str());
    }
    state.SetLabel(exports::extensionOf(format));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportTable)
    ->Arg(static_cast<int>(exports::ExportFormat::Csv))
    ->Arg(static_cast<int>(exports::ExportFormat::Xlsx))
    ->Arg(static_cast<int>(exports::ExportFormat::Ods))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
