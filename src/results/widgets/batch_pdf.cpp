#include "results/batch_pdf.h"

#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>
#include <QPageSize>

#include "base/messages_clipboard_files.h"
#include "results/widgets/qt_print_service.h"

namespace tolvane {

namespace {

// The program's own print service on Qt's offscreen platform, so that the
// batch tool writes PDF files where no display is.
class BatchPrintService : public PrintService {
public:
    explicit BatchPrintService(BatchPaper paper) {
        if (!QGuiApplication::instance()) {
            // Text measurement and the PDF writer need a platform; the
            // offscreen one needs no display.
            if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
            // The platform's notes (no runtime directory and the like) are no
            // output of the batch tool.
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    std::fprintf(stderr, "tolvane-cli: %s\n", qPrintable(text));
            });
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
        service_ = std::make_unique<QtPrintService>(dialogs_, messages_);
        if (paper == BatchPaper::A4) service_->pdfPageSize = QPageSize(QPageSize::A4);
    }
    PrintOutcome preview(const PrintSetup&, const Printout&) override {
        return PrintOutcome::Cancelled;
    }
    std::optional<std::string> writePdf(const PrintSetup& setup, const Printout& printout,
                                        const std::string& path) override {
        return service_->writePdf(setup, printout, path);
    }

private:
    int argc_ = 1;
    char name_[12] = "tolvane-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
    ScriptedFileDialogs dialogs_;  // never asked: nothing but writePdf is used
    RecordingMessageSink messages_;
    std::unique_ptr<QtPrintService> service_;
};

}  // namespace

std::unique_ptr<PrintService> makeBatchPrintService(BatchPaper paper) {
    return std::make_unique<BatchPrintService>(paper);
}

std::string writeBatchPdf(const PrintSetup& setup, const Printout& printout,
                          const std::string& path) {
    return makeBatchPrintService(BatchPaper::System)
        ->writePdf(setup, printout, path)
        .value_or(std::string());
}

}  // namespace tolvane
