#include "properties/widgets/water_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/property_texts.h"
#include "properties/water_properties.h"
#include "properties/widgets/property_widgets.h"

namespace tolvane {

TWasser_Dialog::TWasser_Dialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Wasser_Dialog"));
    setWindowTitle(QStringLiteral("Properties of Water"));

    TemperaturListBox = textList(this, "TemperaturListBox");
    std::vector<std::string> temperatures;
    for (const WaterRow& r : waterTable()) temperatures.emplace_back(r.celsius);
    fillList(TemperaturListBox, temperatures, 0);
    TemperaturListBox->setFixedWidth(90);
    DichteEdit = valueField(this, "DichteEdit", 6);
    ViskoEdit = valueField(this, "ViskoEdit", 6);
    Label13 = note(this, "Label13");
    OKBtn = button(this, "OKBtn", "Copy to &Medium Window");
    OKBtn->setDefault(true);
    CancelBtn = button(this, "CancelBtn", "&Cancel");

    auto* values = new QGridLayout;
    values->addWidget(caption(this, QStringLiteral("Temperature in °C:"), TemperaturListBox), 0, 0);
    values->addWidget(TemperaturListBox, 1, 0, 5, 1);
    values->addWidget(caption(this, QStringLiteral("Weight Density in kg/m³:")), 1, 1);
    values->addWidget(DichteEdit, 2, 1);
    values->addWidget(caption(this, QStringLiteral("Abs.Viscosity in 10^-6 Pa s:")), 3, 1);
    values->addWidget(ViskoEdit, 4, 1);
    values->addWidget(Label13, 5, 1, Qt::AlignTop);
    values->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    TemperaturListBox->setFixedHeight(160);

    connect(TemperaturListBox, &QListWidget::currentRowChanged, this,
            &TWasser_Dialog::TemperaturListBoxClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    TemperaturListBoxClick();
}

void TWasser_Dialog::TemperaturListBoxClick() {
    if (TemperaturListBox->currentRow() >= 0) row_ = TemperaturListBox->currentRow();
    const WaterRow& r = waterTable()[row_];
    DichteEdit->setText(QString::fromLatin1(r.density));
    ViskoEdit->setText(QString::fromLatin1(r.viscosity));
    Label13->setText(qText(fahrenheitNote(readWholeNumber(r.celsius).value_or(0))));
}

MediumChoice TWasser_Dialog::chosen() const { return waterChoice(row_); }

void TWasser_Dialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    TemperaturListBox->setFocus();
}

}  // namespace tolvane
