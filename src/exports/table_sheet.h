// The calculation table as a sheet: one row per calculation in table order,
// a column for each table row (its heading without the colon names it and
// its unit), the element row parted into the kind's name and the quantity,
// and one column per dimension caption ("Diameter of pipe D in mm") in the
// order the captions first appear, so that a column holds one quantity in
// one unit. The last row is the total: the sums of the two pressure-drop
// columns, as the table's total adds its pressure drops.
#pragma once

#include "exports/sheet.h"
#include "results/calculation_table.h"

namespace tolvane::exports {

inline constexpr const char* kTotalRowLabel = "Total pressure drop";

Sheet tableSheet(const CalculationTable& table);

}  // namespace tolvane::exports
