// TBtnBottomDlg, "Select pipe element": one toggle button per element kind
// (SB01..SB46) under the ten group headings, exactly one pressed. The pressed
// button survives closing the dialog, also by Cancel.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <vector>

#include "engine/element_kind.h"
#include "help/widgets/help_key_filter.h"

class QButtonGroup;
class QPushButton;
class QToolButton;

namespace tolvane {

class TBtnBottomDlg : public QDialog, public HelpSubject {
    Q_OBJECT
public:
    explicit TBtnBottomDlg(const QString& pictureDirectory, QWidget* parent = nullptr);

    // The kind of the pressed button, and pressing the button of a kind.
    ElementKind selectedKind() const;
    void setSelectedKind(ElementKind kind);

    QToolButton* button(ElementKind kind) const;
    // The kind F1 is about: the button under the mouse, else the one last
    // clicked since the chooser opened; null leaves it to the focus.
    QWidget* helpSubject() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QButtonGroup* group_;
    std::vector<QToolButton*> buttons_;  // in chooser order SB01..SB46
    std::vector<ElementKind> kinds_;
    QPointer<QToolButton> lastClicked_;

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
