#include "results/batch_pdf.h"

namespace tolvane {

std::unique_ptr<PrintService> makeBatchPrintService(BatchPaper) { return nullptr; }

std::string writeBatchPdf(const PrintSetup&, const Printout&, const std::string&) {
    return "This batch tool was built without Qt, which draws the PDF.";
}

}  // namespace tolvane
