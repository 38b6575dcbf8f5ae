// The batch tool's `curve`: three lines with the dialog's from, to and points,
// then the JSON steps. Whatever the range and the table, the run ends in a
// curve or a message, and a curve has finite points and finite, drawable axes
// whose labels fit their room.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_run.h"
#include "cli/curve_output.h"
#include "tools/curve_diagram.h"
#include "base/input_number.h"

using namespace tolvane;

namespace {

// The next line of `text` from `pos` on, without its line break.
std::string nextLine(const std::string& text, std::size_t& pos) {
    const std::size_t end = text.find('\n', pos);
    const std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() : end + 1;
    return line;
}

void checkAxis(const AxisScale& a) {
    if (!(std::isfinite(a.min) && std::isfinite(a.max) && std::isfinite(a.range))) std::abort();
    if (!(a.step > 0.0 && std::isfinite(a.step))) std::abort();
    if (a.tickCount < 2 || a.tickCount > 101) std::abort();
    if (a.labels.size() != static_cast<std::size_t>(a.tickCount)) std::abort();
    for (const std::string& label : a.labels)
        if (label.size() > 15) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t pos = 0;
    PlantCurveRequest request;
    request.from = nextLine(text, pos);
    request.to = nextLine(text, pos);
    request.points = nextLine(text, pos);
    try {
        const cli::BatchInput input = cli::readBatchInput(text.substr(pos));
        if (input.steps.size() > 16) return 0;
        // Every point computes every column: keep each input quick.
        const auto points = readNumber(request.points);
        if (points && *points > 2000) return 0;
        const cli::CurveRun run = cli::runCurve(cli::runBatch(input), request);
        if (!run.curve) {
            if (run.curveMessages.empty()) std::abort();  // refused without a word
            return 0;
        }
        for (const CurvePoint& p : run.curve->points)
            if (!std::isfinite(p.rateOfFlow) || !std::isfinite(p.pressureDrop)) std::abort();
        const CurveDiagram d = makeCurveDiagram(*run.curve);
        checkAxis(d.flow);
        checkAxis(d.pressure.scale);
        const DiagramPicture pic = layoutDiagram(
            d, 640, 480, [](const std::string& s) { return 7.0 * static_cast<double>(s.size()); },
            14);
        for (const PlotPoint& p : pic.curve)
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) std::abort();
        (void)cli::curveJson(run);
        (void)cli::curveTsv(*run.curve);
    } catch (const cli::InputError&) {
        // Malformed steps: the tool says so and exits with 2.
    }
    return 0;
}
