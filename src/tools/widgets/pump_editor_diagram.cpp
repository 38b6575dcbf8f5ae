#include "tools/widgets/pump_editor_diagram.h"

#include <algorithm>

#include <QPainter>
#include <QPolygonF>

namespace tolvane {

namespace {
constexpr int kSamples = 120;
constexpr double kMargin = 24;
}  // namespace

PumpEditorDiagram::PumpEditorDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PumpEditorDiagram"));
    setMinimumSize(220, 150);
}

void PumpEditorDiagram::showPump(std::optional<PumpData> pump, const QString& note) {
    if (pump)
        pump_.emplace(std::move(*pump));
    else
        pump_.reset();
    note_ = note;
    update();
}

void PumpEditorDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRectF frame(kMargin, 8, width() - kMargin - 8, height() - 2 * kMargin - 8);
    p.setPen(Qt::black);
    p.drawRect(frame);
    if (!pump_) {
        p.drawText(frame.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, note_);
        return;
    }
    const double q0 = pump_->minFlow(), q1 = pump_->maxFlow();
    double hMax = 0;
    for (const PumpPoint& pt : pump_->data().points) hMax = std::max(hMax, pt.head);
    if (!(hMax > 0)) hMax = 1;
    const auto x = [&](double q) { return frame.left() + frame.width() * (q - q0) / (q1 - q0); };
    QPolygonF head, efficiency;
    for (int k = 0; k <= kSamples; ++k) {
        const double q = k == kSamples ? q1 : q0 + (q1 - q0) * k / kSamples;
        if (const auto h = pump_->head(q))
            head << QPointF(x(q), frame.bottom() - frame.height() * *h / (hMax * 1.1));
        if (const auto e = pump_->efficiency(q))
            efficiency << QPointF(x(q), frame.bottom() - frame.height() * *e / 110.0);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0, 90, 200), 2));
    p.drawPolyline(head);
    p.setPen(QPen(QColor(40, 160, 60), 1.5, Qt::DashLine));
    p.drawPolyline(efficiency);
    p.setPen(Qt::black);
    for (const PumpPoint& pt : pump_->data().points)
        p.drawEllipse(QPointF(x(pt.flow), frame.bottom() - frame.height() * pt.head / (hMax * 1.1)),
                      2.5, 2.5);
    p.drawText(QPointF(2, frame.top() + 10), QStringLiteral("H"));
    p.drawText(QPointF(frame.right() - 10, frame.bottom() + 16), QStringLiteral("Q"));
    if (!efficiency.isEmpty())
        p.drawText(QPointF(frame.left(), height() - 6),
                   QStringLiteral("head (solid), efficiency (dashed)"));
}

}  // namespace tolvane
