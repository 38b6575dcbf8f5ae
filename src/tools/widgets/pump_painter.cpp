#include "tools/widgets/pump_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

namespace tolvane {

namespace {

const QColor kPumpColour(0, 90, 200);
const QColor kBandColour(40, 160, 60, 40);
const QColor kNpshRequiredColour(200, 110, 0);

QPolygonF polyline(const std::vector<PlotPoint>& points) {
    QPolygonF out;
    out.reserve(static_cast<int>(points.size()));
    for (const PlotPoint& pt : points) out << QPointF(pt.x, pt.y);
    return out;
}

void drawText(QPainter& p, const QFontMetricsF& m, const PlacedText& t) {
    const QString text = QString::fromStdString(t.text);
    const double width = m.horizontalAdvance(text);
    double x = t.x;
    if (t.align == PlacedText::Align::Centre) x -= width / 2;
    if (t.align == PlacedText::Align::Right) x -= width;
    p.drawText(QPointF(x, t.y + m.ascent()), text);
}

void mark(QPainter& p, const PlotPoint& at) {
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::yellow);
    p.drawEllipse(QPointF(at.x, at.y), 5, 5);
    p.setBrush(Qt::NoBrush);
}

}  // namespace

void paintPumpPicture(QPainter& p, const QFontMetricsF& metrics, const DiagramPicture& pic,
                      const PumpPicture& pump) {
    if (pump.band)
        p.fillRect(
            QRectF(QPointF(pump.band->first, pic.top), QPointF(pump.band->second, pic.bottom)),
            kBandColour);
    p.setPen(QPen(kPumpColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(polyline(pump.pumpLine));
    if (pump.operating) mark(p, *pump.operating);
    p.setPen(Qt::black);
    for (const PlacedText& t : pump.texts) drawText(p, metrics, t);

    if (!pump.npsh) return;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (const PlotLine& l : pump.npshGrid) p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(QPointF(pump.left, pump.top), QPointF(pump.right, pump.bottom)));
    for (const PlacedText& t : pump.npshTexts) drawText(p, metrics, t);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kPumpColour, 2));
    p.drawPolyline(polyline(pump.npshAvailable));
    p.setPen(QPen(kNpshRequiredColour, 2, Qt::DashLine));
    p.drawPolyline(polyline(pump.npshRequired));
    if (pump.npshOperating) mark(p, *pump.npshOperating);
}

}  // namespace tolvane
