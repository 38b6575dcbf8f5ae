// Speed of the plant curve: a table of 1,000 calculation columns, every one
// computed again at 1,000 rates of flow (a million engine runs), from the
// dialog's texts to the list of points.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "shell/calculate_command.h"
#include "shell/element_panel.h"
#include "shell/plant_curve_command.h"
#include "base/messages_clipboard_files.h"

namespace {

using namespace tolvane;

// A line of pipes, bends, valves and fittings, turbulent from 5 to 50 m³/h
// of water, repeated until the table holds `columns` calculations.
Session lineOf(int columns) {
    const std::array<ElementKind, 8> kinds = {
        pairOf(Kind::CircularPipe),      pairOf(Kind::CircularBend),
        pairOf(Kind::GlobeValve),        pairOf(Kind::RectangularPipe),
        pairOf(Kind::GradualEnlargement), pairOf(Kind::CircularMiterBend),
        pairOf(Kind::KnownResistance),   pairOf(Kind::CorrugatedCompensator)};
    Session session;
    session.form.medium.flow = "10";
    RecordingMessageSink messages;
    const RoughnessAsker roughness = [] { return std::optional<double>(0.1); };
    for (int i = 0; session.table.calculationCount() < columns; ++i) {
        chooseElementKind(session.form, kinds[static_cast<std::size_t>(i) % kinds.size()]);
        if (!Calculate(session, messages, roughness).added) break;
    }
    return session;
}

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
