#include "shell/widgets/splash_screen.h"

#include <cmath>
#include <numbers>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

namespace tolvane {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 280;

// A gauge on its stub above the pipe; `reading` from 0 (left stop) to 1 (right stop).
void drawGauge(QPainter& p, QPointF centre, double radius, double reading, double pipeTop) {
    const QRectF stub(centre.x() - 5, centre.y() + radius - 2, 10,
                      pipeTop - centre.y() - radius + 4);
    QLinearGradient metal(stub.topLeft(), stub.topRight());
    metal.setColorAt(0, QColor(120, 124, 130));
    metal.setColorAt(0.5, QColor(220, 224, 228));
    metal.setColorAt(1, QColor(110, 114, 120));
    p.setPen(QPen(QColor(60, 64, 70), 1));
    p.setBrush(metal);
    p.drawRect(stub);

    QRadialGradient rim(centre, radius);
    rim.setColorAt(0.85, QColor(235, 236, 238));
    rim.setColorAt(1, QColor(120, 124, 130));
    p.setBrush(rim);
    p.setPen(QPen(QColor(50, 54, 60), 1.5));
    p.drawEllipse(centre, radius, radius);

    // Scale from 225 degrees (left stop) clockwise to -45 degrees (right stop).
    const double pi = std::numbers::pi;
    auto at = [&](double fraction, double r) {
        const double a = (225.0 - 270.0 * fraction) * pi / 180.0;
        return QPointF(centre.x() + r * std::cos(a), centre.y() - r * std::sin(a));
    };
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    for (int i = 0; i <= 10; ++i)
        p.drawLine(at(i / 10.0, radius * 0.72), at(i / 10.0, radius * (i % 5 ? 0.8 : 0.86)));
    p.setPen(QPen(QColor(190, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, at(reading, radius * 0.68));
    p.setBrush(QColor(40, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 3, 3);
}

// A flange ring standing out of the pipe at x.
void drawFlange(QPainter& p, double x, double top, double bottom) {
    const QRectF ring(x - 6, top - 9, 12, bottom - top + 18);
    QLinearGradient metal(ring.topLeft(), ring.bottomLeft());
    metal.setColorAt(0, QColor(150, 154, 160));
    metal.setColorAt(0.35, QColor(235, 238, 240));
    metal.setColorAt(1, QColor(90, 94, 100));
    p.setPen(QPen(QColor(50, 54, 60), 1));
    p.setBrush(metal);
    p.drawRoundedRect(ring, 2, 2);
}

}  // namespace

QPixmap TSplashScreen::picture() {
    QPixmap pixmap(kWidth, kHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(18, 52, 96));
    sky.setColorAt(1, QColor(64, 118, 168));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));

    QFont title(QStringLiteral("Sans Serif"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(28, 18, kWidth - 56, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(kTitle));
    p.setPen(QPen(QColor(255, 200, 60), 3));
    p.drawLine(QPointF(30, 78), QPointF(190, 78));

    // The pipe run with its flanges.
    const double top = 190, bottom = 226, left = -10, right = kWidth + 10;
    QLinearGradient pipe(0, top, 0, bottom);
    pipe.setColorAt(0, QColor(110, 116, 124));
    pipe.setColorAt(0.3, QColor(228, 232, 236));
    pipe.setColorAt(1, QColor(70, 74, 82));
    p.setPen(QPen(QColor(40, 44, 50), 1));
    p.setBrush(pipe);
    p.drawRect(QRectF(left, top, right - left, bottom - top));
    for (double x : {70.0, 240.0, 410.0}) drawFlange(p, x, top, bottom);

    // Inlet and outlet gauges: the pressure falls along the run.
    drawGauge(p, QPointF(150, 128), 26, 0.78, top);
    drawGauge(p, QPointF(330, 128), 26, 0.36, top);

    // The flow arrow below the pipe.
    const double y = bottom + 26;
    p.setPen(QPen(QColor(255, 200, 60), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(110, y), QPointF(352, y));
    QPainterPath head;
    head.moveTo(372, y);
    head.lineTo(348, y - 10);
    head.lineTo(348, y + 10);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 60));
    p.drawPath(head);
    return pixmap;
}

TSplashScreen::TSplashScreen(QWidget* parent)
    : QSplashScreen(parent ? parent->screen() : QGuiApplication::primaryScreen(), picture(),
                    Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setWindowTitle(QString::fromLatin1(kTitle));
}

void TSplashScreen::showAtOnce() {
    if (QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->geometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tolvane
