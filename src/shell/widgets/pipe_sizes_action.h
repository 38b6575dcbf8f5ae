// The pipe-size dialog on the desktop: opened from the "..." button beside a
// diameter row of the element panel, or from "&Extras" > "&Pipe sizes..."
// for the panel's first diameter row. What "Copy to element window" hands
// back goes into that row in its unit; the dialog is created once and keeps
// its choice.
#pragma once

#include <QObject>

namespace tolvane {

class TMyWindow;
class PipeSizesDialog;

class PipeSizesAction : public QObject {
    Q_OBJECT
public:
    explicit PipeSizesAction(TMyWindow& window);

    PipeSizesDialog* dialog() const { return dialog_; }

public Q_SLOTS:
    // Row 0 .. 3 of the element panel, or -1 for its first diameter row.
    void open(int row);

private:
    TMyWindow& window_;
    PipeSizesDialog* dialog_;
};

}  // namespace tolvane
