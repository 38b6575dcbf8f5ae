// TRauDialog, "Roughness of pipe": asked by the calculation for turbulent
// flow in the kinds that need the wall roughness. Its Edit1 and ComboBox1 are
// the store of the query (text and unit, kept in the session so that the
// settings file keeps the unit). "&OK" hands k in mm to the calculation,
// "&Cancel" refuses the calculation, "&Database" offers the roughness table.
#pragma once

#include <QDialog>
#include <optional>

#include "properties/roughness_query.h"
#include "base/messages_clipboard_files.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tolvane {

class TRauDatenbank;

class TRauDialog : public QDialog {
    Q_OBJECT
public:
    TRauDialog(RoughnessQueryState& query, MessageSink& messages, QWidget* parent = nullptr);

    // Shows the query modally; k in mm, or nothing when cancelled. Serves as
    // the calculation's RoughnessAsker.
    std::optional<double> ask();
    // The confirmed k of the last OK.
    std::optional<double> confirmed() const { return confirmed_; }

public Q_SLOTS:
    void OKBtnClick();
    void CancelBtnClick();
    // The roughness table; its copied value replaces Edit1 in the query's unit.
    void DatenbankBtnClick();
    void reject() override;  // Cancel, Escape and the close box refuse the calculation

protected:
    void showEvent(QShowEvent* event) override;

private:
    void storeQuery();

    RoughnessQueryState& query_;
    MessageSink& messages_;
    std::optional<double> confirmed_;

    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* DatenbankBtn = nullptr;
    TRauDatenbank* RauDatenbank = nullptr;
};

}  // namespace tolvane
