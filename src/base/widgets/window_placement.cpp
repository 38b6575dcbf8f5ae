#include "base/widgets/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tolvane {

namespace {

bool framed(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle && handle->isExposed();
}

// Waits for the first exposure of a window put at a frame place, then moves
// it by the margins the window manager really gave it. One per window: a
// window put again before it was exposed only changes the place.
class FrameCorrection : public QObject {
public:
    static constexpr const char* kName = "tolvane_frame_correction";

    static void request(QWidget* window, QPoint frameTopLeft, std::function<void()> placed) {
        QWindow* handle = window->windowHandle();
        auto* c = static_cast<FrameCorrection*>(
            handle->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly));
        if (!c) c = new FrameCorrection(window);
        c->at_ = frameTopLeft;
        if (placed) c->placed_.push_back(std::move(placed));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_ && framed(window_)) {
            const QMargins m = window_->windowHandle()->frameMargins();
            const QPoint client = at_ + QPoint(m.left(), m.top());
            if (window_->geometry().topLeft() != client)
                window_->setGeometry(QRect(client, window_->size()));
            finish();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit FrameCorrection(QWidget* window) : QObject(window->windowHandle()), window_(window) {
        setObjectName(QLatin1String(kName));
        window->windowHandle()->installEventFilter(this);
        QTimer::singleShot(1000, this, [this] { finish(); });
    }

    void finish() {
        if (done_) return;
        done_ = true;
        setObjectName(QString());  // a later request starts a new one
        for (auto& placed : placed_) QTimer::singleShot(0, parent(), std::move(placed));
        deleteLater();
    }

    QPointer<QWidget> window_;
    QPoint at_;
    std::vector<std::function<void()>> placed_;
    bool done_ = false;
};

}  // namespace

std::vector<ScreenRect> usableScreens() {
    std::vector<ScreenRect> out;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) out.push_back(toScreenRect(primary->availableGeometry()));
    for (const QScreen* s : QGuiApplication::screens())
        if (s != primary) out.push_back(toScreenRect(s->availableGeometry()));
    return out;
}

QMargins frameMarginsOr(const QWidget* window, const QMargins& guess) {
    return framed(window) ? window->windowHandle()->frameMargins() : guess;
}

QMargins marginsLike(const QWidget* framedWindow) {
    const QMargins known = frameMarginsOr(framedWindow, QMargins());
    return known.isNull() ? QMargins(0, kTitleBarGuess, 0, 0) : known;
}

QRect expectedFrame(const QWidget* window, const QMargins& guess) {
    return window->geometry().marginsAdded(frameMarginsOr(window, guess));
}

void putFrameAt(QWidget* window, QPoint frameTopLeft, const QMargins& guess,
                std::function<void()> placed) {
    const bool alreadyFramed = framed(window);
    const QMargins m = frameMarginsOr(window, guess);
    window->winId();  // the native window exists, so its exposure can be watched
    window->setGeometry(QRect(frameTopLeft + QPoint(m.left(), m.top()), window->size()));
    if (alreadyFramed) {
        if (placed) QTimer::singleShot(0, window, std::move(placed));
        return;
    }
    FrameCorrection::request(window, frameTopLeft, std::move(placed));
}

}  // namespace tolvane
