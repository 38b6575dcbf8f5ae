// The checks of a calculation table: each calculation column read from its
// texts (and, for a gas, the inlet pressure it was calculated with) gives
// diagnostics with a stable code, a severity, the column, an exact text and
// the anchor of its help paragraph. The checks only look: no text or number
// of the table changes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/flow_types.h"
#include "results/calculation_table.h"

namespace tolvane::checks {

enum class Severity { Information, Caution, Warning, Error };
const char* severityWord(Severity severity);  // "information", "caution" ...

struct Diagnostic {
    int column = 0;  // calculation column 1..n; 0 for the table as a whole
    std::string code;
    Severity severity = Severity::Caution;
    std::string text;
    std::string helpAnchor;  // "checks.html#<code>"
    bool operator==(const Diagnostic&) const = default;
};

struct CheckLimits {
    double liquidVelocity = 3.0;  // m/s
    double gasVelocity = 30.0;    // m/s
    double kappa = 1.4;           // isentropic exponent of the gas
    // Drop of a gas column (and of the gas columns together) over its inlet
    // pressure, as a fraction.
    double gasDropCaution = 0.10;
    double gasDropWarning = 0.40;
    double machCaution = 0.2;
    double machWarning = 0.5;
    // The line's absolute inlet pressure and the liquid's vapour pressure
    // (bar); the cavitation check runs only when both are given.
    std::optional<double> lineInletPressureBar;
    std::optional<double> vapourPressureBar;
    bool operator==(const CheckLimits&) const = default;
};

// "" when the limits can be used, else why not ("The Mach number of the
// warning must be above that of the caution.").
std::string limitsProblem(const CheckLimits& limits);

// What a column's texts do not hold directly: the absolute inlet pressure
// (bar) a gas column was calculated with, and the element with its inputs in
// base units (read back from the column by the caller), when they are known.
struct ColumnConditions {
    std::optional<double> inletPressureBar;
    std::optional<PipeElement> element;
};

// "Checks: 1 warning, 2 cautions (View > Checks)"; "" when there are none.
std::string checksSummary(const std::vector<Diagnostic>& diagnostics);

// Every check over every calculation column (transition, velocity, Mach,
// gas drop, laminar fitting, correlation range, cavitation), then those of
// the line (gas line pressure, mixed media), in column order.
// `conditions[k]` belongs to column k + 1 (missing ones are unknown).
std::vector<Diagnostic> checkTable(const CalculationTable& table, OutputSystem system,
                                   const std::vector<ColumnConditions>& conditions,
                                   const CheckLimits& limits = {});

}  // namespace tolvane::checks
