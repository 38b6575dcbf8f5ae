#include "properties/widgets/steam_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/property_texts.h"
#include "properties/steam_properties.h"
#include "properties/widgets/property_widgets.h"

namespace tolvane {

TSattdampfDialog::TSattdampfDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("SattdampfDialog"));
    setWindowTitle(QStringLiteral("Properties of saturated steam"));

    Listbox_Temperatur = textList(this, "Listbox_Temperatur");
    std::vector<std::string> temperatures;
    for (const SteamRow& r : steamTable()) temperatures.emplace_back(r.celsius);
    fillList(Listbox_Temperatur, temperatures, 0);
    Listbox_Temperatur->setFixedWidth(90);
    Edit_Dichte = valueField(this, "Edit_Dichte", 8);
    Edit_Visko = valueField(this, "Edit_Visko", 8);
    Edit_Druck = valueField(this, "Edit_Druck", 8);
    Label13 = note(this, "Label13");
    OKBtn = button(this, "OKBtn", "Copy to &medium window");
    OKBtn->setDefault(true);
    CancelBtn = button(this, "CancelBtn", "&Cancel");

    auto* values = new QGridLayout;
    values->addWidget(caption(this, QStringLiteral("Temperature in °C:"), Listbox_Temperatur), 0,
                      0);
    values->addWidget(Listbox_Temperatur, 1, 0, 7, 1);
    values->addWidget(caption(this, QStringLiteral("Pressure in mbar:")), 1, 1);
    values->addWidget(Edit_Druck, 2, 1);
    values->addWidget(caption(this, QStringLiteral("Weight density in kg/m³:")), 3, 1);
    values->addWidget(Edit_Dichte, 4, 1);
    values->addWidget(caption(this, QStringLiteral("Abs.viscosity in 10^-6 Pa s:")), 5, 1);
    values->addWidget(Edit_Visko, 6, 1);
    values->addWidget(Label13, 7, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Listbox_Temperatur->setFixedHeight(200);

    connect(Listbox_Temperatur, &QListWidget::currentRowChanged, this,
            &TSattdampfDialog::Listbox_TemperaturClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Listbox_TemperaturClick();
}

void TSattdampfDialog::Listbox_TemperaturClick() {
    if (Listbox_Temperatur->currentRow() >= 0) row_ = Listbox_Temperatur->currentRow();
    const SteamRow& r = steamTable()[row_];
    Edit_Druck->setText(QString::fromLatin1(r.pressure));
    Edit_Dichte->setText(QString::fromLatin1(r.density));
    Edit_Visko->setText(QString::fromLatin1(r.viscosity));
    Label13->setText(qText(fahrenheitNote(readWholeNumber(r.celsius).value_or(0))));
}

MediumChoice TSattdampfDialog::chosen() const { return steamChoice(row_); }

void TSattdampfDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    Listbox_Temperatur->setFocus();
}

}  // namespace tolvane
