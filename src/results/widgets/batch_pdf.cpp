#include "results/batch_pdf.h"

#include <QGuiApplication>

#include "results/widgets/qt_print_service.h"

namespace tolvane {

namespace {

// The PDF writer needs a Qt application for its fonts; the batch tool has
// none of its own, so one is started offscreen once and never destroyed
// (at static destruction Qt's own globals may already be gone).
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tolvane-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

// The batch tool asks nothing: no dialog and no message box.
struct NoDialogs : FileDialogs {
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace

std::string writeBatchPdf(const PrintSetup& setup, const Printout& printout,
                          const std::string& path) {
    ensureApplication();
    NoDialogs files;
    RecordingMessageSink messages;
    QtPrintService service(files, messages);
    return service.writePdf(setup, printout, path).value_or(std::string());
}

}  // namespace tolvane
