// The economic-diameter dialog shared by the liquid and the gas tool: one
// rate of flow in, the proposed diameters and their velocities out as lines
// of text, metric or in inches. The two tools differ only in their curves
// and texts (their style) and their caption.
#pragma once

#include <QDialog>

#include "tools/economic_diameter.h"
#include "units/messages_clipboard_files.h"

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

    QLabel* Label1;
    QLineEdit* Edit_Volumenstrom;
    QComboBox* ComboBox1;
    QPlainTextEdit* Memo_Ausgabe;
    QCheckBox* CheckBox1;
    QPushButton* Btn_Berechnung;
    QPushButton* CancelBtn;

public Q_SLOTS:
    void Btn_BerechnungClick();

private:
    const EconomicDiameterStyle& style_;
    MessageSink& messages_;
};

}  // namespace tolvane
