// "P&ressure drop = f (rate of flow)..." through the main window: an empty
// table gives its message; a parse error keeps the dialog open on the field;
// a real table gives the diagram with the medium of the main window's
// fields, whose buttons copy the points, print through the print service and
// save PNG, SVG and PDF files.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <cerrno>
#include <cstring>
#include <memory>

#include "calculations.h"
#include "results/print_service.h"
#include "saved_file_checks.h"
#include "shell/element_panel.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/medium_panel.h"
#include "shell/widgets/plant_curve_action.h"
#include "tools/widgets/curve_diagram_window.h"
#include "tools/widgets/plant_curve_dialog.h"
#include "tools/widgets/pump_editor_diagram.h"
#include "tools/widgets/pump_editor_window.h"
#include "tools/pump_file.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

// The table of the batch tool's golden case curve_five_elements_tsv, built
// through the main window: water at 10 m³/h, a pipe, an entrance, four bends,
// a valve and a vertical difference of 5 m.
void calculateFiveElements(tolvane::test::MainWindowRig& rig) {
    MediumPanelWidget* m = rig.window->mediumPanel();
    m->Eingabe_Medium->setText(QStringLiteral("water 20 C"));
    m->Eingabe_Volumenstrom->setText(QStringLiteral("10"));
    m->Eingabe_Dichte->setText(QStringLiteral("998.2"));
    m->Eingabe_Viskositaet->setText(QStringLiteral("1002"));
    struct Step {
        ElementKind kind;
        std::vector<QString> fields;
        int option;
        QString quantity;
    };
    const Step steps[] = {{{1, 1}, {"80", "25"}, 0, "1"},
                          {{2, 1}, {"80"}, 1, "1"},
                          {{4, 1}, {"80", "160", "90"}, 0, "4"},
                          {{7, 1}, {"80"}, 1, "1"},
                          {{10, 1}, {"5"}, 0, "1"}};
    rig.window->setRoughnessAsker([]() -> std::optional<double> { return 0.1; });
    for (const Step& step : steps) {
        rig.window->readForm();
        chooseElementKind(rig.session.form, step.kind);
        rig.window->showForm();
        ElementPanelWidget* panel = rig.window->elementPanel();
        for (std::size_t i = 0; i < step.fields.size(); ++i)
            panel->VaEdit[i]->setText(step.fields[i]);
        panel->optionItems[static_cast<std::size_t>(step.option)]->setChecked(true);
        byName<QLineEdit>(panel, "Va5_Edit")->setText(step.quantity);
        rig.window->BerechnungsschalterClick();
    }
}

QString withoutCarriageReturns(QString text) { return text.remove(QLatin1Char('\r')); }

QByteArray head(const QString& path, int bytes) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(bytes) : QByteArray();
}

}  // namespace

class TestPlantCurve : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    QAction* item() { return rig->window->menu()->plantCharacteristic; }

    // Opens the dialog from the menu, presses "C&alculate" on its entries and
    // runs `inDiagram` while the diagram is shown (which must close it).
    void computeAndShow(std::function<void(TKurve*)> inDiagram) {
        bool dialogSeen = false, diagramSeen = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TAnlagenkennlinie_Dlg*>(w);
            QVERIFY(dialog);
            dialogSeen = true;
            byName<QLineEdit>(dialog, "Edit_Von")->setText(QStringLiteral("1"));
            byName<QLineEdit>(dialog, "Edit_Bis")->setText(QStringLiteral("10"));
            byName<QLineEdit>(dialog, "Edit_Anzahl")->setText(QStringLiteral("20"));
            byName<QPushButton>(dialog, "OKBtn")->click();
        });
        ui.modals().expectModal([&](QWidget* w) {
            auto* diagram = qobject_cast<TKurve*>(w);
            QVERIFY(diagram);
            diagramSeen = true;
            inDiagram(diagram);
            if (diagram->isVisible()) byName<QPushButton>(diagram, "BitBtn1")->click();
        });
        item()->trigger();
        QVERIFY(dialogSeen);
        QVERIFY(diagramSeen);
    }

private Q_SLOTS:
    void init() {
        rig = std::make_unique<tolvane::test::MainWindowRig>(
            tolvane::test::MainWindowRig::Table::With);
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void empty_table_refuses_with_message() {
        item()->trigger();
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QCOMPARE(rig->sink.messages[0].text,
                 std::string("In the table are no values. So i can not calculate the "
                             "diagram!\rLook Help!!"));
    }

    void parse_error_keeps_dialog_open_on_the_field() {
        tolvane::test::calculateThree(*rig);
        const std::size_t before = rig->sink.messages.size();
        bool stillOpen = false, focused = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TAnlagenkennlinie_Dlg*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Pressure drop = f (rate of flow)"));
            QCOMPARE(byName<QComboBox>(dialog, "ComboBox1")->currentText(), QStringLiteral("m³/h"));
            byName<QLineEdit>(dialog, "Edit_Anzahl")->setText(QStringLiteral("2x"));
            byName<QPushButton>(dialog, "OKBtn")->click();
            stillOpen = dialog->isVisible();
            QVERIFY(!QApplication::overrideCursor());  // the busy cursor ended with the computation
            focused = dialog->focusWidget() == byName<QLineEdit>(dialog, "Edit_Anzahl");
            byName<QPushButton>(dialog, "CancelBtn")->click();
        });
        item()->trigger();
        QVERIFY(stillOpen);
        QVERIFY(focused);
        QCOMPARE(rig->sink.messages.size(), before + 1);
    }

    void refused_curve_closes_the_dialog_without_a_diagram() {
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        bool closed = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TAnlagenkennlinie_Dlg*>(w);
            QVERIFY(dialog);
            byName<QLineEdit>(dialog, "Edit_Von")->setText(QStringLiteral("10"));
            byName<QLineEdit>(dialog, "Edit_Bis")->setText(QStringLiteral("10"));
            byName<QPushButton>(dialog, "OKBtn")->click();
            closed = !dialog->isVisible();
        });
        item()->trigger();
        QVERIFY(closed);
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QVERIFY(rig->sink.messages[0].text.find("must be graeter") != std::string::npos);
        QVERIFY(!QApplication::overrideCursor());
    }

    void curve_shows_diagram_with_the_medium_and_copies_points() {
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        MediumPanelWidget* medium = rig->window->mediumPanel();
        computeAndShow([&](TKurve* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Pressure drop = f (Rate of flow)"));
            QCOMPARE(byName<QLabel>(d, "Label_Medium")->text(), medium->Eingabe_Medium->text());
            QCOMPARE(byName<QLabel>(d, "Label3")->text(),
                     QStringLiteral("Density in ") + medium->ComboBox2->currentText() + ": " +
                         medium->Eingabe_Dichte->text());
            QCOMPARE(byName<QLabel>(d, "Label5")->text(),
                     medium->ComboBox5->currentText() + " in " + medium->ComboBox3->currentText() +
                         ": " + medium->Eingabe_Viskositaet->text());
            QCOMPARE(byName<QLabel>(d, "Label_Aggregat")->text(), QStringLiteral("liquid"));
            QCOMPARE(d->diagram().curve.points.size(), std::size_t(20));
            byName<QPushButton>(d, "BitBtn3")->click();
        });
        const std::string copied = rig->clipboard.content;
        QVERIFY(copied.rfind("Rate of flow in m³/h\tPressure drop in ", 0) == 0);
        QCOMPARE(std::count(copied.begin(), copied.end(), '\n'), 21L);
        QVERIFY(rig->sink.messages.empty());
    }

    void diagram_shows_the_medium_name_as_spelled() {
        calculateFiveElements(*rig);
        rig->window->mediumPanel()->Eingabe_Medium->setText(tolvane::test::kMarkupName);
        computeAndShow([](TKurve* d) {
            QCOMPARE(byName<QLabel>(d, "Label_Medium")->text(), tolvane::test::kMarkupName);
            QCOMPARE(tolvane::test::labelsReadingMarkup(d), QStringList());
        });
    }

    void window_curve_matches_the_batch_tool_point_for_point() {
        calculateFiveElements(*rig);
        QCOMPARE(rig->session.table.calculationCount(), 5);
        rig->sink.messages.clear();
        bool shown = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TAnlagenkennlinie_Dlg*>(w);
            QVERIFY(dialog);
            byName<QLineEdit>(dialog, "Edit_Von")->setText(QStringLiteral("0"));
            byName<QLineEdit>(dialog, "Edit_Bis")->setText(QStringLiteral("20"));
            byName<QLineEdit>(dialog, "Edit_Anzahl")->setText(QStringLiteral("11"));
            byName<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(0);
            byName<QPushButton>(dialog, "OKBtn")->click();
        });
        ui.modals().expectModal([&](QWidget* w) {
            auto* diagram = qobject_cast<TKurve*>(w);
            QVERIFY(diagram);
            shown = true;
            byName<QPushButton>(diagram, "BitBtn3")->click();
            byName<QPushButton>(diagram, "BitBtn1")->click();
        });
        item()->trigger();
        QVERIFY(shown);
        QFile golden(QFINDTESTDATA("../cli/curve_five_elements_tsv.expected"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(withoutCarriageReturns(QString::fromStdString(rig->clipboard.content)),
                 withoutCarriageReturns(QString::fromUtf8(golden.readAll())));
        QVERIFY(rig->sink.messages.empty());
    }

    void diagram_prints_through_the_print_service_and_closes() {
        tolvane::test::calculateThree(*rig);
        RecordingPrintService printer;
        printer.previewOutcome = PrintOutcome::Printed;
        rig->window->setPrintService(&printer);
        bool closed = false;
        computeAndShow([&](TKurve* d) {
            QVERIFY(byName<QPushButton>(d, "BitBtn2")->isEnabled());
            byName<QPushButton>(d, "BitBtn2")->click();
            closed = !d->isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(printer.requests.size(), std::size_t(1));
        const auto& r = printer.requests[0];
        QCOMPARE(r.setup.orientation, PageOrientation::Landscape);
        QCOMPARE(r.setup.title, std::string("Tolvane NONAME.TLV"));
        QVERIFY(r.canvas.findText(0, "Pressure drop = f (Rate of flow)"));
        QVERIFY(r.canvas.findText(0, "condition: liquid"));
        rig->window->setPrintService(nullptr);
    }

    void diagram_saves_png_svg_and_pdf() {
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        const QString dir = ui.workDir();
        const QString png = dir + "/c.png", svg = dir + "/c.svg", pdf = dir + "/c.pdf";
        for (const QString& path : {png, svg, pdf})
            rig->files.replies.push_back(path.toStdString());
        rig->files.replies.push_back(std::string("/no/such/dir/c.png"));
        computeAndShow([&](TKurve* d) {
            for (int i = 0; i < 4; ++i) byName<QPushButton>(d, "SaveDiagramBtn")->click();
        });
        QCOMPARE(head(png, 8), QByteArray("\x89PNG\r\n\x1a\n"));
        QVERIFY(head(svg, 400).contains("<svg"));
        QVERIFY(head(svg, 100000).contains("Condition: liquid"));  // the medium above the drawing
        QCOMPARE(head(pdf, 5), QByteArray("%PDF-"));
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QVERIFY(rig->sink.messages[0].text.find("/no/such/dir/c.png") != std::string::npos);
    }

    void diagram_save_that_fails_keeps_the_old_file_and_says_why() {
        using namespace tolvane::test;
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        struct Case {
            QString file;
            bool fullDisk;  // otherwise the old file is read-only
            int error;
        };
        const std::vector<Case> cases = {
            {"full.png", true, EFBIG},     {"full.svg", true, EFBIG},
            {"full.pdf", true, EFBIG},     {"locked.png", false, EACCES},
            {"locked.svg", false, EACCES}, {"locked.pdf", false, EACCES},
        };
        const QString dir = ui.workDir() + "/failing";
        QDir().mkpath(dir);
        for (const Case& c : cases) {
            writeFile(dir + "/" + c.file, "old", c.fullDisk ? 0644 : 0444);
            rig->files.replies.push_back((dir + "/" + c.file).toStdString());
        }
        computeAndShow([&](TKurve* d) {
            for (const Case& c : cases) {
                std::unique_ptr<FileSizeLimit> limit;
                if (c.fullDisk) limit = std::make_unique<FileSizeLimit>(1024);
                byName<QPushButton>(d, "SaveDiagramBtn")->click();
            }
        });
        QCOMPARE(entriesIn(dir), qsizetype(cases.size()));
        QCOMPARE(rig->sink.messages.size(), cases.size());
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            const QString path = dir + "/" + c.file;
            QCOMPARE(fileBytes(path), QByteArray("old"));
            QCOMPARE(fileMode(path), mode_t(c.fullDisk ? 0644 : 0444));
            const std::string& text = rig->sink.messages[i].text;
            QCOMPARE(rig->sink.messages[i].type, MessageType::Error);
            QVERIFY2(
                text.rfind("It is not possible to write the file \"" + path.toStdString() + "\".",
                           0) == 0,
                text.c_str());
            QVERIFY2(text.find(std::strerror(c.error)) != std::string::npos, text.c_str());
        }
    }

    void diagram_save_replaces_an_old_file_and_keeps_its_mode() {
        using namespace tolvane::test;
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        const QString dir = ui.workDir() + "/replaced";
        QDir().mkpath(dir);
        for (const char* name : {"c.png", "c.svg", "c.pdf"}) {
            writeFile(dir + "/" + name, "old", 0640);
            rig->files.replies.push_back((dir + "/" + name).toStdString());
        }
        computeAndShow([&](TKurve* d) {
            for (int i = 0; i < 3; ++i) byName<QPushButton>(d, "SaveDiagramBtn")->click();
        });
        QVERIFY(rig->sink.messages.empty());
        QCOMPARE(entriesIn(dir), qsizetype(3));
        QVERIFY(fileBytes(dir + "/c.png").startsWith("\x89PNG\r\n\x1a\n"));
        QVERIFY(fileBytes(dir + "/c.png").endsWith(QByteArray("IEND\xae\x42\x60\x82", 8)));
        QVERIFY(fileBytes(dir + "/c.svg").trimmed().endsWith("</svg>"));
        QVERIFY(fileBytes(dir + "/c.pdf").trimmed().endsWith("%%EOF"));
        for (const char* name : {"c.png", "c.svg", "c.pdf"})
            QCOMPARE(fileMode(dir + "/" + name), mode_t(0640));
    }

    void chosen_pump_draws_head_and_the_operating_point_and_copies_it() {
        calculateFiveElements(*rig);
        rig->sink.messages.clear();
        rig->files.replies.push_back((QCoreApplication::applicationDirPath() +
                                      "/pumps/example-end-suction-50-200.tpump").toStdString());
        bool diagramSeen = false;
        std::string expectedCopy;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TAnlagenkennlinie_Dlg*>(w);
            QVERIFY(dialog);
            byName<QPushButton>(dialog, "PumpOpenBtn")->click();
            QCOMPARE(byName<QComboBox>(dialog, "ComboQuantity")->currentIndex(), 1);
            byName<QLineEdit>(dialog, "Edit_Von")->setText(QStringLiteral("0"));
            byName<QLineEdit>(dialog, "Edit_Bis")->setText(QStringLiteral("80"));
            byName<QLineEdit>(dialog, "Edit_Anzahl")->setText(QStringLiteral("9"));
            byName<QLineEdit>(dialog, "Edit_StaticHead")->setText(QStringLiteral("30"));
            byName<QPushButton>(dialog, "OKBtn")->click();
        });
        ui.modals().expectModal([&](QWidget* w) {
            auto* d = qobject_cast<TKurve*>(w);
            QVERIFY(d);
            diagramSeen = true;
            QVERIFY(d->diagram().pump);
            const PumpDiagram& pump = *d->diagram().pump;
            QCOMPARE(pump.valueUnit, std::string("m"));
            QVERIFY(pump.overlay.operating.point);
            QVERIFY(byName<QLabel>(d, "Label_Pump")->isVisible());
            QVERIFY(byName<QLabel>(d, "Label_Pump")->text().startsWith(
                QStringLiteral("Pump: Example end-suction pump 50-200\nOperating point\n")));
            expectedCopy = curveClipboardText(d->diagram().curve, d->diagram().pressure.unit) +
                           pumpClipboardText(pump.overlay, d->diagram().curve);
            byName<QPushButton>(d, "BitBtn3")->click();
            byName<QPushButton>(d, "BitBtn1")->click();
        });
        item()->trigger();
        QVERIFY(diagramSeen);
        QCOMPARE(rig->clipboard.content, expectedCopy);
        QVERIFY(rig->sink.messages.empty());
    }

    void pump_field_that_does_not_read_keeps_the_dialog_open_on_it() {
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        rig->files.replies.push_back((QCoreApplication::applicationDirPath() +
                                      "/pumps/example-end-suction-50-200.tpump").toStdString());
        bool stillOpen = false, focused = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TAnlagenkennlinie_Dlg*>(w);
            QVERIFY(dialog);
            byName<QPushButton>(dialog, "PumpOpenBtn")->click();
            byName<QLineEdit>(dialog, "Edit_SpeedRatio")->setText(QStringLiteral("fast"));
            byName<QPushButton>(dialog, "OKBtn")->click();
            stillOpen = dialog->isVisible();
            focused = dialog->focusWidget() == byName<QLineEdit>(dialog, "Edit_SpeedRatio");
            byName<QPushButton>(dialog, "CancelBtn")->click();
        });
        item()->trigger();
        QVERIFY(stillOpen);
        QVERIFY(focused);
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
    }

    void pump_editor_pastes_points_and_saves_only_what_reads() {
        const QString dir = QDir::tempPath() + "/tolvane-pump-editor-test";
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        const std::string path = (dir + "/mine.tpump").toStdString();
        rig->clipboard.content = "0\t32\t0\r\n10\t31\t55\r\n\r\n20\t27.5\t60\r\n";
        rig->files.replies.push_back(path);
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* editor = qobject_cast<TPumpEditor*>(w);
            QVERIFY(editor);
            seen = true;
            byName<QPushButton>(editor, "PasteBtn")->click();
            QCOMPARE(editor->table().rows.size(), std::size_t(3));
            QVERIFY(editor->diagram()->hasCurve());
            byName<QLineEdit>(editor, "Edit_Name")->setText(QStringLiteral("mine"));
            byName<QPushButton>(editor, "SaveBtn")->click();
            // Two points are refused, and nothing is asked of the file dialog.
            byName<QTableWidget>(editor, "PointGrid")->setCurrentCell(0, 0);
            byName<QPushButton>(editor, "DeleteBtn")->click();
            QVERIFY(!editor->diagram()->hasCurve());
            byName<QPushButton>(editor, "SaveBtn")->click();
            byName<QPushButton>(editor, "CloseBtn")->click();
        });
        rig->window->menu()->pumpEditor->trigger();
        QVERIFY(seen);
        const PumpFileOutcome read = readPumpFile(path);
        QVERIFY(read.file);
        QCOMPARE(read.file->pump.name, std::string("mine"));
        QCOMPARE(read.file->pump.points.size(), std::size_t(3));
        QCOMPARE(*read.file->pump.points[2].efficiency, 60.0);
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QCOMPARE(rig->sink.messages[0].text,
                 std::string("The pump cannot be saved: points: fewer than 3 points"));
        QDir(dir).removeRecursively();
    }
};

TOLVANE_GUI_TEST_MAIN(TestPlantCurve)
#include "test_plant_curve.moc"
