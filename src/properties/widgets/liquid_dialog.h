// TMedienDialog, "Database of diverse liquids": the liquids of MEDIEN.STW
// (read by the caller, once, before the dialog is made) with their melting and boiling point
// and measured densities and viscosities at a list of temperatures. "Copy to
// &medium window" hands the liquid to the main window as the file spells it.
// A missing or damaged file is reported each time the dialog is opened, which
// then offers no liquid.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "properties/liquid_database.h"
#include "base/messages_clipboard_files.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolvane {

class TMedienDialog : public QDialog {
    Q_OBJECT
public:
    // `liquids` is the file as readLiquidFile read it (none: missing or damaged).
    TMedienDialog(std::optional<std::vector<LiquidEntry>> liquids, MessageSink& messages,
                  QWidget* parent = nullptr);

    std::optional<MediumChoice> chosen() const { return selection_.choice(); }
    const LiquidSelection& selection() const { return selection_; }
    bool fileBroken() const { return broken_; }

    int exec() override;

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

    QListWidget* MediumListbox = nullptr;
    QListWidget* TemperaturListbox = nullptr;
    QLineEdit* DichteEdit = nullptr;
    QLineEdit* ViskoEdit = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Stofflabel = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
