// Replace column N and Recalculate all from the windows: each changes the
// table in one undo step, Recalculate asks first, the replace button follows
// the selected column, and a total over several media is marked.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "results/widgets/calculation_table_window.h"
#include "shell/widgets/main_window.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

class TestLineEditing : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    QAction* action(const char* name) { return byName<QAction>(rig->window.get(), name); }
    void type(const char* field, const QString& text) {
        byName<QLineEdit>(rig->window.get(), field)->setText(text);
    }
    void calculate() {
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
    }
    void select(int tableColumn) {
        rig->table->grid()->setCurrentIndex(rig->table->grid()->model()->index(3, tableColumn - 1));
    }
    std::string cell(int col, int row) const { return rig->session.table.cell(col, row); }

    // Two pipes of 10 and 20 m at 1.0 m³/h.
    void twoPipes() {
        for (const char* length : {"10", "20"}) {
            type("Va2_Edit", length);
            calculate();
        }
        QCOMPARE(rig->session.table.calculationCount(), 2);
    }

private Q_SLOTS:
    void init() {
        rig = tolvane::test::MainWindowRig::calculating();
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void replace_button_names_the_selected_calculation() {
        twoPipes();
        auto* button = byName<QToolButton>(rig->window.get(), "ReplaceColumnButton");
        // The bar shows or hides the button by its place in the bar.
        QAction* place = rig->window->speedButtons().replaceColumnItem;
        QVERIFY(!place->isVisible());
        select(2);
        QCOMPARE(button->text(), QString("Replace column 2"));
        QVERIFY(place->isVisible());
        QVERIFY(action("ReplaceColumn")->isEnabled());
        select(3);  // the empty column
        QVERIFY(!place->isVisible());
        QVERIFY(!action("ReplaceColumn")->isEnabled());
    }

    void replace_puts_the_panel_in_place_in_one_undo_step() {
        twoPipes();
        const std::string second = rig->session.table.column(2)[Row::PressureDrop];
        select(1);
        type("Va2_Edit", "30");
        action("ReplaceColumn")->trigger();
        QCOMPARE(rig->session.table.calculationCount(), 2);
        QCOMPARE(cell(1, Row::Dimension2), std::string("Length of pipe L in m: 30.000"));
        QCOMPARE(cell(1, Row::Number), std::string("1"));
        QCOMPARE(cell(2, Row::PressureDrop), second);
        QVERIFY(!rig->session.projectSaved);
        action("EditUndo")->trigger();
        QCOMPARE(cell(1, Row::Dimension2), std::string("Length of pipe L in m: 10.000"));
        QCOMPARE(rig->session.table.calculationCount(), 2);
    }

    void recalculate_asks_then_changes_every_column_in_one_undo_step() {
        twoPipes();
        const std::string total = rig->session.table.totalText();
        type("Eingabe_Volumenstrom", "2");

        rig->sink.answers.push_back(Answer::No);
        action("RecalculateAll")->trigger();
        QCOMPARE(rig->sink.questions.size(), std::size_t(1));
        QVERIFY(rig->sink.questions[0].text.find("Recalculate 2 of 2 columns with the medium") ==
                0);
        QCOMPARE(cell(1, Row::RateOfFlow), std::string("1.000"));

        rig->sink.answers.push_back(Answer::Yes);
        action("RecalculateAll")->trigger();
        QCOMPARE(cell(1, Row::RateOfFlow), std::string("2.000"));
        QCOMPARE(cell(2, Row::RateOfFlow), std::string("2.000"));
        QCOMPARE(cell(2, Row::Dimension2), std::string("Length of pipe L in m: 20.000"));
        QVERIFY(rig->session.table.totalText() != total);
        QCOMPARE(byName<QLabel>(rig->table.get(), "Label_Summe")->text(),
                 QString::fromStdString(rig->session.table.totalText()));

        action("EditUndo")->trigger();
        QCOMPARE(cell(1, Row::RateOfFlow), std::string("1.000"));
        QCOMPARE(rig->session.table.totalText(), total);
        QVERIFY(rig->sink.messages.empty());
    }

    void recalculate_refused_everywhere_only_says_why() {
        twoPipes();
        const std::string text = rig->session.table.clipboardText();
        type("Eingabe_Volumenstrom", "0");
        action("RecalculateAll")->trigger();
        QVERIFY(rig->sink.questions.empty());
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QVERIFY(rig->sink.messages[0].text.find("\r1: ") != std::string::npos);
        QCOMPARE(rig->session.table.clipboardText(), text);
    }

    void a_total_of_several_media_is_marked() {
        auto* note = byName<QLabel>(rig->table.get(), "MixedMediaNote");
        calculate();
        QVERIFY(!note->isVisibleTo(rig->table.get()));
        type("Eingabe_Medium", "glycerol");
        calculate();
        QVERIFY(note->isVisibleTo(rig->table.get()));
        QVERIFY(note->text().contains("2 media"));
        action("EditUndo")->trigger();
        QVERIFY(!note->isVisibleTo(rig->table.get()));
    }
};

QTEST_MAIN(TestLineEditing)
#include "test_line_editing.moc"
