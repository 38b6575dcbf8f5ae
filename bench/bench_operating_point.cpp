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
#include "tools/curve_diagram.h"
#include "tools/operating_point.h"
#include "tools/pump_overlay.h"

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

// The whole diagram with a pump and NPSH: the plant curve at 1,000 points
// over a table of `columns` calculations, the overlay (system and pump heads,
// NPSH available from the first half of the columns at every point, the
// operating point) and the picture laid out for a window.
void BM_PumpDiagram(benchmark::State& state) {
    const Session session = lineOf(static_cast<int>(state.range(0)));
    RecordingMessageSink messages;
    InputCheck check(messages);
    const auto medium = readMedium(session.form, check);
    const auto columns =
        readCurveColumns(session.table, session.settings.output, catalogueKindByName());
    if (!medium || !columns) {
        state.SkipWithError("the line could not be calculated");
        return;
    }
    const DropAtFlow drop = [&](double q) { return plantDropAt(*columns, *medium, q); };
    const double h20 = *systemHead({}, medium->density, drop, 20.0);
    PumpData pump;
    pump.speedRpm = 2900;
    pump.impellerMm = 200;
    for (int i = 0; i <= 8; ++i) {
        const double q = 5.0 * i;
        pump.points.push_back(
            {q, h20 * (1.3 - 0.3 * (q / 20) * (q / 20)), 10.0 + i, 1.0 + 0.1 * i, {}});
    }
    PumpSelection selection;
    selection.pump.emplace(pump);
    selection.suction = SuctionSide{1, static_cast<int>(state.range(0)) / 2, 1.013, -1.0, 0.0234};
    const TextWidth width = [](const std::string& s) { return 6.0 * static_cast<double>(s.size()); };
    for (auto _ : state) {
        RecordingMessageSink sink;
        auto curve = RunPlantCurve(session, {"1", "40", "1000", 0}, sink).curve;
        if (!curve) {
            state.SkipWithError("no curve");
            break;
        }
        PumpOverlay overlay = RunPumpOverlay(session, {"1", "40", "1000", 0}, selection, *curve);
        CurveDiagram d = makeCurveDiagram(std::move(*curve));
        d.pump = makePumpDiagram(std::move(overlay), d.curve, d.flow, DiagramQuantity::HeadMetres,
                                 d.pressure.unit, d.pressure.factor);
        const DiagramPicture pic = layoutDiagram(d, 900, 600, width, 14);
        if (!pic.pump || !d.pump->overlay.operating.point) {
            state.SkipWithError("no operating point");
            break;
        }
        benchmark::DoNotOptimize(pic);
    }
}

BENCHMARK(BM_PumpDiagram)->Arg(1000)->Arg(100)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace
