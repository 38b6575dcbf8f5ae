// The printouts on a recording canvas: the table's columns per page, pages,
// frame, text places, footer and page numbers to the drawing unit; the one
// column per page when not even one fits; page ranges; the short display's
// lines and its page break.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/print_layout.h"
#include "results/print_service.h"
#include "results/short_display.h"

namespace tolvane {
namespace {

// A4 landscape between the table margins (130, 200, 130, 150 tenths of a mm).
constexpr int kW = 2709, kH = 1749;

// n calculations whose element text (row 7) is `elementChars` characters long.
CalculationTable tableWith(int n, std::size_t elementChars, const std::string& drop = "10.000") {
    CalculationTable t;
    std::vector<CalculationColumn> columns(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        CalculationColumn& c = columns[static_cast<std::size_t>(i)];
        c[Row::Medium] = "water/liq.";
        c[Row::Element] = std::string(elementChars, 'E');
        c[Row::PressureDrop] = drop;
        c[Row::PressureDropLarge] = "0.010";
        c[Row::Specification] = "spec " + std::to_string(i + 1);
    }
    t.setCalculations(std::move(columns));
    t.renumber();
    t.writeHeadings(OutputSystem::Metric, 3);
    return t;
}

const PrintTexts kTexts{"NONAME.TLV", "12/09/26"};

int countTextsOnPage(const RecordingPrintCanvas& c, std::size_t page, const std::string& prefix) {
    int count = 0;
    for (const auto& t : c.pages[page].texts)
        if (t.text.compare(0, prefix.size(), prefix) == 0) ++count;
    return count;
}

TEST(TablePrintLayout, FollowsThePageHeightAndTheWidestTexts) {
    const CalculationTable t = tableWith(5, 25);
    RecordingPrintCanvas canvas(kW, kH);
    const TablePrintLayout l = layoutTablePrint(t, canvas);
    EXPECT_EQ(l.lineHeight, 65);  // round(1749 / 27)
    EXPECT_EQ(l.fontPoints, 9);   // round(round(65 / 2) * 0.2834) = round(33 * 0.2834)
    EXPECT_EQ(l.m, 18);
    // The widest heading, "Press.drop branch.pipe mbar:", is 28 characters.
    EXPECT_EQ(l.headingWidth, 28 * 18 + 18);
    EXPECT_EQ(l.dataWidth, 25 * 18 + 18);
    EXPECT_EQ(l.columnsPerPage, 4);  // trunc(2187 / 468)
    EXPECT_EQ(l.pitch, 547);         // round(2187 / 4)
    EXPECT_EQ(l.pages, 2);
    EXPECT_FALSE(l.clipped);
}

TEST(TablePrintLayout, ColumnsPerPageDecidePages) {
    struct Case {
        int calculations;
        int pages;
    };
    for (const Case c :
         {Case{1, 1}, Case{4, 1}, Case{5, 2}, Case{8, 2}, Case{9, 3}, Case{1000, 250}}) {
        RecordingPrintCanvas canvas(kW, kH);
        EXPECT_EQ(layoutTablePrint(tableWith(c.calculations, 25), canvas).pages, c.pages)
            << c.calculations;
    }
}

TEST(TablePrintLayout, MsSansSerifPrintsInArialAnyOtherFontInItself) {
    EXPECT_EQ(tablePrintFontName("MS Sans Serif"), "Arial");
    EXPECT_EQ(tablePrintFontName("Courier New"), "Courier New");
    CalculationTable t = tableWith(1, 10);
    RecordingPrintCanvas canvas(kW, kH);
    printTable(t, kTexts, canvas);
    EXPECT_EQ(canvas.pages[0].texts.front().font, "Arial");
    t.font.name = "Courier New";
    RecordingPrintCanvas other(kW, kH);
    printTable(t, kTexts, other);
    EXPECT_EQ(other.pages[0].texts.front().font, "Courier New");
}

TEST(TablePrintout, FiveCalculationsAtFourPerPageFillTwoPages) {
    const CalculationTable t = tableWith(5, 25);
    RecordingPrintCanvas canvas(kW, kH);
    printTable(t, kTexts, canvas);
    ASSERT_EQ(canvas.pages.size(), 2u);

    // Page 2 holds calculation 5 in slot 1 and nothing in slots 2 to 4.
    const auto* fifth = canvas.findText(1, "spec 5");
    ASSERT_NE(fifth, nullptr);
    EXPECT_EQ(fifth->x, 522 + 9);
    EXPECT_EQ(countTextsOnPage(canvas, 1, "spec "), 1);
    EXPECT_EQ(countTextsOnPage(canvas, 0, "spec "), 4);
    const auto* fourth = canvas.findText(0, "spec 4");
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->x, 522 + 3 * 547 + 9);

    for (std::size_t page = 0; page < 2; ++page) {
        const auto* footer = canvas.findText(page, "Total pressure drop (Page 1 to 2) = ");
        ASSERT_NE(footer, nullptr) << page;
        EXPECT_EQ(footer->text, "Total pressure drop (Page 1 to 2) = " + t.totalText());
        EXPECT_EQ(footer->x, 522 + 9);
        EXPECT_EQ(footer->y, kH - 65 + 16);
        const std::string number = "Page " + std::to_string(page + 1) + " of 2";
        const auto* pageNumber = canvas.findText(page, number);
        ASSERT_NE(pageNumber, nullptr) << number;
        EXPECT_EQ(pageNumber->x, 9);
        EXPECT_EQ(pageNumber->y, kH + 9);
        const auto* date = canvas.findText(page, kTexts.date);
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(date->x + static_cast<int>(kTexts.date.size()) * 18, kW);  // right-aligned to W
        EXPECT_EQ(date->y, kH + 9);
        const auto* heading = canvas.findText(page, "Tolvane 4.1 for Windows - NONAME.TLV");
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->y, 16);
    }
}

TEST(TablePrintout, RowsStandOnTheirLinesRowFiveHasNone) {
    CalculationTable t = tableWith(1, 10);
    t.setCell(1, 5, "never printed");
    RecordingPrintCanvas canvas(kW, kH);
    printTable(t, kTexts, canvas);
    const int h = 65, down = 16;
    struct Case {
        const char* text;
        int y;
    };
    for (const Case c :
         {Case{"Calculating number:", 1 * h + down}, Case{"Flow medium:", 2 * h + down},
          Case{"Specification (user):", 6 * h + down},
          Case{"Element of pipe/quantity:", 7 * h + down},
          Case{"Pressure drop in bar:", 24 * h + down}}) {
        const auto* text = canvas.findText(0, c.text);
        ASSERT_NE(text, nullptr) << c.text;
        EXPECT_EQ(text->y, c.y) << c.text;
        EXPECT_EQ(text->x, 9) << c.text;
    }
    EXPECT_EQ(canvas.findText(0, "water/liq.")->y, 2 * h + down);
    EXPECT_EQ(canvas.findText(0, "never printed"), nullptr);
}

TEST(TablePrintout, FrameAndLinesKeepTheirPens) {
    RecordingPrintCanvas canvas(kW, kH);
    printTable(tableWith(4, 25), kTexts, canvas);
    const auto& lines = canvas.pages[0].lines;
    auto has = [&](int x1, int y1, int x2, int y2, int pen) {
        for (const auto& l : lines)
            if (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2 && l.penWidth == pen)
                return true;
        return false;
    };
    EXPECT_TRUE(has(0, 0, kW, 0, 4));
    EXPECT_TRUE(has(kW, 0, kW, kH, 4));
    EXPECT_TRUE(has(0, 65, kW, 65, 4));
    EXPECT_TRUE(has(0, kH - 65, kW, kH - 65, 4));
    EXPECT_TRUE(has(0, 2 * 65, kW, 2 * 65, 1));
    EXPECT_TRUE(has(0, 6 * 65, kW, 6 * 65, 4));
    EXPECT_TRUE(has(0, 25 * 65, kW, 25 * 65, 1));
    EXPECT_TRUE(has(522, 65, 522, kH - 65, 4));
    for (int j = 1; j <= 3; ++j) EXPECT_TRUE(has(522 + 547 * j, 65, 522 + 547 * j, kH - 65, 1));
    // 4 frame sides, 2 thick rules, 24 row lines, the heading column, k - 1 columns.
    EXPECT_EQ(lines.size(), 4u + 2u + 24u + 1u + 3u);
}

TEST(TablePrintout, NoColumnFitsOnePerPageCutAtItsCell) {
    // 200 characters are 3600 units, wider than the 2187 beside the headings.
    const CalculationTable t = tableWith(3, 200);
    RecordingPrintCanvas canvas(kW, kH);
    const TablePrintLayout l = layoutTablePrint(t, canvas);
    EXPECT_TRUE(l.clipped);
    EXPECT_EQ(l.columnsPerPage, 1);
    EXPECT_EQ(l.pitch, kW - 522);
    EXPECT_EQ(l.pages, 3);

    RecordingPrintCanvas out(kW, kH);
    printTable(t, kTexts, out);
    ASSERT_EQ(out.pages.size(), 3u);
    const auto* element = out.findText(2, std::string(200, 'E'));
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->x, 522 + 9);
    EXPECT_EQ(element->clipWidth, kW - 522 - 9);
    const auto* heading = out.findText(2, "Element of pipe/quantity:");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->clipWidth, 522 - 9);
    EXPECT_NE(out.findText(2, "Page 3 of 3"), nullptr);
}

TEST(TablePrintout, HeadingsWiderThanThePageTakeHalfOfIt) {
    RecordingPrintCanvas canvas(400, kH);
    const TablePrintLayout l = layoutTablePrint(tableWith(2, 10), canvas);
    EXPECT_TRUE(l.clipped);
    EXPECT_EQ(l.headingWidth, 200);
    EXPECT_EQ(l.columnsPerPage, 1);
    EXPECT_EQ(l.pages, 2);
}

TEST(TablePrintout, PageRangeDrawsOnlyItsPages) {
    const CalculationTable t = tableWith(9, 25);  // three pages
    RecordingPrintCanvas canvas(kW, kH);
    printTable(t, kTexts, canvas, PageRange{2, 2});
    ASSERT_EQ(canvas.pages.size(), 1u);
    EXPECT_NE(canvas.findText(0, "Page 2 of 3"), nullptr);
    EXPECT_NE(canvas.findText(0, "spec 5"), nullptr);
    EXPECT_EQ(canvas.findText(0, "spec 4"), nullptr);

    RecordingPrintCanvas tail(kW, kH);
    printTable(t, kTexts, tail, PageRange{2, 3});
    ASSERT_EQ(tail.pages.size(), 2u);
    EXPECT_NE(tail.findText(1, "Page 3 of 3"), nullptr);
}

TEST(TablePrintout, EmptyTablePrintsNothing) {
    RecordingPrintCanvas canvas(kW, kH);
    printTable(CalculationTable{}, kTexts, canvas);
    EXPECT_TRUE(canvas.pages[0].texts.empty());
    EXPECT_TRUE(canvas.pages[0].lines.empty());
}

TEST(TablePrintout, SpecificationTypedInTheShortDisplayIsPrinted) {
    CalculationTable t = tableWith(3, 10);
    ASSERT_TRUE(setLineSpecification(t, 2, "pump suction"));
    RecordingPrintCanvas canvas(kW, kH);
    printTable(t, kTexts, canvas);
    const auto* spec = canvas.findText(0, "pump suction");
    ASSERT_NE(spec, nullptr);
    EXPECT_EQ(spec->y, 6 * 65 + 16);
}

TEST(TablePrintSetup, LandscapeWithTheTableMargins) {
    const PrintSetup s = tablePrintSetup("NONAME.TLV");
    EXPECT_EQ(s.orientation, PageOrientation::Landscape);
    EXPECT_EQ(s.title, "TolvaneNONAME.TLV");
    EXPECT_EQ((std::vector<int>{s.marginLeft, s.marginTop, s.marginRight, s.marginBottom}),
              (std::vector<int>{130, 200, 130, 150}));
}

TEST(ShortDisplayPrintSetup, PortraitWithTheTablesMargins) {
    // Text at the sheet's very edge falls into what printers cannot print.
    const PrintSetup d = shortDisplayPrintSetup("A.TLV");
    const PrintSetup t = tablePrintSetup("A.TLV");
    EXPECT_EQ(d.orientation, PageOrientation::Portrait);
    EXPECT_EQ((std::vector<int>{d.marginLeft, d.marginTop, d.marginRight, d.marginBottom}),
              (std::vector<int>{t.marginLeft, t.marginTop, t.marginRight, t.marginBottom}));
    EXPECT_GT(d.marginLeft, 0);
    EXPECT_GT(d.marginTop, 0);
    EXPECT_EQ(d.title, "TolvaneA.TLV");
}

TEST(ShortDisplayPrintout, ColumnsAtFixedSharesOfTheWidth) {
    const CalculationTable t = tableWith(2, 10);
    RecordingPrintCanvas canvas(2099, 2969);
    printShortDisplay(t, OutputSystem::Metric, kTexts, canvas);
    ASSERT_EQ(canvas.pages.size(), 1u);
    const auto* title = canvas.findText(0, "Tolvane 4.1 for Windows - NONAME.TLV");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->bold);
    EXPECT_EQ(title->points, 10);
    EXPECT_EQ(canvas.findText(0, "Calculation short display")->y, 50);
    // x1 = round(0.15 W), x2 = round(x1 + 0.35 W), x3 = round(x2 + 0.35 W).
    const int x1 = 315, x2 = 1050, x3 = 1785;
    struct Case {
        const char* text;
        int x, y;
        bool bold;
    };
    for (const Case c : {Case{"No.", 0, 150, true}, Case{"Element/quant.", x1, 150, true},
                         Case{"Specification", x2, 150, true}, Case{"dp/bar", x3, 150, true},
                         Case{"spec 1", x2, 200, false}, Case{"spec 2", x2, 250, false},
                         Case{"0.010", x3, 200, false}}) {
        const auto* text = canvas.findText(0, c.text);
        ASSERT_NE(text, nullptr) << c.text;
        EXPECT_EQ(text->x, c.x) << c.text;
        EXPECT_EQ(text->y, c.y) << c.text;
        EXPECT_EQ(text->bold, c.bold) << c.text;
    }
    const auto* total = canvas.findText(0, "Total pressure drop: ");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->y, 250 + 100);
    EXPECT_FALSE(total->bold);
}

TEST(ShortDisplayPrintout, LongDisplayContinuesWithTheHeadingsRepeated) {
    const CalculationTable t = tableWith(9, 10);
    RecordingPrintCanvas canvas(2099, 500);
    printShortDisplay(t, OutputSystem::US, kTexts, canvas);
    // Lines at 200 .. 500; after line 7 (y = 500 > 450) the next page begins.
    ASSERT_EQ(canvas.pages.size(), 2u);
    EXPECT_EQ(canvas.findText(0, "spec 7")->y, 500);
    EXPECT_EQ(canvas.findText(0, "spec 8"), nullptr);
    const auto* heading = canvas.findText(1, "dp/psi");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->y, 0);
    EXPECT_TRUE(heading->bold);
    EXPECT_EQ(canvas.findText(1, "spec 8")->y, 50);
    EXPECT_EQ(canvas.findText(1, "spec 9")->y, 100);
    EXPECT_EQ(canvas.findText(1, "Total pressure drop: ")->y, 200);
}

TEST(ShortDisplayPrintout, NothingWithoutCalculations) {
    RecordingPrintCanvas canvas(2099, 2969);
    printShortDisplay(CalculationTable{}, OutputSystem::Metric, kTexts, canvas);
    EXPECT_TRUE(canvas.pages[0].texts.empty());
}

TEST(PdfName, TakesTheProjectsName) {
    EXPECT_EQ(pdfNameFor("NONAME.TLV"), "NONAME.pdf");
    EXPECT_EQ(pdfNameFor("/home/a/line 3.tlv"), "/home/a/line 3.pdf");
    EXPECT_EQ(pdfNameFor("/home/a.b/line"), "/home/a.b/line.pdf");
    EXPECT_EQ(pdfNameFor(""), "NONAME.pdf");
}

}  // namespace
}  // namespace tolvane
