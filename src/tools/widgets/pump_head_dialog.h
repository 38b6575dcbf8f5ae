// TFoerderhoehe_Dlg, "Calculate head": the head a pump must deliver for a
// known pressure drop of the line and the liquid's density. Opens with the
// calculation table's total pressure drop and calculates at once.
#pragma once

#include <QDialog>

#include "tools/pump_head.h"
#include "base/messages_clipboard_files.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class TFoerderhoehe_Dlg : public QDialog {
    Q_OBJECT
public:
    explicit TFoerderhoehe_Dlg(MessageSink& messages, QWidget* parent = nullptr);

    // On opening: the fields from the table's total and the main window's
    // density; calculates when the density reads.
    void preset(const PumpHeadPreset& p);

public Q_SLOTS:
    void OKBtnClick();

private:
    bool calculate();  // false when a field was reported
    void clearResults();
    MessageSink& messages_;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit_Druck = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit_Dichte = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
