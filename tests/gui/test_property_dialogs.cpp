// The property dialogs as the user meets them: each opened from its speed
// button or Flow Medium item, a row chosen, and what lands in the medium
// panel and the gas data window; the pressure dialogs, the damaged data
// files, the user's own database with its editor and chooser, and the
// vapour-pressure dialog's copy signals and held arrows.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstring>
#include <memory>

#include "../core/file_size_limit.h"
#include "properties/user_database.h"
#include "properties/widgets/air_dialog.h"
#include "properties/widgets/air_pressure_dialog.h"
#include "properties/widgets/gas_dialog.h"
#include "properties/widgets/held_arrows.h"
#include "properties/widgets/liquid_dialog.h"
#include "properties/widgets/steam_dialog.h"
#include "properties/widgets/user_database_chooser_dialog.h"
#include "properties/widgets/user_database_dialog.h"
#include "properties/widgets/vapour_pressure_dialog.h"
#include "properties/widgets/water_dialog.h"
#include "shell/widgets/gas_data_window.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/medium_panel.h"
#include "ui_fixture.h"
#include "units/unit_catalogue.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

std::string binFile(const char* name) {
    return (tolvane::test::UiFixture::programDir() + QLatin1Char('/') + QLatin1String(name))
        .toStdString();
}

}  // namespace

class TestPropertyDialogs : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    MediumPanelWidget* medium() const { return rig->window->mediumPanel(); }
    TGasdaten* gas() const { return rig->window->gasWindow(); }

    // Announces the dialog of type D; `act` works in it and closes it.
    template <class D>
    void expect(std::function<void(D*)> act) {
        ui.modals().expectModal([act](QWidget* w) {
            auto* dlg = qobject_cast<D*>(w);
            QVERIFY2(dlg, qPrintable(w->metaObject()->className()));
            act(dlg);
            if (w->isVisible()) qobject_cast<QDialog*>(w)->reject();
        });
    }

private Q_SLOTS:
    void init() {
        rig = std::make_unique<tolvane::test::MainWindowRig>();
        const QString userFile = ui.workDir() + QStringLiteral("/USER.DAT");
        QFile::remove(userFile);
        rig->window->userDatabase().setPath(userFile.toStdString());
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void flow_medium_items_are_enabled() {
        MainMenu* m = rig->window->menu();
        for (QAction* a : {m->water, m->otherFluids, m->air, m->saturatedSteam, m->otherGases,
                           m->userDatabase, m->editUserDatabase})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
        const SpeedButtons& s = rig->window->speedButtons();
        for (QToolButton* b :
             {s.Btn_Stoffdaten_Wasser, s.Btn_Stoffdaten_Fluessigkeiten, s.Btn_Stoffdaten_Luft,
              s.Btn_Stoffdaten_Sattdampf, s.Btn_Stoffdaten_Gase, s.SpeedButton6})
            QVERIFY(b->isEnabled());
    }

    void water_turns_a_gas_into_liquid_water() {
        medium()->Radio_Gas->setChecked(true);
        QVERIFY(gas()->isVisible());
        rig->session.form.medium.flow = "7.5";
        medium()->Eingabe_Volumenstrom->setText(QStringLiteral("7.5"));
        expect<TWasser_Dialog>([](TWasser_Dialog* d) {
            byName<QListWidget>(d, "TemperaturListBox")->setCurrentRow(2);  // 4 °C
            QCOMPARE(byName<QLabel>(d, "Label13")->text(), QStringLiteral("(= 39 °F)"));
            byName<QPushButton>(d, "OKBtn")->click();
        });
        rig->window->speedButtons().Btn_Stoffdaten_Wasser->click();
        QCOMPARE(medium()->Eingabe_Medium->text(), QStringLiteral("Water"));
        QCOMPARE(medium()->Eingabe_Dichte->text(), QStringLiteral("1000"));
        QCOMPARE(medium()->Eingabe_Viskositaet->text(), QStringLiteral("1562"));
        QVERIFY(medium()->Radio_Fluessig->isChecked());
        QVERIFY(!gas()->isVisible());
        QCOMPARE(medium()->Eingabe_Volumenstrom->text(), QStringLiteral("7.5"));
        QCOMPARE(medium()->ComboBox3->currentText(), QStringLiteral("10-6 kg/ms"));
    }

    void cancel_changes_nothing() {
        const MediumPanel before = rig->session.form.medium;
        expect<TWasser_Dialog>([](TWasser_Dialog* d) {
            byName<QListWidget>(d, "TemperaturListBox")->setCurrentRow(5);
            byName<QPushButton>(d, "CancelBtn")->click();
        });
        rig->window->menu()->water->trigger();
        rig->window->readForm();
        QCOMPARE(rig->session.form.medium, before);
    }

    void air_at_two_bar_fills_the_gas_window() {
        expect<TLuftDialog>([](TLuftDialog* d) {
            QTimer::singleShot(0, d, [] {
                auto* p = qobject_cast<TLuftDialog2*>(QApplication::activeModalWidget());
                if (!p) return;
                byName<QLineEdit>(p, "Edit_Druck")->setText(QStringLiteral("2"));
                byName<QComboBox>(p, "ComboBox1")->setCurrentIndex(1);  // bar
                byName<QPushButton>(p, "OKBtn")->click();
            });
            byName<QPushButton>(d, "DruckBtn")->click();
            QCOMPARE(byName<QLineEdit>(d, "Edit_Druck")->text(), QStringLiteral("2000"));
            byName<QListWidget>(d, "ListBox_Temperatur")->setCurrentRow(10);  // 20 °C
            QCOMPARE(byName<QLineEdit>(d, "Edit_Dichte")->text(), QStringLiteral("2.38"));
            QCOMPARE(byName<QLabel>(d, "Label14")->text(), QStringLiteral("(= 29 psi)"));
            byName<QPushButton>(d, "OKBtn")->click();
        });
        rig->window->menu()->air->trigger();
        QCOMPARE(medium()->Eingabe_Medium->text(), QStringLiteral("air"));
        QVERIFY(medium()->Radio_Gas->isChecked());
        QVERIFY(gas()->isVisible());
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Eingangsdruck")->text(), QStringLiteral("2000"));
        QCOMPARE(byName<QComboBox>(gas(), "ComboBox1")->currentText(), QStringLiteral("mbar"));
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Eingangstemperatur")->text(), QStringLiteral("20"));
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Ausgangstemperatur")->text(), QStringLiteral("20"));
        QCOMPARE(byName<QComboBox>(gas(), "ComboBox2")->currentText(), QStringLiteral("°C"));
    }

    void pressure_dialog_refuses_what_is_no_number() {
        TLuftDialog2* p = byName<TLuftDialog2>(rig->window->airDialog(), "LuftDialog2");
        expect<TLuftDialog2>([this](TLuftDialog2* d) {
            byName<QLineEdit>(d, "Edit_Druck")->setText(QStringLiteral("zwei"));
            byName<QPushButton>(d, "OKBtn")->click();
            QVERIFY(d->isVisible());
            QCOMPARE(rig->sink.messages.size(), std::size_t{1});
            QCOMPARE(rig->sink.messages[0].text, std::string("Incorrect input!"));
        });
        QCOMPARE(p->exec(), int(QDialog::Rejected));
    }

    void steam_at_hundred_degrees() {
        expect<TSattdampfDialog>([](TSattdampfDialog* d) {
            byName<QListWidget>(d, "Listbox_Temperatur")->setCurrentRow(10);
            QCOMPARE(byName<QLabel>(d, "Label13")->text(), QStringLiteral("(= 212 °F)"));
            byName<QPushButton>(d, "OKBtn")->click();
        });
        rig->window->speedButtons().Btn_Stoffdaten_Sattdampf->click();
        QCOMPARE(medium()->Eingabe_Medium->text(), QStringLiteral("Saturated steam"));
        QCOMPARE(medium()->Eingabe_Dichte->text(), QStringLiteral("0.5974"));
        QCOMPARE(medium()->Eingabe_Viskositaet->text(), QStringLiteral("12.02"));
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Eingangsdruck")->text(), QStringLiteral("1013.2"));
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Eingangstemperatur")->text(),
                 QStringLiteral("100"));
    }

    void gas_from_the_shipped_file() {
        expect<TStoffwerteGaseNeu>([](TStoffwerteGaseNeu* d) {
            QVERIFY(byName<QListWidget>(d, "GasListbox")->count() >= 20);
            byName<QListWidget>(d, "GasListbox")->setCurrentRow(1);
            QCOMPARE(byName<QLabel>(d, "Stofflabel")->text(), QStringLiteral("Nitrogen"));
            QCOMPARE(byName<QListWidget>(d, "TemperaturListbox")->currentRow(), 0);
            const auto items = byName<QListWidget>(d, "TemperaturListbox")
                                   ->findItems(QStringLiteral("27"), Qt::MatchExactly);
            QCOMPARE(items.size(), 1);
            const int row27 = byName<QListWidget>(d, "TemperaturListbox")->row(items[0]);
            byName<QListWidget>(d, "TemperaturListbox")->setCurrentRow(row27);
            byName<QPushButton>(d, "OKBtn")->click();
        });
        rig->window->speedButtons().Btn_Stoffdaten_Gase->click();
        QCOMPARE(medium()->Eingabe_Medium->text(), QStringLiteral("Nitrogen"));
        QCOMPARE(medium()->Eingabe_Dichte->text(),
                 QStringLiteral("1,14"));  // 28.014 / 22.414 at 300 K
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Eingangsdruck")->text(), QStringLiteral("1013"));
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Ausgangstemperatur")->text(), QStringLiteral("27"));
        QVERIFY(medium()->Radio_Gas->isChecked());
    }

    void missing_gas_file_warns_and_offers_nothing() {
        TStoffwerteGaseNeu dialog(readGasFile(ui.workDir().toStdString() + "/none/GASE.STW"),
                                  rig->sink);
        expect<TStoffwerteGaseNeu>([](TStoffwerteGaseNeu* d) {
            QCOMPARE(byName<QListWidget>(d, "GasListbox")->count(), 0);
            QVERIFY(!byName<QPushButton>(d, "OKBtn")->isEnabled());
        });
        dialog.exec();
        QCOMPARE(rig->sink.messages.size(), std::size_t{1});
        QCOMPARE(rig->sink.messages[0].type, MessageType::Warning);
        QCOMPARE(rig->sink.messages[0].text, std::string(kGasFileBroken));
    }

    void gas_texts_from_the_file_show_as_spelled() {
        const QString path = ui.workDir() + QStringLiteral("/GASE.STW");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((tolvane::test::kMarkupName +
                    "\t<b>N2</b>\t28.014\t-210.0\t-195.8\t-173\t7.0\t27\t17.9\r\n")
                       .toLatin1());
        file.close();
        TStoffwerteGaseNeu dialog(readGasFile(path.toStdString()), rig->sink);
        expect<TStoffwerteGaseNeu>([](TStoffwerteGaseNeu* d) {
            QCOMPARE(byName<QLabel>(d, "Stofflabel")->text(), tolvane::test::kMarkupName);
            QCOMPARE(byName<QLabel>(d, "Stofflabel")->textFormat(), Qt::PlainText);
            QCOMPARE(byName<QLabel>(d, "Label6")->text(), QStringLiteral("<b>N2</b>"));
            QCOMPARE(tolvane::test::labelsReadingMarkup(d), QStringList());
        });
        dialog.exec();
        QCOMPARE(rig->sink.messages.size(), std::size_t{0});
    }

    void liquid_from_the_shipped_file() {
        expect<TMedienDialog>([](TMedienDialog* d) {
            QVERIFY(byName<QListWidget>(d, "MediumListbox")->count() >= 20);
            byName<QListWidget>(d, "MediumListbox")->setCurrentRow(1);  // Ethanol
            byName<QListWidget>(d, "TemperaturListbox")->setCurrentRow(2);
            byName<QPushButton>(d, "OKBtn")->click();
        });
        medium()->Radio_Gas->setChecked(true);
        rig->window->menu()->otherFluids->trigger();
        QCOMPARE(medium()->Eingabe_Medium->text(), QStringLiteral("Ethanol"));
        QCOMPARE(medium()->Eingabe_Dichte->text(), QStringLiteral("785.1"));
        QCOMPARE(medium()->Eingabe_Viskositaet->text(), QStringLiteral("1074"));
        QVERIFY(medium()->Radio_Fluessig->isChecked());
    }

    void user_record_made_saved_and_chosen() {
        expect<TBen_Daba_Dlg>([](TBen_Daba_Dlg* d) {
            QCOMPARE(byName<QLabel>(d, "Label8")->text(), QStringLiteral("Data record 0 of 0"));
            byName<QPushButton>(d, "NeuBtn")->click();
            QCOMPARE(byName<QLabel>(d, "Label8")->text(), QStringLiteral("Data record 1 of 1"));
            byName<QLineEdit>(d, "Edit_Medium")->setText(QStringLiteral("Biogas"));
            byName<QRadioButton>(d, "RBTn_gas")->setChecked(true);
            byName<QLineEdit>(d, "Edit_Temperatur")->setText(QStringLiteral("35"));
            byName<QLineEdit>(d, "Edit_Druck")->setText(QStringLiteral("1050"));
            byName<QLineEdit>(d, "Edit_Dichte")->setText(QStringLiteral("1,15"));
            byName<QLineEdit>(d, "Edit_Visko")->setText(QStringLiteral("13"));
            byName<QPushButton>(d, "SaveBtn")->click();
        });
        rig->window->menu()->editUserDatabase->trigger();
        QCOMPARE(QFileInfo(ui.workDir() + QStringLiteral("/USER.DAT")).size(), qint64(1537));

        rig->session.settings.userDatabaseMetric = false;
        expect<TBen_Daba_Dlg2>([](TBen_Daba_Dlg2* d) {
            QCOMPARE(byName<QListWidget>(d, "Listbox_Medium")->count(), 1);
            QVERIFY(byName<QRadioButton>(d, "Radio_gas")->isChecked());
            QCOMPARE(byName<QLineEdit>(d, "Edit_Druck")->text(), QStringLiteral("1050"));
            byName<QPushButton>(d, "OKBtn")->click();
        });
        rig->window->speedButtons().SpeedButton6->click();
        QCOMPARE(medium()->Eingabe_Medium->text(), QStringLiteral("Biogas"));
        QCOMPARE(medium()->ComboBox2->currentText(), QStringLiteral("lb./cu.ft."));
        QCOMPARE(medium()->ComboBox3->currentText(), QStringLiteral("cP"));
        QCOMPARE(byName<QLineEdit>(gas(), "Edit_Eingangsdruck")->text(), QStringLiteral("1050"));
        QCOMPARE(byName<QComboBox>(gas(), "ComboBox1")->currentText(), QStringLiteral("psi"));
        QCOMPARE(byName<QComboBox>(gas(), "ComboBox2")->currentText(), QStringLiteral("degF"));
    }

    void editor_cancel_drops_the_changes() {
        expect<TBen_Daba_Dlg>([](TBen_Daba_Dlg* d) {
            byName<QPushButton>(d, "NeuBtn")->click();
            byName<QLineEdit>(d, "Edit_Medium")->setText(QStringLiteral("Oil"));
            byName<QPushButton>(d, "CancelBtn")->click();
        });
        rig->window->menu()->editUserDatabase->trigger();
        QCOMPARE(rig->window->userDatabase().count(), 0);
        QVERIFY(!QFile::exists(ui.workDir() + QStringLiteral("/USER.DAT")));
    }

    void typed_into_an_empty_editor_is_saved_as_the_first_record() {
        expect<TBen_Daba_Dlg>([](TBen_Daba_Dlg* d) {
            QCOMPARE(byName<QLabel>(d, "Label8")->text(), QStringLiteral("Data record 0 of 0"));
            QCOMPARE(d->focusWidget(),
                     byName<QLineEdit>(d, "Edit_Medium"));  // where the typing goes
            QTest::keyClicks(byName<QLineEdit>(d, "Edit_Medium"), QStringLiteral("Thermal oil"));
            QTest::keyClicks(byName<QLineEdit>(d, "Edit_Temperatur"), QStringLiteral("120"));
            QTest::keyClicks(byName<QLineEdit>(d, "Edit_Dichte"), QStringLiteral("870"));
            QTest::keyClicks(byName<QLineEdit>(d, "Edit_Visko"), QStringLiteral("4500"));
            byName<QPushButton>(d, "SaveBtn")->click();
            QVERIFY(!d->isVisible());
        });
        rig->window->menu()->editUserDatabase->trigger();
        QCOMPARE(QFileInfo(ui.workDir() + QStringLiteral("/USER.DAT")).size(), qint64(1537));
        const UserDatabase& db = rig->window->userDatabase();
        QCOMPARE(db.count(), 1);
        const UserRecord typed{"Thermal oil", true, "120", "", "870", "4500", ""};
        QVERIFY(db.records()[0] == typed);
        QVERIFY(rig->sink.messages.empty());
    }

    void a_short_write_keeps_user_dat_says_why_and_keeps_the_editor_open() {
        const QString path = ui.workDir() + QStringLiteral("/USER.DAT");
        const std::string before = encodeUserRecords({UserRecord{"Oil", true, "", "", "", "", ""}});
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before.data(), static_cast<qint64>(before.size()));
        f.close();
        rig->window->userDatabase().setPath(path.toStdString());
        expect<TBen_Daba_Dlg>([](TBen_Daba_Dlg* d) {
            byName<QPushButton>(d, "NeuBtn")->click();
            QTest::keyClicks(byName<QLineEdit>(d, "Edit_Medium"), QStringLiteral("Brine"));
            {
                tolvane::testing_support::FileSizeLimit limit(2000);  // room for one record
                QVERIFY(limit.active());
                byName<QPushButton>(d, "SaveBtn")->click();
            }
            QVERIFY(d->isVisible());
            QCOMPARE(byName<QLabel>(d, "Label8")->text(), QStringLiteral("Data record 2 of 2"));
            QCOMPARE(byName<QLineEdit>(d, "Edit_Medium")->text(), QStringLiteral("Brine"));
        });
        rig->window->menu()->editUserDatabase->trigger();
        QFile back(path);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QVERIFY(back.readAll() == QByteArray::fromStdString(before));
        QCOMPARE(QDir(ui.workDir()).entryList({QStringLiteral("USER.DAT*")}).size(), 1);
        QCOMPARE(rig->sink.messages.size(), std::size_t{1});
        QCOMPARE(rig->sink.messages[0].type, MessageType::Error);
        QVERIFY(rig->sink.messages[0].text.find(std::strerror(EFBIG)) != std::string::npos);
    }

    void a_user_file_another_program_saved_is_read_again_before_saving() {
        const QString path = ui.workDir() + QStringLiteral("/USER.DAT");
        // The editor's list was read at start (an empty file); a second
        // program then saved its own record.
        const std::string theirs =
            encodeUserRecords({UserRecord{"Brine", true, "", "", "1200", "", ""}});
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(theirs.data(), static_cast<qint64>(theirs.size()));
        f.close();
        rig->sink.answers.push_back(Answer::Yes);
        expect<TBen_Daba_Dlg>([](TBen_Daba_Dlg* d) {
            QCOMPARE(byName<QLabel>(d, "Label8")->text(), QStringLiteral("Data record 0 of 0"));
            byName<QPushButton>(d, "NeuBtn")->click();
            QTest::keyClicks(byName<QLineEdit>(d, "Edit_Medium"), QStringLiteral("Glycol"));
            byName<QPushButton>(d, "SaveBtn")->click();
        });
        rig->window->menu()->editUserDatabase->trigger();
        QCOMPARE(rig->sink.questions.size(), std::size_t{1});
        QCOMPARE(rig->sink.questions[0].text, userFileChangedQuestion("USER.DAT"));
        const UserDatabase& db = rig->window->userDatabase();
        QCOMPARE(db.count(), 2);
        QCOMPARE(QString::fromStdString(db.records()[0].name), QStringLiteral("Brine"));
        QCOMPARE(QString::fromStdString(db.records()[1].name), QStringLiteral("Glycol"));
        QCOMPARE(QFileInfo(path).size(), qint64(2 * 1537));
    }

    void damaged_user_file_is_read_warned_and_labelled_in_us_units() {
        const QString path = ui.workDir() + QStringLiteral("/USER.DAT");
        UserRecord oil{"Oil", true, "68", "", "54,2", "30", ""};
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const std::string bytes = encodeUserRecords({oil, oil}) + "cut";
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        f.close();
        rig->window->userDatabase().setPath(path.toStdString());
        rig->session.settings.userDatabaseMetric = false;
        expect<TBen_Daba_Dlg2>([this](TBen_Daba_Dlg2* d) {
            QCOMPARE(byName<QListWidget>(d, "Listbox_Medium")->count(), 2);
            QCOMPARE(byName<QLabel>(d, "TemperaturLabel")->text(),
                     QStringLiteral("Temperature in °F:"));
            QCOMPARE(byName<QLabel>(d, "DichteLabel")->text(),
                     QStringLiteral("Weight density in lb./cu.ft.:"));
            QTRY_COMPARE(QApplication::activeModalWidget(), d);
            // The warning follows the dialog onto the screen.
            QTRY_COMPARE(rig->sink.messages.size(), std::size_t{1});
            byName<QPushButton>(d, "CancelBtn")->click();
        });
        rig->window->menu()->userDatabase->trigger();
        QCOMPARE(rig->sink.messages.size(), std::size_t{1});
        QCOMPARE(rig->sink.messages[0].type, MessageType::Warning);
        QVERIFY(rig->sink.messages[0].text.find("USER.DAT.bak") != std::string::npos);

        expect<TBen_Daba_Dlg>([](TBen_Daba_Dlg* d) {
            QCOMPARE(byName<QLabel>(d, "Label8")->text(), QStringLiteral("Data record 1 of 2"));
            byName<QPushButton>(d, "LoeschenBtn")->click();
            byName<QPushButton>(d, "LoeschenBtn")->click();
            QCOMPARE(byName<QLabel>(d, "Label8")->text(), QStringLiteral("Data record 0 of 0"));
            QCOMPARE(byName<QLineEdit>(d, "Edit_Medium")->text(), QString());
            byName<QPushButton>(d, "SaveBtn")->click();
        });
        rig->window->menu()->editUserDatabase->trigger();
        QCOMPARE(rig->sink.messages.size(), std::size_t{1});  // warned once
        QCOMPARE(QFileInfo(path).size(), qint64(0));
        QCOMPARE(QFileInfo(path + QStringLiteral(".bak")).size(), qint64(bytes.size()));
    }

    void vapour_pressure_copies_by_signal() {
        TDaDruDialog dialog(binFile("DADRU.DAD"), rig->sink);
        QSignalSpy both(&dialog, &TDaDruDialog::vapourPressureAndDensityCopied);
        QSignalSpy pressure(&dialog, &TDaDruDialog::vapourPressureCopied);
        QString shown;
        expect<TDaDruDialog>([&shown](TDaDruDialog* d) {
            QVERIFY(byName<QListWidget>(d, "ListBox1")->count() >= 20);
            QCOMPARE(byName<QLabel>(d, "NameLabel")->text(), QStringLiteral("Water"));
            QCOMPARE(byName<QLineEdit>(d, "Edit1")->text(), QStringLiteral("0"));
            QCOMPARE(byName<QLabel>(d, "MinLabel")->text(), QStringLiteral("0"));
            QCOMPARE(byName<QLabel>(d, "MaxLabel")->text(), QStringLiteral("180"));
            d->stepTemperature(100);
            QCOMPARE(byName<QLineEdit>(d, "Edit1")->text(), QStringLiteral("100"));
            QCOMPARE(byName<QLabel>(d, "Label21")->text(), QStringLiteral("(= 212 °F)"));
            shown = byName<QLabel>(d, "PressureLabel")->text();
            byName<QPushButton>(d, "PressureBtn")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(pressure.count(), 1);
        QCOMPARE(both.count(), 0);
        QCOMPARE(pressure.at(0).at(0).toString(), shown);
        QCOMPARE(shown, QStringLiteral("1.014"));
        QCOMPARE(byName<QListWidget>(&dialog, "ListBox1")->count(), 0);  // released when hidden
    }

    void held_arrow_speeds_up() {
        TDaDruDialog dialog(binFile("DADRU.DAD"), rig->sink);
        dialog.load();
        dialog.show();
        QCOMPARE(dialog.selection().temperature(), 0);
        QTest::mousePress(dialog.UpDown1->up, Qt::LeftButton);
        QVERIFY(dialog.UpDown1->held());
        dialog.UpDown1->tick();
        dialog.UpDown1->tick();  // 1 + 2 + 5
        QTest::mouseRelease(dialog.UpDown1->up, Qt::LeftButton);
        QCOMPARE(dialog.selection().temperature(), 8);
        QCOMPARE(byName<QLineEdit>(&dialog, "Edit1")->text(), QStringLiteral("8"));
        QVERIFY(!dialog.UpDown1->held());
        QCOMPARE(dialog.UpDown1->step(), 1);
        const int held = dialog.selection().temperature();
        QTest::mouseClick(dialog.UpDown1->down, Qt::LeftButton);
        QCOMPARE(dialog.selection().temperature(), held - 1);
        dialog.hide();
    }

    void damaged_vapour_file_warns() {
        const QString path = ui.workDir() + QStringLiteral("/DADRU.DAD");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Water\tx\t18\t0\t100\t7\t1\t2\t3\t4\t273\t473\t647\t221\t1\t293\t0.23\r\n");
        f.close();
        TDaDruDialog dialog(path.toStdString(), rig->sink);
        expect<TDaDruDialog>([](TDaDruDialog* d) {
            QCOMPARE(byName<QListWidget>(d, "ListBox1")->count(), 0);
            QVERIFY(!byName<QPushButton>(d, "BothBtn")->isEnabled());
        });
        dialog.exec();
        QCOMPARE(rig->sink.messages.size(), std::size_t{1});
        QCOMPARE(rig->sink.messages[0].text, std::string(kVapourFileBroken));
    }
};

TOLVANE_GUI_TEST_MAIN(TestPropertyDialogs)
#include "test_property_dialogs.moc"
