#include "properties/widgets/held_arrows.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "properties/vapour_pressure.h"

namespace tolvane {

HeldArrows::HeldArrows(QWidget* parent) : QWidget(parent) {
    up = new QToolButton(this);
    up->setObjectName(QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    down = new QToolButton(this);
    down->setObjectName(QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up, down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(18, 12);
        b->setIconSize(QSize(7, 7));
        layout->addWidget(b);
    }
    timer_.setInterval(300);
    connect(&timer_, &QTimer::timeout, this, &HeldArrows::tick);
    connect(up, &QToolButton::pressed, this, [this] { press(1); });
    connect(down, &QToolButton::pressed, this, [this] { press(-1); });
    connect(up, &QToolButton::released, this, &HeldArrows::release);
    connect(down, &QToolButton::released, this, &HeldArrows::release);
}

void HeldArrows::press(int direction) {
    direction_ = direction;
    step_ = 1;
    Q_EMIT stepped(direction_ * step_);
    timer_.start();
}

void HeldArrows::tick() {
    step_ = nextHeldStep(step_);
    Q_EMIT stepped(direction_ * step_);
}

void HeldArrows::release() {
    timer_.stop();
    step_ = 1;
}

}  // namespace tolvane
