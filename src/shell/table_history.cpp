#include "shell/table_history.h"

#include <functional>
#include <unordered_map>

namespace tolvane {

namespace {

// Rows 1..24; row 0 is kept apart.
std::size_t contentHash(const CalculationColumn& column) {
    std::size_t h = 0;
    for (int r = 1; r < kTableRows; ++r)
        h = h * 1000003u ^ std::hash<std::string>{}(column[static_cast<std::size_t>(r)]);
    return h;
}

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
    std::unordered_multimap<std::size_t, std::shared_ptr<const CalculationColumn>> earlier;
    if (last_) {
        earlier.reserve(last_->columns.size());
        for (const auto& column : last_->columns) earlier.emplace(contentHash(*column), column);
    }

    auto snapshot = std::make_shared<TableSnapshot>();
    const int count = table.ColCount();
    snapshot->columns.reserve(static_cast<std::size_t>(count));
    snapshot->numbers.reserve(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) {
        CalculationColumn cells = table.column(c);
        snapshot->numbers.push_back(std::move(cells[Row::Number]));
        cells[Row::Number].clear();
        std::shared_ptr<const CalculationColumn> shared;
        auto [from, to] = earlier.equal_range(contentHash(cells));
        for (auto it = from; it != to && !shared; ++it)
            if (sameContent(*it->second, cells)) shared = it->second;
        if (!shared) shared = std::make_shared<const CalculationColumn>(std::move(cells));
        snapshot->columns.push_back(std::move(shared));
    }
    snapshot->columnWidths = table.columnWidths;
    snapshot->defaultColumnWidth = table.defaultColumnWidth;
    snapshot->defaultRowHeight = table.defaultRowHeight;
    snapshot->font = table.font;
    snapshot->output = session.settings.output;
    snapshot->totalText = table.totalText();
    last_ = snapshot;
    return snapshot;
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
    table.columnWidths = snapshot.columnWidths;
    table.defaultColumnWidth = snapshot.defaultColumnWidth;
    table.defaultRowHeight = snapshot.defaultRowHeight;
    table.font = snapshot.font;
}

}  // namespace tolvane
