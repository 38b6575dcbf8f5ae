#include "results/widgets/print_object.h"

#include <QPagedPaintDevice>
#include <QPen>

#include "base/number_rounding.h"

namespace tolvane {

TXPrint::TXPrint(QPaintDevice& device, const PrintSetup& setup)
    : device_(device), metrics_(font_, &device) {
    dpiX_ = device.logicalDpiX() > 0 ? device.logicalDpiX() : 300;
    dpiY_ = device.logicalDpiY() > 0 ? device.logicalDpiY() : 300;
    // Margins to pixels; the page is what is left of the sheet less one pixel,
    // back in drawing units.
    leftPixels_ = roundInt(setup.marginLeft * dpiX_ / kDrawingUnitsPerInch);
    topPixels_ = roundInt(setup.marginTop * dpiY_ / kDrawingUnitsPerInch);
    const int rightPixels = roundInt(setup.marginRight * dpiX_ / kDrawingUnitsPerInch);
    const int bottomPixels = roundInt(setup.marginBottom * dpiY_ / kDrawingUnitsPerInch);
    pageWidth_ =
        roundInt((device.width() - leftPixels_ - rightPixels - 1) * kDrawingUnitsPerInch / dpiX_);
    pageHeight_ =
        roundInt((device.height() - topPixels_ - bottomPixels - 1) * kDrawingUnitsPerInch / dpiY_);
    painter_.begin(&device);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    setFont(setup.fontName, setup.fontPoints, false);
}

TXPrint::~TXPrint() { end(); }

void TXPrint::end() {
    if (painter_.isActive()) painter_.end();
}

QPointF TXPrint::toDevice(int x, int y) const {
    return {leftPixels_ + x * pixelsPerUnitX(), topPixels_ + y * pixelsPerUnitY()};
}

// Point sizes are the device's own: a painter on a printer or a PDF writer
// scales them by the device's resolution, so the text has its size in
// points on paper.
void TXPrint::setFont(const std::string& name, int points, bool bold) {
    font_ = QFont(QString::fromStdString(name));
    font_.setPointSizeF(points > 0 ? points : 1);
    font_.setBold(bold);
    font_.setStyleHint(QFont::SansSerif);
    metrics_ = QFontMetricsF(font_, &device_);
    if (painter_.isActive()) painter_.setFont(font_);
}

int TXPrint::textWidth(const std::string& text) {
    return roundInt(metrics_.horizontalAdvance(QString::fromStdString(text)) / pixelsPerUnitX());
}

void TXPrint::text(int x, int y, const std::string& text) {
    if (!painter_.isActive()) return;
    painter_.drawText(toDevice(x, y) + QPointF(0, metrics_.ascent()), QString::fromStdString(text));
}

void TXPrint::clippedText(int x, int y, const std::string& text, int width) {
    if (!painter_.isActive()) return;
    const QPointF at = toDevice(x, y);
    painter_.save();
    painter_.setClipRect(QRectF(at.x(), at.y(), width * pixelsPerUnitX(), metrics_.height()));
    painter_.drawText(at + QPointF(0, metrics_.ascent()), QString::fromStdString(text));
    painter_.restore();
}

void TXPrint::line(int x1, int y1, int x2, int y2, int penWidth) {
    if (!painter_.isActive()) return;
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, penWidth * pixelsPerUnitX()));
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void TXPrint::newPage() {
    if (!painter_.isActive()) return;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device_)) {
        if (!paged->newPage()) return;
        ++page_;
        painter_.setFont(font_);
    }
}

}  // namespace tolvane
