// The pump file: whatever the bytes, a pump that is read has 3 to 9,999
// points with finite, increasing flows and heads not below 0, its curve is
// read at every point and nowhere beyond, and written out it reads back the
// same; a refusal always names a member.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/pump_curve.h"
#include "tools/pump_file.h"

using namespace tolvane;

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const PumpFileOutcome read = readPumpText(bytes);
    if (!read.file) {
        require(read.problem.find(": ") != std::string::npos);
        return 0;
    }
    const auto& points = read.file->pump.points;
    require(points.size() >= 3 && points.size() < kPumpPointLimit);
    for (std::size_t i = 0; i < points.size(); ++i) {
        require(std::isfinite(points[i].flow) && std::isfinite(points[i].head));
        require(points[i].head >= 0);
        require(i == 0 || points[i].flow > points[i - 1].flow);
    }
    const PumpCurve curve(read.file->pump);
    for (const PumpPoint& p : points) require(curve.head(p.flow).has_value());
    require(!curve.head(std::nextafter(curve.maxFlow(), HUGE_VAL)));
    const PumpFileOutcome again = readPumpText(pumpFileText(*read.file));
    require(again.file && again.file->pump.points.size() == points.size());
    return 0;
}
