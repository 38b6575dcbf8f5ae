// TLuftDialog2, "Change pressure" of the air dialog: eleven units, "bar"
// among them, and the advice "(max. 250 bar)".
#pragma once

#include "properties/widgets/pressure_change_dialog.h"

namespace tolvane {

class TLuftDialog2 : public PressureChangeDialog {
    Q_OBJECT
public:
    explicit TLuftDialog2(MessageSink& messages, QWidget* parent = nullptr);
};

}  // namespace tolvane
