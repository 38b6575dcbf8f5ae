#include "base/widgets/up_down_buttons.h"

#include <algorithm>

#include <QToolButton>
#include <QVBoxLayout>

namespace tolvane {

UpDownButtons::UpDownButtons(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {
    up = new QToolButton(this);
    up->setObjectName(QStringLiteral("Up"));
    up->setArrowType(Qt::UpArrow);
    down = new QToolButton(this);
    down->setObjectName(QStringLiteral("Down"));
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(18, 11);
        b->setIconSize(QSize(7, 7));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDownButtons::setMaximum(int maximum) {
    maximum_ = std::max(minimum_, maximum);
    setPosition(position_);
}

void UpDownButtons::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void UpDownButtons::stepBy(int steps) {
    const int before = position_;
    setPosition(position_ + steps);
    if (position_ != before) Q_EMIT positionChanged(position_);
}

}  // namespace tolvane
