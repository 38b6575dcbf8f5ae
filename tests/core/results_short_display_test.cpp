// The short display as data: its lines mirror the table, and moving,
// deleting and specification edits are made on the table; exporting a
// printout as PDF through the save dialog and the print service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/print_layout.h"
#include "results/print_service.h"
#include "results/short_display.h"

namespace tolvane {
namespace {

// Calculations named by their element texts, each with its pressure drop.
CalculationTable tableOf(const std::vector<std::pair<std::string, std::string>>& calcs,
                         OutputSystem system = OutputSystem::Metric) {
    CalculationTable t;
    std::vector<CalculationColumn> columns;
    for (const auto& [element, mbar] : calcs) {
        CalculationColumn c;
        c[Row::Element] = element;
        c[Row::PressureDrop] = mbar;
        c[Row::PressureDropLarge] = mbar + "e-3";
        columns.push_back(c);
    }
    t.setCalculations(std::move(columns));
    t.renumber();
    t.writeHeadings(system, 3);
    return t;
}

std::vector<std::string> elements(const CalculationTable& t) {
    std::vector<std::string> out;
    for (const ShortDisplayLine& l : shortDisplayLines(t)) out.push_back(l.cells[0] + l.cells[1]);
    return out;
}

TEST(ShortDisplay, NewProjectShowsOnlyTheTotal) {
    CalculationTable t;
    EXPECT_TRUE(shortDisplayLines(t).empty());
    EXPECT_EQ(shortDisplayTotal(t), "Total pressure drop: 0.00 bar");
    EXPECT_EQ(shortDisplayHeadings(OutputSystem::Metric),
              (std::array<std::string, 4>{"No.", "Element/quant.", "Specification", "dp/bar"}));
    EXPECT_EQ(shortDisplayHeadings(OutputSystem::US)[3], "dp/psi");
}

TEST(ShortDisplay, LinesMirrorNumberElementSpecificationAndBar) {
    CalculationTable t = tableOf({{"Circular bend/1", "5.000"}, {"Gate valve/2", "7.000"}});
    t.setCell(2, Row::Specification, "after pump");
    const auto lines = shortDisplayLines(t);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].cells,
              (std::array<std::string, 4>{"2", "Gate valve/2", "after pump", "7.000e-3"}));
    EXPECT_EQ(shortDisplayTotal(t), "Total pressure drop: " + t.totalText());
}

TEST(ShortDisplay, RowUpAndDownMoveTheTablesColumns) {
    CalculationTable t = tableOf({{"A", "1"}, {"B", "2"}, {"C", "3"}});
    EXPECT_EQ(moveLineUp(t, 1), 1);    // the first line stays
    EXPECT_EQ(moveLineDown(t, 3), 3);  // so does the last
    EXPECT_EQ(elements(t), (std::vector<std::string>{"1A", "2B", "3C"}));
    EXPECT_EQ(moveLineUp(t, 3), 2);
    EXPECT_EQ(elements(t), (std::vector<std::string>{"1A", "2C", "3B"}));
    EXPECT_EQ(moveLineDown(t, 1), 2);
    EXPECT_EQ(elements(t), (std::vector<std::string>{"1C", "2A", "3B"}));
    // The table keeps its empty trailing column and numbers it next.
    EXPECT_EQ(t.cell(t.trailingColumn(), Row::Number), "4");
    EXPECT_TRUE(t.cell(t.trailingColumn(), Row::Element).empty());
    EXPECT_EQ(moveLineUp(t, 0), 0);
    EXPECT_EQ(moveLineDown(t, 9), 9);
}

TEST(ShortDisplay, DeleteRemovesTheCalculationAndTheTotalFollows) {
    CalculationTable t = tableOf({{"A", "1.000"}, {"B", "2.000"}, {"C", "4.000"}});
    EXPECT_FALSE(deleteLine(t, 4, OutputSystem::Metric, 3));
    EXPECT_TRUE(deleteLine(t, 1, OutputSystem::Metric, 3));
    EXPECT_EQ(elements(t), (std::vector<std::string>{"1B", "2C"}));
    EXPECT_DOUBLE_EQ(t.total(), 6.0);
    EXPECT_TRUE(deleteLine(t, 1, OutputSystem::Metric, 3));
    EXPECT_TRUE(deleteLine(t, 1, OutputSystem::Metric, 3));
    EXPECT_FALSE(t.hasValues());
    EXPECT_FALSE(deleteLine(t, 1, OutputSystem::Metric, 3));
}

TEST(ShortDisplay, SpecificationGoesIntoRowSixOfItsColumn) {
    CalculationTable t = tableOf({{"A", "1"}, {"B", "2"}});
    EXPECT_TRUE(setLineSpecification(t, 2, "riser"));
    EXPECT_EQ(t.cell(2, Row::Specification), "riser");
    EXPECT_TRUE(t.cell(1, Row::Specification).empty());
    EXPECT_FALSE(setLineSpecification(t, 3, "trailing"));  // not a calculation
    EXPECT_TRUE(t.cell(3, Row::Specification).empty());
}

TEST(ShortDisplay, UnitSwitchHeadsThePsiColumn) {
    CalculationTable t = tableOf({{"A", "478.803"}});
    t.convertUnits(OutputSystem::US, 3);
    EXPECT_EQ(shortDisplayLines(t)[0].cells[3], "6.944");  // 1000 lbw./sq.ft. / 144
}

TEST(ExportPdf, WritesThroughTheSaveDialog) {
    RecordingPrintService printer;
    ScriptedFileDialogs files;
    RecordingMessageSink messages;
    const CalculationTable t = tableOf({{"A", "1"}});
    const Printout printout = [&](PrintCanvas& c, PageRange r) {
        printTable(t, {"NONAME.TLV", "d"}, c, r);
    };
    // Cancelled: nothing written, nothing said.
    EXPECT_FALSE(ExportPdf(tablePrintSetup("NONAME.TLV"), printout, printer, files, messages));
    EXPECT_TRUE(printer.requests.empty());

    files.replies.push_back(std::string("/tmp/x.pdf"));
    EXPECT_TRUE(ExportPdf(tablePrintSetup("NONAME.TLV"), printout, printer, files, messages));
    ASSERT_EQ(printer.requests.size(), 1u);
    EXPECT_EQ(printer.requests[0].pdfPath, "/tmp/x.pdf");
    EXPECT_EQ(printer.requests[0].setup.orientation, PageOrientation::Landscape);
    EXPECT_NE(printer.requests[0].canvas.findText(0, "Page 1 of 1"), nullptr);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ExportPdf, FailureNamesTheFile) {
    RecordingPrintService printer;
    printer.pdfFailure = "Permission denied";
    ScriptedFileDialogs files;
    files.replies.push_back(std::string("/root/no/x.pdf"));
    RecordingMessageSink messages;
    EXPECT_FALSE(ExportPdf(
        PrintSetup{}, [](PrintCanvas&, PageRange) {}, printer, files, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].type, MessageType::Error);
    EXPECT_EQ(messages.messages[0].text,
              "It is not possible to write the file \"/root/no/x.pdf\".\r\nPermission denied");
}

}  // namespace
}  // namespace tolvane
