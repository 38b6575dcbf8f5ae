#include "properties/widgets/pressure_change_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/widgets/property_widgets.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

PressureChangeDialog::PressureChangeDialog(const std::vector<PressureUnit>& units,
                                           const char* label, const char* advice,
                                           const char* initial, MessageSink& messages,
                                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      units_(units),
      messages_(messages) {
    setWindowTitle(QStringLiteral("Change pressure"));
    Edit_Druck = new QLineEdit(QString::fromLatin1(initial), this);
    Edit_Druck->setObjectName(QStringLiteral("Edit_Druck"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const PressureUnit& u : units_) ComboBox1->addItem(QString::fromLatin1(u.text));
    ComboBox1->setCurrentIndex(0);
    OKBtn = button(this, "OKBtn", "&OK");
    OKBtn->setDefault(true);
    CancelBtn = button(this, "CancelBtn", "&Cancel");

    auto* row = new QGridLayout;
    row->addWidget(caption(this, QString::fromLatin1(label), Edit_Druck), 0, 0);
    row->addWidget(Edit_Druck, 0, 1);
    row->addWidget(ComboBox1, 0, 2);
    if (*advice) row->addWidget(plainLabel(QString::fromLatin1(advice), this), 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &PressureChangeDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void PressureChangeDialog::OKBtnClick() {
    const auto mbar = changedPressureMbar(Edit_Druck->text().toStdString(),
                                          ComboBox1->currentIndex(), units_, messages_);
    if (!mbar) {
        Edit_Druck->setFocus();
        Edit_Druck->selectAll();
        return;
    }
    mbar_ = *mbar;
    accept();
}

void PressureChangeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit_Druck->setFocus();
    Edit_Druck->selectAll();
}

}  // namespace tolvane
