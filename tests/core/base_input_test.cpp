// Reading typed numbers, the bad-input message and the range check with its
// three messages.
#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

#include "base/input_number.h"

namespace tolvane {
namespace {

struct Reading {
    const char* text;
    std::optional<double> value;  // nothing: the text does not read
};

std::ostream& operator<<(std::ostream& os, const Reading& r) { return os << '"' << r.text << '"'; }

class ReadNumber : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadNumber, reads_or_refuses) {
    const Reading& r = GetParam();
    std::optional<double> got = readNumber(r.text);
    ASSERT_EQ(got.has_value(), r.value.has_value());
    if (r.value) {
        EXPECT_DOUBLE_EQ(*got, *r.value);
    }

    RecordingMessageSink sink;
    InputCheck check(sink);
    double parsed = ParseInputNumber(r.text, check);
    EXPECT_EQ(check.InputValid, r.value.has_value());
    if (r.value) {
        EXPECT_DOUBLE_EQ(parsed, *r.value);
    }
    EXPECT_TRUE(sink.messages.empty());  // the parser itself never shows anything
}

const Reading kReadings[] = {
    {"12,5", 12.5},
    {"  12,5  ", 12.5},
    {"12.5", 12.5},
    {"1 500", 1500},
    {"1,5", 1.5},
    {"", 0.0},
    {"   ", 0.0},
    {"0", 0.0},
    {"-0", 0.0},
    {"+7", 7},
    {"-3.25", -3.25},
    {"1.", 1.0},
    {".5", 0.5},
    {",5", 0.5},
    {"-.5e3", -500},
    {"2E-3", 0.002},
    {"2e+3", 2000},
    {"- 4", -4},
    {"1e-400", 0.0},
    {"000123", 123},
    {"1e308", 1e308},
    {"12.5.1", std::nullopt},
    {"1,5,5", std::nullopt},
    {"abc", std::nullopt},
    {"inf", std::nullopt},
    {"-inf", std::nullopt},
    {"nan", std::nullopt},
    {"infinity", std::nullopt},
    {"0x10", std::nullopt},
    {"1e400", std::nullopt},
    {"-1e400", std::nullopt},
    {"1000e306", std::nullopt},
    {".", std::nullopt},
    {"-", std::nullopt},
    {"+-1", std::nullopt},
    {"e5", std::nullopt},
    {"1e", std::nullopt},
    {"1e+", std::nullopt},
    {"1.2e3.4", std::nullopt},
    {"12a", std::nullopt},
    {"\t12", std::nullopt},
    {"12\n", std::nullopt},
    {"1_000", std::nullopt},
    {"5%", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumber, ::testing::ValuesIn(kReadings));

TEST(ReadNumberLocale, point_and_comma_read_alike_under_a_comma_locale) {
    // Where a German locale is installed, it must not change the reading.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_DOUBLE_EQ(*readNumber("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(*readNumber("1,25"), 1.25);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!german) GTEST_SKIP() << "no de_DE locale on this machine";
}

TEST(ParseInputNumber, keeps_input_valid_cleared_once_a_field_failed) {
    RecordingMessageSink sink;
    InputCheck check(sink);
    ParseInputNumber("abc", check);
    EXPECT_FALSE(check.InputValid);
    ParseInputNumber("12", check);
    EXPECT_FALSE(check.InputValid);
}

TEST(ReportBadInput, names_the_label_and_moves_focus) {
    RecordingMessageSink sink;
    InputCheck check(sink);
    ReportBadInput(check, "Diameter of pipe D:", "Va1_Edit");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].type, MessageType::Error);
    EXPECT_EQ(sink.messages[0].text,
              "Incorrect input in the input field\r\"Diameter of pipe D:\"!");
    EXPECT_EQ(check.focus, "Va1_Edit");
}

const std::string kLabel = "Diameter of pipe D:";
const std::string kZero =
    "The input in the input field \r>> Diameter of pipe D: << \rmust be bigger than zero!";
std::string tooSmall(const std::string& limit) {
    return "The input in the input field \r>> Diameter of pipe D: << \rmust be bigger than\r>> " +
           limit + " << \r! Please correct it!";
}
std::string tooLarge(const std::string& limit) {
    return "The input in the input field \r>> Diameter of pipe D: << \rmust be smaller than\r>> " +
           limit + " << \r! Please correct it!";
}

struct RangeCase {
    const char* name;
    bool checkMinimum, checkMaximum, allowZero;
    double value, minimum, maximum;
    std::vector<std::string> messages;  // in the order shown
};

std::ostream& operator<<(std::ostream& os, const RangeCase& c) { return os << c.name; }

class CheckRangeCases : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CheckRangeCases, shows_messages_in_order) {
    const RangeCase& c = GetParam();
    RecordingMessageSink sink;
    InputCheck check(sink);
    RangeLimits limits;
    if (c.checkMinimum) limits.minimum = c.minimum;
    if (c.checkMaximum) limits.maximum = c.maximum;
    limits.allowZero = c.allowZero;
    CheckRange(check, c.value, limits, kLabel, "Va1_Edit");
    std::vector<std::string> shown;
    for (const Message& m : sink.messages) {
        EXPECT_EQ(m.type, MessageType::Error);
        shown.push_back(m.text);
    }
    EXPECT_EQ(shown, c.messages);
    EXPECT_EQ(check.ChecksPassed, c.messages.empty());
    EXPECT_EQ(check.focus, c.messages.empty() ? "" : "Va1_Edit");
}

const RangeCase kRangeCases[] = {
    {"positive_passes", false, false, false, 5, 0, 0, {}},
    {"empty_field_zero_refused", false, false, false, 0, 0, 0, {kZero}},
    {"zero_allowed", false, false, true, 0, 0, 0, {}},
    {"negative_even_when_zero_allowed", false, false, true, -1, 0, 0, {kZero}},
    {"negative_below_positive_minimum_twice",
     true,
     false,
     true,
     -5,
     10,
     0,
     {kZero, tooSmall("10.0")}},
    {"minimum_accepts_equal", true, false, false, 10, 10, 0, {}},
    {"below_minimum", true, false, false, 9.99, 10, 0, {tooSmall("10.0")}},
    {"minimum_written_with_one_decimal", true, false, false, 0.1, 0.5, 0, {tooSmall("0.5")}},
    {"maximum_refuses_equal", false, true, false, 100, 0, 100, {tooLarge("100.0")}},
    {"just_below_maximum", false, true, false, 99.999, 0, 100, {}},
    {"angle_of_ninety", false, true, false, 90, 0, 90, {tooLarge("90.0")}},
    {"zero_below_minimum_and_not_allowed", true, false, false, 0, 2, 0, {tooSmall("2.0"), kZero}},
    {"unchecked_limits_ignored", false, false, false, 500, 1000, 100, {}},
    {"not_a_number_refused",
     false,
     false,
     false,
     std::numeric_limits<double>::quiet_NaN(),
     0,
     0,
     {kZero}},
    {"infinite_refused",
     false,
     false,
     false,
     std::numeric_limits<double>::infinity(),
     0,
     0,
     {kZero}},
    {"infinite_above_maximum_once",
     false,
     true,
     false,
     std::numeric_limits<double>::infinity(),
     0,
     90,
     {tooLarge("90.0")}},
};

INSTANTIATE_TEST_SUITE_P(Values, CheckRangeCases, ::testing::ValuesIn(kRangeCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ReportCheckFailure, shows_text_and_clears_checks) {
    RecordingMessageSink sink;
    InputCheck check(sink);
    const std::string text = "Incorrect input in the input field!\rD2 must be smaller than D1!";
    ReportCheckFailure(check, text, "Va2_Edit");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], (Message{MessageType::Error, text, {}}));
    EXPECT_FALSE(check.ChecksPassed);
    EXPECT_EQ(check.focus, "Va2_Edit");
}

}  // namespace
}  // namespace tolvane
