// Tgeschw_v, "Calculating of velocity to rate of flow": the rate of flow of a
// mean velocity in a circular pipe, in m³/h and gal/min. Keeps the last m³/h
// text for "Copy to &medium window", which closes the dialog accepted; the
// main window then puts that text into its medium panel.
#pragma once

#include <QDialog>

#include "tools/velocity_flow.h"
#include "base/messages_clipboard_files.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class Tgeschw_v : public QDialog {
    Q_OBJECT
public:
    explicit Tgeschw_v(MessageSink& messages, QWidget* parent = nullptr);

    void preset(const VelocityFlowPreset& p);
    // The m³/h text of the last result of the run ("" before the first).
    const std::string& keptRateOfFlow() const { return keptM3h_; }

public Q_SLOTS:
    void OKBtnClick();

private:
    bool calculate();
    void clearResults();
    MessageSink& messages_;
    std::string keptM3h_;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit_Geschwindigkeit = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit_Rohrdurchmesser = nullptr;
    QComboBox* ComboVar1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* UebernahmeBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
