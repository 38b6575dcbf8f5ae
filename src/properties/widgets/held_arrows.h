// The arrow pair beside the vapour-pressure dialog's temperature: a press
// steps by one; while an arrow is held, a 300 ms timer steps again and the
// step grows 1, 2, 5, 10, 20. Releasing goes back to steps of one.
#pragma once

#include <QTimer>
#include <QWidget>

class QToolButton;

namespace tolvane {

class HeldArrows : public QWidget {
    Q_OBJECT
public:
    explicit HeldArrows(QWidget* parent = nullptr);

    int step() const { return step_; }
    bool held() const { return timer_.isActive(); }
    // What the repeat timer does each time it fires; callable directly so that
    // the speed-up can be driven without waiting for the timer.
    void tick();

    QToolButton* up;
    QToolButton* down;

Q_SIGNALS:
    // Degrees to add: +step for the upper arrow, -step for the lower one.
    void stepped(int degrees);

private:
    void press(int direction);
    void release();

    QTimer timer_;
    int direction_ = 0;
    int step_ = 1;
};

}  // namespace tolvane
