// The "&Calculate" menu's engineering tools on the desktop: each item opens
// its dialog modally, preset from the session (the main window's fields, the
// table, the settings). The velocity-to-rate-of-flow dialog's hand-back is
// applied to the session's form and shown. The dialogs live as long as the
// main window, so what they keep between openings (the last m³/h text,
// NPSH's pressures) survives.
#pragma once

#include <QObject>

#include "shell/widgets/qt_platform.h"

namespace tolvane {

class TMyWindow;
class TNennw_Fl_Dlg;
class TNennw_Ga_Dlg;
class TNPSHDialog;
class TFoerderhoehe_Dlg;
class Tv_geschw;
class Tgeschw_v;
class TInhaltDlg;
class TDaDruDialog;

class ToolActions : public QObject {
    Q_OBJECT
public:
    // Connects the menu items and makes them available.
    ToolActions(TMyWindow& window, PlatformServices services);

    // Its "&Database" opens the vapour-pressure database, whose copies it takes.
    TNPSHDialog* npshDialog() const { return npsh_; }
    TDaDruDialog* vapourPressureDialog() const { return vapourPressure_; }

public Q_SLOTS:
    void economicDiameterLiquidClick();
    void economicDiameterGasClick();
    void npshClick();
    void headClick();
    void rateOfFlowToVelocityClick();
    void velocityToRateOfFlowClick();
    void pipeVolumeClick();

private:
    TMyWindow& window_;
    PlatformServices services_;
    TNennw_Fl_Dlg* liquid_;
    TNennw_Ga_Dlg* gas_;
    TNPSHDialog* npsh_;
    TFoerderhoehe_Dlg* head_;
    Tv_geschw* flowToVelocity_;
    Tgeschw_v* velocityToFlow_;
    TInhaltDlg* volume_;
    TDaDruDialog* vapourPressure_;
};

}  // namespace tolvane
