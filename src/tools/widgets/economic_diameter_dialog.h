// The economic-diameter dialog shared by the liquid and the gas tool: one
// rate of flow in, the proposed diameters and their velocities out as lines
// of text, metric or in inches. The two tools differ only in their curves
// and texts (their style) and their caption.
#pragma once

#include <QDialog>

#include "tools/economic_diameter.h"
#include "base/messages_clipboard_files.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class EconomicDiameterDialog : public QDialog {
    Q_OBJECT
public:
    EconomicDiameterDialog(const EconomicDiameterStyle& style, MessageSink& messages,
                           QWidget* parent = nullptr);

    // On opening: the main window's rate of flow and unit; calculates at once
    // when the preset says so.
    void preset(const EconomicDiameterPreset& p);

public Q_SLOTS:
    void Btn_BerechnungClick();

private:
    const EconomicDiameterStyle& style_;
    MessageSink& messages_;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit_Volumenstrom = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPlainTextEdit* Memo_Ausgabe = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Btn_Berechnung = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
