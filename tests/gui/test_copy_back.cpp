// A calculation taken back from the table into the main window's fields: the
// kind's panel with the chooser's button pressed, the units, the option (the
// rectangular bend's surface in its own window), the medium and its
// condition; and a Calculate after a change of decimals or output system.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <memory>

#include "results/widgets/calculation_table_window.h"
#include "shell/element_panel.h"
#include "shell/widgets/bend_surface_window.h"
#include "shell/widgets/branch_flow_window.h"
#include "shell/widgets/element_chooser_dialog.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/gas_data_window.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/medium_panel.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

class TestCopyBack : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    void choose(ElementKind kind) {
        rig->window->readForm();
        chooseElementKind(rig->session.form, kind);
        rig->window->showForm();
        rig->window->chooser()->setSelectedKind(kind);
    }
    void calculate() {
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
    }
    void copyBack(int tableColumn) {
        rig->table->grid()->setCurrentIndex(rig->table->grid()->model()->index(3, tableColumn - 1));
        QTest::mouseClick(rig->table->findChild<QToolButton*>(QStringLiteral("SpeedButton10")),
                          Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        rig = tolvane::test::MainWindowRig::calculating();
    }

    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void restores_kind_units_option_and_medium_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("unit1");  // position of ComboVar1 when calculated (1: 4 in.)
        QTest::addColumn<int>(
            "option");  // option item (the surface window's for the rectangular bend)
        QTest::addColumn<bool>("gas");
        QTest::addColumn<bool>("surfaceWindow");
        QTest::addColumn<bool>("flowWindow");
        QTest::newRow("pipe_in_inches") << 1 << 1 << 1 << 0 << false << false << false;
        QTest::newRow("bend_rough") << 4 << 1 << 0 << 1 << false << false << false;
        QTest::newRow("rectangular_bend_rough_surface")
            << 4 << 4 << 0 << 1 << false << true << false;
        QTest::newRow("rectangular_bend_smooth_surface")
            << 4 << 4 << 1 << 0 << false << true << false;
        QTest::newRow("branch_asunder_of_a_gas") << 5 << 5 << 0 << 0 << true << false << true;
    }
    void restores_kind_units_option_and_medium() {
        QFETCH(int, group);
        QFETCH(int, variant);
        QFETCH(int, unit1);
        QFETCH(int, option);
        QFETCH(bool, gas);
        QFETCH(bool, surfaceWindow);
        QFETCH(bool, flowWindow);
        const ElementKind kind{group, variant};
        ElementPanelWidget* panel = rig->window->elementPanel();
        MediumPanelWidget* medium = rig->window->mediumPanel();

        choose(kind);
        panel->ComboVar[0]->setCurrentIndex(unit1);
        if (unit1 == 1) panel->VaEdit[0]->setText(QStringLiteral("4"));
        if (kind == ElementKind{4, 4})
            rig->window->elementDataWindow()->setSurface(option);
        else if (option == 1)
            panel->optionItems[1]->setChecked(true);
        if (flowWindow)
            rig->window->flowDataWindow()->Edit_abzwVolumenstrom->setText(QStringLiteral("0.4"));
        medium->Eingabe_Medium->setText(QStringLiteral("brine"));
        if (gas) medium->Radio_Gas->setChecked(true);
        calculate();
        QCOMPARE(rig->session.table.calculationCount(), 1);

        // Everything else in the window is changed before the copy back.
        choose(ElementKind{10, 2});
        (gas ? medium->Radio_Fluessig : medium->Radio_Gas)->setChecked(true);
        medium->Eingabe_Medium->setText(QStringLiteral("other"));
        medium->ComboBox4->setCurrentIndex(1);
        rig->window->elementDataWindow()->setSurface(1 - option);
        rig->window->flowDataWindow()->Edit_abzwVolumenstrom->setText(QString());
        QVERIFY(!rig->window->chooser()->button(kind)->isChecked());

        copyBack(1);
        QCOMPARE(rig->sink.messages.size(), std::size_t{0});
        QVERIFY(rig->session.form.element.kind == kind);
        QVERIFY(rig->window->chooser()->button(kind)->isChecked());
        // The table writes metric texts: an entry in inches comes back in mm.
        QCOMPARE(panel->ComboVar[0]->currentText(), QStringLiteral("mm"));
        if (unit1 == 1) QCOMPARE(panel->VaEdit[0]->text(), QStringLiteral("101.600"));
        QCOMPARE(panel->ComboVar[0]->isVisible(), true);
        if (kind == ElementKind{4, 4}) {
            QCOMPARE(rig->window->elementDataWindow()->surface(), option);
        } else if (byName<QGroupBox>(panel, "RadioGroup1")->isVisible()) {
            QCOMPARE(panel->optionItems[static_cast<std::size_t>(option)]->isChecked(), true);
        }
        QCOMPARE(rig->window->elementDataWindow()->isVisible(), surfaceWindow);
        QCOMPARE(rig->window->flowDataWindow()->isVisible(), flowWindow);
        if (flowWindow)
            QVERIFY(!rig->window->flowDataWindow()->Edit_abzwVolumenstrom->text().isEmpty());
        QCOMPARE(medium->Eingabe_Medium->text(), QStringLiteral("brine"));
        QCOMPARE(medium->ComboBox4->currentText(), QStringLiteral("Volume flow:"));
        QCOMPARE(medium->ComboBox1->currentText(), QStringLiteral("m³/h"));
        QCOMPARE(medium->Radio_Gas->isChecked(), gas);
        QCOMPARE(rig->window->gasWindow()->isVisible(), gas);

        // The fields taken back calculate the same column again (a branch
        // flow recomputed from rounded velocities may differ in its last place).
        calculate();
        QCOMPARE(rig->session.table.calculationCount(), 2);
        for (int row = 1; row < (flowWindow ? 13 : 25); ++row)
            QCOMPARE(QString::fromStdString(rig->session.table.cell(2, row)),
                     QString::fromStdString(rig->session.table.cell(1, row)));
    }

    void calculate_uses_the_settings_in_force_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("us");
        QTest::addColumn<QString>("flowUnit");  // of the medium panel after the copy back
        QTest::newRow("one_decimal_metric") << 1 << false << QStringLiteral("m³/h");
        QTest::newRow("five_decimals_us") << 5 << true << QStringLiteral("gal/min");
    }
    void calculate_uses_the_settings_in_force() {
        QFETCH(int, decimals);
        QFETCH(bool, us);
        QFETCH(QString, flowUnit);
        calculate();
        rig->session.settings.decimals = decimals;
        if (us) {
            rig->session.settings.output = OutputSystem::US;
            rig->table->convertUnits(OutputSystem::US, decimals);
        }
        calculate();
        QCOMPARE(rig->session.table.calculationCount(), 2);
        const std::string drop = rig->session.table.cell(2, Row::PressureDrop);
        const std::size_t point = drop.find('.');
        QVERIFY2(point != std::string::npos, drop.c_str());
        QCOMPARE(static_cast<int>(drop.size() - point - 1), decimals);
        QCOMPARE(QString::fromStdString(rig->session.table.cell(0, Row::PressureDrop)),
                 us ? QStringLiteral("Pressure drop in lbw./sq.ft.:")
                    : QStringLiteral("Pressure drop in mbar:"));

        copyBack(2);
        QCOMPARE(rig->window->mediumPanel()->ComboBox1->currentText(), flowUnit);
        QCOMPARE(rig->window->mediumPanel()->Eingabe_Volumenstrom->text(),
                 QString::fromStdString(rig->session.table.cell(2, Row::RateOfFlow)));
    }
};

TOLVANE_GUI_TEST_MAIN(TestCopyBack)
#include "test_copy_back.moc"
