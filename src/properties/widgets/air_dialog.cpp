#include "properties/widgets/air_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/widgets/air_pressure_dialog.h"
#include "properties/widgets/property_widgets.h"

namespace tolvane {

namespace {

const char* const kMemo[] = {
    "Here are the data of dry air. ",
    "The differents to humid air are low.",
    "At a pressure of 1.0 bar are given ",
    "measured values. If you select ",
    "a different pressure, than the density ",
    "is calculated. The value differs in  ",
    "the near of the boiling.",
    "In the range of 0.1 - 10 bar the viscosity",
    "is not dependent of pressure and is",
    "consequently not calculated.",
    "If the pressure is higher as 10 bar then",
    "the given viscosity is a approximation.",
};

}  // namespace

TLuftDialog::TLuftDialog(MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("LuftDialog"));
    setWindowTitle(QStringLiteral("Properties of dry air"));

    ListBox_Temperatur = textList(this, "ListBox_Temperatur");
    std::vector<std::string> temperatures;
    for (const AirRow& r : airTable()) temperatures.emplace_back(r.celsius);
    fillList(ListBox_Temperatur, temperatures, 0);
    ListBox_Temperatur->setFixedWidth(90);
    Edit_Dichte = valueField(this, "Edit_Dichte", 7);
    Edit_Visko = valueField(this, "Edit_Visko", 7);
    Edit_Druck = valueField(this, "Edit_Druck", 7);
    Label13 = note(this, "Label13");
    Label14 = note(this, "Label14");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const char* line : kMemo) Memo1->appendPlainText(QString::fromLatin1(line));
    Memo1->setFixedWidth(Memo1->fontMetrics().horizontalAdvance(QString::fromLatin1(kMemo[7])) +
                         30);
    OKBtn = button(this, "OKBtn", "Copy to &medium window");
    OKBtn->setDefault(true);
    CancelBtn = button(this, "CancelBtn", "&Cancel");
    DruckBtn = button(this, "DruckBtn", "Change &pressure");
    LuftDialog2 = new TLuftDialog2(messages, this);

    auto* values = new QGridLayout;
    values->addWidget(caption(this, QStringLiteral("Temperature in °C:"), ListBox_Temperatur), 0,
                      0);
    values->addWidget(ListBox_Temperatur, 1, 0, 9, 1);
    values->addWidget(caption(this, QStringLiteral("Weight density in kg/m³:")), 1, 1);
    values->addWidget(Edit_Dichte, 2, 1);
    values->addWidget(caption(this, QStringLiteral("Abs.viscosity in 10^-6 Pa s:")), 3, 1);
    values->addWidget(Edit_Visko, 4, 1);
    values->addWidget(caption(this, QStringLiteral("Pressure (abs.) in mbar:")), 5, 1);
    values->addWidget(Edit_Druck, 6, 1);
    values->addWidget(Label13, 7, 1);
    values->addWidget(Label14, 8, 1, Qt::AlignTop);
    values->addWidget(Memo1, 1, 2, 9, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DruckBtn);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ListBox_Temperatur->setFixedHeight(230);
    Memo1->setFixedHeight(230);

    connect(ListBox_Temperatur, &QListWidget::currentRowChanged, this,
            &TLuftDialog::ListBox_TemperaturClick);
    connect(DruckBtn, &QPushButton::clicked, this, &TLuftDialog::DruckBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    showSelection();
}

void TLuftDialog::showSelection() {
    Edit_Dichte->setText(qText(selection_.densityText()));
    Edit_Visko->setText(qText(selection_.viscosityText()));
    Edit_Druck->setText(qText(selection_.pressure()));
    Label13->setText(qText(selection_.fahrenheitNote()));
    Label14->setText(qText(selection_.psiNote()));
}

void TLuftDialog::ListBox_TemperaturClick() {
    if (ListBox_Temperatur->currentRow() < 0) return;
    selection_.selectRow(ListBox_Temperatur->currentRow());
    showSelection();
}

void TLuftDialog::DruckBtnClick() {
    if (LuftDialog2->exec() != QDialog::Accepted) return;
    selection_.setPressure(LuftDialog2->mbar());
    showSelection();
}

void TLuftDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    ListBox_Temperatur->setFocus();
}

}  // namespace tolvane
