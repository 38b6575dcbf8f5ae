// File > Export table... and Table > Print table compact... in the main
// window: both follow the table's state, the export writes the file the
// save dialog names in the format of its extension, and the compact
// printout reaches the preview.
#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>

#include <memory>

#include "calculations.h"
#include "exports/table_export.h"
#include "results/compact_print.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/qt_platform.h"
#include "ui_fixture.h"

using namespace tolvane;

namespace {

void openAndClose(QMenu* menu) {
    menu->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    menu->hide();
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestTableExports : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;
    RecordingPrintService printer;

private Q_SLOTS:
    void init() {
        rig = std::make_unique<tolvane::test::MainWindowRig>(
            tolvane::test::MainWindowRig::Table::With);
        printer = RecordingPrintService{};
        rig->window->setPrintService(&printer);
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void commands_are_enabled_only_with_calculations() {
        MainMenu* m = rig->window->menu();
        openAndClose(m->fileMenu);
        openAndClose(m->tableMenu);
        QVERIFY(!m->exportTable->isEnabled());
        QVERIFY(!m->printTableCompact->isEnabled());
        tolvane::test::calculateThree(*rig);
        openAndClose(m->fileMenu);
        openAndClose(m->tableMenu);
        QVERIFY(m->exportTable->isEnabled());
        QVERIFY(m->printTableCompact->isEnabled());
    }

    void export_writes_the_file_the_dialog_names_in_its_format() {
        tolvane::test::calculateThree(*rig);
        MainMenu* m = rig->window->menu();
        const QString csv = ui.workDir() + "/line.csv", xlsx = ui.workDir() + "/line.xlsx";
        rig->files.replies.push_back(csv.toStdString());
        rig->files.replies.push_back(xlsx.toStdString());
        m->exportTable->trigger();
        m->exportTable->trigger();
        m->exportTable->trigger();  // the save dialog cancelled
        QVERIFY(rig->sink.messages.empty());
        const QByteArray text = readAll(csv);
        QVERIFY(text.startsWith("Calculating number,Flow medium,"));
        QCOMPARE(text.count("\r\n"), 1 + 3 + 1);  // headings, three calculations, the total
        QVERIFY(readAll(xlsx).startsWith("PK\x03\x04"));
    }

    void a_failed_export_is_told() {
        tolvane::test::calculateThree(*rig);
        rig->files.replies.push_back((ui.workDir() + "/no such folder/line.ods").toStdString());
        rig->window->menu()->exportTable->trigger();
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QCOMPARE(rig->sink.messages[0].type, MessageType::Error);
    }

    void choosing_a_kind_of_file_gives_the_name_its_extension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the offered name") << QString() << 1 << "LINE.xlsx";
        QTest::newRow("another extension") << "pump.csv" << 2 << "pump.ods";
        QTest::newRow("no extension") << "pump" << 1 << "pump.xlsx";
        QTest::newRow("back to csv") << "pump.ods" << 0 << "pump.csv";
    }
    void choosing_a_kind_of_file_gives_the_name_its_extension() {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, chosen);
        QtFileDialogs desktop;
        const QString folder = ui.workDir();
        desktop.startFolder = [folder] { return folder.toStdString(); };
        ui.modals().expectModal([typed, filter](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters().size(), 3);
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(edit && types);
            if (!typed.isEmpty()) edit->setText(typed);
            // As the user picks the kind of file in the list.
            types->setCurrentIndex(filter);
            Q_EMIT types->activated(filter);
            Q_EMIT types->textActivated(types->itemText(filter));
            // QFileDialog's own accept (protected there) adds the default suffix.
            static_cast<QDialog*>(dialog)->accept();
        });
        const auto path = desktop.saveFile(exports::kExportFilter, "csv", "LINE.csv");
        QVERIFY(path);
        QCOMPARE(QString::fromStdString(*path), folder + "/" + chosen);
    }

    void compact_printout_reaches_the_preview() {
        tolvane::test::calculateThree(*rig);
        rig->window->menu()->printTableCompact->trigger();
        QCOMPARE(printer.requests.size(), std::size_t(1));
        const auto& request = printer.requests[0];
        QCOMPARE(request.setup.orientation, PageOrientation::Landscape);
        QCOMPARE(request.setup.fontPoints, kCompactFontPoints);
        QVERIFY(request.pdfPath.empty());
        QVERIFY(request.canvas.findText(0, "Pressure drop of page 1 (calculations 1 to 3) = "));
        QVERIFY(request.canvas.findText(0, "Total pressure drop (Page 1 to 1, 3 calculations) = "));
    }
};

TOLVANE_GUI_TEST_MAIN(TestTableExports)
#include "test_table_exports.moc"
