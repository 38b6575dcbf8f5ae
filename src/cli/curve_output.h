// The batch tool's `curve`: after the steps of a run, the plant curve over
// the resulting table with the medium as the last step left it, as the
// diagram window's "&Copy data" text (tsv) or as a JSON report of the
// points, their units, both axis scales and every message shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "tools/plant_curve.h"

namespace tolvane::cli {

struct CurveRun {
    std::vector<StepOutcome> steps;
    std::vector<Message> curveMessages;  // the menu item's, the dialog's and the curve's
    std::optional<PlantCurve> curve;
};

// Opens the dialog as the menu item does (refused on an empty table) and
// presses "C&alculate" with `request`.
CurveRun runCurve(const BatchRun& run, const PlantCurveRequest& request);

// Exactly the text "&Copy data" puts on the clipboard.
std::string curveTsv(const PlantCurve& curve);

std::string curveJson(const CurveRun& run);

}  // namespace tolvane::cli
