// TBen_Daba_Dlg2, "User defined database": lists the user's own media of
// USER.DAT and shows the chosen one; "Copy to &medium window" hands it to the
// main window, in the units of the user-database setting (metric or US).
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "properties/user_database.h"
#include "units/messages_clipboard_files.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tolvane {

class TBen_Daba_Dlg2 : public QDialog {
    Q_OBJECT
public:
    TBen_Daba_Dlg2(UserDatabase& database, std::function<bool()> metric, MessageSink& messages,
                   QWidget* parent = nullptr);

    // The chosen record; nothing while the list is empty.
    std::optional<MediumChoice> chosen() const;
    int row() const { return row_; }  // 1-based, the remembered position

    QListWidget* Listbox_Medium;
    QRadioButton* Radio_fluessig1;
    QRadioButton* Radio_gas;
    QLineEdit* Edit_Temperatur;
    QLineEdit* Edit_Druck;
    QLineEdit* Edit_Dichte;
    QLineEdit* Edit_Visko;
    QPlainTextEdit* Memo1;
    QLabel* TemperaturLabel;
    QLabel* DruckLabel;
    QLabel* DichteLabel;
    QLabel* ViskoLabel;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public Q_SLOTS:
    void Listbox_MediumClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showRecord();

    UserDatabase& db_;
    std::function<bool()> metric_;
    MessageSink& messages_;
    int row_ = 1;
};

}  // namespace tolvane
