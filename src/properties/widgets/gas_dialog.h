// TStoffwerteGaseNeu, "Properties of diverse gases": the gases of GASE.STW
// (read by the caller, once, before the dialog is made) with their melting and boiling point,
// measured viscosities at a list of temperatures, and the density of the
// ideal gas at the chosen temperature and the absolute pressure chosen in
// TSonstige_Gase2_Dialog. "Copy to &medium window" hands the gas with its
// state to the main window. A missing or damaged file is reported each time
// the dialog is opened, which then offers no gas.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "properties/gas_database.h"
#include "base/messages_clipboard_files.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class TSonstige_Gase2_Dialog;

class TStoffwerteGaseNeu : public QDialog {
    Q_OBJECT
public:
    // `gases` is the file as readGasFile read it (none: missing or damaged).
    TStoffwerteGaseNeu(std::optional<std::vector<GasEntry>> gases, MessageSink& messages,
                       QWidget* parent = nullptr);

    // Nothing while no gas is offered.
    std::optional<MediumChoice> chosen() const { return selection_.choice(); }
    const GasSelection& selection() const { return selection_; }
    bool fileBroken() const { return broken_; }

    int exec() override;

public Q_SLOTS:
    void GasListboxClick();
    void TemperaturListboxClick();
    void DruckBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showGas();
    void showValues();

    MessageSink& messages_;
    GasSelection selection_;
    bool broken_ = false;

    QListWidget* GasListbox = nullptr;
    QListWidget* TemperaturListbox = nullptr;
    QLineEdit* DichteEdit = nullptr;
    QLineEdit* ViskoEdit = nullptr;
    QLineEdit* Edit_Druck = nullptr;
    QLineEdit* MolmasseEdit = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Stofflabel = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* DruckBtn = nullptr;
    TSonstige_Gase2_Dialog* Sonstige_Gase2_Dialog = nullptr;
};

}  // namespace tolvane
