// A second opinion on every loss of a calculation table: each column's
// element (read back by the caller, as the plant curve reads it) is given to
// the published methods of its kind at the column's own Reynolds number; each
// coefficient becomes a pressure drop on the column's velocity basis, the
// line gets the range of its total with every column at its lowest and at
// its highest published coefficient, and a gas line its isothermal solution
// with the pressure carried from column to column. Nothing of the table
// changes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checks/line_checks.h"
#include "engine/published_methods.h"
#include "results/calculation_table.h"

namespace tolvane::checks {

// What the texts of a column do not hold of its element, in base units.
struct OpinionElement {
    PipeElement element;
    double roughness = 0.0;    // mm, where the column records one
    double branchRatio = 1.0;  // main to branch rate of flow, branch kinds
};

struct Alternative {
    PublishedSource source = PublishedSource::Crane;
    double zeta = 0.0;
    double pressureDrop = 0.0;  // in the unit of row 23 (mbar or lbw./sq.ft.)
};

struct ColumnOpinion {
    int column = 0;
    double zeta = 0.0;          // this program's coefficient
    double pressureDrop = 0.0;  // this program's drop, row 23
    std::vector<Alternative> alternatives;
    double low = 0.0, high = 0.0;  // the drop at the lowest and highest published coefficient
};

// The gas columns carried one into the next, isothermally.
struct IsothermalLine {
    double inletBar = 0.0;
    double tableOutletBar = 0.0;  // the inlet less the table's gas drops
    std::optional<double> outletBar;  // nothing when the line chokes
    int chokedColumn = 0;             // the column where it chokes
};

struct SecondOpinion {
    std::vector<ColumnOpinion> columns;  // every calculation column, in order
    double total = 0.0, low = 0.0, high = 0.0;  // row 23's unit
    std::string pressureUnit;                   // "mbar" or "lbw./sq.ft."
    std::optional<IsothermalLine> gas;
};

// `elements[k]` belongs to column k + 1; a column without one keeps its own
// value. `conditions` as for checkTable (the gas columns' inlet pressures).
SecondOpinion secondOpinion(const CalculationTable& table, OutputSystem system,
                            const std::vector<OpinionElement>& elements,
                            const std::vector<ColumnConditions>& conditions);

// "ζ 0.175 (this program) — Crane 0.23, Rennels 0.24, Miller 0.23"; "" for a
// column without published alternatives.
std::string opinionText(const ColumnOpinion& column, int decimals);

// "total 1.642 bar; by the published methods 1.51 … 2.08 bar" (psi for US).
std::string rangeText(const SecondOpinion& opinion, OutputSystem system, int decimals);

// "isothermal outlet pressure 3.112 bar against 2.830 bar by the columns'
// correction (difference 0.282 bar)", or the column where the line chokes.
std::string isothermalText(const IsothermalLine& line, int decimals);

}  // namespace tolvane::checks
