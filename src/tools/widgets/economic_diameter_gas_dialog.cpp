#include "tools/widgets/economic_diameter_gas_dialog.h"

namespace tolvane {

TNennw_Ga_Dlg::TNennw_Ga_Dlg(MessageSink& messages, QWidget* parent)
    : EconomicDiameterDialog(gasStyle(), messages, parent) {
    setObjectName(QStringLiteral("Nennw_Ga_Dlg"));
    setWindowTitle(QStringLiteral("Economic diameter of pipe - Gas"));
}

}  // namespace tolvane
