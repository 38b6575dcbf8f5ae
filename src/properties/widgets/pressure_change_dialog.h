// The "Change pressure" dialog the air and the gas dialogs share: a value in
// one of the listed pressure units, turned into whole mbar on "&OK". A text
// that is no number is refused with "Incorrect input!" and the dialog stays
// open. TLuftDialog2 and TSonstige_Gase2_Dialog are this dialog with their
// own unit lists and texts.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "properties/property_texts.h"
#include "base/messages_clipboard_files.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tolvane {

class PressureChangeDialog : public QDialog {
    Q_OBJECT
public:
    // The mbar text of the last "&OK".
    const std::string& mbar() const { return mbar_; }

public Q_SLOTS:
    void OKBtnClick();

protected:
    PressureChangeDialog(const std::vector<PressureUnit>& units, const char* label,
                         const char* advice, const char* initial, MessageSink& messages,
                         QWidget* parent);
    void showEvent(QShowEvent* event) override;

private:
    const std::vector<PressureUnit>& units_;
    MessageSink& messages_;
    std::string mbar_;

    QLineEdit* Edit_Druck = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
