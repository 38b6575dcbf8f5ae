// The batch tool's road from JSON text to JSON text against the plain way of
// doing each of its parts: string literals written by the JSON library, the
// total summed over the texts, the report read back against the table. Run
// on the benchmark's 10,000 random steps and on hand-made texts.
#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "batch_steps.h"
#include "base/input_number.h"
#include "cli/batch_input.h"
#include "cli/batch_output.h"
#include "cli/batch_run.h"
#include "cli/json_text.h"

namespace tolvane::cli {
namespace {

std::string libraryLiteral(const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string literal(const std::string& text) {
    std::string out;
    appendJsonString(out, text);
    return out;
}

struct LiteralCase {
    const char* name;
    std::string text;
};

TEST(JsonText, WritesWhatTheLibraryWrites) {
    const std::vector<LiteralCase> cases = {
        {"empty", ""},
        {"plain", "Total pressure drop:"},
        {"units", "m³/h, °C, 10-6 Ns/m², µ"},
        {"quote and backslash", "a \"b\" c\\d\\"},
        {"message line breaks", "Incorrect input!\r\nThe diameter\r"},
        {"named escapes", std::string("\b\t\n\f\r")},
        {"other controls", std::string("\x01\x02\x0b\x0e\x1f", 5) + std::string(1, '\0')},
        {"delete is kept", "\x7f"},
        {"three and four bytes", "\xe2\x82\xac \xf0\x9f\x98\x80"},
        {"Windows-1252 byte", "Stra\xdf" "e"},
        {"lone continuation", "a\x80z"},
        {"overlong slash", "\xc0\xaf"},
        {"overlong three bytes", "\xe0\x80\xaf"},
        {"surrogate", "\xed\xa0\x80"},
        {"above U+10FFFF", "\xf4\x90\x80\x80"},
        {"cut short at the end", "ab\xe2\x82"},
        {"cut short before ASCII", "\xe2\x82x\xf0\x9f\x98y"},
        {"FE FF", "\xfe\xff"},
        {"broken then escape", "\xc3\"\n"},
    };
    for (const LiteralCase& c : cases)
        EXPECT_EQ(literal(c.text), libraryLiteral(c.text)) << c.name;
}

// Every pair of bytes, each after an ASCII letter and before a quote: all
// two-byte sequences, good and broken, and every control character.
TEST(JsonText, EveryPairOfBytesAsTheLibrary) {
    std::string text = "a..\"";
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            text[1] = static_cast<char>(first);
            text[2] = static_cast<char>(second);
            ASSERT_EQ(literal(text), libraryLiteral(text)) << first << " " << second;
        }
    }
}

// Random texts of bytes that make long and broken sequences likely.
TEST(JsonText, RandomSequencesAsTheLibrary) {
    std::mt19937 random(7);
    const unsigned char pool[] = {'a', '"', '\\', '\n', 0x01, 0x7f, 0x80, 0x8f, 0x90, 0x9f, 0xa0,
                                  0xbf, 0xc2, 0xdf, 0xe0, 0xe1, 0xed, 0xef, 0xf0, 0xf1, 0xf4, 0xf5};
    for (int i = 0; i < 20000; ++i) {
        std::string text(1 + random() % 8, ' ');
        for (char& c : text) c = static_cast<char>(pool[random() % sizeof pool]);
        ASSERT_EQ(literal(text), libraryLiteral(text)) << i;
    }
}

class GeneratedSteps : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run_ = new BatchRun(runBatch(readBatchInput(bench::randomBatchInput())));
    }
    static void TearDownTestSuite() {
        delete run_;
        run_ = nullptr;
    }
    static BatchRun* run_;
};
BatchRun* GeneratedSteps::run_ = nullptr;

TEST_F(GeneratedSteps, AreAStudyWithRefusalsAndMessages) {
    const auto& steps = run_->steps;
    ASSERT_EQ(steps.size(), 10000u);
    int added = 0, withMessages = 0;
    for (const StepOutcome& s : steps) {
        added += s.added;
        withMessages += !s.messages.empty();
    }
    EXPECT_GT(added, 4000);
    EXPECT_LT(added, 9000);
    EXPECT_GT(withMessages, 1000);
    EXPECT_EQ(run_->session.table.calculationCount(), added);
}

TEST_F(GeneratedSteps, TotalIsTheSumOfTheTextsInColumnOrder) {
    const CalculationTable& table = run_->session.table;
    double sum = 0.0;
    for (int c = 1; c < table.ColCount() - 1; ++c)
        sum += readNumber(table.cell(c, Row::PressureDrop)).value_or(0.0);
    const double total = table.total();
    EXPECT_EQ(std::memcmp(&sum, &total, sizeof sum), 0) << total << " against " << sum;
}

TEST_F(GeneratedSteps, EveryLiteralIsTheLibrarys) {
    const CalculationTable& table = run_->session.table;
    for (int c = 0; c < table.ColCount(); ++c)
        for (const std::string& cell : table.column(c))
            ASSERT_EQ(literal(cell), libraryLiteral(cell)) << "column " << c;
    for (const StepOutcome& s : run_->steps)
        for (const Message& m : s.messages) ASSERT_EQ(literal(m.text), libraryLiteral(m.text));
}

TEST_F(GeneratedSteps, ReportReadsBackAsTheTableAndTheSteps) {
    const CalculationTable& table = run_->session.table;
    const auto report = nlohmann::json::parse(jsonReport(table, run_->steps));
    ASSERT_EQ(report["columns"].size(), static_cast<std::size_t>(table.calculationCount()));
    for (int row = 0; row < kTableRows; ++row)
        EXPECT_EQ(report["headings"][row], table.cell(0, row));
    for (int c = 1; c <= table.calculationCount(); ++c)
        for (int row = 0; row < kTableRows; ++row)
            ASSERT_EQ(report["columns"][c - 1][row], table.cell(c, row)) << c << " " << row;
    EXPECT_EQ(report["total"], table.totalText());
    ASSERT_EQ(report["steps"].size(), run_->steps.size());
    for (std::size_t i = 0; i < run_->steps.size(); ++i) {
        const auto& step = report["steps"][i];
        ASSERT_EQ(step["added"], run_->steps[i].added) << i;
        ASSERT_EQ(step["messages"].size(), run_->steps[i].messages.size()) << i;
        for (std::size_t m = 0; m < run_->steps[i].messages.size(); ++m)
            ASSERT_EQ(step["messages"][m]["text"], run_->steps[i].messages[m].text) << i;
    }
}

TEST(GeneratedInput, SameSeedSameBytesOtherSeedOtherBytes) {
    EXPECT_EQ(bench::randomBatchInput(500, 3), bench::randomBatchInput(500, 3));
    EXPECT_NE(bench::randomBatchInput(500, 3), bench::randomBatchInput(500, 4));
}

// A document that does not read is named as before the plain parse came
// first: by the library's text, or by the member holding the number.
TEST(ReadBatchInput, RefusedDocumentsNameTheirPlace) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"steps": [{}, {"medium": {"flow": 1e999}}]})",
         "steps[1].medium.flow: not a value that can be read: "},
        {R"({"steps": [{}, {"element": {"fields": ["1", 2e400]}}]})",
         "steps[1].element.fields[1]: not a value that can be read: "},
        {R"({"steps": [{"medium": }]})", "not valid JSON: "},
    };
    for (const auto& [text, start] : cases) {
        try {
            readBatchInput(text);
            ADD_FAILURE() << text << " was read";
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(start, 0), 0u) << e.what();
        }
    }
}

}  // namespace
}  // namespace tolvane::cli
