// The plant characteristic curve: every calculation column of the table is
// read back from its texts (kind by name, quantity, dimensions, zeta,
// roughness, branch ratio) and computed again by the engine in silent mode at
// equally spaced rates of flow; each point holds the sum over all columns.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/element_kind.h"
#include "engine/flow_types.h"
#include "results/calculation_table.h"
#include "units/messages_clipboard_files.h"

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

// A refused curve has no value; `focus` then names the field that a parse
// error moved the focus to ("" otherwise).
struct PlantCurveOutcome {
    std::optional<PlantCurve> curve;
    std::string focus;
};

// The element kind whose variant name equals `name` (the catalogue belongs
// to the shell).
using KindByName = std::function<std::optional<ElementKind>(const std::string& name)>;

// "C&alculate": parses the three fields, checks them, computes every point,
// and shows every message of the curve through `messages`.
PlantCurveOutcome computePlantCurve(const PlantCurveRequest& request, const CalculationTable& table,
                                    const FlowMedium& medium, OutputSystem system,
                                    const KindByName& kindByName, MessageSink& messages);

// The "&Copy data" text: a heading naming both units, then one line per
// point, CR LF ended; drops written in the unit the heading names.
std::string curveClipboardText(const PlantCurve& curve, const std::string& pressureUnit);

}  // namespace tolvane
