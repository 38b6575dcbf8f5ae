#include "results/print_service.h"

namespace tolvane {

std::string fileNotWrittenMessage(const std::string& path, const std::string& reason) {
    std::string text = "It is not possible to write the file \"" + path + "\".";
    if (!reason.empty()) text += "\r\n" + reason;
    return text;
}

bool ExportPdf(const PrintSetup& setup, const Printout& printout, PrintService& printer,
               FileDialogs& files, MessageSink& messages) {
    const std::optional<std::string> path =
        files.saveFile("PDF files (*.pdf)|*.pdf", "pdf", setup.pdfName);
    if (!path) return false;
    if (const auto failure = printer.writePdf(setup, printout, *path)) {
        messages.show(MessageType::Error, fileNotWrittenMessage(*path, *failure));
        return false;
    }
    return true;
}

}  // namespace tolvane
