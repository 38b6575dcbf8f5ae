#include "shell/widgets/speed_bar.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

namespace tolvane {

namespace {

constexpr int kSize = 24;

QPixmap canvas() {
    QPixmap p(kSize, kSize);
    p.fill(Qt::transparent);
    return p;
}

QIcon pressureDropGlyph() {
    QPixmap p = canvas();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(40, 40, 40), 1.2));
    g.setBrush(QColor(210, 225, 240));
    g.drawRect(QRectF(1.5, 8.5, 21, 7));  // a pipe
    g.setPen(QPen(QColor(170, 20, 20), 2));
    g.drawLine(QPointF(5, 4), QPointF(5, 20));  // falling pressure along it
    g.drawLine(QPointF(12, 7), QPointF(12, 17));
    g.drawLine(QPointF(19, 10), QPointF(19, 14));
    return QIcon(p);
}

QIcon elementGlyph() {
    QPixmap p = canvas();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(40, 40, 40), 1.5));
    QPainterPath outer, inner;
    outer.moveTo(2, 7);
    outer.lineTo(10, 7);
    outer.quadTo(17, 7, 17, 14);
    outer.lineTo(17, 22);
    inner.moveTo(2, 13);
    inner.lineTo(8, 13);
    inner.quadTo(11, 13, 11, 16);
    inner.lineTo(11, 22);
    g.drawPath(outer);
    g.drawPath(inner);
    return QIcon(p);
}

QIcon dropGlyph(const QColor& colour) {
    QPixmap p = canvas();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath drop;
    drop.moveTo(12, 2);
    drop.cubicTo(12, 2, 4, 12, 4, 15);
    drop.arcTo(QRectF(4, 7, 16, 16), 180, 180);
    drop.cubicTo(20, 12, 12, 2, 12, 2);
    g.setPen(QPen(colour.darker(160), 1));
    g.setBrush(colour);
    g.drawPath(drop);
    return QIcon(p);
}

QIcon waveGlyph(const QColor& colour, bool withDrop) {
    QPixmap p = canvas();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(colour, 1.8));
    for (int row = 0; row < 3; ++row) {
        QPainterPath wave;
        const double y = 5 + row * 5.5;
        wave.moveTo(3, y);
        wave.cubicTo(7, y - 3, 9, y + 3, 13, y);
        wave.cubicTo(17, y - 3, 19, y + 3, 21, y);
        g.drawPath(wave);
    }
    if (withDrop) {
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(30, 110, 210));
        g.drawEllipse(QRectF(9, 17, 6, 6));
    }
    return QIcon(p);
}

QIcon moleculeGlyph() {
    QPixmap p = canvas();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(90, 90, 90), 1));
    g.setBrush(QColor(240, 190, 60));
    for (const QPointF& c : {QPointF(7, 7), QPointF(17, 9), QPointF(9, 17), QPointF(18, 19)})
        g.drawEllipse(c, 3.5, 3.5);
    return QIcon(p);
}

QToolButton* speedButton(QToolBar* bar, const char* name, const QString& hint, const QIcon& icon) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setIcon(icon);
    b->setIconSize(QSize(kSize, kSize));
    b->setAutoRaise(true);
    bar->addWidget(b);
    return b;
}

}  // namespace

SpeedButtons buildSpeedBar(QToolBar* bar) {
    SpeedButtons s;
    s.Berechnungsschalter = speedButton(
        bar, "Berechnungsschalter", QStringLiteral("Calculate pressure drop"), pressureDropGlyph());
    s.replaceColumn = new QToolButton(bar);
    s.replaceColumn->setObjectName(QStringLiteral("ReplaceColumnButton"));
    s.replaceColumn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    s.replaceColumn->setAutoRaise(false);
    s.replaceColumn->setToolTip(
        QStringLiteral("Calculate the input and put it in place of the selected column (Ctrl+F3)"));
    s.replaceColumnItem = bar->addWidget(s.replaceColumn);
    s.replaceColumnItem->setVisible(false);
    s.SpeedButton1 =
        speedButton(bar, "SpeedButton1", QStringLiteral("Select pipe element"), elementGlyph());
    bar->addSeparator();
    s.Btn_Stoffdaten_Wasser =
        speedButton(bar, "Btn_Stoffdaten_Wasser", QStringLiteral("Properties of water"),
                    dropGlyph(QColor(40, 120, 220)));
    s.Btn_Stoffdaten_Fluessigkeiten =
        speedButton(bar, "Btn_Stoffdaten_Fluessigkeiten",
                    QStringLiteral("Properties of other fluids"), dropGlyph(QColor(200, 140, 30)));
    s.Btn_Stoffdaten_Luft =
        speedButton(bar, "Btn_Stoffdaten_Luft", QStringLiteral("Properties of air"),
                    waveGlyph(QColor(90, 160, 220), false));
    s.Btn_Stoffdaten_Sattdampf = speedButton(bar, "Btn_Stoffdaten_Sattdampf",
                                             QStringLiteral("Properties of saturated steam"),
                                             waveGlyph(QColor(140, 140, 140), true));
    s.Btn_Stoffdaten_Gase = speedButton(
        bar, "Btn_Stoffdaten_Gase", QStringLiteral("Properties of other gases"), moleculeGlyph());
    s.SpeedButton6 =
        speedButton(bar, "SpeedButton6", QStringLiteral("User defined database"), QIcon());
    s.SpeedButton6->setText(QStringLiteral("B"));
    s.SpeedButton6->setToolButtonStyle(Qt::ToolButtonTextOnly);
    s.SpeedButton6->setFixedSize(s.Berechnungsschalter->sizeHint());
    QFont bold = s.SpeedButton6->font();
    bold.setBold(true);
    s.SpeedButton6->setFont(bold);
    return s;
}

}  // namespace tolvane
