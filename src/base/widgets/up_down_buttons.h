// The arrow pair beside a read-only number field (such as the settings
// dialog's decimal places): steps a position between a minimum and a
// maximum, repeating while an arrow is held.
#pragma once

#include <QWidget>

class QToolButton;

namespace tolvane {

class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    UpDownButtons(int minimum, int maximum, QWidget* parent = nullptr);

    int position() const { return position_; }
    // A new upper end (not below the minimum); the position is clamped, no signal.
    void setMaximum(int maximum);
    // Clamped to the range; no signal.
    void setPosition(int position);
    void stepBy(int steps);  // signals a change

    QToolButton* up;
    QToolButton* down;

Q_SIGNALS:
    void positionChanged(int position);

private:
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace tolvane
