// What the batch tool prints: the calculation table as a JSON report (row
// headings, one array per calculation column, the total text and each step's
// outcome with its messages), as the table's clipboard text, or as a project
// file.
#pragma once

#include <string>
#include <vector>

#include "checks/line_checks.h"
#include "cli/batch_run.h"
#include "shell/session.h"

namespace tolvane::cli {

enum class OutputFormat { Json, Text, Project };

// UTF-8 JSON; `steps` may be empty (a loaded project has no steps).
std::string jsonReport(const CalculationTable& table, const std::vector<StepOutcome>& steps);

// The JSON report with the checks of its table after the steps:
// "checks": [{"column": N, "code": "...", "severity": "...", "text": "..."}].
std::string withChecks(std::string json, const std::vector<checks::Diagnostic>& diagnostics);

// The checks of a run's table, each gas column with the inlet pressure its step had.
std::vector<checks::Diagnostic> runChecks(const Session& session,
                                          const std::vector<StepOutcome>& steps);

// The JSON report with the second opinion of its table after the steps (or
// the checks): "alternatives": [{"column": N, "zeta": x, "pressureDrop": y,
// "alternatives": [{"method": "...", "zeta": x, "pressureDrop": y}]}],
// "range": {"total", "low", "high", "unit"} in row 23's unit, and for a gas
// line "isothermal": {"inletPressure", "outletPressure",
// "tableOutletPressure", "difference"} in bar (null where it chokes).
std::string withAlternatives(std::string json, const Session& session,
                             const std::vector<StepOutcome>& steps);

// The report in the chosen format, as the bytes to write.
std::string report(OutputFormat format, const Session& session,
                   const std::vector<StepOutcome>& steps);

}  // namespace tolvane::cli
