// The calculation table as it stood at one moment, for undo and redo: the
// cell texts of every column, the column widths, row height and font, and
// the unit system the texts are written in. Restoring a snapshot gives back
// the table exactly, texts and the numbers kept with them.
//
// A table may hold thousands of calculations and every change keeps two
// snapshots, so a snapshot shares each column whose texts did not change
// with the snapshot taken before it. Row 0 (the calculation number) is kept
// apart from the shared texts: a delete or a move renumbers every column
// right of it, and those columns are still shared.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "results/calculation_table.h"
#include "shell/session.h"

namespace tolvane {

struct TableSnapshot {
    std::vector<std::shared_ptr<const CalculationColumn>> columns;  // row 0 left empty
    std::vector<std::string> numbers;                               // row 0 of each column
    // What each column's next unit switch converts from (none before its first).
    std::vector<std::shared_ptr<const SwitchSource>> switchSources;
    std::vector<int> columnWidths;
    int defaultColumnWidth = 150;
    int defaultRowHeight = 16;
    TableFont font;
    OutputSystem output = OutputSystem::Metric;
    // An empty table shows "0.00 bar" when new and the total's own form
    // ("0.000 mbar or 0.000 bar") after its last calculation was deleted.
    std::string totalText;
};

// Same texts, look and unit system (the switch sources follow the texts).
bool sameTable(const TableSnapshot& a, const TableSnapshot& b);

// Takes snapshots of a session's table; each one shares the unchanged
// columns of the one taken before it.
class TableSnapshots {
public:
    std::shared_ptr<const TableSnapshot> take(const Session& session);
    // The next snapshot shares with `snapshot` (the state just restored).
    void sharingWith(std::shared_ptr<const TableSnapshot> snapshot) { last_ = std::move(snapshot); }

private:
    std::shared_ptr<const CalculationColumn> earlierColumn(int col,
                                                           const CalculationColumn& cells) const;
    std::shared_ptr<const TableSnapshot> last_;
};

// Puts the snapshot's table back into the session, with its unit system as
// the output setting; the total is computed again with the session's
// decimal places.
void restoreTable(Session& session, const TableSnapshot& snapshot);

}  // namespace tolvane
