#include "shell/table_history.h"

namespace tolvane {

namespace {

// Rows 1..24; row 0 is kept apart.
bool sameContent(const CalculationColumn& a, const CalculationColumn& b) {
    for (int r = 1; r < kTableRows; ++r)
        if (a[static_cast<std::size_t>(r)] != b[static_cast<std::size_t>(r)]) return false;
    return true;
}

}  // namespace

bool sameTable(const TableSnapshot& a, const TableSnapshot& b) {
    if (a.columns.size() != b.columns.size() || a.numbers != b.numbers ||
        a.columnWidths != b.columnWidths || a.defaultColumnWidth != b.defaultColumnWidth ||
        a.defaultRowHeight != b.defaultRowHeight || !(a.font == b.font) || a.output != b.output)
        return false;
    for (std::size_t c = 0; c < a.columns.size(); ++c)
        if (a.columns[c] != b.columns[c] && !sameContent(*a.columns[c], *b.columns[c]))
            return false;
    return true;
}

std::shared_ptr<const TableSnapshot> TableSnapshots::take(const Session& session) {
    const CalculationTable& table = session.table;
    auto snapshot = std::make_shared<TableSnapshot>();
    const int count = table.ColCount();
    snapshot->columns.reserve(static_cast<std::size_t>(count));
    snapshot->numbers.reserve(static_cast<std::size_t>(count));
    snapshot->switchSources.reserve(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) {
        const CalculationColumn& live = table.column(c);
        snapshot->numbers.push_back(live[Row::Number]);
        snapshot->switchSources.push_back(table.switchSource(c));
        std::shared_ptr<const CalculationColumn> shared = earlierColumn(c, live);
        if (!shared) {
            CalculationColumn cells = live;
            cells[Row::Number].clear();
            shared = std::make_shared<const CalculationColumn>(std::move(cells));
        }
        snapshot->columns.push_back(std::move(shared));
    }
    snapshot->columnWidths = table.columnWidths();
    snapshot->defaultColumnWidth = table.defaultColumnWidth;
    snapshot->defaultRowHeight = table.defaultRowHeight;
    snapshot->font = table.font;
    snapshot->output = session.settings.output;
    snapshot->totalText = table.totalText();
    last_ = snapshot;
    return snapshot;
}

// A change moves a column by one place at most (a delete, a new column, a
// move shifts the columns between its ends by one), so the column is looked
// for at its own place and beside it in the snapshot before.
std::shared_ptr<const CalculationColumn> TableSnapshots::earlierColumn(
    int col, const CalculationColumn& cells) const {
    if (!last_) return nullptr;
    const int count = static_cast<int>(last_->columns.size());
    for (int c : {col, col + 1, col - 1}) {
        if (c < 0 || c >= count) continue;
        const auto& candidate = last_->columns[static_cast<std::size_t>(c)];
        if (sameContent(*candidate, cells)) return candidate;
    }
    return nullptr;
}

void restoreTable(Session& session, const TableSnapshot& snapshot) {
    if (snapshot.columns.size() < 2 || snapshot.numbers.size() != snapshot.columns.size()) return;
    CalculationTable& table = session.table;
    const int count = static_cast<int>(snapshot.columns.size());
    auto cellsOf = [&snapshot](int c) {
        CalculationColumn cells = *snapshot.columns[static_cast<std::size_t>(c)];
        cells[Row::Number] = snapshot.numbers[static_cast<std::size_t>(c)];
        return cells;
    };

    std::vector<CalculationColumn> calculations;
    calculations.reserve(static_cast<std::size_t>(count - 2));
    for (int c = 1; c < count - 1; ++c) calculations.push_back(cellsOf(c));
    table.setCalculations(std::move(calculations));

    session.settings.output = snapshot.output;
    // The heading column and the total of the unit system; then the texts
    // exactly as they were, the trailing column's specification included.
    table.writeHeadings(snapshot.output, session.settings.decimals);
    if (!table.hasValues() && table.totalText() != snapshot.totalText)
        table.updateTotal(snapshot.output, session.settings.decimals);
    for (int c : {0, count - 1}) {
        const CalculationColumn cells = cellsOf(c);
        for (int r = 0; r < kTableRows; ++r)
            table.setCell(c, r, cells[static_cast<std::size_t>(r)]);
    }
    if (snapshot.switchSources.size() == snapshot.columns.size())
        for (int c = 1; c < count - 1; ++c)
            table.setSwitchSource(c, snapshot.switchSources[static_cast<std::size_t>(c)]);
    table.defaultColumnWidth = snapshot.defaultColumnWidth;
    table.setColumnWidths(snapshot.columnWidths);
    table.defaultRowHeight = snapshot.defaultRowHeight;
    table.font = snapshot.font;
}

}  // namespace tolvane
