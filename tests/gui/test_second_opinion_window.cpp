// The second opinion in the Checks window: one line per column with
// published alternatives and the line's range below, following the table.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "checks/widgets/checks_window.h"
#include "shell/widgets/main_window.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

class TestSecondOpinionWindow : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;

private Q_SLOTS:
    void cleanup() { TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui); }

    void shows_the_alternatives_of_each_column_and_the_range() {
        TChecksWindow window;
        checks::SecondOpinion s;
        checks::ColumnOpinion plain;
        plain.column = 1;
        checks::ColumnOpinion bend;
        bend.column = 2;
        bend.zeta = 0.175;
        bend.alternatives = {{PublishedSource::Crane, 0.27, 0.0},
                             {PublishedSource::Rennels, 0.237, 0.0}};
        s.columns = {plain, bend};
        s.total = 1642.0;
        s.low = 1510.0;
        s.high = 2080.0;
        window.showSecondOpinion(s, OutputSystem::Metric, 3);
        auto* grid = byName<QTableWidget>(&window, "OpinionGrid");
        QCOMPARE(grid->rowCount(), 1);  // the column without alternatives has no line
        QCOMPARE(grid->item(0, 0)->text(), QString("2"));
        QCOMPARE(grid->item(0, 1)->text(),
                 QString::fromUtf8("ζ 0.175 (this program) — Crane 0.270, Rennels 0.237"));
        QCOMPARE(byName<QLabel>(&window, "LabelRange")->text(),
                 QString::fromUtf8("total 1.642 bar; by the published methods 1.510 … 2.080 bar"));
        QCOMPARE(byName<QLabel>(&window, "LabelRange")->textFormat(), Qt::PlainText);
    }

    void the_main_window_gives_the_range_of_its_table() {
        auto rig = tolvane::test::MainWindowRig::calculating();
        byName<QLineEdit>(rig->window.get(), "Eingabe_Volumenstrom")->setText("10");
        byName<QLineEdit>(rig->window.get(), "Va1_Edit")->setText("100");
        byName<QAction>(rig->window.get(), "ViewChecks")->trigger();
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
        auto* checks = byName<TChecksWindow>(rig->window.get(), "TChecksWindow");
        // A straight pipe has no published alternative: the range is its own drop.
        QCOMPARE(byName<QTableWidget>(checks, "OpinionGrid")->rowCount(), 0);
        const QString range = byName<QLabel>(checks, "LabelRange")->text();
        QVERIFY2(range.startsWith("total 0.000 bar; by the published methods 0.000"),
                 qPrintable(range));
    }
};

QTEST_MAIN(TestSecondOpinionWindow)
#include "test_second_opinion_window.moc"
