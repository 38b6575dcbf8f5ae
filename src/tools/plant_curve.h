// The plant characteristic curve: every calculation column of the table is
// read back from its texts (kind by name, quantity, dimensions, zeta,
// roughness, branch ratio) and computed again by the engine in silent mode at
// equally spaced rates of flow; each point holds the sum over all columns.
// The dialog's three texts -> readCurveRange (parse, range checks, start below
// end) -> the medium read by the caller -> computeCurvePoints -> PlantCurve,
// which the diagram draws and curveClipboardText writes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/messages_clipboard_files.h"
#include "engine/element_kind.h"
#include "engine/flow_types.h"
#include "results/calculation_table.h"

namespace tolvane {

// The dialog's fields as entered (TAnlagenkennlinie_Dlg).
struct PlantCurveRequest {
    std::string from = "1";     // Edit_Von
    std::string to = "10";      // Edit_Bis
    std::string points = "20";  // Edit_Anzahl
    int unit = 0;               // ComboBox1: position in the volume-flow list
};

struct CurvePoint {
    double rateOfFlow = 0.0;    // in the dialog's unit
    double pressureDrop = 0.0;  // bar (metric output) or psi (US output)
};

struct PlantCurve {
    std::vector<CurvePoint> points;
    double start = 0.0, end = 0.0;  // in the dialog's unit
    double minPressureDrop = 0.0, maxPressureDrop = 0.0;
    OutputSystem system = OutputSystem::Metric;
    std::string flowUnitText;  // the unit's text as ComboBox1 shows it
};

// A refused curve has no value; `focus` then names the dialog field that a
// parse error or a range check moved the focus to ("" otherwise). With a
// focus the dialog stays open; after any other outcome it closes.
struct PlantCurveOutcome {
    std::optional<PlantCurve> curve;
    std::string focus;
};

// The element kind whose variant name equals `name` (the catalogue belongs
// to the shell).
using KindByName = std::function<std::optional<ElementKind>(const std::string& name)>;

// Object names and labels of the dialog's fields, as messages name them.
namespace curve_field {
inline constexpr const char* From = "Edit_Von";
inline constexpr const char* To = "Edit_Bis";
inline constexpr const char* Points = "Edit_Anzahl";
inline constexpr const char* FromLabel = "from";
inline constexpr const char* ToLabel = "to";
inline constexpr const char* PointsLabel = "Quantity of calculating points:";
}  // namespace curve_field

// More points than this are refused (10,000 pass): every point is a record
// and a computation of every column.
inline constexpr double kCurvePointLimit = 10001.0;

// The dialog's values once they have been read and checked.
struct CurveRange {
    double start = 0.0, end = 0.0;  // m³/h
    double pointCount = 10.0;       // as entered (10 for fewer than 2)
    double unitFactor = 1.0;        // dialog unit -> m³/h
    std::string unitText;
};

// Parses from, to and the points in this order, range-checks them (from not
// negative, fewer than kCurvePointLimit points) and refuses an end that is
// not greater than the start; "to" is reported as not read when the end
// overflows in m³/h or leaves the points no rates of flow of their own.
// Every message goes to `messages`; a refused range names the field a
// message moved the focus to ("" when none did).
struct CurveRangeOutcome {
    std::optional<CurveRange> range;
    std::string focus;
};
CurveRangeOutcome readCurveRange(const PlantCurveRequest& request, MessageSink& messages);

// Computes every point for the table's columns with `medium` (base units;
// its rates of flow are replaced point by point) and shows the outcome's
// messages: a refused element or gas overflow, a column that cannot be read
// back or drops beyond a double (kNotPossibleMessage), a drop too small to
// draw, the laminar/turbulent note.
std::optional<PlantCurve> computeCurvePoints(const CurveRange& range, const CalculationTable& table,
                                             const FlowMedium& medium, OutputSystem system,
                                             const KindByName& kindByName, MessageSink& messages);

// What a calculation column records of its element, read back from the
// texts in base units.
struct CurveColumn {
    std::string name;  // the variant name as row 7 writes it
    PipeElement element;
    double zeta = 0.0;
    double roughness = 0.0;    // mm, friction kinds only
    double branchRatio = 1.0;  // main to branch rate of flow, branch kinds only
};

// Every calculation column of the table read back as computeCurvePoints reads
// them; nothing when one cannot be (computeCurvePoints then shows
// kNotPossibleMessage).
std::optional<std::vector<CurveColumn>> readCurveColumns(const CalculationTable& table,
                                                         OutputSystem system,
                                                         const KindByName& kindByName);
// One calculation column read back as readCurveColumns reads each.
std::optional<CurveColumn> readCurveColumn(const CalculationColumn& column, OutputSystem system,
                                           const KindByName& kindByName);

// The drop of all columns at one rate of flow (m³/h), in bar, computed as
// every point of the curve is; nothing when the engine refuses a column or
// the sum is no number.
std::optional<double> plantDropAt(const std::vector<CurveColumn>& columns, const FlowMedium& medium,
                                  double rateOfFlow);

// The "&Copy data" text: a heading naming both units, then one line per
// point, CR LF ended; drops written in the unit the heading names.
std::string curveClipboardText(const PlantCurve& curve, const std::string& pressureUnit);

// Message texts of the curve.
inline const std::string kCurveStartNotBelowEnd =
    "The initial value of  rate of flow must be graeter than the final value!";
inline const std::string kCurveTooSmallMetric =
    "In the specified range of rate of flow is the pressure drop < 0.0001 mbar or negative. So "
    "the diagramm will not calculate.";
inline const std::string kCurveTooSmallUs =
    "In the specified range of rate of flow is the pressure drop < 0.0001 psi or negative. So "
    "the diagramm will not calculate.";
inline const std::string kCurveRegimeChanges =
    "In the specified range of rate of flow the flow changes from laminar to turbulent. Errors "
    "of calcualtion are possible within this area.";

// "Calculating of the element "<name>" is not possible ...": an element the
// engine refused at some point of the curve.
std::string curveElementRefusedText(const std::string& variantName);

}  // namespace tolvane
