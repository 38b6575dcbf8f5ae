// One reader of table lines for every data file, with the line limit each
// kind of table takes: the property tables 8,192 bytes, the fitting tables
// 4,096. A table beyond its limit, binary bytes or more than 4 MB is no table.
#include <gtest/gtest.h>

#include <string>

#include "properties/data_lines.h"
#include "properties/zeta_database.h"

namespace tolvane {
namespace {

// A fitting line of `bytes` bytes: its specification padded with blanks.
std::string fittingLine(std::size_t bytes) {
    const std::string tail = "\t100\t0.5";
    return std::string(bytes - tail.size(), 'x') + tail;
}

struct LimitCase {
    const char* name;
    std::size_t lineBytes;
    bool propertyTable;  // read by dataFileLines
    bool fittingTable;   // read by parseZetaFile
};
std::ostream& operator<<(std::ostream& os, const LimitCase& c) { return os << c.name; }

class TableLineLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(TableLineLimits, EachReaderTakesItsOwnLimit) {
    const LimitCase& c = GetParam();
    const std::string bytes = "first\t100\t0.5\r\n" + fittingLine(c.lineBytes) + "\r\n";
    EXPECT_EQ(dataFileLines(bytes).has_value(), c.propertyTable);
    EXPECT_EQ(parseZetaFile(bytes).has_value(), c.fittingTable);
}

INSTANTIATE_TEST_SUITE_P(Lines, TableLineLimits,
                         testing::Values(LimitCase{"short", 40, true, true},
                                         LimitCase{"at_fitting_limit", 4096, true, true},
                                         LimitCase{"over_fitting_limit", 4097, true, false},
                                         LimitCase{"at_property_limit", 8192, true, false},
                                         LimitCase{"over_property_limit", 8193, false, false}),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(TableLines, RawLinesKeepBlankLinesAndEveryLineEnd) {
    const auto lines = rawTableLines("a\r\n\r\nb\nc\rd", kPropertyLineLimit);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"a", "", "b", "c", "d"}));
}

TEST(TableLines, BinaryOrHugeBytesAreNoTable) {
    EXPECT_FALSE(rawTableLines(std::string("a\0b", 3), kPropertyLineLimit));
    EXPECT_FALSE(rawTableLines(std::string(30, '\x01') + "abc", kPropertyLineLimit));
    EXPECT_FALSE(rawTableLines(std::string(4 * 1024 * 1024 + 1, 'a'), 1u << 30));
}

}  // namespace
}  // namespace tolvane
