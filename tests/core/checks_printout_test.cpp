// The list of checks printed after the table: nothing at all without
// checks, one new page per page of the list with the headings repeated,
// texts wrapped inside their column, and the pages counted on their own.
#include <gtest/gtest.h>

#include "checks/checks_printout.h"

namespace tolvane::checks {
namespace {

Diagnostic check(int column, const std::string& text) {
    return {column, "velocity", Severity::Caution, text, "checks.html#velocity"};
}

const PrintTexts kTexts{"LINE.TLV", "10.12.2026"};

TEST(ChecksPrintout, NoChecksNoPage) {
    RecordingPrintCanvas canvas(2770, 1900);
    printChecksAfterTable({}, kTexts, canvas);
    ASSERT_EQ(canvas.pages.size(), 1u);
    EXPECT_TRUE(canvas.pages[0].texts.empty());
}

TEST(ChecksPrintout, StartsOnANewPageWithItsHeadings) {
    RecordingPrintCanvas canvas(2770, 1900);
    printChecksAfterTable({check(2, "Velocity 9.90 m/s."), check(0, "Mixed.")}, kTexts, canvas);
    ASSERT_EQ(canvas.pages.size(), 2u);  // the page the table left open stays empty
    EXPECT_TRUE(canvas.pages[0].texts.empty());
    EXPECT_TRUE(canvas.findText(1, kPrintoutHeading + "LINE.TLV"));
    EXPECT_TRUE(canvas.findText(1, kChecksPrintTitle));
    EXPECT_TRUE(canvas.findText(1, "Checks, page 1 of 1"));
    EXPECT_TRUE(canvas.findText(1, "10.12.2026"));
    ASSERT_TRUE(canvas.findText(1, "table"));
    ASSERT_TRUE(canvas.findText(1, "Velocity 9.90"));
    EXPECT_LT(canvas.findText(1, "Velocity 9.90")->y, canvas.findText(1, "Mixed.")->y);
    EXPECT_EQ(canvas.findText(1, "caution")->bold, false);
    EXPECT_EQ(canvas.findText(1, "Severity")->bold, true);
}

TEST(ChecksPrintout, WrapsLongTextsInsideTheirColumn) {
    RecordingPrintCanvas canvas(2770, 1900);
    std::string text;
    for (int i = 0; i < 60; ++i) text += "word" + std::to_string(i) + " ";
    text.pop_back();
    printChecksAfterTable({check(1, text)}, kTexts, canvas);
    const int left = canvas.findText(1, "word0")->x;
    std::string joined;
    int lines = 0;
    for (const auto& t : canvas.pages[1].texts) {
        if (t.x != left || t.bold) continue;
        EXPECT_LE(left + static_cast<int>(t.text.size()) * RecordingPrintCanvas::charWidth(10),
                  2770);
        joined += (joined.empty() ? "" : " ") + t.text;
        ++lines;
    }
    EXPECT_GT(lines, 1);
    EXPECT_EQ(joined, text);
}

TEST(ChecksPrintout, ManyChecksTakeSeveralPagesCountedOnTheirOwn) {
    RecordingPrintCanvas canvas(2770, 1900);
    std::vector<Diagnostic> many;
    for (int i = 1; i <= 60; ++i) many.push_back(check(i, "line " + std::to_string(i)));
    const auto layout = layoutChecksPrint(many, canvas);
    ASSERT_GT(layout.size(), 1u);
    printChecksAfterTable(many, kTexts, canvas);
    ASSERT_EQ(canvas.pages.size(), layout.size() + 1);
    std::size_t rows = 0;
    for (std::size_t p = 0; p < layout.size(); ++p) {
        rows += layout[p].rows.size();
        const std::string foot =
            "Checks, page " + std::to_string(p + 1) + " of " + std::to_string(layout.size());
        EXPECT_TRUE(canvas.findText(p + 1, foot)) << foot;
        EXPECT_TRUE(canvas.findText(p + 1, "Severity"));
        // Every row stands above the foot line.
        for (const auto& t : canvas.pages[p + 1].texts)
            if (t.text.rfind("line ", 0) == 0) {
                EXPECT_LT(t.y, 1900 - 100);
            }
    }
    EXPECT_EQ(rows, many.size());
    EXPECT_TRUE(canvas.findText(layout.size(), "line 60"));
}

}  // namespace
}  // namespace tolvane::checks
