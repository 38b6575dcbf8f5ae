// Tooltips for the calculation table's cells and heading column that their
// width cuts short ("Diameter of pipe D in mm: ..."): hovering shows the whole
// text; a text that fits shows no tooltip at all, so the tooltip never just
// repeats what is on the screen.
#pragma once

#include <QObject>

class QTableView;

namespace tolvane {

class CutTextToolTips : public QObject {
    Q_OBJECT
public:
    // Watches the grid's cells and its vertical header (the heading column).
    explicit CutTextToolTips(QTableView* grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* grid_;
};

}  // namespace tolvane
