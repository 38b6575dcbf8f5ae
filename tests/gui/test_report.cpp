// File > "Calculation report..." through the main window: an empty table
// gives its message; the dialog shows the title block kept beside the
// project, the report goes to the print preview in portrait with it on the
// page, and the entries are kept beside the project again; a damaged title
// block is refused with a message and the dialog starts empty.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

#include "base/text_file.h"
#include "calculations.h"
#include "report/title_block.h"
#include "report/widgets/report_dialog.h"
#include "results/print_service.h"
#include "shell/widgets/main_menu.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;

class TestReport : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;
    RecordingPrintService printer;

    QAction* item() { return rig->window->menu()->calculationReport; }
    std::string project() const { return (ui.workDir() + "/line.tlv").toStdString(); }

    bool pageHas(const std::string& text) const {
        if (printer.requests.empty()) return false;
        for (const auto& page : printer.requests.back().canvas.pages)
            for (const auto& t : page.texts)
                if (t.text == text) return true;
        return false;
    }

private Q_SLOTS:
    void init() {
        rig = tolvane::test::MainWindowRig::calculating();
        printer = RecordingPrintService{};
        printer.pageWidth = 1800;
        printer.pageHeight = 2670;
        rig->window->setPrintService(&printer);
    }
    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void empty_table_says_so_and_opens_nothing() {
        item()->trigger();
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QCOMPARE(rig->sink.messages[0].text,
                 std::string("In the table are no calculations for a report."));
        QVERIFY(printer.requests.empty());
    }

    void shows_the_kept_title_block_previews_and_keeps_the_entries() {
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        rig->session.projectName = project();
        report::ReportSettings kept;
        kept.title.project = "Cooling water";
        kept.include.sources = false;
        QCOMPARE(report::writeTitleBlockFile(report::titleBlockPath(project()), kept),
                 std::string());
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TReportDialog*>(w);
            QVERIFY(dialog);
            seen = true;
            QCOMPARE(byName<QLineEdit>(dialog, "Edit_Project")->text(),
                     QStringLiteral("Cooling water"));
            QVERIFY(!byName<QCheckBox>(dialog, "Check_Sources")->isChecked());
            byName<QLineEdit>(dialog, "Edit_CheckedBy")->setText(QStringLiteral("B. Stone"));
            byName<QCheckBox>(dialog, "Check_Diagram")->setChecked(false);
            byName<QPushButton>(dialog, "PreviewBtn")->click();
        });
        item()->trigger();
        QVERIFY(seen);
        QVERIFY(rig->sink.messages.empty());
        QCOMPARE(printer.requests.size(), std::size_t(1));
        QCOMPARE(printer.requests[0].setup.orientation, PageOrientation::Portrait);
        QVERIFY(printer.requests[0].pdfPath.empty());
        QVERIFY(pageHas("Project: Cooling water"));
        QVERIFY(pageHas("Checked by: B. Stone"));
        QVERIFY(!pageHas("Sources"));
        const report::TitleBlockRead read =
            report::readTitleBlockFile(report::titleBlockPath(project()));
        QVERIFY(read.settings);
        QCOMPARE(read.settings->title.checkedBy, std::string("B. Stone"));
        QVERIFY(!read.settings->include.diagram);
    }

    void damaged_title_block_is_refused_and_the_dialog_starts_empty() {
        tolvane::test::calculateThree(*rig);
        rig->sink.messages.clear();
        rig->session.projectName = project();
        QCOMPARE(writeFileAtomically(report::titleBlockPath(project()),
                                     "{\"titleBlock\": {\"project\": \"half\", \"date\": 5}}"),
                 std::string());
        bool empty = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dialog = qobject_cast<TReportDialog*>(w);
            QVERIFY(dialog);
            empty = byName<QLineEdit>(dialog, "Edit_Project")->text().isEmpty();
            byName<QPushButton>(dialog, "CancelBtn")->click();
        });
        item()->trigger();
        QVERIFY(empty);
        QCOMPARE(rig->sink.messages.size(), std::size_t(1));
        QVERIFY(rig->sink.messages[0].text.find("is damaged and was not loaded:\rtitleBlock.date: "
                                                "not a text") != std::string::npos);
        QVERIFY(printer.requests.empty());
    }
};

TOLVANE_GUI_TEST_MAIN(TestReport)
#include "test_report.moc"
