// The pump editor's table apart from its window: the points as typed (flow,
// head and the three optional columns), the pump's name, speed, impeller and
// units. A table becomes a pump file only through the pump file's own reader,
// so the editor refuses exactly what Open would refuse, naming the point by
// its row ("point 4, flow: ...").
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/pump_file.h"

namespace tolvane {

struct PumpTableRow {
    std::string flow, head, efficiency, npshr, power;  // "" : not stated
    bool operator==(const PumpTableRow&) const = default;
};

struct PumpTable {
    std::string name;
    std::string speed = "2900", impeller = "200";  // rpm, mm
    std::string flowUnit = "m³/h", headUnit = "m";
    std::vector<PumpTableRow> rows;
};

// Column headings of the editor's table, in their order.
inline constexpr const char* kPumpTableColumns[] = {"Rate of flow", "Head", "Efficiency in %",
                                                    "NPSH required", "Shaft power in kW"};

// The file's points written in its units with up to six decimals.
PumpTable pumpTableOf(const PumpFile& file);

// The table checked as a pump file: the file, or a refusal naming the field.
PumpFileOutcome pumpFileOfTable(const PumpTable& table);

// Lines of two to five TAB-separated columns (flow, head, efficiency, NPSH
// required, shaft power), as a spreadsheet copies them; blank lines are
// skipped. A line with fewer than two or more than five columns is refused by
// its number.
struct PastedRows {
    std::vector<PumpTableRow> rows;
    std::string problem;  // "" when read
};
PastedRows rowsFromClipboard(const std::string& text);

}  // namespace tolvane
