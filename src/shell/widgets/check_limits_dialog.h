// TCheckLimitsDialog, "Check limits": the limits of the checks (velocities,
// gas pressure drops, Mach numbers, κ) and the line's inlet and vapour
// pressure for the cavitation check, one field each. "&OK" takes them when
// every field reads and they fit together, else names the field or the
// problem and stays open; "&Defaults" puts the standard limits into the
// fields.
#pragma once

#include <QDialog>
#include <array>

#include "base/messages_clipboard_files.h"
#include "checks/line_checks.h"
#include "shell/line_check_run.h"

class QLineEdit;

namespace tolvane {

class TCheckLimitsDialog : public QDialog {
    Q_OBJECT
public:
    TCheckLimitsDialog(checks::CheckLimits& limits, MessageSink& messages,
                       QWidget* parent = nullptr);

    // The limits into the fields (each time the dialog opens).
    void showLimits();
    QLineEdit* field(std::size_t index) const { return fields_[index]; }

public Q_SLOTS:
    void OKBtnClick();
    void DefaultsBtnClick();

Q_SIGNALS:
    // "&OK" took limits other than those before.
    void limitsChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    checks::CheckLimits& limits_;
    MessageSink& messages_;
    std::array<QLineEdit*, kCheckLimitCount> fields_{};
};

}  // namespace tolvane
