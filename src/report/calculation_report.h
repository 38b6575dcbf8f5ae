// The calculation report apart from any page: what it says, built from the
// calculation table, the engine's numbers of each column, the checks, the
// plant curve with a pump and the title block. The caller (the shell) runs
// the columns again to get the engine's numbers; buildReport turns
// everything into texts in sections (medium, columns, total, checks,
// diagram, sources, version), which report_printout.h lays out on pages.
//
//   table + engine numbers + checks + curve/pump + title block
//     -> ReportInput -> buildReport -> CalculationReport -> printReport
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/line_checks.h"
#include "engine/element_kind.h"
#include "engine/flow_types.h"
#include "report/title_block.h"
#include "results/calculation_table.h"
#include "tools/curve_diagram.h"
#include "tools/operating_point.h"
#include "tools/plant_curve.h"
#include "tools/pump_curve.h"

namespace tolvane::report {

// Significant digits of the engine's numbers in the report (the table shows
// a fixed number of decimals instead); Reynolds numbers, whose fifth digit
// already lies below the accuracy of any correlation, get five.
inline constexpr int kReportDigits = 6;
inline constexpr int kReynoldsDigits = 5;

// x with `digits` significant digits, fixed notation from 1e-6 to below
// 1e10, the exponent form ("1.23457e-07") outside; "0" for zero.
std::string formatSignificant(double x, int digits = kReportDigits);

struct ReportColumnInput {
    std::optional<ElementKind> kind;  // nothing when the element name is none of the kinds
    // The engine's result of the column calculated again from its texts; only
    // given when that calculation wrote exactly the column's texts again.
    std::optional<ElementResult> precise;
};

// The gas data window's texts with their units ("10000 mbar").
struct GasDataTexts {
    std::string pressure, inletTemperature, outletTemperature;
};

// The pump on the plant curve: the pressure it leaves for the plant at each
// rate of flow (its head less the static head and the pressure difference,
// as a pressure of the medium) and where that meets the plant's drop.
struct PumpOnCurve {
    std::string name;  // the pump's name from its file
    std::string file;  // the file as named
    SystemSide side;
    std::vector<CurvePoint> pressureForPlant;  // flow in the curve's unit, bar or psi
    OperatingOutcome operating;                // flows in m³/h
    double flowFactor = 1.0;                   // curve unit -> m³/h
    double density = 0.0;                      // kg/m³
    std::vector<std::string> warnings;         // of the pump set-up
};

struct ReportDiagram {
    CurveDiagram diagram;
    std::optional<PumpOnCurve> pump;
};

// The pump's side of the diagram for `curve` (the plant's drop at any flow
// through `drop`, in bar).
PumpOnCurve pumpOnCurve(const PlantCurve& curve, const PumpCurve& pump, const SystemSide& side,
                        double density, double flowFactor, const DropAtFlow& drop);

struct ReportInput {
    ReportSettings settings;
    std::string projectName = "NONAME.TLV";
    std::string version;  // "Tolvane 4.1"
    const CalculationTable* table = nullptr;
    OutputSystem system = OutputSystem::Metric;
    int decimals = 3;
    std::vector<ReportColumnInput> columns;  // [k] is calculation column k + 1
    std::optional<GasDataTexts> gas;         // shown when a column is a gas
    std::vector<checks::Diagnostic> diagnostics;
    // The second opinion of the published methods, line by line (a column's
    // alternatives, the line's range, a gas line's isothermal solution).
    std::vector<std::string> secondOpinion;
    std::optional<ReportDiagram> diagram;
    std::string diagramProblem;  // why there is no diagram, when one was asked for
};

struct ReportProperty {
    std::string label;  // "Density in kg/m³"
    std::string value;  // "998.200"
};

struct ReportMedium {
    std::string name;
    std::string condition;  // "liquid" or "gas"
    std::vector<ReportProperty> properties;
    std::string source;   // where the properties came from
    std::string columns;  // "1-3, 5"
};

struct ReportRow {
    std::string number;
    std::string element;  // the kind's name
    std::string quantity;
    std::string specification;            // the user's text, row 6
    std::vector<std::string> inputs;      // "Diameter of pipe D: 80.000 mm"
    std::vector<std::string> velocities;  // w, and w₂ where the column has a second section
    std::vector<std::string> reynolds;    // Re, Re₂
    std::string regime;
    std::vector<std::string> coefficients;  // "λ = 0.023456", "ζ = 2.9327"
    std::string pressureDrop;
    bool fromTable = false;  // the table's rounded texts, the column not calculated again
};

struct ReportCheck {
    std::string where;  // "column 3" or "line"
    std::string severity;
    std::string code;
    std::string text;
    std::string source;
};

struct ReportSource {
    std::string usedFor;
    std::string reference;
    std::string usedBy;  // "columns 1, 3" or "the gas correction of column 2"
};

struct CalculationReport {
    TitleBlock title;
    ReportSections include;
    std::string projectName, version;
    std::vector<ReportMedium> media;
    std::string velocityUnit, pressureUnit;  // of the rows' w and Δp
    std::vector<ReportRow> rows;
    std::string total;       // sum of the engine's drops where known, with unit
    std::string tableTotal;  // the table's own total text
    std::vector<std::string> notes;
    std::vector<ReportCheck> checks;
    std::vector<std::string> secondOpinion;
    std::optional<ReportDiagram> diagram;
    std::vector<std::string> diagramLines;  // the pump and the operating point in words
    std::vector<ReportSource> sources;
};

CalculationReport buildReport(const ReportInput& input);

// What a check rests on, by its code; the help page for codes it does not know.
std::string checkSource(const std::string& code);

inline const std::string kAsEntered =
    "as entered (the table does not record where the properties came from)";
inline const std::string kFromTableNote =
    "* The table's rounded texts: the column could not be calculated again from its texts "
    "to the same result.";

}  // namespace tolvane::report
