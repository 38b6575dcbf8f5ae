// The calculation table with 10,000 calculations: appending one column with
// its total, switching the whole table between metric and US units, and the
// clipboard text, each well under 100 ms; and a whole run of 10,000 appends,
// each followed by the total, well under a second.
#include <benchmark/benchmark.h>

#include "results/calculation_table.h"
#include "results/result_column.h"
#include "results/shown_values.h"
#include "shell/column_from_form.h"
#include "shell/element_panel.h"

namespace tolvane {
namespace {

constexpr int kCalculations = 10000;

struct Calculation {
    FormState form;
    ElementResult result;
    ShownValues shown;
};

Calculation circularBend() {
    Calculation c;
    chooseElementKind(c.form, {4, 1});
    c.result.velocity = 1.4147;
    c.result.reynolds = 70735.5;
    c.result.zeta = 0.2113;
    c.result.pressureDrop = 0.00211;
    FlowMedium medium;
    medium.rateOfFlow = 10;
    medium.density = 1000;
    medium.viscosity = 1000;
    PipeElement element;
    element.kind = {4, 1};
    element.va1 = 50;
    element.va2 = 100;
    element.va3 = 90;
    c.shown = metricShownValues(medium, element, c.result, 0.1);
    return c;
}

CalculationTable tableWith(int n, const Calculation& c) {
    CalculationTable table;
    RecordingMessageSink messages;
    ResultTexts texts =
        formatResults(c.result, c.shown, c.form.element.kind, OutputSystem::Metric, 3);
    for (int i = 0; i < n; ++i) {
        appendResultColumn(table, describeColumn(c.form), c.result, c.shown, texts,
                           OutputSystem::Metric, 3, messages);
    }
    table.updateTotal(OutputSystem::Metric, 3);
    return table;
}

void BM_AppendColumnAndTotal(benchmark::State& state) {
    const Calculation c = circularBend();
    CalculationTable table = tableWith(kCalculations, c);
    RecordingMessageSink messages;
    for (auto _ : state) {
        ResultTexts texts =
            formatResults(c.result, c.shown, c.form.element.kind, OutputSystem::Metric, 3);
        appendResultColumn(table, describeColumn(c.form), c.result, c.shown, texts,
                           OutputSystem::Metric, 3, messages);
        table.updateTotal(OutputSystem::Metric, 3);
        benchmark::DoNotOptimize(table.totalText());
        state.PauseTiming();
        table.deleteColumn(table.calculationCount(), OutputSystem::Metric, 3);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppendColumnAndTotal)->Unit(benchmark::kMillisecond);

// A whole run as the main window or the batch tool makes it: 10,000
// calculations appended one by one, the total brought up to date after each.
void BM_TenThousandAppendsWithTotals(benchmark::State& state) {
    const Calculation c = circularBend();
    RecordingMessageSink messages;
    const ResultTexts texts =
        formatResults(c.result, c.shown, c.form.element.kind, OutputSystem::Metric, 3);
    for (auto _ : state) {
        CalculationTable table;
        for (int i = 0; i < kCalculations; ++i) {
            appendResultColumn(table, describeColumn(c.form), c.result, c.shown, texts,
                               OutputSystem::Metric, 3, messages);
            table.updateTotal(OutputSystem::Metric, 3);
        }
        benchmark::DoNotOptimize(table.totalText());
    }
}
BENCHMARK(BM_TenThousandAppendsWithTotals)->Unit(benchmark::kMillisecond);

void BM_ConvertUnits(benchmark::State& state) {
    CalculationTable table = tableWith(kCalculations, circularBend());
    OutputSystem system = OutputSystem::Metric;
    for (auto _ : state) {
        system = system == OutputSystem::Metric ? OutputSystem::US : OutputSystem::Metric;
        table.convertUnits(system, 3);
        benchmark::DoNotOptimize(table.totalText());
    }
}
BENCHMARK(BM_ConvertUnits)->Unit(benchmark::kMillisecond);

void BM_ClipboardText(benchmark::State& state) {
    CalculationTable table = tableWith(kCalculations, circularBend());
    for (auto _ : state) {
        std::string text = table.clipboardText();
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ClipboardText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
