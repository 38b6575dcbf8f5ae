// View > Checks: the window lists the table's checks, follows every change
// of the table (a calculation, an undo), and a click selects the column.
#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "checks/widgets/checks_window.h"
#include "results/widgets/calculation_table_window.h"
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

    void closing_unchecks_the_menu_item() {
        action("ViewChecks")->trigger();
        checks()->close();
        QVERIFY(!action("ViewChecks")->isChecked());
    }
};

QTEST_MAIN(TestChecksWindow)
#include "test_checks_window.moc"
