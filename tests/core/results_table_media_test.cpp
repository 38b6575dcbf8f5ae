// The media of a table: each once in the order of its columns, and the note
// beside a total that adds columns of different media.
#include <gtest/gtest.h>

#include "results/short_display.h"

namespace tolvane {
namespace {

CalculationTable tableOf(const std::vector<std::string>& media) {
    CalculationTable table;
    std::vector<CalculationColumn> columns;
    for (const std::string& m : media) {
        CalculationColumn c{};
        c[Row::Medium] = m;
        columns.push_back(c);
    }
    table.setCalculations(columns);
    return table;
}

struct MediaCase {
    const char* name;
    std::vector<std::string> columns;
    std::vector<std::string> media;
    std::string note;
};

class TableMedia : public testing::TestWithParam<MediaCase> {};

TEST_P(TableMedia, OnceInColumnOrderWithTheirNote) {
    const MediaCase& c = GetParam();
    const CalculationTable table = tableOf(c.columns);
    EXPECT_EQ(tableMedia(table), c.media);
    EXPECT_EQ(mixedMediaNote(table), c.note);
    EXPECT_EQ(shortDisplayMedia(table), c.columns);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableMedia,
    testing::Values(MediaCase{"empty", {}, {}, ""},
                    MediaCase{"one_medium", {"water/liq.", "water/liq."}, {"water/liq."}, ""},
                    MediaCase{"three_media",
                              {"water/liq.", "air/gas.", "water/liq.", "glycerol/liq."},
                              {"water/liq.", "air/gas.", "glycerol/liq."},
                              "adds columns of 3 media: water/liq., air/gas., glycerol/liq."},
                    // The same name as liquid and as gas is two media.
                    MediaCase{"state_differs",
                              {"water/liq.", "water/gas."},
                              {"water/liq.", "water/gas."},
                              "adds columns of 2 media: water/liq., water/gas."}),
    [](const auto& tp) { return std::string(tp.param.name); });

}  // namespace
}  // namespace tolvane
