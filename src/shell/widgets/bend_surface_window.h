// TZusatzElementfenster, "Additional Data" of the rectangular bend: whether
// the pipe's surface is smooth or rough. Non-modal, always on top, no close
// box; the element panel shows and hides it.
#pragma once

#include <QWidget>

class QGroupBox;
class QRadioButton;

namespace tolvane {

class TZusatzElementfenster : public QWidget {
    Q_OBJECT
public:
    explicit TZusatzElementfenster(QWidget* parent = nullptr);

    int surface() const;  // 0 "smooth", 1 "rough"
    void setSurface(int item);

private:
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* smooth = nullptr;
    QRadioButton* rough = nullptr;
};

// The window flags of both "Additional Data" windows.
Qt::WindowFlags additionalDataWindowFlags();

}  // namespace tolvane
