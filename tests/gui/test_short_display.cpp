// The short display beside the table window: its lines follow every change
// made in either window, its buttons and specification column change the
// table, the "&View" item shows and hides it; the print commands of both
// windows and the PDF export reach the print service with their layouts.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

#include <memory>

#include "calculations.h"
#include "results/widgets/short_display_window.h"
#include "results/widgets/table_model.h"
#include "shell/widgets/main_menu.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

void openAndClose(QMenu* menu) {
    menu->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    menu->hide();
}

}  // namespace

class TestShortDisplay : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;
    std::unique_ptr<TKurzAnzeige> display;
    RecordingPrintService printer;

    QTableWidget* grid() const { return display->grid(); }
    QString cell(int line, int column) const {
        const QTableWidgetItem* item = grid()->item(line - 1, column);
        return item ? item->text() : QString();
    }
    QString label() const { return byName<QLabel>(display.get(), "Label1")->text(); }
    void click(const char* name) { byName<QPushButton>(display.get(), name)->click(); }
    // A cell of the table window's grid (table column, table row).
    QString tableCell(int column, int row) const {
        const QAbstractItemModel* m = rig->table->grid()->model();
        return m->data(m->index(row, CalculationTableModel::modelColumn(column))).toString();
    }
    QString tableTotal() const { return byName<QLabel>(rig->table.get(), "Label_Summe")->text(); }

private Q_SLOTS:
    void init() {
        rig = std::make_unique<tolvane::test::MainWindowRig>(
            tolvane::test::MainWindowRig::Table::With);
        display = std::make_unique<TKurzAnzeige>(rig->session);
        rig->window->setShortDisplay(display.get());
        rig->window->setPrintService(&printer);
        display->show();
        printer = RecordingPrintService{};
    }
    void cleanup() {
        rig->window->setShortDisplay(nullptr);
        display.reset();
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void new_project_shows_headings_and_a_zero_total() {
        QCOMPARE(display->windowTitle(), QStringLiteral("Calculation short display"));
        QCOMPARE(grid()->rowCount(), 0);
        QCOMPARE(label(), QStringLiteral("Total pressure drop: 0.00 bar"));
        QCOMPARE(grid()->horizontalHeaderItem(3)->text(), QStringLiteral("dp/bar"));
        QCOMPARE(display->columnWidths(), (std::array<int, 4>{29, 146, 170, 54}));
    }

    void a_line_below_the_total_sums_up_the_checks() {
        auto* checks = byName<QLabel>(display.get(), "LabelChecks");
        QVERIFY(!checks->isVisibleTo(display.get()));
        rig->session.form.medium.flow = "70";  // 9.9 m/s in 50 mm
        rig->window->showForm();
        tolvane::test::calculate(*rig, ElementKind{1, 1}, {"50", "12"});
        QVERIFY(checks->isVisibleTo(display.get()));
        QCOMPARE(checks->text(), QStringLiteral("Checks: 1 caution (View > Checks)"));
    }

    void each_calculation_adds_its_line() {
        tolvane::test::calculateThree(*rig);
        QCOMPARE(grid()->rowCount(), 3);
        QCOMPARE(cell(2, 0), QStringLiteral("2"));
        QCOMPARE(cell(2, 1), QStringLiteral("Circular bend/1"));
        QCOMPARE(cell(3, 3),
                 QString::fromStdString(rig->session.table.cell(3, Row::PressureDropLarge)));
        QCOMPARE(label(), "Total pressure drop: " + tableTotal());
        // Only the specification is typed into.
        for (int c = 0; c < 4; ++c)
            QCOMPARE(bool(grid()->item(0, c)->flags() & Qt::ItemIsEditable), c == 2);
    }

    void row_up_and_down_move_the_tables_columns() {
        tolvane::test::calculateThree(*rig);
        display->setCurrentLine(3);
        click("RowUpButton");
        QCOMPARE(cell(2, 1), QStringLiteral("Gate valve/1"));
        QCOMPARE(display->currentLine(), 2);
        QCOMPARE(tableCell(2, 7), QStringLiteral("Gate valve/1"));  // the table window shows it
        QCOMPARE(tableCell(3, 7), QStringLiteral("Circular bend/1"));
        click("RowDownButton");
        QCOMPARE(display->currentLine(), 3);
        QCOMPARE(tableCell(3, 7), QStringLiteral("Gate valve/1"));
        click("RowDownButton");  // the last line goes no further
        QCOMPARE(display->currentLine(), 3);
        display->setCurrentLine(1);
        click("RowUpButton");  // nor the first one up
        QCOMPARE(cell(1, 1), QStringLiteral("circular/1"));
    }

    void delete_removes_the_calculation_in_both_windows() {
        tolvane::test::calculateThree(*rig);
        display->setCurrentLine(1);
        click("DeleteCalculationButton");
        QCOMPARE(rig->session.table.calculationCount(), 2);
        QCOMPARE(grid()->rowCount(), 2);
        QCOMPARE(cell(1, 1), QStringLiteral("Circular bend/1"));
        QCOMPARE(tableCell(1, 7), QStringLiteral("Circular bend/1"));
        QCOMPARE(label(), "Total pressure drop: " + tableTotal());
        QCOMPARE(tableTotal(), QString::fromStdString(rig->session.table.totalText()));
        click("DeleteCalculationButton");
        click("DeleteCalculationButton");
        QCOMPARE(grid()->rowCount(), 0);
        QVERIFY(!byName<QToolButton>(rig->table.get(), "SpeedButton6")->isEnabled());
        click("DeleteCalculationButton");  // nothing left: nothing happens
        QCOMPARE(rig->session.table.ColCount(), 2);
    }

    void specification_typed_here_goes_into_the_table() {
        tolvane::test::calculateThree(*rig);
        grid()->item(1, 2)->setText(QStringLiteral("riser"));
        QCOMPARE(rig->session.table.cell(2, Row::Specification), std::string("riser"));
        QCOMPARE(tableCell(2, 6), QStringLiteral("riser"));
    }

    void specification_typed_in_the_table_window_shows_here() {
        tolvane::test::calculateThree(*rig);
        QAbstractItemModel* m = rig->table->grid()->model();
        QVERIFY(m->setData(m->index(6, 0), QStringLiteral("inlet"), Qt::EditRole));
        QCOMPARE(cell(1, 2), QStringLiteral("inlet"));
    }

    void unit_switch_heads_the_psi_column() {
        tolvane::test::calculateThree(*rig);
        rig->session.settings.output = OutputSystem::US;
        rig->table->convertUnits(OutputSystem::US, 3);
        QCOMPARE(grid()->horizontalHeaderItem(3)->text(), QStringLiteral("dp/psi"));
        QCOMPARE(cell(1, 3),
                 QString::fromStdString(rig->session.table.cell(1, Row::PressureDropLarge)));
        QVERIFY(label().endsWith(" psi"));
    }

    void view_menu_shows_and_hides_it() {
        MainMenu* m = rig->window->menu();
        QVERIFY(m->viewShortDisplay->isEnabled());
        QVERIFY(m->viewShortDisplay->isChecked());
        m->viewShortDisplay->trigger();
        QVERIFY(!display->isVisible());
        QVERIFY(!m->viewShortDisplay->isChecked());
        m->viewShortDisplay->trigger();
        QVERIFY(display->isVisible());
        display->close();
        QVERIFY(!m->viewShortDisplay->isChecked());
    }

    void print_commands_follow_the_table_and_reach_the_preview() {
        MainMenu* m = rig->window->menu();
        auto* printButton = byName<QToolButton>(rig->table.get(), "SpeedButton1");
        openAndClose(m->tableMenu);
        openAndClose(m->fileMenu);
        QVERIFY(!printButton->isEnabled());
        QVERIFY(!m->printTable->isEnabled());
        QVERIFY(!m->printShortDisplay->isEnabled());
        QVERIFY(!m->exportTablePdf->isEnabled());
        display->print();  // an empty display prints nothing
        QVERIFY(printer.requests.empty());

        tolvane::test::calculateThree(*rig);
        openAndClose(m->tableMenu);
        openAndClose(m->fileMenu);
        QVERIFY(printButton->isEnabled());
        QVERIFY(m->printTable->isEnabled());
        QVERIFY(m->printShortDisplay->isEnabled());
        QVERIFY(m->exportTablePdf->isEnabled());

        printButton->click();
        m->printShortDisplay->trigger();
        QCOMPARE(printer.requests.size(), std::size_t(2));
        QCOMPARE(printer.requests[0].setup.orientation, PageOrientation::Landscape);
        QCOMPARE(printer.requests[0].setup.title, std::string("TolvaneNONAME.TLV"));
        QVERIFY(printer.requests[0].canvas.findText(0, "Total pressure drop (Page 1 to 1) = "));
        QCOMPARE(printer.requests[1].setup.orientation, PageOrientation::Portrait);
        QVERIFY(printer.requests[1].canvas.findText(0, "Calculation short display"));
        QVERIFY(printer.requests[1].canvas.findText(0, "Gate valve/1"));
    }

    void table_exports_as_pdf_from_the_file_menu() {
        tolvane::test::calculateThree(*rig);
        MainMenu* m = rig->window->menu();
        openAndClose(m->fileMenu);
        rig->files.replies.push_back(std::string("/tmp/line.pdf"));
        m->exportTablePdf->trigger();
        QCOMPARE(printer.requests.size(), std::size_t(1));
        QCOMPARE(printer.requests[0].pdfPath, std::string("/tmp/line.pdf"));
        QVERIFY(printer.requests[0].canvas.findText(0, "Page 1 of 1"));
        m->exportTablePdf->trigger();  // the save dialog cancelled
        QCOMPARE(printer.requests.size(), std::size_t(1));
        QVERIFY(rig->sink.messages.empty());
    }
};

TOLVANE_GUI_TEST_MAIN(TestShortDisplay)
#include "test_short_display.moc"
