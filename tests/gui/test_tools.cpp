// The engineering tools of the "&Calculate" menu: each opens from its item,
// takes its preset from the main window or the table, and shows what its
// core computed; the velocity-to-rate-of-flow hand-back reaches the medium
// panel; the NPSH dialog asks for its database and takes its values.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

#include "properties/widgets/vapour_pressure_dialog.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/medium_panel.h"
#include "shell/widgets/tool_actions.h"
#include "base/number_format.h"
#include "shell/plant_curve_command.h"
#include "tools/operating_point.h"
#include "tools/widgets/npsh_dialog.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

class TestTools : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    MainMenu* menu() { return rig->window->menu(); }
    void calculate() {
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
    }
    // Opens the item's dialog; `check` runs while it is shown, then it is closed
    // by the button with `closeText`.
    void open(QAction* item, std::function<void(QDialog*)> check, const QString& closeText) {
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QDialog*>(w);
            seen = true;
            check(dialog);
            tolvane::test::clickButton(dialog, closeText);
        });
        item->trigger();
        QVERIFY(seen);
    }
    static QString text(QDialog* d, const char* name) {
        if (auto* l = byName<QLabel>(d, name)) return l->text();
        if (auto* e = byName<QLineEdit>(d, name)) return e->text();
        return QString();
    }

private Q_SLOTS:
    void init() {
        rig = tolvane::test::MainWindowRig::calculating();
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void tool_items_enabled_pipe_volume_only_with_calculations() {
        MenuContext empty;
        menu()->updateCalculateMenu(empty);
        for (QAction* a :
             {menu()->economicDiameterLiquid, menu()->economicDiameterGas, menu()->head,
              menu()->npsh, menu()->velocityToRateOfFlow, menu()->rateOfFlowToVelocity})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
        QVERIFY(!menu()->pipeVolume->isEnabled());
        MenuContext withValues;
        withValues.tableHasValues = true;
        menu()->updateCalculateMenu(withValues);
        QVERIFY(menu()->pipeVolume->isEnabled());
    }

    void liquid_diameter_calculates_the_main_windows_flow_at_once() {
        rig->window->mediumPanel()->Eingabe_Volumenstrom->setText(QStringLiteral("10"));
        open(
            menu()->economicDiameterLiquid,
            [](QDialog* d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("Economic diameter of pipe - Liquid"));
                const QString out = byName<QPlainTextEdit>(d, "Memo_Ausgabe")->toPlainText();
                QVERIFY(out.contains(QStringLiteral("Optiaml pipe diameter about: 43 mm")));
                byName<QCheckBox>(d, "CheckBox1")->click();  // inch output at once
                QVERIFY(byName<QPlainTextEdit>(d, "Memo_Ausgabe")
                            ->toPlainText()
                            .contains(QStringLiteral("1.69 in.")));
            },
            QStringLiteral("&Cancel"));
    }

    void gas_diameter_takes_a_comma_and_zero_becomes_one() {
        rig->window->mediumPanel()->Eingabe_Volumenstrom->setText(QStringLiteral("2,5"));
        open(
            menu()->economicDiameterGas,
            [](QDialog* d) {
                QVERIFY(byName<QPlainTextEdit>(d, "Memo_Ausgabe")
                            ->toPlainText()
                            .startsWith(QStringLiteral("Economic diameter of pipe")));
                byName<QLineEdit>(d, "Edit_Volumenstrom")->setText(QStringLiteral("0"));
                byName<QPushButton>(d, "Btn_Berechnung")->click();
                QCOMPARE(text(d, "Edit_Volumenstrom"), QStringLiteral("1.0"));
            },
            QStringLiteral("&Cancel"));
    }

    void npsh_database_copies_reach_the_fields() {
        TDaDruDialog* database = rig->window->tools()->vapourPressureDialog();
        open(
            menu()->npsh,
            [&](QDialog* d) {
                QVERIFY(byName<QPushButton>(d, "BitBtn1")->isEnabled());
                byName<QComboBox>(d, "ComboBox3")->setCurrentIndex(8);
                Q_EMIT database->vapourPressureAndDensityCopied(QStringLiteral("0.0234"),
                                                                QStringLiteral("997.5"));
                QCOMPARE(text(d, "Edit2"), QStringLiteral("0.0234"));
                QCOMPARE(text(d, "Edit3"), QStringLiteral("997.5"));
                QCOMPARE(byName<QComboBox>(d, "ComboBox3")->currentIndex(), 0);
                Q_EMIT database->densityCopied(QStringLiteral("1000"));
                QCOMPARE(text(d, "Edit3"), QStringLiteral("1000"));
            },
            QStringLiteral("&Close"));
    }

    void npsh_takes_the_database_values_and_empties_results_on_change() {
        TNPSHDialog* npsh = rig->window->tools()->npshDialog();
        open(
            menu()->npsh,
            [&](QDialog* d) {
                QCOMPARE(text(d, "Edit3"), QStringLiteral("998.2"));  // the main window's density
                byName<QLineEdit>(d, "Edit1")->setText(QStringLiteral("1"));
                byName<QComboBox>(d, "ComboBox3")->setCurrentIndex(8);
                npsh->setVapourPressureBar(QStringLiteral("0.0234"));
                npsh->setDensityKgPerCubicMetre(QStringLiteral("998"));
                QCOMPARE(byName<QComboBox>(d, "ComboBox3")->currentIndex(), 0);
                byName<QPushButton>(d, "BitBtn4")->click();
                QCOMPARE(text(d, "Label6"), QStringLiteral("10.0 m"));
                QCOMPARE(text(d, "Label7"), QStringLiteral("(= 32.7 ft.)"));
                byName<QComboBox>(d, "ComboBox1")->setCurrentIndex(1);
                QCOMPARE(text(d, "Label6"), QString());
            },
            QStringLiteral("&Close"));
    }

    void npsh_from_the_suction_line_takes_the_tables_losses_off() {
        calculate();
        calculate();
        const double losses = *SuctionLineDropAt(rig->session, 1, 2);
        QVERIFY(losses > 0.0);
        open(
            menu()->npsh,
            [&](QDialog* d) {
                auto* suction = byName<QCheckBox>(d, "CheckSuction");
                QVERIFY(!byName<QLineEdit>(d, "Edit_Level")->isVisibleTo(d));
                suction->click();
                QVERIFY(byName<QLineEdit>(d, "Edit_Level")->isVisibleTo(d));
                byName<QLineEdit>(d, "Edit1")->setText(QStringLiteral("1,013"));
                byName<QComboBox>(d, "ComboBox1")->setCurrentIndex(0);
                byName<QLineEdit>(d, "Edit2")->setText(QStringLiteral("0,0234"));
                byName<QComboBox>(d, "ComboBox3")->setCurrentIndex(0);
                byName<QLineEdit>(d, "Edit_SuctionLast")->setText(QStringLiteral("2"));
                byName<QLineEdit>(d, "Edit_Level")->setText(QStringLiteral("-2"));
                byName<QPushButton>(d, "BitBtn4")->click();
                QCOMPARE(byName<QComboBox>(d, "ComboBox2")->currentText(), QStringLiteral("kg/m³"));
                const double rho = text(d, "Edit3").toDouble();
                QCOMPARE(text(d, "Label6"),
                         QString::fromStdString(
                             formatFixed(headOfPressure(1.013 - 0.0234 - losses, rho) - 2.0, 2) +
                             " m"));
                suction->click();  // back to the suction pressure as typed
                QVERIFY(!byName<QLineEdit>(d, "Edit_Level")->isVisibleTo(d));
            },
            QStringLiteral("&Close"));
        QVERIFY(rig->sink.messages.empty());
    }

    void head_opens_with_the_tables_total() {
        calculate();
        const std::string total = rig->session.table.totalText();
        const QString bar = QString::fromStdString(total.substr(total.find(" or ") + 4))
                                .section(QLatin1Char(' '), 0, 0);
        open(
            menu()->head,
            [&](QDialog* d) {
                QCOMPARE(text(d, "Edit_Druck"), bar);
                QVERIFY(text(d, "Label5").endsWith(QStringLiteral(" m")));
                byName<QLineEdit>(d, "Edit_Dichte")->setText(QStringLiteral("dense"));
                QCOMPARE(text(d, "Label5"), QString());
                byName<QPushButton>(d, "OKBtn")->click();
            },
            QStringLiteral("&Cancel"));
        QCOMPARE(rig->sink.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(rig->sink.messages[0].text),
                 QStringLiteral("Incorrect input in the input field\r\"Weight density:\"!"));
    }

    void rate_of_flow_to_velocity_from_the_main_window() {
        rig->window->mediumPanel()->Eingabe_Volumenstrom->setText(QStringLiteral("10"));
        rig->window->elementPanel()
            ->findChild<QLineEdit*>(QStringLiteral("Va1_Edit"))
            ->setText(QStringLiteral("50"));
        open(
            menu()->rateOfFlowToVelocity,
            [](QDialog* d) {
                QCOMPARE(text(d, "Label3"), QStringLiteral("1.41 m/s"));
                QCOMPARE(text(d, "Label4"), QStringLiteral("( = 4.64 ft./s)"));
            },
            QStringLiteral("&Cancel"));
    }

    void velocity_to_rate_of_flow_copies_into_the_medium_panel() {
        calculate();  // water, 1 m³/h in DN 100: the table shows 0.04 m/s
        MediumPanelWidget* medium = rig->window->mediumPanel();
        medium->ComboBox4->setCurrentIndex(1);  // mass flow
        QString kept;
        open(
            menu()->velocityToRateOfFlow,
            [&](QDialog* d) {
                QCOMPARE(text(d, "Edit_Geschwindigkeit"), QStringLiteral("0.04"));
                byName<QLineEdit>(d, "Edit_Geschwindigkeit")->setText(QStringLiteral("1"));
                byName<QPushButton>(d, "OKBtn")->click();
                QCOMPARE(text(d, "Label3"), QStringLiteral("28.27 m³/h"));
                kept = QStringLiteral("28.27");
            },
            QStringLiteral("Copy to &medium window"));
        QCOMPARE(medium->Eingabe_Volumenstrom->text(), kept);
        QCOMPARE(medium->ComboBox4->currentIndex(), 0);
        QCOMPARE(medium->ComboBox1->currentText(), QStringLiteral("m³/h"));
        QCOMPARE(rig->session.form.medium.flow, std::string("28.27"));
    }

    void pipe_volume_of_the_tables_straight_pipes() {
        calculate();  // DN 100, 1 m
        calculate();
        MenuContext c;
        c.tableHasValues = rig->session.table.hasValues();
        menu()->updateCalculateMenu(c);
        open(
            menu()->pipeVolume,
            [](QDialog* d) {
                QCOMPARE(text(d, "Edit2"), QStringLiteral("2"));
                QCOMPARE(text(d, "Label5"), QStringLiteral("15.71 l"));
                QVERIFY(text(d, "Label7").endsWith(QStringLiteral(" s")));
                byName<QLineEdit>(d, "Edit2")->setText(QStringLiteral("1"));
                QCOMPARE(text(d, "Label5"), QStringLiteral("7.85 l"));
                byName<QLineEdit>(d, "Edit3")->setText(QStringLiteral("2"));
                QCOMPARE(text(d, "Label7"), QString());
            },
            QStringLiteral("&Close"));
    }
};

TOLVANE_GUI_TEST_MAIN(TestTools)
#include "test_tools.moc"
