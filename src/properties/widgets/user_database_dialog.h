// TBen_Daba_Dlg, "Edit User defined database": pages through the user's own
// media of USER.DAT one or five records at a time, creates, deletes and sorts
// them, and saves the file on "&Exit and save"; "&Cancel" drops every change
// by reading the file again. The labels follow the unit setting of the user
// database (metric or US); the values are texts and are never converted.
#pragma once

#include <QDialog>
#include <functional>

#include "properties/user_database.h"
#include "units/messages_clipboard_files.h"

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

    QLineEdit* Edit_Medium;
    QRadioButton* Rbtn_fluessig;
    QRadioButton* RBTn_gas;
    QLineEdit* Edit_Temperatur;
    QLineEdit* Edit_Druck;
    QLineEdit* Edit_Dichte;
    QLineEdit* Edit_Visko;
    QPlainTextEdit* Memo1;
    QLabel* Label8;
    QLabel* TemperaturLabel;
    QLabel* DruckLabel;
    QLabel* DichteLabel;
    QLabel* ViskoLabel;
    QToolButton* Btn_5zurueck;
    QToolButton* Btn_1zurueck;
    QToolButton* Btn_1vor;
    QToolButton* Btn_5vor;
    QPushButton* NeuBtn;
    QPushButton* LoeschenBtn;
    QPushButton* SortBtn;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

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
};

}  // namespace tolvane
