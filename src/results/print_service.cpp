#include "results/print_service.h"

namespace tolvane {

bool ExportPdf(const PrintSetup& setup, const Printout& printout, PrintService& printer,
               FileDialogs& files, MessageSink& messages) {
    const std::optional<std::string> path =
        files.saveFile("PDF files (*.pdf)|*.pdf", "pdf", setup.pdfName);
    if (!path) return false;
    if (const auto failure = printer.writePdf(setup, printout, *path)) {
        std::string text = "It is not possible to write the file \"" + *path + "\".";
        if (!failure->empty()) text += "\r\n" + *failure;
        messages.show(MessageType::Error, text);
        return false;
    }
    return true;
}

}  // namespace tolvane
