// The calculation table window with 10,000 calculations: reloading the grid,
// scrolling through it in 20 steps with a repaint at each, and fitting every
// column to its texts. Each must stay well under a second for a long project
// to open, scroll and fit smoothly.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "results/widgets/calculation_table_window.h"
#include "shell/session.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {
namespace {

constexpr int kCalculations = 10000;

struct TableWindowRig {
    Session session;
    RecordingMessageSink messages;
    MemoryClipboard clipboard;
    std::unique_ptr<TAusgabe_Fenster> window;

    TableWindowRig() {
        CalculationColumn c{};
        c[Row::Medium] = "Water/liq.";
        c[Row::RateOfFlow] = "10.000";
        c[Row::Density] = "998.000";
        c[Row::Viscosity] = "1002.000";
        c[Row::Element] = "Circular pipe/1";
        c[Row::Dimension1] = "Diameter of pipe D in mm: 50.000";
        c[Row::Velocity] = "1.415";
        c[Row::Reynolds] = "70466";
        c[Row::Regime] = "turbulent";
        c[Row::PressureDrop] = "0.500";
        c[Row::PressureDropLarge] = "0.000";
        session.table.setCalculations(std::vector<CalculationColumn>(kCalculations, c));
        session.table.renumber();
        session.table.updateTotal(OutputSystem::Metric, 3);
        window = std::make_unique<TAusgabe_Fenster>(session, messages, clipboard);
        window->show();
    }
};

void BM_ReloadTenThousandColumns(benchmark::State& state) {
    TableWindowRig rig;
    for (auto _ : state) {
        rig.window->reloadTable();
        QApplication::processEvents();
    }
    state.counters["columns"] = rig.window->grid()->model()->columnCount();
}
BENCHMARK(BM_ReloadTenThousandColumns)->Unit(benchmark::kMillisecond);

// Every text of every column measured in the table's font, and every header
// section set.
void BM_FitAllTenThousandColumns(benchmark::State& state) {
    TableWindowRig rig;
    for (auto _ : state) {
        state.PauseTiming();
        rig.session.table.setDefaultColumnWidth(150);
        rig.window->reloadTable();
        QApplication::processEvents();
        state.ResumeTiming();
        rig.window->fitAllColumns();
        QApplication::processEvents();
    }
    state.counters["width"] = rig.session.table.columnWidth(1);
}
BENCHMARK(BM_FitAllTenThousandColumns)->Unit(benchmark::kMillisecond);

void BM_ScrollTenThousandColumns(benchmark::State& state) {
    TableWindowRig rig;
    rig.window->reloadTable();
    QApplication::processEvents();
    QTableView* grid = rig.window->grid();
    QScrollBar* bar = grid->horizontalScrollBar();
    for (auto _ : state) {
        for (int i = 1; i <= 20; ++i) {
            bar->setValue(bar->maximum() * i / 20);
            grid->viewport()->repaint();
        }
        bar->setValue(0);
    }
}
BENCHMARK(BM_ScrollTenThousandColumns)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane

// Widgets need the application; no screen is needed.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
