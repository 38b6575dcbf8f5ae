// TBen_Daba_Dlg, "Edit User defined database": pages through the user's own
// media of USER.DAT one or five records at a time, creates, deletes and sorts
// them, and saves the file on "&Exit and save"; "&Cancel" drops every change
// by reading the file again. The labels follow the unit setting of the user
// database (metric or US); the values are texts and are never converted.
#pragma once

#include <QDialog>
#include <functional>

#include "properties/user_database.h"
#include "base/messages_clipboard_files.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tolvane {

class TBen_Daba_Dlg : public QDialog {
    Q_OBJECT
public:
    TBen_Daba_Dlg(UserDatabase& database, std::function<bool()> metric, MessageSink& messages,
                  QWidget* parent = nullptr);

public Q_SLOTS:
    void NeuBtnClick();
    void LoeschenBtnClick();
    void SortBtnClick();
    void SaveBtnClick();
    void reject() override;  // "&Cancel", Escape and the close box drop the changes

protected:
    void showEvent(QShowEvent* event) override;

private:
    UserRecord fields() const;
    void store();
    void showRecord();
    void navigate(void (UserDatabase::*step)());

    UserDatabase& db_;
    std::function<bool()> metric_;
    MessageSink& messages_;

    QLineEdit* Edit_Medium = nullptr;
    QRadioButton* Rbtn_fluessig = nullptr;
    QRadioButton* RBTn_gas = nullptr;
    QLineEdit* Edit_Temperatur = nullptr;
    QLineEdit* Edit_Druck = nullptr;
    QLineEdit* Edit_Dichte = nullptr;
    QLineEdit* Edit_Visko = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* TemperaturLabel = nullptr;
    QLabel* DruckLabel = nullptr;
    QLabel* DichteLabel = nullptr;
    QLabel* ViskoLabel = nullptr;
    QToolButton* Btn_5zurueck = nullptr;
    QToolButton* Btn_1zurueck = nullptr;
    QToolButton* Btn_1vor = nullptr;
    QToolButton* Btn_5vor = nullptr;
    QPushButton* NeuBtn = nullptr;
    QPushButton* LoeschenBtn = nullptr;
    QPushButton* SortBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
