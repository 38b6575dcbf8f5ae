#include "results/widgets/qt_print_service.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QToolBar>

#include "results/widgets/print_object.h"
#include "base/text_file.h"

namespace tolvane {

namespace {

QPageLayout::Orientation orientationOf(const PrintSetup& setup) {
    return setup.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait;
}

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The pages the print dialog asked for (0 and 0: all of them).
PageRange rangeOf(const QPrinter& printer) {
    if (printer.fromPage() <= 0 && printer.toPage() <= 0) return {};
    PageRange r;
    r.first = std::max(1, printer.fromPage());
    if (printer.toPage() > 0) r.last = printer.toPage();
    return r;
}

// Draws the pages of `range` as a PDF on the whole of `sheet` (the print
// object keeps the margins) in memory, then saves it with the program's safe
// writer. Returns the reason of a failure, or nothing.
std::optional<std::string> savePdf(const QPageLayout& sheet, const PrintSetup& setup,
                                   const Printout& printout, PageRange range,
                                   const std::string& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        BusyCursor busy;
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setPageLayout(sheet);
        pdf.setTitle(QString::fromStdString(setup.title));
        pdf.setCreator(QStringLiteral("Tolvane"));
        TXPrint canvas(pdf, setup);
        if (!canvas.isActive()) return std::string("The PDF could not be started.");
        printout(canvas, range);
    }  // the PDF is complete once the print object and the writer are done
    const std::string failure = writeFileAtomically(path, bytes.toStdString());
    if (!failure.empty()) return failure;
    return std::nullopt;
}

}  // namespace

std::string todayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

QtPrintService::QtPrintService(FileDialogs& files, MessageSink& messages, QWidget* parent)
    : pdfPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                      ? QPageSize::Letter
                      : QPageSize::A4),
      files_(files),
      messages_(messages),
      parent_(parent) {
    printersInstalled = &QtPrintService::hasPrinters;
    confirmPrint = [](QPrinter& printer, QWidget* owner) {
        QPrintDialog dialog(&printer, owner);
        return dialog.exec() == QDialog::Accepted;
    };
}

bool QtPrintService::hasPrinters() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void QtPrintService::print(QPrinter& printer, const PrintSetup& setup, const Printout& printout) {
    BusyCursor busy;
    TXPrint canvas(printer, setup);
    if (canvas.isActive()) printout(canvas, rangeOf(printer));
}

PrintOutcome QtPrintService::preview(const PrintSetup& setup, const Printout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageOrientation(orientationOf(setup));
    printer.setDocName(QString::fromStdString(setup.title));
    printer.setCreator(QStringLiteral("Tolvane"));

    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("Print preview - ") + QString::fromStdString(setup.title));
    // Large enough to read a landscape page of the table.
    if (const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(std::min(1200, area.width() * 9 / 10), std::min(900, area.height() * 9 / 10));
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { print(*target, setup, printout); });

    PrintOutcome outcome = PrintOutcome::Cancelled;
    // The PDF takes the sheet and orientation the preview shows.
    auto exportPdf = [&] {
        const QPageLayout shown = printer.pageLayout();
        PrintSetup sheet = setup;
        sheet.orientation = shown.orientation() == QPageLayout::Landscape
                                ? PageOrientation::Landscape
                                : PageOrientation::Portrait;
        const QPageSize standard = pdfPageSize;
        pdfPageSize = shown.pageSize();
        const bool written = ExportPdf(sheet, printout, *this, files_, messages_);
        pdfPageSize = standard;
        if (written) {
            outcome = PrintOutcome::WrittenToPdf;
            dialog.accept();
        }
    };
    // The preview's print button: the print dialog and the printer, or the
    // PDF where there is no printer. Qt's own handler is taken off so that a
    // PDF goes through the program's save dialog and safe writing.
    QToolBar* bar = dialog.findChild<QToolBar*>();
    QAction* printAction = nullptr;
    if (bar)
        for (QAction* a : bar->actions())
            if (a->text() == QStringLiteral("Print")) printAction = a;
    if (printAction) {
        printAction->disconnect(&dialog);
        QObject::connect(printAction, &QAction::triggered, &dialog, [&] {
            if (!printersInstalled()) {
                exportPdf();
                return;
            }
            if (!confirmPrint(printer, &dialog)) return;
            if (!printer.outputFileName().isEmpty()) {
                // The print dialog's "Print to file": saved like every other
                // file of the program, or kept and reported.
                const std::string path = printer.outputFileName().toStdString();
                const QPageLayout sheet(printer.pageLayout().pageSize(),
                                        printer.pageLayout().orientation(), QMarginsF());
                if (const auto failure = savePdf(sheet, setup, printout, rangeOf(printer), path)) {
                    messages_.show(MessageType::Error, fileNotWrittenMessage(path, *failure));
                    return;
                }
            } else {
                print(printer, setup, printout);
            }
            outcome = PrintOutcome::Printed;
            dialog.accept();
        });
    }
    if (bar) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(QStringLiteral("Export as PDF..."));
        pdf->setObjectName(QStringLiteral("ExportPdf"));
        pdf->setToolTip(QStringLiteral("Write the printout to a PDF file"));
        QObject::connect(pdf, &QAction::triggered, &dialog, exportPdf);
    }
    dialog.exec();
    return outcome;
}

std::optional<std::string> QtPrintService::writePdf(const PrintSetup& setup,
                                                    const Printout& printout,
                                                    const std::string& path) {
    const QPageLayout sheet(pdfPageSize, orientationOf(setup), QMarginsF());
    return savePdf(sheet, setup, printout, {}, path);
}

}  // namespace tolvane
