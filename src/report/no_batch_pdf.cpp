// A build without Qt's windows writes no PDF.
#include "report/report_pdf.h"

namespace tolvane::report {

std::unique_ptr<PrintService> makeBatchPrintService() { return nullptr; }

}  // namespace tolvane::report
