// Undo of a table of 10,000 calculations: the snapshot each change keeps
// (sharing the columns it left alone) and putting a snapshot back, each well
// under 100 ms so that an undo step never holds up the window.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "shell/table_history.h"

namespace tolvane {
namespace {

constexpr int kCalculations = 10000;

// Distinct calculations, as a real line has them.
Session sessionWith(int n) {
    Session s;
    std::vector<CalculationColumn> columns;
    columns.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        CalculationColumn c;
        c[Row::Medium] = "Water/liq.";
        c[Row::RateOfFlow] = "10.000";
        c[Row::Specification] = "line " + std::to_string(i);
        c[Row::Element] = "Circular bend/1";
        c[Row::Dimension1] = "Diameter of pipe D in mm: 50.000";
        c[Row::Velocity] = "1.415";
        c[Row::Reynolds] = std::to_string(70000 + i);
        c[Row::PressureDrop] = std::to_string(i % 97) + ".125";
        columns.push_back(std::move(c));
    }
    s.table.setCalculations(std::move(columns));
    s.table.renumber();
    s.table.writeHeadings(OutputSystem::Metric, 3);
    return s;
}

void BM_SnapshotAfterOneChange(benchmark::State& state) {
    Session s = sessionWith(kCalculations);
    TableSnapshots snapshots;
    snapshots.take(s);
    int i = 0;
    for (auto _ : state) {
        s.table.setCell(1 + i % kCalculations, Row::Specification, "edited " + std::to_string(i));
        ++i;
        auto snapshot = snapshots.take(s);
        benchmark::DoNotOptimize(snapshot.get());
    }
}
BENCHMARK(BM_SnapshotAfterOneChange)->Unit(benchmark::kMillisecond);

void BM_RestoreSnapshot(benchmark::State& state) {
    Session s = sessionWith(kCalculations);
    TableSnapshots snapshots;
    const auto snapshot = snapshots.take(s);
    for (auto _ : state) {
        restoreTable(s, *snapshot);
        benchmark::DoNotOptimize(s.table.totalText());
    }
}
BENCHMARK(BM_RestoreSnapshot)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
