#include "tools/widgets/curve_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

namespace tolvane {

namespace {

constexpr double kScreenDpi = 96.0;

QFont pixelSized(QFont font) {
    if (font.pixelSize() <= 0)
        font.setPixelSize(qMax(1, qRound(font.pointSizeF() * kScreenDpi / 72.0)));
    return font;
}

void drawText(QPainter& p, const QFontMetricsF& m, const PlacedText& t) {
    const QString text = QString::fromStdString(t.text);
    const double width = m.horizontalAdvance(text);
    double x = t.x;
    if (t.align == PlacedText::Align::Centre) x -= width / 2;
    if (t.align == PlacedText::Align::Right) x -= width;
    p.drawText(QPointF(x, t.y + m.ascent()), text);
}

}  // namespace

void paintCurveDiagram(QPainter& p, const QSizeF& size, const CurveDiagram& diagram,
                       const QFont& font, const std::string& heading) {
    p.save();
    const QFont f = pixelSized(font);
    const QFontMetricsF metrics(f, p.device());
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    double headingHeight = 0;
    if (!heading.empty()) {
        QFont bold = f;
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(Qt::black);
        const QFontMetricsF boldMetrics(bold, p.device());
        p.drawText(QPointF(4, 4 + boldMetrics.ascent()), QString::fromStdString(heading));
        headingHeight = boldMetrics.height() + 8;
        p.translate(0, headingHeight);
    }
    p.setFont(f);
    const DiagramPicture pic = layoutDiagram(
        diagram, size.width(), size.height() - headingHeight,
        [&](const std::string& s) { return metrics.horizontalAdvance(QString::fromStdString(s)); },
        metrics.height());

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (const PlotLine& l : pic.grid) p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(pic.left, pic.top), QPointF(pic.right, pic.bottom)));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PlacedText& t : pic.texts) drawText(p, metrics, t);

    if (!pic.bandHigh.empty()) {
        // The published methods' band: the upper edge forward, the lower back.
        QPolygonF band;
        for (const PlotPoint& pt : pic.bandHigh) band << QPointF(pt.x, pt.y);
        for (auto it = pic.bandLow.rbegin(); it != pic.bandLow.rend(); ++it)
            band << QPointF(it->x, it->y);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(230, 150, 150), 1));
        p.setBrush(QColor(255, 200, 200, 150));
        p.drawPolygon(band);
        p.setBrush(Qt::NoBrush);
    }
    QPolygonF curve;
    curve.reserve(static_cast<int>(pic.curve.size()));
    for (const PlotPoint& pt : pic.curve) curve << QPointF(pt.x, pt.y);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(curve);
    p.restore();
}

}  // namespace tolvane
