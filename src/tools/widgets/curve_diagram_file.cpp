#include "tools/widgets/curve_diagram_file.h"

#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "tools/widgets/curve_painter.h"

namespace tolvane {

namespace {

constexpr int kPngScale = 2;

bool writePng(QSaveFile& file, const CurveDiagram& d, const QSize& size, const QFont& font,
              const std::string& heading) {
    QImage image(size * kPngScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPngScale);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        paintCurveDiagram(p, QSizeF(size), d, font, heading);
    }
    return image.save(&file, "PNG");
}

bool writeSvg(QSaveFile& file, const CurveDiagram& d, const QSize& size, const QFont& font,
              const std::string& heading, const QString& title) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg)) return false;
    paintCurveDiagram(p, QSizeF(size), d, font, heading);
    return p.end();
}

bool writePdf(QSaveFile& file, const CurveDiagram& d, const QSize& size, const QFont& font,
              const std::string& heading, const QString& title) {
    QPdfWriter pdf(&file);
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
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    const QString name = QString::fromStdString(title);
    bool written = false;
    switch (diagramFileFormat(path)) {
        case DiagramFileFormat::Png: written = writePng(file, diagram, drawn, font, heading); break;
        case DiagramFileFormat::Svg:
            written = writeSvg(file, diagram, drawn, font, heading, name);
            break;
        case DiagramFileFormat::Pdf:
            written = writePdf(file, diagram, drawn, font, heading, name);
            break;
    }
    if (!written) {
        file.cancelWriting();
        return std::string("The drawing could not be written.");
    }
    if (!file.commit()) return file.errorString().toStdString();
    return std::nullopt;
}

}  // namespace tolvane
