// The batch tool's `report`: a project loaded as Open project loads it, its
// title block (beside the project, or the file --title-block names), the
// plant curve with the pump of the curve options, written as the
// calculation report's PDF.
#pragma once

#include <optional>
#include <string>

#include "checks/line_checks.h"
#include "cli/curve_output.h"
#include "tools/plant_curve.h"

namespace tolvane::cli {

struct ReportCommand {
    std::string project;
    std::optional<std::string> titleBlock;
    std::optional<PlantCurveRequest> curve;  // the curve options, when one was given
    PumpOptions pump;
    std::optional<checks::CheckLimits> checkLimits;  // the limits given, else the standard ones
    std::string output;
};

// 0 when the PDF was written, 2 when an input cannot be read or the PDF
// cannot be written (the reason on standard error).
int runReportCommand(const ReportCommand& command);

}  // namespace tolvane::cli
