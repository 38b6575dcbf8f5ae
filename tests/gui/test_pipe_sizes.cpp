// The pipe-size dialog on the main window: the "..." button beside a
// diameter row opens it, "Copy to element window" writes the chosen inner
// diameter into that row in the unit its box shows, with the program's
// decimal places; "&Extras" > "&Pipe sizes..." fills the first diameter row.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <memory>

#include "properties/widgets/pipe_sizes_dialog.h"
#include "shell/element_panel.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

class TestPipeSizes : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    ElementPanelWidget* panel() { return rig->window->elementPanel(); }

    // Runs `open`; the dialog it shows chooses the row and is closed by `button`.
    void choose(const std::function<void()>& open, const char* standard, const char* size,
                const char* schedule, const char* button = "CopyBtn") {
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<PipeSizesDialog*>(w);
            QVERIFY(dialog);
            seen = true;
            QVERIFY(dialog->select(standard, size, schedule));
            byName<QPushButton>(dialog, button)->click();
        });
        open();
        QVERIFY(seen);
    }

private Q_SLOTS:
    void init() { rig = std::make_unique<tolvane::test::MainWindowRig>(); }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void button_stands_only_beside_diameter_rows() {
        // Circular pipe: diameter D, then the length L.
        QVERIFY(!panel()->PipeSizeBtn[0]->isHidden());
        QVERIFY(panel()->PipeSizeBtn[1]->isHidden());
        // Gradual enlargement: D1, D2 and an angle.
        chooseElementKind(rig->session.form, ElementKind{3, 2});
        rig->window->showForm();
        QVERIFY(!panel()->PipeSizeBtn[0]->isHidden());
        QVERIFY(!panel()->PipeSizeBtn[1]->isHidden());
        QVERIFY(panel()->PipeSizeBtn[2]->isHidden());
    }

    void copy_writes_the_inner_diameter_in_inches_when_the_row_shows_inches() {
        panel()->ComboVar[0]->setCurrentIndex(1);  // "in."
        choose([&] { panel()->PipeSizeBtn[0]->click(); }, "ASME B36.10M", "4", "40");
        QCOMPARE(panel()->VaEdit[0]->text(), QStringLiteral("4.026"));
        QCOMPARE(panel()->ComboVar[0]->currentText(), QStringLiteral("in."));
    }

    void copy_writes_millimetres_with_the_programs_decimals() {
        rig->session.settings.decimals = 2;
        chooseElementKind(rig->session.form, ElementKind{3, 2});
        rig->window->showForm();
        choose([&] { panel()->PipeSizeBtn[1]->click(); }, "ASME B36.10M", "6", "80");
        QCOMPARE(panel()->VaEdit[1]->text(), QStringLiteral("146.36"));
        QCOMPARE(panel()->VaEdit[0]->text(), QStringLiteral("50"));  // D1 as it was
    }

    void close_leaves_the_field_as_it_was() {
        panel()->VaEdit[0]->setText(QStringLiteral("80"));
        choose([&] { panel()->PipeSizeBtn[0]->click(); }, "EN 1057", "22", "1.0", "CloseBtn");
        QCOMPARE(panel()->VaEdit[0]->text(), QStringLiteral("80"));
    }

    void extras_item_fills_the_first_diameter_row() {
        MainMenu* menu = rig->window->menu();
        QVERIFY(menu->isAvailable(menu->pipeSizes));
        choose([&] { menu->pipeSizes->trigger(); }, "EN 1057", "22", "1.0");
        QCOMPARE(panel()->VaEdit[0]->text(), QStringLiteral("20.000"));
    }

    void extras_item_offers_no_copy_without_a_diameter_row() {
        chooseElementKind(rig->session.form, ElementKind{10, 1});  // vertical difference
        rig->window->showForm();
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            seen = true;
            QVERIFY(!byName<QPushButton>(w, "CopyBtn")->isEnabled());
            byName<QPushButton>(w, "CloseBtn")->click();
        });
        rig->window->menu()->pipeSizes->trigger();
        QVERIFY(seen);
    }

    void dialog_shows_the_rows_measures() {
        PipeSizesDialog* dialog = rig->window->findChild<PipeSizesDialog*>();
        QVERIFY(dialog);
        QVERIFY(dialog->select("ASME B36.10M", "2", "40"));
        QCOMPARE(byName<QLineEdit>(dialog, "EditOutside")->text(), QStringLiteral("60.3"));
        QCOMPARE(byName<QLineEdit>(dialog, "EditWall")->text(), QStringLiteral("3.91"));
        QCOMPARE(byName<QLineEdit>(dialog, "EditInside")->text(), QStringLiteral("52.48"));
        // Another standard offers its own sizes.
        byName<QComboBox>(dialog, "ComboStandard")->setCurrentText(QStringLiteral("EN 1057"));
        QCOMPARE(byName<QComboBox>(dialog, "ComboSize")->itemText(0), QStringLiteral("10"));
        QVERIFY(!dialog->select("EN 1057", "4", "40"));
    }

    void damaged_lines_are_named_as_plain_text() {
        PipeSizesRead read =
            parsePipeSizes("<b>X</b>\t1\t40\t33.4\t3.38\r\n<b>X</b>\t2\t40\tabc\t3.91\r\n");
        PipeSizesDialog dialog(std::move(read.table), read.faults);
        const auto* faults = byName<QLabel>(&dialog, "LabelFaults");
        QVERIFY(!faults->isHidden());
        QVERIFY(faults->text().contains(
            QStringLiteral("line 2: the outside diameter \"abc\" is not a number")));
        QVERIFY(tolvane::test::labelsReadingMarkup(&dialog).isEmpty());
        QCOMPARE(byName<QComboBox>(&dialog, "ComboStandard")->currentText(),
                 QStringLiteral("<b>X</b>"));
        QCOMPARE(byName<QLineEdit>(&dialog, "EditInside")->text(), QStringLiteral("26.64"));
    }

    void an_empty_table_offers_no_copy() {
        PipeSizesDialog dialog(PipeSizeTable{}, {{0, "the file cannot be read"}});
        QVERIFY(!byName<QPushButton>(&dialog, "CopyBtn")->isEnabled());
        QVERIFY(!dialog.chosenInsideMm());
        QVERIFY(byName<QLabel>(&dialog, "LabelFaults")
                    ->text()
                    .contains(QStringLiteral("holds no pipe sizes")));
    }
};

TOLVANE_GUI_TEST_MAIN(TestPipeSizes)
#include "test_pipe_sizes.moc"
