// TBen_Daba_Dlg2, "User defined database": lists the user's own media of
// USER.DAT and shows the chosen one; "Copy to &medium window" hands it to the
// main window, in the units of the user-database setting (metric or US).
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "properties/user_database.h"
#include "base/messages_clipboard_files.h"

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

    QListWidget* Listbox_Medium = nullptr;
    QRadioButton* Radio_fluessig1 = nullptr;
    QRadioButton* Radio_gas = nullptr;
    QLineEdit* Edit_Temperatur = nullptr;
    QLineEdit* Edit_Druck = nullptr;
    QLineEdit* Edit_Dichte = nullptr;
    QLineEdit* Edit_Visko = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* TemperaturLabel = nullptr;
    QLabel* DruckLabel = nullptr;
    QLabel* DichteLabel = nullptr;
    QLabel* ViskoLabel = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
