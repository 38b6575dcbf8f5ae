// The main window's medium panel Medium_Fenster ("Flow medium"): name, rate
// of flow, density, viscosity with their unit lists, and the condition.
#pragma once

#include <QGroupBox>

#include "shell/form_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tolvane {

class MediumPanelWidget : public QGroupBox {
    Q_OBJECT
public:
    explicit MediumPanelWidget(QWidget* parent = nullptr);

    // Texts, lists and choices of form.medium; no change handler fires, but
    // the condition buttons toggle as if clicked.
    void showPanel(const MediumPanel& medium);
    // The user's texts and choices; the unit lists stay those of `medium`.
    void readPanel(MediumPanel& medium) const;

    QLineEdit* Eingabe_Medium;
    QLineEdit* Eingabe_Volumenstrom;
    QLineEdit* Eingabe_Dichte;
    QLineEdit* Eingabe_Viskositaet;
    QComboBox* ComboBox1;  // flow units
    QComboBox* ComboBox2;  // density units
    QComboBox* ComboBox3;  // viscosity units
    QComboBox* ComboBox4;  // "Volume flow:" / "Mass flow:"
    QComboBox* ComboBox5;  // "Abs.viscos." / "Kin.viscos."
    QRadioButton* Radio_Fluessig;
    QRadioButton* Radio_Gas;
    QLabel* Label_Medium;
};

}  // namespace tolvane
