// TNennw_Ga_Dlg, "Economic diameter of pipe - Gas": the economic pipe diameter and the
// nominal sizes around it for a gas near 1 bar and at much higher pressure.
#pragma once

#include "tools/widgets/economic_diameter_dialog.h"

namespace tolvane {

class TNennw_Ga_Dlg : public EconomicDiameterDialog {
    Q_OBJECT
public:
    explicit TNennw_Ga_Dlg(MessageSink& messages, QWidget* parent = nullptr);
};

}  // namespace tolvane
