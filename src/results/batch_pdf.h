// A printout into a PDF file without a window, for the batch tool. The
// drawing needs Qt's PDF writer, so the function is defined beside the Qt
// print service (results/widgets/batch_pdf.cpp, which starts an offscreen
// Qt application when none runs); a batch tool built without the windows
// links results/batch_pdf_unavailable.cpp instead, which says so.
#pragma once

#include <string>

#include "results/print_service.h"

namespace tolvane {

// Writes the whole printout to `path` as the preview's "Export as PDF..."
// does (A4, or Letter where the system measures in inches; atomically).
// Returns the reason of a failure, or "".
std::string writeBatchPdf(const PrintSetup& setup, const Printout& printout,
                          const std::string& path);

}  // namespace tolvane
