// Fitting column widths to their texts: the longest text of the column plus
// the margin, within the column width dialog's limits; empty columns at the
// default width, which new columns keep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/calculation_table.h"
#include "results/column_fit.h"

namespace tolvane {
namespace {

// One pixel per byte: the widths below read straight off the texts.
int bytes(std::string_view text) { return static_cast<int>(text.size()); }

CalculationTable tableWith(const std::vector<std::vector<std::pair<int, std::string>>>& columns) {
    CalculationTable table;
    std::vector<CalculationColumn> calculations;
    for (const auto& cells : columns) {
        CalculationColumn c{};
        for (const auto& [row, text] : cells) c[row] = text;
        calculations.push_back(c);
    }
    table.setCalculations(calculations);
    table.renumber();
    return table;
}

TEST(ColumnFit, width_is_the_longest_text_of_the_column_plus_the_margins) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> cells;
        int expected;
    };
    const std::string wide(3000, 'x');
    const Case cases[] = {
        {"one text", {{Row::Element, std::string(40, 'e')}}, 40 + 2 * kFitMargin},
        {"longest of several rows",
         {{Row::Medium, "Water/liq."},
          {Row::Dimension1, std::string(77, 'd')},
          {Row::PressureDrop, "1.5"}},
         77 + 2 * kFitMargin},
        {"a blank is text", {{Row::Regime, ""}, {Row::Option, " "}}, 1 + 2 * kFitMargin},
        {"capped at the dialog's maximum", {{Row::Specification, wide}}, kMaximumColumnWidth},
    };
    for (const Case& c : cases) {
        CalculationTable table = tableWith({c.cells});
        EXPECT_EQ(fittedColumnWidth(table, 1, bytes), c.expected) << c.name;
    }
}

TEST(ColumnFit, a_column_without_text_takes_the_default_width) {
    CalculationTable table = tableWith({{{Row::Element, "circular/1"}}});
    table.defaultColumnWidth = 123;
    EXPECT_EQ(fittedColumnWidth(table, table.trailingColumn(), bytes), 123);
    table.defaultColumnWidth = 0;  // a damaged project's default is still a dialog width
    EXPECT_EQ(fittedColumnWidth(table, table.trailingColumn(), bytes), kMinimumColumnWidth);
}

TEST(ColumnFit, the_measure_decides_not_the_byte_count) {
    CalculationTable table = tableWith({{{Row::Element, "iiii"}, {Row::Medium, "WW"}}});
    auto wideW = [](std::string_view text) {
        int w = 0;
        for (char ch : text) w += ch == 'W' ? 10 : 2;
        return w;
    };
    EXPECT_EQ(fittedColumnWidth(table, 1, wideW), 20 + 2 * kFitMargin);
}

TEST(ColumnFit, fitting_one_column_leaves_the_others_and_the_default) {
    CalculationTable table =
        tableWith({{{Row::Element, std::string(10, 'a')}}, {{Row::Element, std::string(90, 'b')}}});
    const std::vector<int> before = table.columnWidths();
    EXPECT_TRUE(fitColumn(table, 2, bytes));
    EXPECT_EQ(table.columnWidth(2), 90 + 2 * kFitMargin);
    EXPECT_EQ(table.columnWidth(1), before[1]);
    EXPECT_EQ(table.columnWidth(0), before[0]);
    EXPECT_EQ(table.defaultColumnWidth, 150);
    EXPECT_FALSE(fitColumn(table, 2, bytes)) << "already fitted";
    EXPECT_FALSE(fitColumn(table, -1, bytes));
    EXPECT_FALSE(fitColumn(table, table.ColCount(), bytes));
    EXPECT_EQ(table.columnWidths().size(), before.size());
}

TEST(ColumnFit, fit_all_sets_every_column_and_new_columns_start_at_the_default) {
    CalculationTable table =
        tableWith({{{Row::Element, std::string(10, 'a')}}, {{Row::Element, std::string(90, 'b')}}});
    table.writeHeadings(OutputSystem::Metric, 3);
    table.setColumnWidth(table.trailingColumn(), 400);
    EXPECT_TRUE(fitAllColumns(table, bytes));
    int longestHeading = 0;
    for (const std::string& text : table.column(0))
        longestHeading = std::max(longestHeading, bytes(text));
    EXPECT_EQ(table.columnWidth(0), longestHeading + 2 * kFitMargin);
    EXPECT_EQ(table.columnWidth(1), 10 + 2 * kFitMargin);
    EXPECT_EQ(table.columnWidth(2), 90 + 2 * kFitMargin);
    EXPECT_EQ(table.columnWidth(3), 150) << "the empty column back at the default";
    EXPECT_FALSE(fitAllColumns(table, bytes));
    table.addTrailingColumn();
    EXPECT_EQ(table.columnWidth(table.trailingColumn()), 150);
}

TEST(ColumnFit, the_batch_measure_counts_characters_not_bytes) {
    struct Case {
        const char* text;
        int characters;
    };
    const Case cases[] = {{"", 0}, {"abc", 3}, {"m\xC2\xB3/h", 4}, {"\xE2\x80\x93", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(batchTextWidth(c.text), c.characters * kBatchPixelsPerCharacter) << c.text;
}

}  // namespace
}  // namespace tolvane
