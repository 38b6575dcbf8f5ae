// Recalculate all: the columns run again with the panels' medium give the
// columns a fresh Calculate of the same elements appends; refused columns
// keep their texts and are named with their reasons; the branch keeps the
// share of the main flow that was typed.
#include <gtest/gtest.h>

#include <functional>

#include "results/column_reading.h"
#include "shell/calculate_command.h"
#include "shell/table_recalc.h"
#include "shell_harness.h"

namespace tolvane::shelltest {
namespace {

using Entry = std::function<void(FormState&, const std::string& flow)>;

// A pipe, a bend and a branch taking `share` of the main flow. A US table
// records its dimensions in inches and feet, so the US line is typed in them.
std::vector<Entry> line(double share, bool us) {
    auto dimension = [us](FormState& f, int row, const char* mm, const char* in) {
        f.element.rows[row].unit.index = us ? 1 : 0;
        f.element.rows[row].text = us ? in : mm;
    };
    return {
        [=](FormState& f, const std::string&) {
            chooseElementKind(f, {1, 1});
            dimension(f, 0, "80", "3");
            dimension(f, 1, "12", "40");
        },
        [=](FormState& f, const std::string&) {
            chooseElementKind(f, {4, 1});
            dimension(f, 0, "80", "3");
            dimension(f, 1, "160", "6");
            f.element.quantity = "4";
        },
        [=](FormState& f, const std::string& flow) {
            chooseElementKind(f, {5, 5});
            dimension(f, 0, "80", "3");
            dimension(f, 1, "50", "2");
            dimension(f, 2, "10", "0.5");
            f.extra.branchFlow = std::to_string(std::stod(flow) * share);
        },
    };
}

Session tableAt(const std::string& flow, OutputSystem output, double share = 0.4) {
    Session s;
    s.settings.output = output;
    s.table.writeHeadings(output, s.settings.decimals);
    s.form.medium.flow = flow;
    int n = 0;
    for (const Entry& entry : line(share, output == OutputSystem::US)) {
        entry(s.form, flow);
        s.table.setCell(s.table.trailingColumn(), Row::Specification,
                        "part " + std::to_string(++n));
        RecordingMessageSink sink;
        EXPECT_TRUE(Calculate(s, sink, [] { return std::optional<double>(0.1); }).added)
            << testing::PrintToString(texts(sink));
    }
    return s;
}

struct RecalcCase {
    const char* name;
    OutputSystem output;
    const char* from;
    const char* to;
    double share;  // of the main flow taken by the branch
};
std::ostream& operator<<(std::ostream& os, const RecalcCase& c) { return os << c.name; }

class RecalcEqualsFreshTable : public testing::TestWithParam<RecalcCase> {};

TEST_P(RecalcEqualsFreshTable, AtTwiceTheFlow) {
    const RecalcCase& c = GetParam();
    Session session = tableAt(c.from, c.output, c.share);
    session.form.medium.flow = c.to;
    const Session before = session;
    const TableRecalc recalc = RecalculateTable(session);
    const Session fresh = tableAt(c.to, c.output, c.share);

    EXPECT_TRUE(recalc.refusedColumns().empty());
    for (int col = 1; col <= 3; ++col)
        for (int row = 0; row < kTableRows; ++row)
            EXPECT_EQ(recalc.table.cell(col, row), fresh.table.cell(col, row))
                << "column " << col << " row " << row;
    EXPECT_EQ(recalc.table.totalText(), fresh.table.totalText());
    EXPECT_EQ(session.table.clipboardText(), before.table.clipboardText());  // untouched
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RecalcEqualsFreshTable,
    testing::Values(RecalcCase{"metric_branch_4_of_10", OutputSystem::Metric, "10", "20", 0.4},
                    RecalcCase{"metric_branch_3_of_7", OutputSystem::Metric, "7", "14", 3.0 / 7.0},
                    RecalcCase{"metric_branch_quarter_down", OutputSystem::Metric, "10", "2.5",
                               0.25},
                    RecalcCase{"us_branch_4_of_10", OutputSystem::US, "10", "20", 0.4}),
    [](const auto& tp) { return std::string(tp.param.name); });

// 3 of 7 m³/h is neither a short share nor a short flow in gal/min: the US
// texts carry the branch flow only as far as the velocities' rounding.
TEST(TableRecalc, ABranchShareTheTextsDoNotHoldComesBackWithinTheirRounding) {
    Session session = tableAt("7", OutputSystem::US, 3.0 / 7.0);
    session.form.medium.flow = "14";
    const TableRecalc recalc = RecalculateTable(session);
    const Session fresh = tableAt("14", OutputSystem::US, 3.0 / 7.0);
    const double w2 = cellNumber(fresh.table.cell(3, Row::Velocity2));
    EXPECT_NEAR(cellNumber(recalc.table.cell(3, Row::Velocity2)), w2, 1e-3 * w2);
    EXPECT_EQ(recalc.table.cell(3, Row::Velocity), fresh.table.cell(3, Row::Velocity));
}

TEST(TableRecalc, NotesOfRecalculatedColumnsAreKeptForOneMessage) {
    Session session = tableAt("10", OutputSystem::Metric);
    EXPECT_EQ(recalcNotesText(RecalculateTable(session)), "");
    session.form.medium.flow = "0.51";  // Re 2,250 in 80 mm: the transition range
    const TableRecalc recalc = RecalculateTable(session);
    // The bend refuses a laminar flow; the pipe calculates with its note.
    ASSERT_TRUE(recalc.columns[0].recalculated);
    const std::string notes = recalcNotesText(recalc);
    EXPECT_EQ(notes.rfind("Notes on the recalculated columns:\r1: ", 0), 0u) << notes;
    EXPECT_EQ(notes.find('\n'), std::string::npos);
}

TEST(TableRecalc, KeepsWidthsSpecificationsAndNumbers) {
    Session session = tableAt("10", OutputSystem::Metric);
    session.table.setColumnWidth(2, 222);
    session.form.medium.flow = "15";
    const TableRecalc recalc = RecalculateTable(session);
    EXPECT_EQ(recalc.table.columnWidth(2), 222);
    for (int col = 1; col <= 3; ++col) {
        EXPECT_EQ(recalc.table.cell(col, Row::Specification), "part " + std::to_string(col));
        EXPECT_EQ(recalc.table.cell(col, Row::Number), std::to_string(col));
        EXPECT_EQ(recalc.table.cell(col, Row::RateOfFlow), "15.000");
    }
}

TEST(TableRecalc, RefusedColumnsKeepTheirTextsAndAreNamed) {
    Session session = tableAt("10", OutputSystem::Metric);
    session.table.setCell(2, Row::Element, "no such element/1");
    const CalculationColumn unreadable = session.table.column(2);
    session.form.medium.flow = "20";
    const TableRecalc recalc = RecalculateTable(session);

    EXPECT_EQ(recalc.refusedColumns(), std::vector<int>{2});
    EXPECT_EQ(recalc.table.column(2), unreadable);
    EXPECT_EQ(recalc.table.cell(1, Row::RateOfFlow), "20.000");
    const std::string text = recalcRefusalText(recalc);
    EXPECT_NE(text.find("\r2: The element of this column is none"), std::string::npos) << text;
    EXPECT_EQ(text.find("\r1: "), std::string::npos) << text;
}

TEST(TableRecalc, AnInvalidMediumRefusesEveryColumnWithCalculatesMessage) {
    Session session = tableAt("10", OutputSystem::Metric);
    session.form.medium.flow = "0";
    const TableRecalc recalc = RecalculateTable(session);
    EXPECT_EQ(recalc.refusedColumns(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(recalc.table.clipboardText(), session.table.clipboardText());
    EXPECT_NE(recalcRefusalText(recalc).find("\r1: The input in the input field >> Rate of flow "
                                             "in m³/h: << must be bigger than zero!\r2: "),
              std::string::npos)
        << recalcRefusalText(recalc);
}

TEST(TableRecalc, TheCurrentRoughnessIsUsedWhereAColumnNeedsOne) {
    Session session = tableAt("10", OutputSystem::Metric);
    session.roughness = 0.5;
    const TableRecalc recalc = RecalculateTable(session);
    EXPECT_EQ(recalc.table.cell(1, Row::Roughness), "0.500");
    EXPECT_NE(recalc.table.cell(1, Row::PressureDrop), session.table.cell(1, Row::PressureDrop));
}

TEST(ReplaceColumn, ThePanelsTakeTheColumnsPlaceWithItsSpecification) {
    Session session = tableAt("10", OutputSystem::Metric);
    chooseElementKind(session.form, {1, 1});
    session.form.element.rows[0].text = "80";
    session.form.element.rows[1].text = "30";
    session.form.element.quantity = "1";  // the bend's 4 stays with the panel
    RecordingMessageSink sink;
    const auto ask = [] { return std::optional<double>(0.1); };
    ASSERT_TRUE(ReplaceColumn(session, 2, sink, ask).added) << testing::PrintToString(texts(sink));
    EXPECT_EQ(session.table.calculationCount(), 3);
    EXPECT_EQ(session.table.cell(2, Row::Element), "circular/1");
    EXPECT_EQ(session.table.cell(2, Row::Dimension2), "Length of pipe L in m: 30.000");
    EXPECT_EQ(session.table.cell(2, Row::Specification), "part 2");
    EXPECT_EQ(session.table.cell(2, Row::Number), "2");
    EXPECT_FALSE(session.projectSaved);

    const std::string before = session.table.clipboardText();
    session.form.medium.flow = "0";  // refused as Calculate refuses it
    EXPECT_FALSE(ReplaceColumn(session, 2, sink, ask).added);
    for (int col : {0, 4, 99}) EXPECT_FALSE(ReplaceColumn(session, col, sink, ask).added) << col;
    EXPECT_EQ(session.table.clipboardText(), before);
}

TEST(CalculationTable, ReplaceColumnKeepsItsNumberAndRereadsTheDrop) {
    Session a = tableAt("10", OutputSystem::Metric), b = tableAt("20", OutputSystem::Metric);
    a.table.replaceColumn(2, b.table.column(2));
    a.table.updateTotal(OutputSystem::Metric, 3);
    EXPECT_EQ(a.table.cell(2, Row::Number), "2");
    EXPECT_EQ(a.table.cell(2, Row::PressureDrop), b.table.cell(2, Row::PressureDrop));
    auto drop = [](const Session& s, int col) {
        return cellNumber(s.table.cell(col, Row::PressureDrop));
    };
    const double expected = drop(a, 1) + drop(b, 2) + drop(a, 3);
    EXPECT_NEAR(a.table.total(), expected, 1e-9);
}

}  // namespace
}  // namespace tolvane::shelltest
