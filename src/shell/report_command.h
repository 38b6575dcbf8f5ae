// "Calculation report..." without its windows: the session's table turned
// into the report's contents. Every column is read back as "To input" reads
// it (its own medium, its roughness) and calculated again by Calculate, so
// the report shows the engine's numbers in full; a column whose new texts
// differ from its old ones (gas data not recorded, a branch ratio rounded)
// keeps the table's texts and is marked. The session is not changed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/line_checks.h"
#include "report/calculation_report.h"
#include "shell/session.h"
#include "tools/plant_curve.h"
#include "tools/pump_curve.h"

namespace tolvane {

struct ReportPump {
    PumpCurve pump;
    std::string file;  // as named
    SystemSide side;
    std::vector<std::string> warnings;  // of the affinity laws and the arrangement
};

struct ReportRequest {
    report::ReportSettings settings;
    PlantCurveRequest curve;         // the diagram's range
    std::optional<ReportPump> pump;  // drawn with its operating point
    bool gasDataKnown = false;       // the gas data window holds the gas data of the columns
    std::vector<std::optional<double>> inletPressures;  // bar, of each column where known
};

// The diagram's range when none is given: from 0 to twice the first column's
// rate of flow, or to the pump's largest flow when that is further, in m³/h.
PlantCurveRequest defaultReportCurve(const Session& session, const std::optional<ReportPump>& pump);

report::ReportInput MakeReportInput(const Session& session, const ReportRequest& request);
report::CalculationReport MakeReport(const Session& session, const ReportRequest& request);

// The project's file name without its folder ("NONAME.TLV" for a new one).
std::string reportProjectName(const Session& session);

}  // namespace tolvane
