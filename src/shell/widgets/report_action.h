// File > "Calculation report..." on the desktop: the dialog TReportDialog
// with the project's title block (read from beside the project file, and
// written back there when the report is made), then the report of the
// session's table in the print preview, from where it is printed or written
// to a PDF. The dialog is created once and keeps its entries.
#pragma once

#include <QObject>

#include "shell/widgets/qt_platform.h"
#include "tools/plant_curve.h"

namespace tolvane {

class TMyWindow;
class TReportDialog;

class ReportAction : public QObject {
    Q_OBJECT
public:
    ReportAction(TMyWindow& window, PlatformServices services);

    TReportDialog* dialog() const { return dialog_; }

public Q_SLOTS:
    void run();

private:
    // The title block of the project now open, once per project.
    void loadTitleBlock();
    void saveTitleBlock();

    TMyWindow& window_;
    PlatformServices services_;
    TReportDialog* dialog_;
    std::string loadedFor_;           // the project whose title block the dialog shows
    PlantCurveRequest offeredCurve_;  // the diagram's range the dialog was given
};

}  // namespace tolvane
