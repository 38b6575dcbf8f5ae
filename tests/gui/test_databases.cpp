// The two databases as the user meets them: the roughness table behind the
// roughness query (what lands in the query and what the calculation gets),
// and the resistance-coefficient database opened from the Extras menu (its
// lists, copying a fitting into the element panel and the next calculation's
// specification, broken manufacturer files).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "properties/widgets/roughness_dialog.h"
#include "properties/widgets/roughness_table_dialog.h"
#include "properties/widgets/zeta_database_dialog.h"
#include "properties/zeta_database.h"
#include "results/widgets/calculation_table_window.h"
#include "results/widgets/table_model.h"
#include "shell/widgets/element_chooser_dialog.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

constexpr int kSpecificationRow = 6;
constexpr ElementKind kResistanceCoefficient{10, 2};

QStringList entries(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// A manufacturer file as the program's files are written: Windows-1252, CR LF.
void writeFile(const QString& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir + QLatin1Char('/') + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// "Acme.ZTA" sorts before "Borg.v2.ZTA"; the second fitting's name carries a
// Windows-1252 umlaut.
const QByteArray kAcme =
    "Gate valve\t25\t0.30\t32\t0.28\t40\t0.26\r\n"
    "R\xFC"
    "ckschlagklappe\t15\t2.10\t20\t1.90\t25\t1.75\t\t\r\n"
    "Ball valve, full bore\t50\t0.05\r\n";
const QByteArray kBorg = "Wedge gate\t100\t0.17\t150\t0.15\r\n";

}  // namespace

class TestDatabases : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;
    std::unique_ptr<QTemporaryDir> zetaDir;

    TZetaDatenbank* zeta() const { return rig->window->zetaDatabase(); }

    // Opens the database from the Extras menu; `handler` acts in the dialog
    // while it is shown and closes it.
    void withZetaDatabase(const std::function<void(TZetaDatenbank*)>& handler) {
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dlg = qobject_cast<TZetaDatenbank*>(w);
            seen = dlg != nullptr;
            if (dlg) handler(dlg);
            if (w->isVisible()) qobject_cast<QDialog*>(w)->reject();
        });
        QVERIFY(rig->window->menu()->zetaDatabase->isEnabled());
        rig->window->menu()->zetaDatabase->trigger();
        QVERIFY(seen);
    }

    // The query is answered through its database: pick `unit`, open the
    // table, choose `row` (or cancel the table for -1), then press `press`.
    // The table opens inside the query's handler, where the watchdog's own
    // timer cannot fire again, so a timer of its own answers it.
    void answerThroughDatabase(const QString& typed, int unit, int row, const QString& press,
                               QString* shown) {
        ui.modals().expectModal([=](QWidget* w) {
            auto* dlg = qobject_cast<TRauDialog*>(w);
            QVERIFY(dlg);
            if (!typed.isEmpty()) {
                byName<QLineEdit>(dlg, "Edit1")->selectAll();
                QTest::keyClicks(byName<QLineEdit>(dlg, "Edit1"), typed);
            }
            byName<QComboBox>(dlg, "ComboBox1")->setCurrentIndex(unit);
            bool tableSeen = false;
            QTimer::singleShot(0, dlg, [row, &tableSeen] {
                QWidget* modal = QApplication::activeModalWidget();
                auto* db = qobject_cast<TRauDatenbank*>(modal);
                if (!db) {
                    if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
                    return;
                }
                tableSeen = true;
                if (row < 0) {
                    tolvane::test::clickButton(db, QStringLiteral("&Cancel"));
                    return;
                }
                byName<QListWidget>(db, "ListBox1")->setCurrentRow(row);
                tolvane::test::clickButton(db, QStringLiteral("C&opy to calculation"));
            });
            QTest::mouseClick(byName<QPushButton>(dlg, "DatenbankBtn"), Qt::LeftButton);
            QVERIFY(tableSeen);
            *shown = byName<QLineEdit>(dlg, "Edit1")->text();
            tolvane::test::clickButton(dlg, press);
        });
    }

private Q_SLOTS:
    void init() {
        rig = std::make_unique<tolvane::test::MainWindowRig>(
            tolvane::test::MainWindowRig::Table::With);
        zetaDir = std::make_unique<QTemporaryDir>(ui.workDir() + "/zta-XXXXXX");
        rig->window->zetaDatabase()->setDirectory(zetaDir->path().toStdString());
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    // ---- roughness table ----

    void roughness_table_as_created() {
        TRauDatenbank* db = byName<TRauDatenbank>(rig->window->roughnessDialog(), "RauDatenbank");
        QCOMPARE(db->windowTitle(), QStringLiteral("Roughness of pipes"));
        QCOMPARE(byName<QListWidget>(db, "ListBox1")->count(), 42);
        QCOMPARE(db->selectedRow(), 0);
        QVERIFY(byName<QPushButton>(db, "OKBtn")->isDefault());
        QCOMPARE(byName<QPushButton>(db, "OKBtn")->text(), QStringLiteral("C&opy to calculation"));
        QCOMPARE(byName<QListWidget>(db, "ListBox1")->item(27)->text(),
                 QStringLiteral(
                     "Steel\tafter long operation cleaned\t0.15 - 0.20 mm\tor\t0.006 - 0.008 in."));
        QCOMPARE(byName<QListWidget>(db, "ListBox1")->item(39)->text(),
                 QStringLiteral("Stoneware\t\t0.25 mm\tor\t0.01 in."));
        QVERIFY(byName<QPushButton>(rig->window->roughnessDialog(), "DatenbankBtn")->isEnabled());
    }

    void database_value_goes_into_query_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("k");
        QTest::newRow("row0_mm") << "" << 0 << 0 << "0.0015" << 0.0015;
        QTest::newRow("row0_in") << "" << 1 << 0 << "0.00006" << 0.00006 * 25.4;
        QTest::newRow("row27_mm") << "" << 0 << 27 << "0.2" << 0.2;
        QTest::newRow("row27_in") << "" << 1 << 27 << "0.008" << 0.008 * 25.4;
        QTest::newRow("row41_mm") << "" << 0 << 41 << "1.0" << 1.0;
        QTest::newRow("row41_in") << "" << 1 << 41 << "0.04" << 0.04 * 25.4;
        QTest::newRow("typed_over") << "7" << 0 << 5 << "1.2" << 1.2;
        QTest::newRow("table_cancelled_keeps_typed") << "0,2" << 1 << -1 << "0,2" << 5.08;
    }
    void database_value_goes_into_query() {
        QFETCH(QString, typed);
        QFETCH(int, unit);
        QFETCH(int, row);
        QFETCH(QString, shown);
        QFETCH(double, k);
        QString seen;
        answerThroughDatabase(typed, unit, row, QStringLiteral("&OK"), &seen);
        const std::optional<double> got = rig->window->roughnessDialog()->ask();
        QCOMPARE(seen, shown);
        QVERIFY(got.has_value());
        QVERIFY2(std::fabs(*got - k) < 1e-12, qPrintable(QString::number(*got, 'g', 17)));
        QVERIFY(rig->sink.messages.empty());
    }

    void chosen_row_stays_for_next_time() {
        QString seen;
        answerThroughDatabase(QString(), 0, 33, QStringLiteral("&Cancel"), &seen);
        rig->window->roughnessDialog()->ask();
        QCOMPARE(
            byName<TRauDatenbank>(rig->window->roughnessDialog(), "RauDatenbank")->selectedRow(),
            33);
        QCOMPARE(seen, QStringLiteral("0.1"));
    }

    void calculation_takes_or_refuses_database_value_data() {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("roughnessCell");
        QTest::newRow("ok_adds_calculation") << "&OK" << 1 << "1.000";
        QTest::newRow("cancel_refuses_calculation") << "&Cancel" << 0 << "";
    }
    void calculation_takes_or_refuses_database_value() {
        QFETCH(QString, press);
        QFETCH(int, columns);
        QFETCH(QString, roughnessCell);
        QString seen;
        answerThroughDatabase(QString(), 0, 41, press, &seen);
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
        QCOMPARE(seen, QStringLiteral("1.0"));
        QCOMPARE(rig->session.table.calculationCount(), columns);
        if (columns == 1)
            QCOMPARE(QString::fromStdString(rig->session.table.cell(1, Row::Roughness)),
                     roughnessCell);
        if (columns == 0) QCOMPARE(rig->session.roughness, 0.1);
        QVERIFY(rig->sink.messages.empty());
    }

    // ---- resistance-coefficient database ----

    void shows_first_manufacturer() {
        writeFile(zetaDir->path(), "Acme.ZTA", kAcme);
        writeFile(zetaDir->path(), "Borg.v2.ZTA", kBorg);
        writeFile(zetaDir->path(), "readme.txt", "not a manufacturer");
        withZetaDatabase([](TZetaDatenbank* dlg) {
            QCOMPARE(dlg->windowTitle(),
                     QStringLiteral("Database resistance coefficients of fittings"));
            QCOMPARE(entries(byName<QListWidget>(dlg, "FileListBox1")),
                     (QStringList{"Acme.ZTA", "Borg.v2.ZTA"}));
            QCOMPARE(entries(byName<QListWidget>(dlg, "ListBox1")),
                     (QStringList{"Gate valve", QStringLiteral("R\u00fcckschlagklappe"),
                                  "Ball valve, full bore"}));
            QCOMPARE(entries(byName<QListWidget>(dlg, "ListBox2")),
                     (QStringList{"25", "32", "40"}));
            QCOMPARE(byName<QLineEdit>(dlg, "Edit1")->text(), QStringLiteral("0.30"));
            for (QListWidget* list :
                 {byName<QListWidget>(dlg, "FileListBox1"), byName<QListWidget>(dlg, "ListBox1"),
                  byName<QListWidget>(dlg, "ListBox2")})
                QCOMPARE(list->currentRow(), 0);
            QVERIFY(byName<QCheckBox>(dlg, "CheckBox1")->isChecked());
            QVERIFY(byName<QPushButton>(dlg, "OKBtn")->isDefault());
            QVERIFY(byName<QPushButton>(dlg, "OKBtn")->isEnabled());
        });
        QVERIFY(rig->sink.messages.empty());
    }

    void choosing_refills_lists_data() {
        QTest::addColumn<int>("file");
        QTest::addColumn<int>("fitting");
        QTest::addColumn<int>("diameter");
        QTest::addColumn<QStringList>("fittings");
        QTest::addColumn<QStringList>("diameters");
        QTest::addColumn<QString>("zeta");
        const QStringList acme{"Gate valve", QStringLiteral("R\u00fcckschlagklappe"),
                               "Ball valve, full bore"};
        QTest::newRow("second_diameter")
            << 0 << 0 << 1 << acme << QStringList{"25", "32", "40"} << "0.28";
        QTest::newRow("fitting_ends_at_empty_diameter")
            << 0 << 1 << 2 << acme << QStringList{"15", "20", "25"} << "1.75";
        QTest::newRow("fitting_with_one_diameter")
            << 0 << 2 << 0 << acme << QStringList{"50"} << "0.05";
        QTest::newRow("other_manufacturer")
            << 1 << 0 << 1 << QStringList{"Wedge gate"} << QStringList{"100", "150"} << "0.15";
    }
    void choosing_refills_lists() {
        QFETCH(int, file);
        QFETCH(int, fitting);
        QFETCH(int, diameter);
        QFETCH(QStringList, fittings);
        QFETCH(QStringList, diameters);
        QFETCH(QString, zeta);
        writeFile(zetaDir->path(), "Acme.ZTA", kAcme);
        writeFile(zetaDir->path(), "Borg.v2.ZTA", kBorg);
        withZetaDatabase([&](TZetaDatenbank* dlg) {
            // Away from the first choices and back, so every refill is seen.
            byName<QListWidget>(dlg, "ListBox1")->setCurrentRow(1);
            byName<QListWidget>(dlg, "ListBox2")->setCurrentRow(1);
            byName<QListWidget>(dlg, "FileListBox1")->setCurrentRow(1);
            byName<QListWidget>(dlg, "FileListBox1")->setCurrentRow(file);
            QCOMPARE(byName<QListWidget>(dlg, "ListBox1")->currentRow(), 0);
            QCOMPARE(byName<QListWidget>(dlg, "ListBox2")->currentRow(), 0);
            byName<QListWidget>(dlg, "ListBox1")->setCurrentRow(fitting);
            QCOMPARE(byName<QListWidget>(dlg, "ListBox2")->currentRow(), 0);
            byName<QListWidget>(dlg, "ListBox2")->setCurrentRow(diameter);
            QCOMPARE(entries(byName<QListWidget>(dlg, "ListBox1")), fittings);
            QCOMPARE(entries(byName<QListWidget>(dlg, "ListBox2")), diameters);
            QCOMPARE(byName<QLineEdit>(dlg, "Edit1")->text(), zeta);
        });
        QVERIFY(rig->sink.messages.empty());
    }

    void copy_to_element_window_data() {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("file");
        QTest::addColumn<int>("fitting");
        QTest::addColumn<int>("diameter");
        QTest::addColumn<QString>("typedZeta");
        QTest::addColumn<QString>("va1");
        QTest::addColumn<QString>("va2");
        QTest::addColumn<QString>("specification");
        QTest::newRow("first_choice") << true << 0 << 0 << 0 << ""
                                      << "25"
                                      << "0.30"
                                      << "Acme Gate valve";
        QTest::newRow("umlaut_fitting") << true << 0 << 1 << 2 << ""
                                        << "25"
                                        << "1.75" << QStringLiteral("Acme R\u00fcckschlagklappe");
        QTest::newRow("name_cut_at_first_point") << true << 1 << 0 << 1 << ""
                                                 << "150"
                                                 << "0.15"
                                                 << "Borg Wedge gate";
        QTest::newRow("typed_coefficient") << true << 0 << 2 << 0 << "0.07"
                                           << "50"
                                           << "0.07"
                                           << "Acme Ball valve, full bore";
        QTest::newRow("box_cleared_leaves_row") << false << 1 << 0 << 0 << ""
                                                << "100"
                                                << "0.17"
                                                << "my own note";
    }
    void copy_to_element_window() {
        QFETCH(bool, checked);
        QFETCH(int, file);
        QFETCH(int, fitting);
        QFETCH(int, diameter);
        QFETCH(QString, typedZeta);
        QFETCH(QString, va1);
        QFETCH(QString, va2);
        QFETCH(QString, specification);
        writeFile(zetaDir->path(), "Acme.ZTA", kAcme);
        writeFile(zetaDir->path(), "Borg.v2.ZTA", kBorg);
        const int trailing = rig->session.table.trailingColumn();
        rig->session.table.setCell(trailing, kSpecificationRow, "my own note");
        rig->table->refresh();
        // A medium name typed but not yet read by any command stays.
        auto* name = byName<QLineEdit>(rig->window.get(), "Eingabe_Medium");
        name->setText(QStringLiteral("brine"));

        withZetaDatabase([&](TZetaDatenbank* dlg) {
            byName<QListWidget>(dlg, "FileListBox1")->setCurrentRow(file);
            byName<QListWidget>(dlg, "ListBox1")->setCurrentRow(fitting);
            byName<QListWidget>(dlg, "ListBox2")->setCurrentRow(diameter);
            if (!typedZeta.isEmpty()) {
                byName<QLineEdit>(dlg, "Edit1")->selectAll();
                QTest::keyClicks(byName<QLineEdit>(dlg, "Edit1"), typedZeta);
            }
            byName<QCheckBox>(dlg, "CheckBox1")->setChecked(checked);
            QTest::mouseClick(byName<QPushButton>(dlg, "OKBtn"), Qt::LeftButton);
            QVERIFY(!dlg->isVisible());
            QCOMPARE(dlg->result(), int(QDialog::Accepted));
        });

        QCOMPARE(rig->session.form.element.kind, kResistanceCoefficient);
        QCOMPARE(byName<QLineEdit>(rig->window.get(), "Va1_Edit")->text(), va1);
        QCOMPARE(byName<QLineEdit>(rig->window.get(), "Va2_Edit")->text(), va2);
        QCOMPARE(QString::fromStdString(rig->session.form.element.elementName),
                 QStringLiteral("Diverse - Resistance coefficient"));
        QCOMPARE(name->text(), QStringLiteral("brine"));
        QCOMPARE(rig->window->chooser()->selectedKind(), kResistanceCoefficient);
        QVERIFY(rig->window->chooser()->button(kResistanceCoefficient)->isChecked());
        QCOMPARE(rig->session.table.trailingColumn(), trailing);
        QCOMPARE(QString::fromStdString(rig->session.table.cell(trailing, kSpecificationRow)),
                 specification);
        const QModelIndex cell = rig->table->model()->index(
            kSpecificationRow, CalculationTableModel::modelColumn(trailing));
        QCOMPARE(rig->table->model()->data(cell, Qt::DisplayRole).toString(), specification);
        QCOMPARE(rig->session.table.calculationCount(), 0);
        QVERIFY(rig->sink.messages.empty());
    }

    void close_changes_nothing() {
        writeFile(zetaDir->path(), "Acme.ZTA", kAcme);
        const FormState before = rig->session.form;
        withZetaDatabase([](TZetaDatenbank* dlg) {
            byName<QListWidget>(dlg, "ListBox1")->setCurrentRow(2);
            tolvane::test::clickButton(dlg, QStringLiteral("&Close"));
            QVERIFY(!dlg->isVisible());
        });
        rig->window->readForm();
        QVERIFY(rig->session.form == before);
        QCOMPARE(rig->session.table.cell(rig->session.table.trailingColumn(), kSpecificationRow),
                 std::string());
    }

    void broken_file_warns_and_empties_lists_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("line_without_tab") << QByteArray("Gate valve 25 0.30\r\n");
        QTest::newRow("diameter_without_coefficient") << QByteArray("Gate valve\t25\t0.30\t32\r\n");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\x03\xff\xfe", 6);
        QTest::newRow("empty") << QByteArray();
    }
    void broken_file_warns_and_empties_lists() {
        QFETCH(QByteArray, bytes);
        writeFile(zetaDir->path(), "Aaa broken.ZTA", bytes);
        writeFile(zetaDir->path(), "Acme.ZTA", kAcme);
        withZetaDatabase([&](TZetaDatenbank* dlg) {
            QCOMPARE(rig->sink.messages.size(), std::size_t(1));
            QCOMPARE(rig->sink.messages[0],
                     (Message{MessageType::Warning, kZetaDatabaseBroken, {}}));
            QCOMPARE(entries(byName<QListWidget>(dlg, "FileListBox1")),
                     (QStringList{"Aaa broken.ZTA", "Acme.ZTA"}));
            QVERIFY(byName<QListWidget>(dlg, "ListBox1")->count() == 0 &&
                    byName<QListWidget>(dlg, "ListBox2")->count() == 0);
            QVERIFY(byName<QLineEdit>(dlg, "Edit1")->text().isEmpty());
            QVERIFY(!byName<QPushButton>(dlg, "OKBtn")->isEnabled());
            // The other manufacturer still serves.
            byName<QListWidget>(dlg, "FileListBox1")->setCurrentRow(1);
            QCOMPARE(entries(byName<QListWidget>(dlg, "ListBox2")),
                     (QStringList{"25", "32", "40"}));
            QVERIFY(byName<QPushButton>(dlg, "OKBtn")->isEnabled());
            QTest::mouseClick(byName<QPushButton>(dlg, "OKBtn"), Qt::LeftButton);
        });
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QCOMPARE(rig->session.form.element.kind, kResistanceCoefficient);
        QCOMPARE(rig->session.table.cell(rig->session.table.trailingColumn(), kSpecificationRow),
                 std::string("Acme Gate valve"));
    }

    void shipped_files_found_beside_program() {
        // The program's own directory holds the sample manufacturers.
        QVERIFY(!listZetaFiles(zetaDirectory()).empty());
    }
};

TOLVANE_GUI_TEST_MAIN(TestDatabases)
#include "test_databases.moc"
