// The settings dialog in a running program: "&OK" takes the output system and
// the table converts, "&Cancel" keeps it; the decimal places, the saving
// choice and the database units take effect as they are set; keeping the
// diameter on a kind change is kept in its own file.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>

#include "program_harness.h"
#include "shell/diameter_carry.h"
#include "shell/widgets/element_chooser_dialog.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/check_limits_dialog.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/settings_dialog.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

const std::string kDatabaseWarning =
    "The data records in the database will not convert to the new units!";

void pressArrow(UpDownButtons* arrows, int steps) {
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::mouseClick(steps > 0 ? arrows->up : arrows->down, Qt::LeftButton);
}

}  // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::ProgramHarness> run;

    TEinstellungenDlg* dialog() const { return run->program->settingsDialog(); }

    // Opens "&Extras" > "&Settings...", lets `act` work in it and leaves it by `button`.
    void inDialog(const std::function<void(TEinstellungenDlg*)>& act, const QString& button) {
        ui.modals().expectModal([act, button](QWidget* w) {
            auto* dlg = qobject_cast<TEinstellungenDlg*>(w);
            QVERIFY(dlg);
            act(dlg);
            tolvane::test::clickButton(dlg, button);
        });
        run->menu()->settings->trigger();
    }
    // The chooser's OK on button `sb` (SB31 is the globe valve).
    void choose(const char* sb) {
        ui.modals().expectModal([sb](QWidget* w) {
            auto* dlg = qobject_cast<TBtnBottomDlg*>(w);
            QVERIFY(dlg);
            QTest::mouseClick(byName<QToolButton>(dlg, sb), Qt::LeftButton);
            tolvane::test::clickButton(dlg, QStringLiteral("&OK"));
        });
        QTest::mouseClick(run->main()->speedButtons().SpeedButton1, Qt::LeftButton);
        QCOMPARE(ui.modals().pendingExpectations(), 0);
    }
    QLineEdit* diameterField() const { return run->main()->elementPanel()->VaEdit[0]; }
    QString optionsFile() const { return ui.workDir() + "/" + kOptionsFileName; }
    void setKeepDiameter(bool on) {
        inDialog(
            [on](TEinstellungenDlg* d) {
                byName<QCheckBox>(d, "CheckKeepDiameter")->setChecked(on);
            },
            "&Cancel");
    }

private Q_SLOTS:
    void init() {
        QFile::remove(optionsFile());
        run = std::make_unique<tolvane::test::ProgramHarness>();
        QVERIFY(run->start(tolvane::test::ProgramHarness::options(ui.workDir())));
        run->sink.messages.clear();  // the first start's settings warning
    }
    void cleanup() {
        run.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void ok_takes_the_output_system_and_cancel_keeps_it_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("us");
        QTest::newRow("ok_switches_the_table_to_us") << "US"
                                                     << "&OK" << true;
        QTest::newRow("cancel_keeps_metric") << "US"
                                             << "&Cancel" << false;
        QTest::newRow("ok_with_metric_changes_nothing") << "metric"
                                                        << "&OK" << false;
    }
    void ok_takes_the_output_system_and_cancel_keeps_it() {
        QFETCH(QString, chosen);
        QFETCH(QString, button);
        QFETCH(bool, us);
        run->calculate();
        const CalculationTable& t = run->session.table;
        QCOMPARE(t.cell(1, Row::RateOfFlow), std::string("1.000"));

        inDialog(
            [chosen](TEinstellungenDlg* d) {
                byName<QComboBox>(d, "ComboBox1")->setCurrentText(chosen);
            },
            button);

        QCOMPARE(run->session.settings.output == OutputSystem::US, us);
        // 1 m³/h is 4.403 US gallons a minute.
        QCOMPARE(t.cell(0, Row::RateOfFlow),
                 std::string(us ? "Rate of flow in gal/min:" : "Rate of flow in m³/h"));
        QCOMPARE(t.cell(1, Row::RateOfFlow), std::string(us ? "4.403" : "1.000"));
        QCOMPARE(run->table()->windowTitle(), QStringLiteral("NONAME.TLV"));
        // Opened again, the box shows the system in force.
        inDialog(
            [us](TEinstellungenDlg* d) {
                QCOMPARE(byName<QComboBox>(d, "ComboBox1")->currentText(), us ? "US" : "metric");
            },
            "&Cancel");
        QVERIFY(run->sink.messages.empty());
    }

    void decimal_places_step_between_0_and_6_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<int>("expected");
        QTest::newRow("two_up") << 2 << false << 5;
        QTest::newRow("stops_at_six") << 7 << false << 6;
        QTest::newRow("stops_at_zero") << -5 << false << 0;
        QTest::newRow("arrow_keys_in_the_field") << -2 << true << 1;
    }
    void decimal_places_step_between_0_and_6() {
        QFETCH(int, steps);
        QFETCH(bool, byKeys);
        QFETCH(int, expected);
        run->calculate();
        // Cancel: the decimal places are set all the same.
        inDialog(
            [&](TEinstellungenDlg* d) {
                if (!byKeys) return pressArrow(d->UpDown1, steps);
                for (int i = 0; i < std::abs(steps); ++i)
                    QTest::keyClick(byName<QLineEdit>(d, "Edit2"),
                                    steps > 0 ? Qt::Key_Up : Qt::Key_Down);
            },
            "&Cancel");
        QCOMPARE(byName<QLineEdit>(dialog(), "Edit2")->text(), QString::number(expected));
        QCOMPARE(run->session.settings.decimals, expected);

        run->calculate();
        const std::string flow = run->session.table.cell(2, Row::RateOfFlow);
        QCOMPARE(flow, expected == 0 ? std::string("1")
                                     : "1." + std::string(static_cast<std::size_t>(expected), '0'));
        QCOMPARE(run->session.table.cell(1, Row::RateOfFlow),
                 std::string("1.000"));  // earlier texts stay as written
    }

    void saving_choice_and_database_units_are_set_at_once_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("warnings");
        QTest::newRow("database_units_warn") << "ComboBox3" << 1;
        QTest::newRow("saving_choice_is_quiet") << "ComboBox2" << 0;
    }
    void saving_choice_and_database_units_are_set_at_once() {
        QFETCH(QString, box);
        QFETCH(int, warnings);
        inDialog(
            [box](TEinstellungenDlg* d) {
                tolvane::test::byName<QComboBox>(d, qPrintable(box))->setCurrentIndex(1);
            },
            "&Cancel");
        const Settings& s = run->session.settings;
        QCOMPARE(box == "ComboBox3" ? s.userDatabaseMetric : s.saveSettings, false);
        QCOMPARE(run->sink.messages.size(), std::size_t(warnings));
        for (const Message& m : run->sink.messages)
            QCOMPARE(m, (Message{MessageType::Warning, kDatabaseWarning, {}}));
        // Showing the settings again is no change by the user.
        dialog()->showSettings();
        QCOMPARE(run->sink.messages.size(), std::size_t(warnings));
    }

    void keeping_the_diameter_follows_the_check_box() {
        QVERIFY(!run->session.settings.keepDiameter);
        diameterField()->setText(QStringLiteral("80"));
        choose("SB31");
        QCOMPARE(diameterField()->text(), QStringLiteral("100"));  // off: the kind's own

        setKeepDiameter(true);
        QVERIFY(run->session.settings.keepDiameter);
        diameterField()->setText(QStringLiteral("65"));
        choose("SB14");
        QCOMPARE(diameterField()->text(), QStringLiteral("65"));
        choose("SB02");  // rectangular: no diameter
        QCOMPARE(diameterField()->text(), QStringLiteral("100"));
        choose("SB31");
        QCOMPARE(diameterField()->text(), QStringLiteral("65"));

        setKeepDiameter(false);
        choose("SB14");
        QCOMPARE(diameterField()->text(), QStringLiteral("50"));
    }

    void keeping_the_diameter_outlives_the_run_outside_the_settings_file() {
        // Ends the run as "E&xit" does, which writes the settings file.
        auto settingsFileAtEnd = [this] {
            run->main()->close();
            run.reset();
            QFile ini(ui.workDir() + "/TOLV.INI");
            return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
        };
        auto restart = [this] {
            run = std::make_unique<tolvane::test::ProgramHarness>();
            return run->start(tolvane::test::ProgramHarness::options(ui.workDir()));
        };
        const QByteArray withoutKeeping = settingsFileAtEnd();
        QVERIFY(!withoutKeeping.isEmpty());
        QVERIFY(restart());
        QVERIFY(!run->session.settings.keepDiameter);
        setKeepDiameter(true);
        QFile options(optionsFile());
        QVERIFY(options.open(QIODevice::ReadOnly));
        QVERIFY(options.readAll().contains("keepDiameter=true"));
        options.close();
        QCOMPARE(settingsFileAtEnd(), withoutKeeping);

        QVERIFY(restart());
        QVERIFY(run->session.settings.keepDiameter);
        inDialog(
            [](TEinstellungenDlg* d) {
                QVERIFY(byName<QCheckBox>(d, "CheckKeepDiameter")->isChecked());
            },
            "&Cancel");
    }

    void check_limits_outlive_the_run_outside_the_settings_file() {
        auto settingsFileAtEnd = [this] {
            run->main()->close();
            run.reset();
            QFile ini(ui.workDir() + "/TOLV.INI");
            return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
        };
        auto restart = [this] {
            run = std::make_unique<tolvane::test::ProgramHarness>();
            return run->start(tolvane::test::ProgramHarness::options(ui.workDir()));
        };
        const QByteArray before = settingsFileAtEnd();
        QVERIFY(restart());
        TCheckLimitsDialog* dialog = run->main()->checkLimitsDialog();
        dialog->showLimits();
        dialog->field(0)->setText("2,5");
        dialog->field(8)->setText("0.0234");
        dialog->OKBtnClick();
        QFile options(optionsFile());
        QVERIFY(options.open(QIODevice::ReadOnly));
        const QByteArray written = options.readAll();
        QVERIFY(written.contains("liquidVelocity=2.5"));
        QVERIFY(written.contains("vapourPressure=0.0234"));
        options.close();
        QCOMPARE(settingsFileAtEnd(), before);

        QVERIFY(restart());
        QCOMPARE(run->session.settings.checkLimits.liquidVelocity, 2.5);
        QCOMPARE(run->session.settings.checkLimits.vapourPressureBar,
                 std::optional<double>(0.0234));
        QVERIFY(!run->session.settings.checkLimits.lineInletPressureBar);
    }
};

TOLVANE_GUI_TEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
