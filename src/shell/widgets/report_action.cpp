#include "shell/widgets/report_action.h"

#include <QApplication>
#include <cmath>

#include "base/input_number.h"
#include "report/report_printout.h"
#include "report/title_block.h"
#include "report/widgets/report_dialog.h"
#include "results/print_service.h"
#include "shell/project_file.h"
#include "shell/report_command.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "tools/pump_file.h"

namespace tolvane {

namespace {

const char* const kReportTitle = "Calculation report";

std::string projectPath(const Session& session) {
    return session.projectName == kNoName ? std::string() : session.projectName;
}

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

ReportAction::ReportAction(TMyWindow& window, PlatformServices services)
    : QObject(&window), window_(window), services_(services) {
    dialog_ = new TReportDialog(services_.files, &window);
    MainMenu& m = *window.menu();
    connect(m.calculationReport, &QAction::triggered, this, &ReportAction::run);
    m.setAvailable(m.calculationReport);
}

void ReportAction::loadTitleBlock() {
    const std::string project = projectPath(window_.session());
    if (project == loadedFor_) return;
    loadedFor_ = project;
    dialog_->setSettings({});
    offeredCurve_ = defaultReportCurve(window_.session(), std::nullopt);
    dialog_->setCurve(offeredCurve_);
    if (project.empty()) return;
    const std::string path = report::titleBlockPath(project);
    const report::TitleBlockRead read = report::readTitleBlockFile(path);
    if (read.settings) {
        dialog_->setSettings(*read.settings);
        return;
    }
    services_.messages.show(MessageType::Warning,
                            "The title block " + path + " is damaged and was not loaded:\r" +
                                read.problem + "\rIt is written anew when the report is made.");
}

void ReportAction::saveTitleBlock() {
    const std::string project = projectPath(window_.session());
    if (project.empty()) return;  // kept once the project has a file
    const std::string path = report::titleBlockPath(project);
    const std::string failure = report::writeTitleBlockFile(path, dialog_->settings());
    if (!failure.empty())
        services_.messages.show(MessageType::Error, fileNotWrittenMessage(path, failure));
}

void ReportAction::run() {
    window_.readForm();
    const Session& session = window_.session();
    if (!session.table.hasValues()) {
        services_.messages.show(MessageType::Information,
                                "In the table are no calculations for a report.");
        return;
    }
    loadTitleBlock();
    if (dialog_->exec() != QDialog::Accepted) return;
    saveTitleBlock();

    ReportRequest request;
    request.settings = dialog_->settings();
    request.curve = dialog_->curve();
    request.gasDataKnown = true;
    const ReportPumpFields pump = dialog_->pump();
    if (request.settings.include.diagram && !pump.file.empty()) {
        const PumpFileOutcome read = readPumpFile(pump.file);
        if (!read.file) {
            services_.messages.show(MessageType::Error, "The pump file " + pump.file +
                                                            " cannot be used:\r" + read.problem);
            return;
        }
        ReportPump p{PumpCurve(read.file->pump), pump.file, {}, {}};
        if (!pump.staticHead.empty()) {
            const auto head = readNumber(pump.staticHead);
            if (!head || !std::isfinite(*head)) {
                services_.messages.show(
                    MessageType::Error,
                    "Incorrect input in the input field\r\"Static head in m:\"!");
                return;
            }
            p.side.staticHead = *head;
        }
        if (p.pump.hasUnstableRegion()) p.warnings.push_back(kUnstableRegionWarning);
        // The range offered reaches the pump's largest flow unless it was changed.
        const PlantCurveRequest& c = request.curve;
        if (c.from == offeredCurve_.from && c.to == offeredCurve_.to &&
            c.points == offeredCurve_.points)
            request.curve = defaultReportCurve(session, p);
        request.pump = std::move(p);
    }
    std::optional<report::CalculationReport> made;
    {
        BusyCursor busy;
        made = MakeReport(session, request);
    }
    const report::CalculationReport& r = *made;
    window_.printService()->preview(
        report::reportPrintSetup(r),
        [&r](PrintCanvas& canvas, PageRange range) { report::printReport(r, canvas, range); });
}

}  // namespace tolvane
