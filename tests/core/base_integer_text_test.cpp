// The integer reader under the rule of each of its callers.
#include <gtest/gtest.h>

#include <optional>

#include "base/integer_text.h"

namespace tolvane {
namespace {

constexpr IntegerRule kProjectFile{IntegerBlanks::None};
constexpr IntegerRule kColumnWidth{IntegerBlanks::Leading};
constexpr IntegerRule kSettingsFile{IntegerBlanks::BothEnds};
constexpr IntegerRule kDataFileWhole{IntegerBlanks::BothEnds, 9};

constexpr std::optional<int> no;

TEST(ReadInteger, each_caller_keeps_its_rule) {
    struct {
        const char* text;
        std::optional<int> project, column, settings, data;
    } cases[] = {
        {"20", 20, 20, 20, 20},
        {"-180", -180, -180, -180, -180},
        {"+7", 7, 7, 7, 7},
        {" 20", no, 20, 20, 20},
        {"20 ", no, no, 20, 20},
        {"  20  ", no, no, 20, 20},
        {"", no, no, no, no},
        {"   ", no, no, no, no},
        {"+", no, no, no, no},
        {"-", no, no, no, no},
        {"+-5", -5, -5, -5, no},
        {"--5", no, no, no, no},
        {"2 0", no, no, no, no},
        {"20x", no, no, no, no},
        {"2.0", no, no, no, no},
        {"\t20", no, no, no, no},
        {"2147483647", 2147483647, 2147483647, 2147483647, no},
        {"-2147483648", -2147483647 - 1, -2147483647 - 1, -2147483647 - 1, no},
        {"2147483648", no, no, no, no},
        {"999999999", 999999999, 999999999, 999999999, 999999999},
        {"-999999999", -999999999, -999999999, -999999999, -999999999},
        {"0000000001", 1, 1, 1, no},
        {"-0", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readInteger(c.text, kProjectFile), c.project) << '"' << c.text << '"';
        EXPECT_EQ(readInteger(c.text, kColumnWidth), c.column) << '"' << c.text << '"';
        EXPECT_EQ(readInteger(c.text, kSettingsFile), c.settings) << '"' << c.text << '"';
        EXPECT_EQ(readInteger(c.text, kDataFileWhole), c.data) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace tolvane
