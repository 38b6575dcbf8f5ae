// TZusatzVolumenstromfenster, "Additional Data" of the two branch elements:
// the rate of flow of the branching pipe, in the main window's flow unit.
// Non-modal, always on top, no close box.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tolvane {

class TZusatzVolumenstromfenster : public QWidget {
    Q_OBJECT
public:
    explicit TZusatzVolumenstromfenster(QWidget* parent = nullptr);

    QLineEdit* Edit_abzwVolumenstrom;
    QLabel* Label_Einheit;  // the selected flow unit of the main window
};

}  // namespace tolvane
