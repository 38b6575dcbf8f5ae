// The printouts' way onto paper and into PDF files on Qt Print Support: the
// print preview (QPrintPreviewDialog) shows every printout before it goes
// out; its print button asks the print dialog and prints, or, on a machine
// without a printer, writes a PDF; its "Export as PDF..." button writes a
// PDF in any case. (Qt's own print button would offer its print dialog even
// where no printer exists.) A PDF is drawn in memory and then saved by
// writeFileAtomically, so a failed save keeps the old file and says why.
#pragma once

#include <functional>

#include <QPageSize>

#include "results/print_service.h"
#include "base/messages_clipboard_files.h"

class QPrinter;
class QWidget;

namespace tolvane {

// Today in the system's short date format, for the foot of a printout.
std::string todayShortDate();

class QtPrintService : public PrintService {
public:
    QtPrintService(FileDialogs& files, MessageSink& messages, QWidget* parent = nullptr);

    PrintOutcome preview(const PrintSetup& setup, const Printout& printout) override;
    std::optional<std::string> writePdf(const PrintSetup& setup, const Printout& printout,
                                        const std::string& path) override;

    // Draws the printout on `printer` (the pages it asks for) with the busy cursor.
    static void print(QPrinter& printer, const PrintSetup& setup, const Printout& printout);
    static bool hasPrinters();

    // Whether the machine has a printer, and the print dialog (true when the
    // user confirmed it). Both replaced in tests.
    std::function<bool()> printersInstalled;
    std::function<bool(QPrinter& printer, QWidget* parent)> confirmPrint;
    // The sheet of PDF files (A4 unless the system's measurement is imperial).
    QPageSize pdfPageSize;
    void setParent(QWidget* parent) { parent_ = parent; }

private:
    FileDialogs& files_;
    MessageSink& messages_;
    QWidget* parent_;
};

}  // namespace tolvane
