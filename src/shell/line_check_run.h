// Running the checks of a session's table: every calculation column is read
// back into its element by the catalogue's kind names (a column that does
// not read is checked on its texts alone), joined with the inlet pressures
// the caller knows, and checked with the session's limits. The limits are
// kept in the options file under the keys of kCheckLimitKeys.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "checks/line_checks.h"
#include "shell/session.h"

namespace tolvane {

// Column k + 1 of `table` with its element and inletPressures[k].
std::vector<checks::ColumnConditions> columnConditions(
    const CalculationTable& table, OutputSystem system,
    const std::vector<std::optional<double>>& inletPressures = {});

std::vector<checks::Diagnostic> checkSession(
    const Session& session, const std::vector<std::optional<double>>& inletPressures = {});

// The limits in the options file, each a number as the batch tool's options
// and the settings page take it: velocities in m/s, gas drops in % of the
// inlet pressure, pressures in bar absolute ("" for a pressure not given).
struct CheckLimitKey {
    const char* key;
    const char* option;  // the batch tool's option
    const char* label;   // the settings page's caption
    const char* unit;
};
inline constexpr CheckLimitKey kCheckLimitKeys[] = {
    {"checks/liquidVelocity", "--velocity-limit-liquid", "Velocity limit, liquid:", "m/s"},
    {"checks/gasVelocity", "--velocity-limit-gas", "Velocity limit, gas:", "m/s"},
    {"checks/gasDropCaution", "--gas-drop-caution", "Gas pressure drop, caution above:", "% of p1"},
    {"checks/gasDropWarning", "--gas-drop-warning", "Gas pressure drop, warning above:", "% of p1"},
    {"checks/machCaution", "--mach-caution", "Mach number, caution above:", ""},
    {"checks/machWarning", "--mach-warning", "Mach number, warning above:", ""},
    {"checks/kappa", "--kappa", "Isentropic exponent κ of the gas:", ""},
    {"checks/lineInletPressure", "--line-inlet-pressure",
     "Inlet pressure of the line (abs.):", "bar"},
    {"checks/vapourPressure", "--vapour-pressure", "Vapour pressure of the liquid:", "bar"},
};
inline constexpr std::size_t kCheckLimitCount = std::size(kCheckLimitKeys);

// The value of limit `index` as its text ("3", "10", "" for no pressure).
std::string checkLimitText(const checks::CheckLimits& limits, std::size_t index);
// Sets limit `index` from a text read by the shared number reader ("" clears
// a pressure); false, and nothing changed, when the text does not read.
bool setCheckLimit(checks::CheckLimits& limits, std::size_t index, const std::string& text);

// The limits from the options file's texts (`valueOf` gives nothing for a
// missing key): the defaults where a text does not read, and the defaults
// altogether when the limits read do not fit together (limitsProblem).
checks::CheckLimits readCheckLimits(
    const std::function<std::optional<std::string>(const char* key)>& valueOf);

}  // namespace tolvane
