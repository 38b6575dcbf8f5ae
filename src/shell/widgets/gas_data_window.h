// TGasdaten, "Specifications of gases (required)": the inlet pressure and the
// inlet and outlet temperatures of a gaseous medium. Non-modal and always on
// top; the main window shows it while "Gas" is the condition.
#pragma once

#include <QWidget>

#include "shell/form_state.h"

class QComboBox;
class QLineEdit;

namespace tolvane {

class TGasdaten : public QWidget {
    Q_OBJECT
public:
    explicit TGasdaten(QWidget* parent = nullptr);

    void showPanel(const GasPanel& gas);
    void readPanel(GasPanel& gas) const;

private:
    QLineEdit* Edit_Eingangsdruck = nullptr;
    QLineEdit* Edit_Eingangstemperatur = nullptr;
    QLineEdit* Edit_Ausgangstemperatur = nullptr;
    QComboBox* ComboBox1;  // pressure unit = nullptr;
    QComboBox* ComboBox2;  // inlet temperature unit = nullptr;
    QComboBox* ComboBox3;  // outlet temperature unit = nullptr;
};

}  // namespace tolvane
