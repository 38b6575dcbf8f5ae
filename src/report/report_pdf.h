// The batch tool's way to a PDF: a print service that works without a
// display (Qt's offscreen platform, started on first use) and writes A4
// sheets. Provided by the report's window library; a build without windows
// has none, and the function returns null.
#pragma once

#include <memory>

#include "results/print_service.h"

namespace tolvane::report {

std::unique_ptr<PrintService> makeBatchPrintService();

}  // namespace tolvane::report
