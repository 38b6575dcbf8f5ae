// Printouts into PDF files without a window, for the batch tool. The drawing
// needs Qt's PDF writer, so the functions are defined beside the Qt print
// service (results/widgets/batch_pdf.cpp, which starts an offscreen Qt
// application when none runs); a batch tool built without the windows links
// results/batch_pdf_unavailable.cpp instead, which says so.
#pragma once

#include <memory>
#include <string>

#include "results/print_service.h"

namespace tolvane {

enum class BatchPaper {
    System,  // A4, or Letter where the system measures in inches, as the preview's export
    A4,      // always A4
};

// A print service that only writes PDF files (a preview is cancelled), or
// null in a build without Qt.
std::unique_ptr<PrintService> makeBatchPrintService(BatchPaper paper);

// Writes the whole printout to `path` as the preview's "Export as PDF..."
// does (atomically). Returns the reason of a failure, or "".
std::string writeBatchPdf(const PrintSetup& setup, const Printout& printout,
                          const std::string& path);

}  // namespace tolvane
