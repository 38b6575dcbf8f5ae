#include "properties/widgets/gas_pressure_dialog.h"

namespace tolvane {

TSonstige_Gase2_Dialog::TSonstige_Gase2_Dialog(MessageSink& messages, QWidget* parent)
    : PressureChangeDialog(gasPressureUnits(), "Change pressure to:", "", "1013", messages,
                           parent) {
    setObjectName(QStringLiteral("Sonstige_Gase2_Dialog"));
}

}  // namespace tolvane
