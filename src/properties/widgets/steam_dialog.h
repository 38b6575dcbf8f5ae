// TSattdampfDialog, "Properties of saturated steam": saturation pressure,
// density and dynamic viscosity of saturated steam at 31 temperatures from a
// fixed table. "Copy to &medium window" hands the gaseous medium "Saturated
// steam" with its saturation state to the main window.
#pragma once

#include <QDialog>

#include "properties/medium_choice.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolvane {

class TSattdampfDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSattdampfDialog(QWidget* parent = nullptr);

    MediumChoice chosen() const;

public Q_SLOTS:
    void Listbox_TemperaturClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int row_ = 0;

    QListWidget* Listbox_Temperatur = nullptr;
    QLineEdit* Edit_Dichte = nullptr;
    QLineEdit* Edit_Visko = nullptr;
    QLineEdit* Edit_Druck = nullptr;
    QLabel* Label13 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
