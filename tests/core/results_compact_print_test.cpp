// The compact printout on a recording canvas: six to eight calculations a
// page, only the filled rows, the dimension texts cut to symbol, value and
// unit, the page's own pressure drop and the grand total on every page, 9 pt
// throughout, and page ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/compact_print.h"

namespace tolvane {
namespace {

constexpr int kW = 2709, kH = 1749;  // A4 landscape between the margins

CalculationTable tableWith(int n, std::size_t elementChars,
                           OutputSystem system = OutputSystem::Metric) {
    CalculationTable t;
    std::vector<CalculationColumn> columns(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        CalculationColumn& c = columns[static_cast<std::size_t>(i)];
        c[Row::Medium] = "water/liq.";
        c[Row::Element] = std::string(elementChars, 'E');
        c[Row::Dimension1] = "Diameter of pipe D in mm: 100.000";
        c[Row::PressureDrop] = std::to_string(i + 1) + ".000";
        c[Row::PressureDropLarge] = "0.001";
    }
    t.setCalculations(std::move(columns));
    t.renumber();
    t.writeHeadings(system, 3);
    t.updateTotal(system, 3);
    return t;
}

const PrintTexts kTexts{"LINE.TLV", "12/10/26"};

TEST(CompactPrint, DimensionTextsBecomeSymbolValueAndUnit) {
    const std::pair<const char*, const char*> cases[] = {
        {"Diameter of pipe D in mm: 100.000", "D 100.000 mm"},
        {"Length of pipe L in ft.: 100.000", "L 100.000 ft."},
        {"Internal diameter of pipe Di in mm: 50.000", "Di 50.000 mm"},
        {"Angle w in degree: 90", "w 90°"},
        {"Angle w: 90", "w 90"},
        {"Wetted circumference in m: 0.400", "0.400 m"},
        {"Resistance coefficient: 5.000", "5.000"},
        {"Cross section A in m²: 0.010", "A 0.010 m²"},
        {"no caption", "no caption"},
        {" ", " "},
    };
    for (auto [text, shown] : cases) EXPECT_EQ(abbreviatedDimension(text), shown) << text;
    // The option line keeps its chosen item; the other rows stay as they are.
    EXPECT_EQ(compactCellText(Row::Option, "The surface of pipe is:  smooth"), "smooth");
    EXPECT_EQ(compactCellText(Row::Element, "Circular bend/4"), "Circular bend/4");
    EXPECT_EQ(compactCellText(Row::Specification, "to: tank"), "to: tank");
    EXPECT_EQ(compactCellText(Row::Dimension3, "Radius R in mm: 160.000"), "R 160.000 mm");
}

TEST(CompactPrint, SixToEightCalculationsAPage) {
    // Characters are 18 wide at 9 pt on the recording canvas; the heading
    // column takes "Element of pipe/quantity:" and an M, 468, leaving 2241:
    // a widest text of 15 characters and an M (288) fits 7 times, one of 18 (342) 6 times.
    const struct {
        std::size_t elementChars;
        int perPage;
    } cases[] = {{5, 8}, {15, 7}, {18, 6}, {60, 6}};
    for (auto c : cases) {
        SCOPED_TRACE(c.elementChars);
        const CalculationTable t = tableWith(20, c.elementChars);
        RecordingPrintCanvas canvas(kW, kH);
        const CompactPrintLayout l = layoutCompactPrint(t, canvas);
        EXPECT_EQ(l.headingWidth, 468);
        EXPECT_EQ(l.columnsPerPage, c.perPage);
        EXPECT_EQ(l.pages, (20 + c.perPage - 1) / c.perPage);
        EXPECT_EQ(l.pitch, (kW - l.headingWidth) / c.perPage);
    }
}

TEST(CompactPrint, OnlyRowsSomeCalculationFills) {
    const CalculationTable t = tableWith(3, 10);
    RecordingPrintCanvas canvas(kW, kH);
    const CompactPrintLayout l = layoutCompactPrint(t, canvas);
    const std::vector<int> rows = {Row::Number,     Row::Medium,       Row::Element,
                                   Row::Dimension1, Row::PressureDrop, Row::PressureDropLarge};
    EXPECT_EQ(l.rows, rows);
}

TEST(CompactPrint, EveryPageHasItsOwnDropAndTheGrandTotal) {
    const CalculationTable t = tableWith(10, 5);  // 8 a page: pages of 1..8 and 9..10
    RecordingPrintCanvas canvas(kW, kH);
    printCompactTable(t, OutputSystem::Metric, 3, kTexts, canvas);
    ASSERT_EQ(canvas.pages.size(), 2u);
    const char* const pageDrops[] = {
        "Pressure drop of page 1 (calculations 1 to 8) = 36.000 mbar or 0.036 bar",
        "Pressure drop of page 2 (calculations 9 to 10) = 19.000 mbar or 0.019 bar"};
    for (std::size_t page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        EXPECT_NE(canvas.findText(page, pageDrops[page]), nullptr);
        const auto* total =
            canvas.findText(page, "Total pressure drop (Page 1 to 2, 10 calculations) = ");
        ASSERT_NE(total, nullptr);
        EXPECT_EQ(total->text.substr(total->text.find("= ") + 2), t.totalText());
        EXPECT_TRUE(total->bold);
        EXPECT_NE(canvas.findText(page, "Page " + std::to_string(page + 1) + " of 2"), nullptr);
        EXPECT_NE(canvas.findText(page, "12/10/26"), nullptr);
        EXPECT_NE(canvas.findText(page, kPrintoutHeading + "LINE.TLV"), nullptr);
        for (const auto& text : canvas.pages[page].texts)
            EXPECT_EQ(text.points, kCompactFontPoints);
    }
    // Page 2 holds calculations 9 and 10 in its first two slots, cut at their cells.
    const auto* nine = canvas.findText(1, "9");
    ASSERT_NE(nine, nullptr);
    RecordingPrintCanvas measure(kW, kH);
    const CompactPrintLayout l = layoutCompactPrint(t, measure);
    EXPECT_EQ(nine->x, l.slotLeft(1) + l.inset());
    EXPECT_EQ(nine->clipWidth, l.pitch - 2 * l.inset());
    EXPECT_NE(canvas.findText(1, "D 100.000 mm"), nullptr);
    EXPECT_EQ(canvas.findText(1, "Diameter of pipe"), nullptr);
}

TEST(CompactPrint, UsTotalsAndPageRanges) {
    const CalculationTable t = tableWith(20, 5, OutputSystem::US);
    RecordingPrintCanvas canvas(kW, kH);
    printCompactTable(t, OutputSystem::US, 3, kTexts, canvas, PageRange{2, 2});
    ASSERT_EQ(canvas.pages.size(), 1u);
    EXPECT_NE(canvas.findText(0,
                              "Pressure drop of page 2 (calculations 9 to 16) = 100.000 "
                              "lbw./sq.ft. or 0.694 psi"),
              nullptr);
    EXPECT_NE(canvas.findText(0, "Page 2 of 3"), nullptr);
}

TEST(CompactPrint, AnEmptyTablePrintsNothing) {
    RecordingPrintCanvas canvas(kW, kH);
    printCompactTable(CalculationTable(), OutputSystem::Metric, 3, kTexts, canvas);
    EXPECT_TRUE(canvas.pages[0].texts.empty());
    EXPECT_TRUE(canvas.pages[0].lines.empty());
    EXPECT_EQ(compactTablePrintSetup("LINE.TLV").orientation, PageOrientation::Landscape);
    EXPECT_EQ(compactTablePrintSetup("LINE.TLV").fontPoints, kCompactFontPoints);
}

}  // namespace
}  // namespace tolvane
