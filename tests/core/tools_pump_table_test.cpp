// The pump editor's table: a file's points come back as texts in its units,
// a table is checked by the pump file's reader with the fault named by row,
// and clipboard lines of two to five TAB-separated columns become rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/pump_table.h"

namespace tolvane {
namespace {

PumpTable threeRows() {
    PumpTable t;
    t.name = "test";
    t.rows = {{"0", "32", "0", "1,5", ""},
              {"10", "31", "55", "1.8", ""},
              {"20", "27.5", "60", "2.4", ""}};
    return t;
}

TEST(PumpTable, RefusalsNameTheRow) {
    struct Case {
        const char* what;
        std::size_t row;
        PumpTableRow changed;
        std::string problem;
    } const cases[] = {
        {"flow not increasing",
         2,
         {"5", "27.5", "60", "2.4", ""},
         "point 3, flow: not greater than the flow of point 2"},
        {"negative head", 1, {"10", "-1", "55", "1.8", ""}, "point 2, head: negative"},
        {"a word", 0, {"zero", "32", "0", "1.5", ""}, "point 1, flow: not a number"},
        {"blank head", 1, {"10", "", "55", "1.8", ""}, "point 2, head: missing"},
        {"efficiency at some points",
         2,
         {"20", "27.5", "", "2.4", ""},
         "point 3, efficiency: given at some points only (all or none)"},
        {"efficiency above 100",
         0,
         {"0", "32", "101", "1.5", ""},
         "point 1, efficiency: out of range"},
    };
    for (const Case& c : cases) {
        PumpTable t = threeRows();
        t.rows[c.row] = c.changed;
        const PumpFileOutcome out = pumpFileOfTable(t);
        EXPECT_FALSE(out.file) << c.what;
        EXPECT_EQ(out.problem, c.problem) << c.what;
    }
    PumpTable two = threeRows();
    two.rows.pop_back();
    EXPECT_EQ(pumpFileOfTable(two).problem, "points: fewer than 3 points");
    PumpTable slow = threeRows();
    slow.speed = "0";
    EXPECT_EQ(pumpFileOfTable(slow).problem, "speed_rpm: must be greater than 0");
}

TEST(PumpTable, ATableAndItsFileGoBothWays) {
    PumpTable t = threeRows();
    t.flowUnit = "l/s";
    t.headUnit = "ft.";
    const PumpFileOutcome out = pumpFileOfTable(t);
    ASSERT_TRUE(out.file) << out.problem;
    // Base units: 10 l/s = 36 m³/h, 31 ft = 9.4488 m; NPSH in the head unit.
    EXPECT_NEAR(out.file->pump.points[1].flow, 36.0, 1e-9);
    EXPECT_NEAR(out.file->pump.points[1].head, 31 * 0.3048, 1e-12);
    EXPECT_NEAR(*out.file->pump.points[0].npshr, 1.5 * 0.3048, 1e-12);
    EXPECT_FALSE(out.file->pump.points[0].power);
    const PumpTable back = pumpTableOf(*out.file);
    EXPECT_EQ(back.flowUnit, "l/s");
    EXPECT_EQ(back.headUnit, "ft.");
    EXPECT_EQ(back.name, "test");
    ASSERT_EQ(back.rows.size(), 3u);
    EXPECT_EQ(back.rows[0], (PumpTableRow{"0", "32", "0", "1.5", ""}));
    EXPECT_EQ(back.rows[2], (PumpTableRow{"20", "27.5", "60", "2.4", ""}));
}

TEST(PumpTable, ClipboardLinesOfTwoToFiveColumns) {
    struct Case {
        const char* text;
        std::vector<PumpTableRow> rows;
        std::string problem;
    } const cases[] = {
        {"0\t32\r\n10\t31\r\n", {{"0", "32", "", "", ""}, {"10", "31", "", "", ""}}, ""},
        {"0\t32\t0\t1.5\t4.2\n\n  \n5\t31\t40\t1.6\t4.9",
         {{"0", "32", "0", "1.5", "4.2"}, {"5", "31", "40", "1.6", "4.9"}},
         ""},
        {"0\t32\n10\n",
         {},
         "Line 2 of the clipboard has 1 columns; two to five TAB-separated columns are pasted "
         "(rate of flow, head, efficiency, NPSH required, shaft power)."},
        {"0\t1\t2\t3\t4\t5",
         {},
         "Line 1 of the clipboard has 6 columns; two to five TAB-separated columns are pasted "
         "(rate of flow, head, efficiency, NPSH required, shaft power)."},
        {"", {}, ""},
    };
    for (const Case& c : cases) {
        const PastedRows got = rowsFromClipboard(c.text);
        EXPECT_EQ(got.rows, c.rows) << c.text;
        EXPECT_EQ(got.problem, c.problem) << c.text;
    }
}

}  // namespace
}  // namespace tolvane
