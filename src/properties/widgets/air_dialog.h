// TLuftDialog, "Properties of dry air": density and dynamic viscosity of dry
// air at 31 temperatures and an absolute pressure chosen in TLuftDialog2
// ("Change &pressure"); the density is scaled as for an ideal gas. "Copy to
// &medium window" hands the gaseous medium "air" with its temperature and
// pressure to the main window.
#pragma once

#include <QDialog>

#include "properties/air_properties.h"
#include "units/messages_clipboard_files.h"

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

    QListWidget* ListBox_Temperatur;
    QLineEdit* Edit_Dichte;
    QLineEdit* Edit_Visko;
    QLineEdit* Edit_Druck;
    QLabel* Label13;
    QLabel* Label14;
    QPlainTextEdit* Memo1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* DruckBtn;
    TLuftDialog2* LuftDialog2;

public Q_SLOTS:
    void ListBox_TemperaturClick();
    void DruckBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSelection();

    AirSelection selection_;
};

}  // namespace tolvane
