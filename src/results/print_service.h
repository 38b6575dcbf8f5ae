// The platform's printing as the printouts see it: a preview from which the
// user prints (through the print dialog) or writes a PDF, and the writing of
// a PDF file. A printout is handed over as a function that draws the pages
// of a range on a canvas, so the same drawing goes to the preview, the
// printer and the PDF. The recording version draws on a RecordingPrintCanvas
// and keeps what each request asked for.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "results/print_canvas.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

using Printout = std::function<void(PrintCanvas& canvas, PageRange range)>;

enum class PrintOutcome { Cancelled, Printed, WrittenToPdf };

class PrintService {
public:
    virtual ~PrintService() = default;
    // Shows the preview; returns what the user did from it. A cancelled
    // print dialog prints nothing.
    virtual PrintOutcome preview(const PrintSetup& setup, const Printout& printout) = 0;
    // Writes the whole printout to `path`. An existing file is replaced only
    // when the new one was written completely. Returns the reason of a
    // failure, or nothing.
    virtual std::optional<std::string> writePdf(const PrintSetup& setup, const Printout& printout,
                                                const std::string& path) = 0;
};

class RecordingPrintService : public PrintService {
public:
    struct Request {
        PrintSetup setup;
        std::string pdfPath;  // empty for a preview
        RecordingPrintCanvas canvas{2709, 1749};
    };

    PrintOutcome preview(const PrintSetup& setup, const Printout& printout) override {
        record(setup, printout, {});
        return previewOutcome;
    }
    std::optional<std::string> writePdf(const PrintSetup& setup, const Printout& printout,
                                        const std::string& path) override {
        record(setup, printout, path);
        return pdfFailure;
    }

    PrintOutcome previewOutcome = PrintOutcome::Cancelled;
    std::optional<std::string> pdfFailure;
    std::vector<Request> requests;
    // Page size of the recording canvas (between the margins).
    int pageWidth = 2709, pageHeight = 1749;

private:
    void record(const PrintSetup& setup, const Printout& printout, const std::string& path) {
        requests.push_back({setup, path, RecordingPrintCanvas(pageWidth, pageHeight)});
        printout(requests.back().canvas, PageRange{});
    }
};

// The error message of a file that could not be written: its name, then
// the reason (when there is one) on a line of its own.
std::string fileNotWrittenMessage(const std::string& path, const std::string& reason);

// "PDF files (*.pdf)|*.pdf" through the save dialog (offering the setup's
// PDF name), then the PDF; a failure is reported as an error message naming
// the file. Returns true when the file was written.
bool ExportPdf(const PrintSetup& setup, const Printout& printout, PrintService& printer,
               FileDialogs& files, MessageSink& messages);

}  // namespace tolvane
