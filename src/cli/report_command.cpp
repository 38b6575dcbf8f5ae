#include "cli/report_command.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/batch_input.h"
#include "report/report_printout.h"
#include "report/title_block.h"
#include "results/batch_pdf.h"
#include "shell/project_file.h"
#include "shell/report_command.h"
#include "shell/settings_file.h"

namespace tolvane::cli {

namespace {

constexpr int kWritten = 0;
constexpr int kBadInput = 2;

// The title block named, or the one beside the project (none there: empty).
std::optional<report::ReportSettings> titleBlockOf(const ReportCommand& c) {
    const std::string path = c.titleBlock ? *c.titleBlock : report::titleBlockPath(c.project);
    std::error_code ec;
    if (c.titleBlock && !std::filesystem::exists(path, ec)) {
        std::cerr << "tolvane-cli: cannot read " << path << "\n";
        return std::nullopt;
    }
    const report::TitleBlockRead read = report::readTitleBlockFile(path);
    if (!read.settings)
        std::cerr << "tolvane-cli: " << path << " is damaged: " << read.problem << "\n";
    return read.settings;
}

}  // namespace

int runReportCommand(const ReportCommand& c) {
    ReportRequest request;
    const auto settings = titleBlockOf(c);
    if (!settings) return kBadInput;
    request.settings = *settings;
    if (c.pump.given()) {
        try {
            PumpSetup setup = readPumpOptions(c.pump);
            if (setup.pump)
                request.pump = ReportPump{std::move(*setup.pump), *c.pump.pumpFile, setup.side,
                                          setup.warnings};
        } catch (const InputError& e) {
            std::cerr << "tolvane-cli: " << e.what() << "\n";
            return kBadInput;
        }
    }

    Session session;
    applyStandardSettings(session);
    RecordingMessageSink loadMessages;
    LoadProject(session, c.project, loadMessages);
    for (const Message& m : loadMessages.messages) std::cerr << "tolvane-cli: " << m.text << "\n";
    const ProjectReadResult read = readProjectFile(c.project);
    if (read.status != ProjectReadStatus::Ok) {
        std::cerr << "tolvane-cli: " << c.project
                  << (read.status == ProjectReadStatus::Damaged ? " is damaged: " + read.problem
                                                                : std::string(" cannot be read"))
                  << "\n";
        return kBadInput;
    }
    if (c.checkLimits) session.settings.checkLimits = *c.checkLimits;
    request.curve = c.curve ? *c.curve : defaultReportCurve(session, request.pump);

    const report::CalculationReport r = MakeReport(session, request);
    for (const std::string& line : r.diagramLines)
        if (line.starts_with("No ") || line.starts_with("Note: "))
            std::cerr << "report: " << line << "\n";
    const std::unique_ptr<PrintService> printer = makeBatchPrintService(BatchPaper::A4);
    if (!printer) {
        std::cerr << "tolvane-cli: this build writes no PDF (built without Qt)\n";
        return kBadInput;
    }
    const auto failure = printer->writePdf(
        report::reportPrintSetup(r),
        [&r](PrintCanvas& canvas, PageRange range) { report::printReport(r, canvas, range); },
        c.output);
    if (failure) {
        std::cerr << "tolvane-cli: cannot write " << c.output << ": " << *failure << "\n";
        return kBadInput;
    }
    return kWritten;
}

}  // namespace tolvane::cli
