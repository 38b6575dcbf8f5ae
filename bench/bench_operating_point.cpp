// Speed of the operating point: a pump against a table of 1,000 calculation
// columns, every column computed again at each flow the root search tries.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "base/messages_clipboard_files.h"
#include "shell/calculate_command.h"
#include "shell/element_panel.h"
#include "shell/medium_reading.h"
#include "shell/plant_curve_command.h"
#include "tools/operating_point.h"

namespace {

using namespace tolvane;

// As the plant curve's benchmark: a line of pipes, bends, valves and
// fittings, repeated until the table holds `columns` calculations.
Session lineOf(int columns) {
    const std::array<ElementKind, 8> kinds = {
        pairOf(Kind::CircularPipe),       pairOf(Kind::CircularBend),
        pairOf(Kind::GlobeValve),         pairOf(Kind::RectangularPipe),
        pairOf(Kind::GradualEnlargement), pairOf(Kind::CircularMiterBend),
        pairOf(Kind::KnownResistance),    pairOf(Kind::CorrugatedCompensator)};
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

void BM_OperatingPoint(benchmark::State& state) {
    const Session session = lineOf(static_cast<int>(state.range(0)));
    RecordingMessageSink messages;
    InputCheck check(messages);
    const auto medium = readMedium(session.form, check);
    const auto columns =
        readCurveColumns(session.table, session.settings.output, catalogueKindByName());
    if (session.table.calculationCount() != state.range(0) || !medium || !columns) {
        state.SkipWithError("the line could not be calculated");
        return;
    }
    const DropAtFlow drop = [&](double q) { return plantDropAt(*columns, *medium, q); };
    // A pump of nine points that meets the system at 20 m³/h.
    const double h20 = *systemHead({}, medium->density, drop, 20.0);
    PumpData pump;
    pump.speedRpm = 2900;
    pump.impellerMm = 200;
    for (int i = 0; i <= 8; ++i) {
        const double q = 5.0 * i;
        pump.points.push_back({q, h20 * (1.3 - 0.3 * (q / 20) * (q / 20)), 10.0 + i, {}, {}});
    }
    const PumpCurve curve(pump);
    for (auto _ : state) {
        const OperatingOutcome out = findOperatingPoint(curve, {}, medium->density, drop);
        if (!out.point) {
            state.SkipWithError(out.problem.c_str());
            break;
        }
        benchmark::DoNotOptimize(out);
    }
}

BENCHMARK(BM_OperatingPoint)->Arg(1000)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace
