// Tv_geschw, "Rate of flow to velocity": the mean velocity of a rate of flow
// in a circular pipe of given inner diameter, in m/s and ft/s. Opens with the
// main window's rate of flow and first element dimension and calculates.
#pragma once

#include <QDialog>

#include "tools/velocity_flow.h"
#include "base/messages_clipboard_files.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class Tv_geschw : public QDialog {
    Q_OBJECT
public:
    explicit Tv_geschw(MessageSink& messages, QWidget* parent = nullptr);

    void preset(const VelocityFlowPreset& p);

public Q_SLOTS:
    void OKBtnClick();

private:
    bool calculate();
    void clearResults();
    MessageSink& messages_;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit_Volumenstrom = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit_Rohrdurchmesser = nullptr;
    QComboBox* ComboVar1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
