#include "tools/widgets/economic_diameter_liquid_dialog.h"

namespace tolvane {

TNennw_Fl_Dlg::TNennw_Fl_Dlg(MessageSink& messages, QWidget* parent)
    : EconomicDiameterDialog(liquidStyle(), messages, parent) {
    setObjectName(QStringLiteral("Nennw_Fl_Dlg"));
    setWindowTitle(QStringLiteral("Economic diameter of pipe - Liquid"));
}

}  // namespace tolvane
