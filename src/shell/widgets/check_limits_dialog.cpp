#include "shell/widgets/check_limits_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/input_number.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

TCheckLimitsDialog::TCheckLimitsDialog(checks::CheckLimits& limits, MessageSink& messages,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      limits_(limits),
      messages_(messages) {
    setObjectName(QStringLiteral("TCheckLimitsDialog"));
    setWindowTitle(QStringLiteral("Check limits"));
    setModal(true);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kCheckLimitCount; ++i) {
        const CheckLimitKey& k = kCheckLimitKeys[i];
        const int row = static_cast<int>(i);
        QLabel* label = plainLabel(this);
        label->setText(QString::fromUtf8(k.label));
        QLabel* unit = plainLabel(this);
        unit->setText(QString::fromUtf8(k.unit));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("LimitEdit%1").arg(row + 1));
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(80);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(unit, row, 2);
        fields_[i] = edit;
    }
    QLabel* note = plainLabel(this);
    note->setWordWrap(true);
    note->setText(QStringLiteral(
        "The cavitation check runs at valves, check valves, orifices and nozzles with a liquid "
        "when both pressures are given; the pressure after each column is carried down the line "
        "from the inlet pressure."));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    QPushButton* defaults =
        buttons->addButton(QStringLiteral("&Defaults"), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("DefaultsBtn"));
    connect(ok, &QPushButton::clicked, this, &TCheckLimitsDialog::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &TCheckLimitsDialog::DefaultsBtnClick);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setFixedWidth(sizeHint().width());
}

void TCheckLimitsDialog::showLimits() {
    for (std::size_t i = 0; i < kCheckLimitCount; ++i)
        fields_[i]->setText(QString::fromStdString(checkLimitText(limits_, i)));
}

void TCheckLimitsDialog::showEvent(QShowEvent* event) {
    showLimits();
    QDialog::showEvent(event);
}

void TCheckLimitsDialog::DefaultsBtnClick() {
    const checks::CheckLimits standard;
    for (std::size_t i = 0; i < kCheckLimitCount; ++i)
        fields_[i]->setText(QString::fromStdString(checkLimitText(standard, i)));
}

void TCheckLimitsDialog::OKBtnClick() {
    checks::CheckLimits read = limits_;
    for (std::size_t i = 0; i < kCheckLimitCount; ++i) {
        if (setCheckLimit(read, i, fields_[i]->text().toStdString())) continue;
        InputCheck check(messages_);
        ReportBadInput(check, kCheckLimitKeys[i].label, fields_[i]->objectName().toStdString());
        fields_[i]->setFocus();
        return;
    }
    if (const std::string problem = checks::limitsProblem(read); !problem.empty()) {
        messages_.show(MessageType::Error, problem);
        return;
    }
    const bool changed = !(read == limits_);
    limits_ = read;
    accept();
    if (changed) Q_EMIT limitsChanged();
}

}  // namespace tolvane
