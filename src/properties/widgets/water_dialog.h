// TWasser_Dialog, "Properties of Water": density and dynamic viscosity of
// liquid water at 37 temperatures from a fixed table; "Copy to &Medium
// Window" hands the medium "Water" with the selected row's texts to the main
// window, which puts it into the medium panel.
#pragma once

#include <QDialog>

#include "properties/medium_choice.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolvane {

class TWasser_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit TWasser_Dialog(QWidget* parent = nullptr);

    // What "Copy to &Medium Window" hands on: the selected row.
    MediumChoice chosen() const;

public Q_SLOTS:
    void TemperaturListBoxClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int row_ = 0;

    QListWidget* TemperaturListBox = nullptr;
    QLineEdit* DichteEdit = nullptr;
    QLineEdit* ViskoEdit = nullptr;
    QLabel* Label13 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
