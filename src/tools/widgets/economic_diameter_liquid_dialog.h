// TNennw_Fl_Dlg, "Economic diameter of pipe - Liquid": the economic pipe diameter and the
// nominal sizes around it for a liquid of small and of high viscosity.
#pragma once

#include "tools/widgets/economic_diameter_dialog.h"

namespace tolvane {

class TNennw_Fl_Dlg : public EconomicDiameterDialog {
    Q_OBJECT
public:
    explicit TNennw_Fl_Dlg(MessageSink& messages, QWidget* parent = nullptr);
};

}  // namespace tolvane
