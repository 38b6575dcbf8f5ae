#include "tools/widgets/curve_diagram_file.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "tools/widgets/curve_painter.h"
#include "base/text_file.h"

namespace tolvane {

namespace {

constexpr int kPngScale = 2;

bool writePng(QIODevice& out, const CurveDiagram& d, const QSize& size, const QFont& font,
              const std::string& heading) {
    QImage image(size * kPngScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPngScale);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        paintCurveDiagram(p, QSizeF(size), d, font, heading);
    }
    return image.save(&out, "PNG");
}

bool writeSvg(QIODevice& out, const CurveDiagram& d, const QSize& size, const QFont& font,
              const std::string& heading, const QString& title) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg)) return false;
    paintCurveDiagram(p, QSizeF(size), d, font, heading);
    return p.end();
}

bool writePdf(QIODevice& out, const CurveDiagram& d, const QSize& size, const QFont& font,
              const std::string& heading, const QString& title) {
    QPdfWriter pdf(&out);
    pdf.setResolution(600);
    const QPageSize sheet(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize::Letter
                              : QPageSize::A4);
    pdf.setPageLayout(QPageLayout(sheet, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Tolvane"));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    // The drawing keeps the window's proportions of text to plot and fills
    // the page's width or height.
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const double scale =
        std::min(page.width() / double(size.width()), page.height() / double(size.height()));
    p.scale(scale, scale);
    paintCurveDiagram(p, QSizeF(page.width() / scale, page.height() / scale), d, font, heading);
    return p.end();
}

}  // namespace

std::optional<std::string> writeCurveDiagramFile(const std::string& path,
                                                 const CurveDiagram& diagram, const QSize& size,
                                                 const QFont& font, const std::string& heading,
                                                 const std::string& title) {
    const QSize drawn = size.isValid() && !size.isEmpty() ? size : QSize(800, 500);
    // Drawn in memory first; the program's safe writer then puts the bytes
    // in place, or keeps the old file and says why.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString name = QString::fromStdString(title);
    bool drawingMade = false;
    switch (diagramFileFormat(path)) {
        case DiagramFileFormat::Png:
            drawingMade = writePng(buffer, diagram, drawn, font, heading);
            break;
        case DiagramFileFormat::Svg:
            drawingMade = writeSvg(buffer, diagram, drawn, font, heading, name);
            break;
        case DiagramFileFormat::Pdf:
            drawingMade = writePdf(buffer, diagram, drawn, font, heading, name);
            break;
    }
    buffer.close();
    if (!drawingMade) return std::string("The drawing could not be made.");
    const std::string failure = writeFileAtomically(path, bytes.toStdString());
    if (!failure.empty()) return failure;
    return std::nullopt;
}

}  // namespace tolvane
