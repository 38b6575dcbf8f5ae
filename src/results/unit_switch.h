// The unit switch of one calculation column. A column remembers the texts it
// had before its first switch (its source): every later switch converts from
// those texts, never from the texts of the switch before, so metric -> US ->
// metric gives back exactly the texts the column had, and a second round trip
// does not drift further than the first.
#pragma once

#include <memory>

#include "results/calculation_table.h"

namespace tolvane {

// The texts a column was switched from the first time: the rows a switch
// rewrites as they stood in `system`, written with `decimals` places (the
// setting at that switch); the other rows are left empty.
struct SwitchSource {
    CalculationColumn texts;
    OutputSystem system = OutputSystem::Metric;
    int decimals = 3;
};

// The rows a unit switch rewrites: rate of flow, density, viscosity, the three
// dimensions, the velocities, the roughness and the pressure drops.
bool isSwitchedRow(int row);

// The source of `column`, whose texts are in `system` and `decimals`.
std::shared_ptr<const SwitchSource> switchSourceOf(const CalculationColumn& column,
                                                   OutputSystem system, int decimals);

// Writes the switched rows of `column` in the units of `target` with
// `decimals` places. Back in the source's own system with its own decimals
// they are the source's texts; otherwise each row is converted from the
// source's text (in the source's system with other decimals: only written
// again). A cell that is empty stays empty. False, with `column` partly
// written, when a value would not be a number in the new units.
bool switchColumn(CalculationColumn& column, const SwitchSource& source, OutputSystem target,
                  int decimals);

}  // namespace tolvane
