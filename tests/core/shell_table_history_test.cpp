// Undo and redo of the calculation table: a snapshot taken before a change
// brings the table back exactly (every text, the total and its text, the
// look and the unit system), the one taken after it does the change again,
// and snapshots share the columns a change left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "project_test_support.h"
#include "shell/table_history.h"

namespace tolvane {
namespace {

using testing_support::addCalculations;

// Everything of the table a user can see or save, as one comparable value.
struct Seen {
    std::vector<CalculationColumn> columns;
    double total;
    std::string totalText;
    std::vector<int> widths;
    int defaultWidth, rowHeight;
    TableFont font;
    OutputSystem output;
    bool operator==(const Seen&) const = default;
};

Seen seen(const Session& s) {
    Seen v{{},
           s.table.total(),
           s.table.totalText(),
           s.table.columnWidths(),
           s.table.defaultColumnWidth,
           s.table.defaultRowHeight,
           s.table.font,
           s.settings.output};
    for (int c = 0; c < s.table.ColCount(); ++c) v.columns.push_back(s.table.column(c));
    return v;
}

// A calculation written into the trailing column as a calculation does.
void appendCalculation(Session& s, const std::string& mbar) {
    CalculationTable& t = s.table;
    const int col = t.trailingColumn();
    t.setCell(col, Row::Medium, "water/liq.");
    t.setCell(col, Row::Element, "Gate valve/1");
    t.setCell(col, Row::PressureDrop, mbar);
    t.addTrailingColumn();
    t.renumber();
    t.updateTotal(s.settings.output, s.settings.decimals);
}

struct Change {
    const char* name;
    std::function<void(Session&)> apply;
};

const Change kChanges[] = {
    {"new calculation", [](Session& s) { appendCalculation(s, "7.250"); }},
    {"delete the middle one",
     [](Session& s) { s.table.deleteColumn(2, s.settings.output, s.settings.decimals); }},
    {"delete every calculation",
     [](Session& s) {
         s.table.deleteColumn(1, s.settings.output, s.settings.decimals);
         s.table.deleteColumn(1, s.settings.output, s.settings.decimals);
         s.table.deleteColumn(1, s.settings.output, s.settings.decimals);
     }},
    {"move first to last", [](Session& s) { s.table.moveColumn(1, 3); }},
    {"move the empty column between calculations", [](Session& s) { s.table.moveColumn(4, 2); }},
    {"specification of a calculation",
     [](Session& s) { s.table.setCell(2, Row::Specification, "pump suction"); }},
    {"specification of the next calculation",
     [](Session& s) { s.table.setCell(4, Row::Specification, "next"); }},
    {"unit switch",
     [](Session& s) {
         s.settings.output = OutputSystem::US;
         ASSERT_TRUE(s.table.convertUnits(OutputSystem::US, s.settings.decimals));
     }},
    {"zoom in", [](Session& s) { s.table.zoomIn(); }},
    {"zoom out", [](Session& s) { s.table.zoomOut(); }},
    {"font",
     [](Session& s) {
         TableFont f;
         f.name = "DejaVu Serif";
         f.size = 12;
         f.bold = true;
         s.table.changeFont(f);
     }},
    {"all widths", [](Session& s) { s.table.setDefaultColumnWidth(90); }},
    {"one width dragged", [](Session& s) { s.table.setColumnWidth(2, 311); }},
};

class TableHistory : public ::testing::TestWithParam<Change> {};

TEST_P(TableHistory, UndoRestoresExactlyAndRedoRepeats) {
    Session s;
    addCalculations(s, 3);
    s.table.setCell(s.table.trailingColumn(), Row::Specification, "typed ahead");
    TableSnapshots snapshots;
    const auto before = snapshots.take(s);
    const Seen original = seen(s);

    GetParam().apply(s);
    const Seen changed = seen(s);
    ASSERT_NE(changed, original) << "the change changes nothing";
    const auto after = snapshots.take(s);
    EXPECT_FALSE(sameTable(*before, *after));

    restoreTable(s, *before);
    EXPECT_EQ(seen(s), original);
    restoreTable(s, *after);
    EXPECT_EQ(seen(s), changed);
    restoreTable(s, *before);
    EXPECT_EQ(seen(s), original);
}

INSTANTIATE_TEST_SUITE_P(EveryChange, TableHistory, ::testing::ValuesIn(kChanges),
                         [](const ::testing::TestParamInfo<Change>& param) {
                             std::string n;
                             for (char ch : std::string(param.param.name))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) n += ch;
                             return n;
                         });

TEST(TableHistory, DeletedColumnComesBackWithItsDropInTheTotal) {
    Session s;
    addCalculations(s, 3);  // 1 + 2 + 3 mbar
    TableSnapshots snapshots;
    const auto before = snapshots.take(s);
    s.table.deleteColumn(2, s.settings.output, s.settings.decimals);
    EXPECT_DOUBLE_EQ(s.table.total(), 4.0);
    restoreTable(s, *before);
    EXPECT_DOUBLE_EQ(s.table.total(), 6.0);
    EXPECT_EQ(s.table.cell(2, Row::Element), "Gate valve/2");
    EXPECT_EQ(s.table.cell(3, Row::Number), "3");
}

TEST(TableHistory, EmptyTableComesBackWithTheEmptyTotalOfItsUnits) {
    Session s;
    s.settings.output = OutputSystem::US;
    s.table.writeHeadings(OutputSystem::US, 3);
    TableSnapshots snapshots;
    const auto empty = snapshots.take(s);
    appendCalculation(s, "5.000");
    restoreTable(s, *empty);
    EXPECT_FALSE(s.table.hasValues());
    EXPECT_EQ(s.table.totalText(), "0.00 psi");
    EXPECT_EQ(s.table.cell(1, Row::Number), "1");
}

TEST(TableHistory, RestoringTakesTheCurrentDecimalPlacesForTheTotal) {
    Session s;
    addCalculations(s, 2);
    TableSnapshots snapshots;
    const auto before = snapshots.take(s);
    s.settings.decimals = 1;
    restoreTable(s, *before);
    EXPECT_EQ(s.table.totalText(), "3.0 mbar or 0.0 bar");
}

TEST(TableHistory, SnapshotsShareTheColumnsAChangeLeftAlone) {
    Session s;
    addCalculations(s, 200);
    TableSnapshots snapshots;
    const auto before = snapshots.take(s);
    s.table.deleteColumn(1, s.settings.output, s.settings.decimals);  // renumbers the rest
    const auto after = snapshots.take(s);
    ASSERT_EQ(after->columns.size(), before->columns.size() - 1);
    int shared = 0;
    for (std::size_t c = 1; c < after->columns.size(); ++c)
        shared += after->columns[c] == before->columns[c + 1] ? 1 : 0;
    EXPECT_EQ(shared, 200);  // the 199 calculations and the trailing column
    EXPECT_EQ(after->numbers[1], "1");

    // A move from first to last shifts every other calculation by one place;
    // only the moved one is copied.
    s.table.moveColumn(1, s.table.calculationCount());
    const auto moved = snapshots.take(s);
    for (std::size_t c = 1; c < moved->columns.size() - 2; ++c) {
        const auto& column = moved->columns[c];
        EXPECT_TRUE(std::find(after->columns.begin(), after->columns.end(), column) !=
                    after->columns.end())
            << "column " << c << " copied, not shared";
    }
}

TEST(TableHistory, SameTableSeesAChangedWidthAndAChangedUnitSystem) {
    Session s;
    addCalculations(s, 2);
    TableSnapshots snapshots;
    const auto a = snapshots.take(s);
    EXPECT_TRUE(sameTable(*a, *snapshots.take(s)));
    s.table.setColumnWidth(1, s.table.columnWidth(1) + 1);
    EXPECT_FALSE(sameTable(*a, *snapshots.take(s)));
    s.table.setColumnWidth(1, s.table.columnWidth(1) - 1);
    s.settings.output = OutputSystem::US;
    EXPECT_FALSE(sameTable(*a, *snapshots.take(s)));
}

}  // namespace
}  // namespace tolvane
