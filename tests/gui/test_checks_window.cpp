// View > Checks: the window lists the table's checks, follows every change
// of the table (a calculation, an undo), and a click selects the column; F1
// names the current line's paragraph; the check limits dialog changes what
// is listed; the table's printout ends with the list.
#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "checks/checks_printout.h"
#include "checks/widgets/checks_window.h"
#include "help/widgets/help_key_filter.h"
#include "results/print_layout.h"
#include "results/widgets/calculation_table_window.h"
#include "shell/widgets/check_limits_dialog.h"
#include "shell/widgets/main_window.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

class TestChecksWindow : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    QAction* action(const char* name) { return byName<QAction>(rig->window.get(), name); }
    void calculate(const char* flow, const char* diameter) {
        byName<QLineEdit>(rig->window.get(), "Eingabe_Volumenstrom")->setText(flow);
        byName<QLineEdit>(rig->window.get(), "Va1_Edit")->setText(diameter);
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
    }
    TChecksWindow* checks() { return byName<TChecksWindow>(rig->window.get(), "TChecksWindow"); }
    QTableWidget* grid() { return byName<QTableWidget>(checks(), "ChecksGrid"); }

private Q_SLOTS:
    void init() {
        rig = tolvane::test::MainWindowRig::calculating();
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void lists_the_checks_and_follows_the_table() {
        calculate("10", "100");  // 0.35 m/s: nothing to say
        action("ViewChecks")->trigger();
        QVERIFY(checks()->isVisible());
        QVERIFY(action("ViewChecks")->isChecked());
        QCOMPARE(grid()->rowCount(), 0);

        calculate("70", "50");  // 9.9 m/s
        QCOMPARE(grid()->rowCount(), 1);
        QCOMPARE(grid()->item(0, 0)->text(), QString("2"));
        QCOMPARE(grid()->item(0, 2)->text(), QString("velocity"));

        action("EditUndo")->trigger();
        QCOMPARE(grid()->rowCount(), 0);
    }

    void a_click_selects_the_column_in_the_table() {
        calculate("10", "100");
        calculate("70", "50");
        action("ViewChecks")->trigger();
        QCOMPARE(grid()->rowCount(), 1);
        QSignalSpy chosen(checks(), &TChecksWindow::columnChosen);
        Q_EMIT grid()->cellClicked(0, 3);
        QCOMPARE(chosen.count(), 1);
        QVERIFY(rig->table->grid()->selectionModel()->isColumnSelected(1));
    }

    void columns_with_a_caution_are_marked_on_their_heading() {
        calculate("10", "100");
        calculate("70", "50");  // marked whether the window is open or not
        QAbstractItemModel* model = rig->table->grid()->model();
        QVERIFY(model->headerData(0, Qt::Horizontal, Qt::DecorationRole).isNull());
        QVERIFY(!model->headerData(1, Qt::Horizontal, Qt::DecorationRole).isNull());
        QVERIFY(
            model->headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString().contains("9.90 m/s"));
        QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("2"));
        action("EditUndo")->trigger();
        QVERIFY(model->headerData(1, Qt::Horizontal, Qt::DecorationRole).isNull());
    }

    void f1_opens_the_paragraph_of_the_current_lines_code() {
        calculate("70", "50");
        action("ViewChecks")->trigger();
        QCOMPARE(HelpKeyFilter::topicFor(grid())->target(), std::string("checks.html"));
        grid()->setCurrentCell(0, 3);
        QCOMPARE(HelpKeyFilter::topicFor(grid())->target(), std::string("checks.html#velocity"));
    }

    void the_limits_button_and_the_menu_open_the_check_limits() {
        action("ViewChecks")->trigger();
        QTest::mouseClick(byName<QPushButton>(checks(), "LimitsBtn"), Qt::LeftButton);
        TCheckLimitsDialog* dialog = rig->window->checkLimitsDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->field(0)->text(), QString("3"));
        dialog->reject();
        QVERIFY(action("CheckLimits")->isEnabled());
        action("CheckLimits")->trigger();
        QVERIFY(dialog->isVisible());
        dialog->reject();
    }

    void new_limits_change_the_checks_at_once() {
        calculate("70", "50");  // 9.9 m/s
        action("ViewChecks")->trigger();
        QCOMPARE(grid()->rowCount(), 1);
        QSignalSpy changed(rig->window.get(), &TMyWindow::checkLimitsChanged);
        TCheckLimitsDialog* dialog = rig->window->checkLimitsDialog();
        dialog->showLimits();
        dialog->field(0)->setText("10");
        dialog->OKBtnClick();
        QCOMPARE(rig->session.settings.checkLimits.liquidVelocity, 10.0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(grid()->rowCount(), 0);
        QVERIFY(rig->sink.messages.empty());
    }

    void limits_that_do_not_read_or_fit_keep_the_dialog_open() {
        TCheckLimitsDialog* dialog = rig->window->checkLimitsDialog();
        dialog->open();
        dialog->field(6)->setText("1,4x");
        dialog->OKBtnClick();
        QVERIFY(dialog->isVisible());
        QCOMPARE(rig->sink.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(rig->sink.messages[0].text).contains("κ"));
        dialog->field(6)->setText("1,3");
        dialog->field(4)->setText("0.6");  // a caution above the warning 0.5
        dialog->OKBtnClick();
        QVERIFY(dialog->isVisible());
        QCOMPARE(rig->sink.messages.size(), std::size_t{2});
        QCOMPARE(rig->session.settings.checkLimits.kappa, 1.4);
        dialog->DefaultsBtnClick();
        QCOMPARE(dialog->field(4)->text(), QString("0.2"));
        QCOMPARE(dialog->field(6)->text(), QString("1.4"));
        dialog->reject();
    }

    void the_printout_ends_with_the_list_of_checks() {
        calculate("10", "100");
        RecordingPrintCanvas quiet(2770, 1750);
        rig->table->printout()(quiet, PageRange{});
        QCOMPARE(quiet.pages.size(), std::size_t{1});  // no checks: the table alone

        calculate("70", "50");
        RecordingPrintCanvas printed(2770, 1750), table(2770, 1750);
        rig->table->printout()(printed, PageRange{});
        printTable(rig->session.table, PrintTexts{rig->session.projectName, ""}, table);
        QCOMPARE(printed.pages.size(), table.pages.size() + 1);
        QCOMPARE(printed.pages[0].texts.size(), table.pages[0].texts.size());
        QCOMPARE(printed.pages[0].lines.size(), table.pages[0].lines.size());
        QVERIFY(printed.findText(1, checks::kChecksPrintTitle));
        QVERIFY(printed.findText(1, "Velocity 9.90 m/s"));
        // A range of the table's page alone leaves the list out.
        RecordingPrintCanvas first(2770, 1750);
        rig->table->printout()(first, PageRange{1, 1});
        QCOMPARE(first.pages.size(), std::size_t{1});
        QVERIFY(!first.findText(0, checks::kChecksPrintTitle));
    }

    void closing_unchecks_the_menu_item() {
        action("ViewChecks")->trigger();
        checks()->close();
        QVERIFY(!action("ViewChecks")->isChecked());
    }
};

QTEST_MAIN(TestChecksWindow)
#include "test_checks_window.moc"
