// The batch tool's `curve`: after the steps of a run, the plant curve over
// the resulting table with the medium as the last step left it, as the
// diagram window's "&Copy data" text (tsv) or as a JSON report of the
// points, their units, both axis scales and every message shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "tools/curve_band.h"
#include "tools/operating_point.h"
#include "tools/plant_curve.h"
#include "tools/pump_curve.h"

namespace tolvane::cli {

// The pump and system options as the command line gives them.
struct PumpOptions {
    std::optional<std::string> pumpFile;
    std::optional<std::string> speedRatio, impellerRatio;
    Arrangement arrangement = Arrangement::Single;
    std::string count = "1";
    std::optional<std::string> staticHead, pressureDifference;
    std::string staticHeadUnit = "m", pressureDifferenceUnit = "bar";
    bool given() const {
        return pumpFile || speedRatio || impellerRatio || arrangement != Arrangement::Single ||
               staticHead || pressureDifference;
    }
};

// The options read: the pump after the affinity laws and the arrangement.
struct PumpSetup {
    std::optional<PumpCurve> pump;
    SystemSide side;
    std::vector<std::string> warnings;
};
// Throws InputError naming the option, or with the pump file as its path
// and the file's fault.
PumpSetup readPumpOptions(const PumpOptions& options);

// The system head at every point of the curve and, with a pump, the pump's
// head there and the operating point.
struct PumpRun {
    SystemSide side;
    bool withPump = false;
    std::vector<std::optional<double>> systemHeads, pumpHeads;  // m, one per point
    double flowFactor = 1.0;                                    // curve unit -> m³/h
    double density = 0.0;
    OperatingOutcome operating;
    std::vector<Message> messages;
};

struct CurveRun {
    std::vector<StepOutcome> steps;
    std::vector<Message> curveMessages;  // the menu item's, the dialog's and the curve's
    std::optional<PlantCurve> curve;
    std::optional<PumpRun> pump;  // only with pump or system options
    // --band: the published methods' band, one point per curve point.
    std::optional<std::vector<BandPoint>> band;
};

// Opens the dialog as the menu item does (refused on an empty table) and
// presses "C&alculate" with `request`; with `setup`, the system and pump
// sides follow on the curve computed.
CurveRun runCurve(const BatchRun& run, const PlantCurveRequest& request,
                  const PumpSetup* setup = nullptr);

// Exactly the text "&Copy data" puts on the clipboard.
std::string curveTsv(const PlantCurve& curve);
// The same with the system and pump heads as further columns.
std::string curveTsv(const CurveRun& run);

std::string curveJson(const CurveRun& run);

// "operating point: 58.475 m³/h, 41.171 m, ..." for standard error beside
// the tsv text; "" without a pump or a point.
std::string operatingPointLine(const CurveRun& run);

}  // namespace tolvane::cli
