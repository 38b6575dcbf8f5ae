// The print object on real paint devices and the printing on Qt: the page
// between the margins in tenths of a millimetre on an image of 254 dots per
// inch (one pixel per drawing unit), the frame and column lines where the
// layout puts them, the font switch, PDF files (page count, paper, safe
// replacement, unwritable paths) and the preview's print and PDF routes.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolBar>

#include <cerrno>
#include <cstring>
#include <memory>

#include "calculations.h"
#include "results/print_layout.h"
#include "results/widgets/print_object.h"
#include "results/widgets/qt_print_service.h"
#include "saved_file_checks.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::entriesIn;
using tolvane::test::fileBytes;
using tolvane::test::fileMode;
using tolvane::test::FileSizeLimit;
using tolvane::test::writeFile;

namespace {

// A4 at 254 dots per inch: one pixel is one tenth of a millimetre.
QImage a4Landscape() {
    QImage image(2970, 2100, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    return image;
}

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// Dark pixels in the rectangle.
int inked(const QImage& image, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += dark(image, x, y) ? 1 : 0;
    return n;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int pdfPages(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page/") + pdf.count("/Type /Page "));
}

// Width and height of the first page in points.
QSizeF mediaBox(const QByteArray& pdf) {
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto m = box.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QAction* toolbarAction(QWidget* dialog, const QString& text) {
    if (auto* bar = dialog->findChild<QToolBar*>())
        for (QAction* a : bar->actions())
            if (a->text() == text) return a;
    return nullptr;
}

// n calculations whose element text is `chars` long.
CalculationTable tableWith(int n, int chars) {
    CalculationTable t;
    std::vector<CalculationColumn> columns(static_cast<std::size_t>(n));
    for (CalculationColumn& c : columns) {
        c[7] = std::string(static_cast<std::size_t>(chars), 'W');
        c[23] = "1.000";
    }
    t.setCalculations(std::move(columns));
    t.renumber();
    t.writeHeadings(OutputSystem::Metric, 3);
    return t;
}

Printout tablePrintout(const CalculationTable& t) {
    return [&t](PrintCanvas& c, PageRange r) { printTable(t, {"NONAME.TLV", "1/2/27"}, c, r); };
}

// The two printouts a PDF is written of.
struct PdfCase {
    const char* name;
    PrintSetup setup;
    Printout printout;
};

std::vector<PdfCase> pdfCases(const CalculationTable& t) {
    return {
        {"table", tablePrintSetup("NONAME.TLV"), tablePrintout(t)},
        {"short display", shortDisplayPrintSetup("NONAME.TLV"), [&t](PrintCanvas& c, PageRange r) {
             printShortDisplay(t, OutputSystem::Metric, {"NONAME.TLV", "1/2/27"}, c, r);
         }}};
}

bool startsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    RecordingMessageSink sink;
    ScriptedFileDialogs files;
    std::unique_ptr<QtPrintService> printer;

private Q_SLOTS:
    void init() {
        sink = {};
        files.replies.clear();
        printer = std::make_unique<QtPrintService>(files, sink);
        printer->pdfPageSize = QPageSize(QPageSize::A4);
    }
    void cleanup() { TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui); }

    void page_lies_between_the_margins_in_tenths_of_a_millimetre() {
        QImage image = a4Landscape();
        TXPrint print(image, tablePrintSetup("NONAME.TLV"));
        // 2970 - 130 - 130 - 1 and 2100 - 200 - 150 - 1.
        QCOMPARE(print.pageWidth(), 2709);
        QCOMPARE(print.pageHeight(), 1749);
        print.line(0, 0, 1000, 0, 4);
        print.line(0, 300, 1000, 300, 1);
        print.text(0, 500, "MMMM");
        print.clippedText(0, 800, "MMMMMMMMMMMMMMMMMMMM", 100);
        const int ink = inked(image, QRect(130, 700, 400, 100));
        QVERIFY(print.isActive());
        // Lines from the margin corner, a thick one 0.4 mm and a thin one 0.1 mm.
        QVERIFY(dark(image, 130 + 500, 200));
        QVERIFY(dark(image, 130 + 500, 200 + 300));
        QVERIFY(!dark(image, 130 + 500, 200 + 303));
        QVERIFY(!dark(image, 130 + 500, 195));
        QVERIFY(!dark(image, 100, 200));
        Q_UNUSED(ink);
        // Text hangs from its y: ink below 500, none above it.
        QCOMPARE(inked(image, QRect(130, 200 + 470, 200, 28)), 0);
        QVERIFY(inked(image, QRect(130, 200 + 500, 200, 40)) > 0);
        // A clipped text stops at its width.
        QVERIFY(inked(image, QRect(130, 200 + 800, 100, 40)) > 0);
        QCOMPARE(inked(image, QRect(130 + 102, 200 + 795, 600, 50)), 0);
    }

    void table_printout_frame_and_columns_stand_where_the_layout_puts_them() {
        const CalculationTable t = tableWith(5, 20);  // grid font "MS Sans Serif"
        QImage image = a4Landscape();
        TablePrintLayout l;
        {
            TXPrint print(image, tablePrintSetup("NONAME.TLV"));
            l = layoutTablePrint(t, print);
            printTable(t, {"NONAME.TLV", "1/2/27"}, print, PageRange{2, 2});
            QCOMPARE(print.font().family(), QStringLiteral("Arial"));  // not "MS Sans Serif"
        }
        QCOMPARE(l.lineHeight, 65);
        QCOMPARE(l.fontPoints, 9);
        QVERIFY(l.columnsPerPage >= 2);
        QCOMPARE(l.pages, (5 + l.columnsPerPage - 1) / l.columnsPerPage);
        const int left = 130, top = 200;
        // Frame corners, the heading column's thick line and the first column line.
        QVERIFY(dark(image, left + 1, top + 1));
        QVERIFY(dark(image, left + l.width, top + l.height));
        QVERIFY(dark(image, left + l.headingWidth, top + 3 * l.lineHeight + 10));
        QVERIFY(dark(image, left + l.headingWidth + l.pitch, top + 3 * l.lineHeight + 10));
        QVERIFY(!dark(image, left + l.headingWidth + l.pitch / 2, top + 3 * l.lineHeight + 30));
        // Footer text in the last line, page number and date below the frame.
        const int footerY = top + l.height - l.lineHeight + l.lineHeight / 4;
        QVERIFY(inked(image, QRect(left + l.headingWidth + l.inset(), footerY, 300, 30)) > 0);
        QCOMPARE(inked(image, QRect(left + 10, footerY, l.headingWidth - 20, 30)), 0);
        const int belowY = top + l.height + l.inset();
        QVERIFY(inked(image, QRect(left, belowY, 200, 30)) > 0);
        QVERIFY(inked(image, QRect(left + l.width - 100, belowY, 100, 30)) > 0);
        QCOMPARE(inked(image, QRect(left + l.width + 5, belowY, 120, 30)), 0);
    }

    void pdf_has_a_page_per_column_when_none_fits_beside_the_headings() {
        const CalculationTable t = tableWith(3, 400);
        const QString path = ui.workDir() + "/three.pdf";
        QVERIFY(!printer->writePdf(tablePrintSetup("NONAME.TLV"), tablePrintout(t),
                                   path.toStdString()));
        const QByteArray pdf = readAll(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdfPages(pdf), 3);
        // A4 landscape: 842 by 595 points.
        QCOMPARE(qRound(mediaBox(pdf).width()), 842);
        QCOMPARE(qRound(mediaBox(pdf).height()), 595);
    }

    void existing_pdf_stays_until_the_new_one_is_complete() {
        const QString path = ui.workDir() + "/keep.pdf";
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        const CalculationTable t = tableWith(2, 10);
        QByteArray duringDrawing;
        const Printout printout = [&](PrintCanvas& c, PageRange r) {
            duringDrawing = readAll(path);
            printTable(t, {"NONAME.TLV", "d"}, c, r);
        };
        QVERIFY(!printer->writePdf(tablePrintSetup("NONAME.TLV"), printout, path.toStdString()));
        QCOMPARE(duringDrawing, QByteArray("old"));
        QVERIFY(readAll(path).startsWith("%PDF"));
    }

    void unwritable_pdf_path_is_reported_and_nothing_written() {
        const CalculationTable t = tableWith(1, 10);
        const QString missing = ui.workDir() + "/no such folder/x.pdf";
        files.replies.push_back(missing.toStdString());
        files.replies.push_back(ui.workDir().toStdString());  // a folder, not a file
        QVERIFY(!ExportPdf(tablePrintSetup("NONAME.TLV"), tablePrintout(t), *printer, files, sink));
        QVERIFY(!ExportPdf(tablePrintSetup("NONAME.TLV"), tablePrintout(t), *printer, files, sink));
        QCOMPARE(sink.messages.size(), std::size_t(2));
        QVERIFY(sink.messages[0].text.rfind(
                    "It is not possible to write the file \"" + missing.toStdString() + "\".", 0) ==
                0);
        QCOMPARE(sink.messages[0].type, MessageType::Error);
        QVERIFY(!QFile::exists(missing));
    }

    // A folder of its own per case, to see that no temporary file stays.
    QString freshFolder(const QString& name) {
        const QString dir = ui.workDir() + "/" + QString(name).replace(' ', '-');
        QDir().mkpath(dir);
        return dir;
    }

    // A full disk (imitated by a file-size limit) or a read-only file.
    void failed_pdf_keeps_the_old_file_and_says_why() {
        const CalculationTable t = tableWith(3, 10);
        for (const PdfCase& c : pdfCases(t))
            for (const bool fullDisk : {true, false}) {
                const QString dir =
                    freshFolder(QString(fullDisk ? "full " : "read-only ") + c.name);
                const QString path = dir + "/out.pdf";
                const mode_t mode = fullDisk ? 0644 : 0444;
                writeFile(path, "old", mode);
                sink = {};
                files.replies.push_back(path.toStdString());
                bool written = true;
                {
                    std::unique_ptr<FileSizeLimit> limit;
                    if (fullDisk) limit = std::make_unique<FileSizeLimit>(1024);  // < a page
                    written = ExportPdf(c.setup, c.printout, *printer, files, sink);
                }
                QVERIFY2(!written, qPrintable(dir));
                QCOMPARE(fileBytes(path), QByteArray("old"));
                QCOMPARE(fileMode(path), mode);
                QCOMPARE(entriesIn(dir), qsizetype(1));
                QCOMPARE(sink.messages.size(), std::size_t(1));
                const std::string& text = sink.messages[0].text;
                QCOMPARE(sink.messages[0].type, MessageType::Error);
                QVERIFY2(startsWith(text, "It is not possible to write the file \"" +
                                              path.toStdString() + "\"."),
                         text.c_str());
                QVERIFY2(text.find(std::strerror(fullDisk ? EFBIG : EACCES)) != std::string::npos,
                         text.c_str());
            }
    }

    void pdf_replaces_the_old_file_whole_and_keeps_its_mode() {
        const CalculationTable t = tableWith(2, 10);
        for (const PdfCase& c : pdfCases(t)) {
            const QString dir = freshFolder(QStringLiteral("replaced ") + c.name);
            const QString path = dir + "/out.pdf";
            writeFile(path, "old", 0640);
            sink = {};
            files.replies.push_back(path.toStdString());
            QVERIFY2(ExportPdf(c.setup, c.printout, *printer, files, sink), c.name);
            const QByteArray pdf = fileBytes(path);
            QVERIFY(pdf.startsWith("%PDF-"));
            QVERIFY(pdf.trimmed().endsWith("%%EOF"));
            QCOMPARE(pdfPages(pdf), 1);
            QCOMPARE(fileMode(path), mode_t(0640));
            QCOMPARE(entriesIn(dir), qsizetype(1));
            QVERIFY(sink.messages.empty());
        }
    }

    void pdf_through_a_dangling_link_is_made_where_it_points() {
        const CalculationTable t = tableWith(1, 10);
        const QString dir = freshFolder(QStringLiteral("link"));
        QVERIFY(QFile::link(QStringLiteral("made.pdf"), dir + "/link.pdf"));
        QVERIFY(!printer->writePdf(tablePrintSetup("NONAME.TLV"), tablePrintout(t),
                                   (dir + "/link.pdf").toStdString()));
        QVERIFY(QFileInfo(dir + "/link.pdf").isSymLink());
        QVERIFY(fileBytes(dir + "/made.pdf").startsWith("%PDF-"));
    }

    void failed_export_from_the_preview_keeps_it_open() {
        const CalculationTable t = tableWith(2, 10);
        const PdfCase c = pdfCases(t)[1];  // the short display's preview
        const QString path = freshFolder(QStringLiteral("preview")) + "/out.pdf";
        writeFile(path, "kept", 0444);
        files.replies.push_back(path.toStdString());
        bool stillOpen = false;
        ui.modals().expectModal([&](QWidget* w) {
            toolbarAction(w, QStringLiteral("Export as PDF..."))->trigger();
            stillOpen = w->isVisible();
            qobject_cast<QDialog*>(w)->reject();
        });
        QCOMPARE(printer->preview(c.setup, c.printout), PrintOutcome::Cancelled);
        QVERIFY(stillOpen);
        QCOMPARE(fileBytes(path), QByteArray("kept"));
        QCOMPARE(sink.messages.size(), std::size_t(1));
        QVERIFY(sink.messages[0].text.find(path.toStdString()) != std::string::npos);
    }

    void print_to_a_file_on_a_full_disk_keeps_the_old_file_and_says_why() {
        const CalculationTable t = tableWith(2, 10);
        const QString dir = freshFolder(QStringLiteral("print to file"));
        const QString path = dir + "/printed.pdf";
        writeFile(path, "old");
        printer->printersInstalled = [] { return true; };
        printer->confirmPrint = [&](QPrinter& p, QWidget*) {
            p.setOutputFileName(path);  // the print dialog's "Print to file"
            return true;
        };
        bool stillOpen = false;
        ui.modals().expectModal([&](QWidget* w) {
            {
                FileSizeLimit limit(1024);
                toolbarAction(w, QStringLiteral("Print"))->trigger();
            }
            stillOpen = w->isVisible();
            if (stillOpen) qobject_cast<QDialog*>(w)->reject();
        });
        QCOMPARE(printer->preview(tablePrintSetup("NONAME.TLV"), tablePrintout(t)),
                 PrintOutcome::Cancelled);
        QVERIFY(stillOpen);
        QCOMPARE(fileBytes(path), QByteArray("old"));
        QCOMPARE(entriesIn(dir), qsizetype(1));
        QCOMPARE(sink.messages.size(), std::size_t(1));
        const std::string& text = sink.messages[0].text;
        QVERIFY2(startsWith(text,
                            "It is not possible to write the file \"" + path.toStdString() + "\"."),
                 text.c_str());
        QVERIFY2(text.find(std::strerror(EFBIG)) != std::string::npos, text.c_str());
    }

    void short_display_printout_keeps_clear_of_the_sheet_edges() {
        const CalculationTable t = tableWith(3, 10);
        QImage image(2100, 2970, QImage::Format_RGB32);  // A4 portrait, a pixel a drawing unit
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        {
            TXPrint print(image, shortDisplayPrintSetup("NONAME.TLV"));
            printShortDisplay(t, OutputSystem::Metric, {"NONAME.TLV", "d"}, print);
        }
        const int left = 130, top = 200;
        QCOMPARE(inked(image, QRect(0, 0, image.width(), top)), 0);
        QCOMPARE(inked(image, QRect(0, 0, left, image.height())), 0);
        // The title begins at the margin corner.
        QVERIFY(inked(image, QRect(left, top, 300, 40)) > 0);
    }

    void preview_without_printer_writes_the_pdf_from_its_print_button() {
        const CalculationTable t = tableWith(3, 400);
        printer->printersInstalled = [] { return false; };
        const QString path = ui.workDir() + "/preview.pdf";
        files.replies.push_back(path.toStdString());
        int pages = 0;
        ui.modals().expectModal([&](QWidget* w) {
            auto* preview = w->findChild<QPrintPreviewWidget*>();
            QVERIFY(preview);
            pages = preview->pageCount();
            QAction* print = toolbarAction(w, QStringLiteral("Print"));
            QVERIFY(print);
            print->trigger();
        });
        QCOMPARE(printer->preview(tablePrintSetup("NONAME.TLV"), tablePrintout(t)),
                 PrintOutcome::WrittenToPdf);
        QCOMPARE(pages, 3);
        QCOMPARE(pdfPages(readAll(path)), 3);
        // On the sheet the preview shows, landscape.
        const QSizeF sheet = mediaBox(readAll(path));
        QVERIFY(sheet.width() > sheet.height());
        QVERIFY(sheet.height() > 500);
    }

    void preview_of_a_thousand_calculations_shows_every_page() {
        const CalculationTable t = tableWith(1000, 20);
        int layoutPages = 0;  // as laid out on the preview's own printer
        const Printout printout = [&](PrintCanvas& c, PageRange r) {
            layoutPages = layoutTablePrint(t, c).pages;
            printTable(t, {"NONAME.TLV", "d"}, c, r);
        };
        int pages = 0;
        ui.modals().expectModal([&](QWidget* w) {
            pages = w->findChild<QPrintPreviewWidget*>()->pageCount();
            qobject_cast<QDialog*>(w)->reject();
        });
        QCOMPARE(printer->preview(tablePrintSetup("NONAME.TLV"), printout),
                 PrintOutcome::Cancelled);
        QVERIFY(layoutPages >= 100);
        QCOMPARE(pages, layoutPages);
    }

    void preview_exports_pdf_from_its_own_button() {
        const CalculationTable t = tableWith(1, 10);
        const QString path = ui.workDir() + "/export.pdf";
        files.replies.push_back(path.toStdString());
        ui.modals().expectModal([&](QWidget* w) {
            QAction* pdf = toolbarAction(w, QStringLiteral("Export as PDF..."));
            QVERIFY(pdf);
            pdf->trigger();
        });
        QCOMPARE(printer->preview(tablePrintSetup("NONAME.TLV"), tablePrintout(t)),
                 PrintOutcome::WrittenToPdf);
        QVERIFY(readAll(path).startsWith("%PDF"));
    }

    void cancelled_print_dialog_prints_nothing() {
        const CalculationTable t = tableWith(1, 10);
        printer->printersInstalled = [] { return true; };
        int asked = 0;
        printer->confirmPrint = [&](QPrinter&, QWidget*) {
            ++asked;
            return false;
        };
        bool stillOpen = false;
        ui.modals().expectModal([&](QWidget* w) {
            toolbarAction(w, QStringLiteral("Print"))->trigger();
            stillOpen = w->isVisible();
            qobject_cast<QDialog*>(w)->reject();
        });
        QCOMPARE(printer->preview(tablePrintSetup("NONAME.TLV"), tablePrintout(t)),
                 PrintOutcome::Cancelled);
        QCOMPARE(asked, 1);
        QVERIFY(stillOpen);
    }

    void confirmed_print_dialog_prints_the_pages_it_names() {
        const CalculationTable t = tableWith(3, 400);  // three pages
        printer->printersInstalled = [] { return true; };
        const QString path = ui.workDir() + "/printed.pdf";
        // The dialog's choice: pages 2 to 3, into a file (no printer here).
        printer->confirmPrint = [&](QPrinter& p, QWidget*) {
            p.setOutputFileName(path);
            p.setFromTo(2, 3);
            return true;
        };
        ui.modals().expectModal(
            [&](QWidget* w) { toolbarAction(w, QStringLiteral("Print"))->trigger(); });
        QCOMPARE(printer->preview(tablePrintSetup("NONAME.TLV"), tablePrintout(t)),
                 PrintOutcome::Printed);
        QCOMPARE(pdfPages(readAll(path)), 2);
    }
};

TOLVANE_GUI_TEST_MAIN(TestPrinting)
#include "test_printing.moc"
