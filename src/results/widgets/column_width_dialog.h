// "Change Column Width": asks for the calculation table's default column width.
// The dialog only collects the choice; the table window applies it.
#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "base/messages_clipboard_files.h"
#include "results/column_fit.h"

class QLineEdit;
class QPushButton;

namespace tolvane {

class TZellbreiteDlg : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Cancel, Ok, Standard };

    explicit TZellbreiteDlg(MessageSink& messages, QWidget* parent = nullptr);

    // The width shown in Edit1 when the dialog opens.
    void setColumnWidth(int width) { shownWidth_ = width; }
    Choice choice() const { return choice_; }
    // The width of "&OK" (the standard width after "&Standard").
    int chosenWidth() const { return chosenWidth_; }

    static constexpr int kStandardWidth = 150;
    // Widths beyond this would let a long table's total width overflow.
    static constexpr int kMaximumWidth = kMaximumColumnWidth;

public Q_SLOTS:
    void OKBtnClick();
    void StandardBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MessageSink& messages_;
    QLineEdit* Edit1 = nullptr;
    int shownWidth_ = kStandardWidth;
    Choice choice_ = Choice::Cancel;
    int chosenWidth_ = kStandardWidth;
};

}  // namespace tolvane
