// TSonstige_Gase2_Dialog, "Change pressure" of the gas dialog: ten units, no
// "bar" among them.
#pragma once

#include "properties/widgets/pressure_change_dialog.h"

namespace tolvane {

class TSonstige_Gase2_Dialog : public PressureChangeDialog {
    Q_OBJECT
public:
    explicit TSonstige_Gase2_Dialog(MessageSink& messages, QWidget* parent = nullptr);
};

}  // namespace tolvane
