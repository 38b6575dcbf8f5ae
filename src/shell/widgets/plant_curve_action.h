// "P&ressure drop = f (rate of flow)..." on the desktop: the dialog
// TAnlagenkennlinie_Dlg computes the curve of the session's table with the
// medium of the main window's fields (busy cursor meanwhile), and a curve
// that came out is shown modally in the diagram window TKurve. Both windows
// are created once and live as long as the main window, so the dialog keeps
// its last entries.
#pragma once

#include <QObject>

#include "shell/widgets/qt_platform.h"

namespace tolvane {

class TMyWindow;
class TAnlagenkennlinie_Dlg;
class TKurve;
class TPumpEditor;

class PlantCurveAction : public QObject {
    Q_OBJECT
public:
    PlantCurveAction(TMyWindow& window, PlatformServices services);

    TAnlagenkennlinie_Dlg* dialog() const { return dialog_; }
    TPumpEditor* pumpEditor() const { return editor_; }

public Q_SLOTS:
    // The dialog, and the diagram when a curve came out; the main window's
    // fields are read first. An empty table gives its message instead.
    void run();
    // Extras > Pump editor, and the dialog's "Pump editor...": a pump saved
    // there becomes the dialog's pump.
    void editPump();

private:
    TMyWindow& window_;
    PlatformServices services_;
    TAnlagenkennlinie_Dlg* dialog_;
    TKurve* diagram_;
    TPumpEditor* editor_;
};

}  // namespace tolvane
