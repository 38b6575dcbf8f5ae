#include "properties/widgets/air_pressure_dialog.h"

namespace tolvane {

TLuftDialog2::TLuftDialog2(MessageSink& messages, QWidget* parent)
    : PressureChangeDialog(airPressureUnits(), "Pressure change to:", "(max. 250 bar)", "1000",
                           messages, parent) {
    setObjectName(QStringLiteral("LuftDialog2"));
}

}  // namespace tolvane
