// TMedienDialog, "Database of diverse liquids": the liquids of MEDIEN.STW
// (read once, when the dialog is made) with their melting and boiling point
// and measured densities and viscosities at a list of temperatures. "Copy to
// &medium window" hands the liquid to the main window as the file spells it.
// A missing or damaged file is reported each time the dialog is opened, which
// then offers no liquid.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "properties/liquid_database.h"
#include "units/messages_clipboard_files.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolvane {

class TMedienDialog : public QDialog {
    Q_OBJECT
public:
    TMedienDialog(const std::string& path, MessageSink& messages, QWidget* parent = nullptr);

    std::optional<MediumChoice> chosen() const { return selection_.choice(); }
    const LiquidSelection& selection() const { return selection_; }
    bool fileBroken() const { return broken_; }

    int exec() override;

    QListWidget* MediumListbox;
    QListWidget* TemperaturListbox;
    QLineEdit* DichteEdit;
    QLineEdit* ViskoEdit;
    QLabel* Label11;
    QLabel* Stofflabel;
    QLabel* Label6;
    QLabel* Label8;
    QLabel* Label10;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public Q_SLOTS:
    void MediumListboxClick();
    void TemperaturListboxClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showLiquid();
    void showValues();

    MessageSink& messages_;
    LiquidSelection selection_;
    bool broken_ = false;
};

}  // namespace tolvane
