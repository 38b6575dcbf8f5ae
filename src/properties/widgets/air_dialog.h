// TLuftDialog, "Properties of dry air": density and dynamic viscosity of dry
// air at 31 temperatures and an absolute pressure chosen in TLuftDialog2
// ("Change &pressure"); the density is scaled as for an ideal gas. "Copy to
// &medium window" hands the gaseous medium "air" with its temperature and
// pressure to the main window.
#pragma once

#include <QDialog>

#include "properties/air_properties.h"
#include "base/messages_clipboard_files.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class TLuftDialog2;

class TLuftDialog : public QDialog {
    Q_OBJECT
public:
    explicit TLuftDialog(MessageSink& messages, QWidget* parent = nullptr);

    MediumChoice chosen() const { return selection_.choice(); }
    const AirSelection& selection() const { return selection_; }

public Q_SLOTS:
    void ListBox_TemperaturClick();
    void DruckBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSelection();

    AirSelection selection_;

    QListWidget* ListBox_Temperatur = nullptr;
    QLineEdit* Edit_Dichte = nullptr;
    QLineEdit* Edit_Visko = nullptr;
    QLineEdit* Edit_Druck = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* DruckBtn = nullptr;
    TLuftDialog2* LuftDialog2 = nullptr;
};

}  // namespace tolvane
