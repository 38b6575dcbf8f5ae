#include "shell/widgets/medium_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "shell/widgets/widget_text.h"
#include "units/unit_catalogue.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name, int maxLength, int shownDigits) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    limitLength(edit, maxLength);
    edit->setFixedWidth(fieldWidth(edit, shownDigits));
    return edit;
}

QComboBox* makeBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
    auto* label = plainLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

MediumPanelWidget::MediumPanelWidget(QWidget* parent)
    : QGroupBox(QStringLiteral("Flow medium"), parent) {
    setObjectName(QStringLiteral("Medium_Fenster"));

    Eingabe_Medium = makeEdit(this, "Eingabe_Medium", 22, 22);
    Eingabe_Volumenstrom = makeEdit(this, field::Flow, 10, 9);
    Eingabe_Dichte = makeEdit(this, field::Density, 10, 9);
    Eingabe_Viskositaet = makeEdit(this, field::Viscosity, 10, 9);
    ComboBox1 = makeBox(this, "ComboBox1");
    ComboBox2 = makeBox(this, "ComboBox2");
    ComboBox3 = makeBox(this, "ComboBox3");
    ComboBox4 = makeBox(this, "ComboBox4");
    ComboBox4->addItems({QStringLiteral("Volume flow:"), QStringLiteral("Mass flow:")});
    ComboBox5 = makeBox(this, "ComboBox5");
    ComboBox5->addItems({QStringLiteral("Abs.viscos."), QStringLiteral("Kin.viscos.")});
    Radio_Fluessig = new QRadioButton(QStringLiteral("Liquid"), this);
    Radio_Fluessig->setObjectName(QStringLiteral("Radio_Fluessig"));
    Radio_Gas = new QRadioButton(QStringLiteral("Gas"), this);
    Radio_Gas->setObjectName(QStringLiteral("Radio_Gas"));
    Radio_Fluessig->setChecked(true);
    auto* condition = new QButtonGroup(this);
    condition->addButton(Radio_Fluessig);
    condition->addButton(Radio_Gas);

    Label_Medium = makeLabel(this, "Label_Medium", "Flow medium:", Eingabe_Medium);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(Label_Medium, 0, 0);
    grid->addWidget(Eingabe_Medium, 0, 1, 1, 2);
    grid->addWidget(ComboBox4, 1, 0);
    grid->addWidget(Eingabe_Volumenstrom, 1, 1);
    grid->addWidget(ComboBox1, 1, 2);
    grid->addWidget(makeLabel(this, "Label_Dichte", "Weight density:", Eingabe_Dichte), 2, 0);
    grid->addWidget(Eingabe_Dichte, 2, 1);
    grid->addWidget(ComboBox2, 2, 2);
    grid->addWidget(ComboBox5, 3, 0);
    grid->addWidget(Eingabe_Viskositaet, 3, 1);
    grid->addWidget(ComboBox3, 3, 2);
    auto* radios = new QHBoxLayout;
    radios->addWidget(Radio_Fluessig);
    radios->addWidget(Radio_Gas);
    radios->addStretch();
    grid->addWidget(makeLabel(this, "Label_Zustand", "Condition:", Radio_Fluessig), 4, 0);
    grid->addLayout(radios, 4, 1, 1, 2);
    grid->setRowStretch(5, 1);

    // Tab moves along the rows: each value, then its unit.
    QWidget* order[] = {Eingabe_Medium, ComboBox4, Eingabe_Volumenstrom, ComboBox1, Eingabe_Dichte,
                        ComboBox2,      ComboBox5, Eingabe_Viskositaet,  ComboBox3, Radio_Fluessig,
                        Radio_Gas};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    const auto& texts = UnitCatalogue::texts;
    fitWidthTo(ComboBox1, {texts(UnitList::VolumeFlow), texts(UnitList::MassFlow)});
    fitWidthTo(ComboBox2, {texts(UnitList::Density)});
    fitWidthTo(ComboBox3, {texts(UnitList::AbsViscosity), texts(UnitList::KinViscosity)});
    fitWidthTo(ComboBox4, {{"Volume flow:", "Mass flow:"}, {"Weight density:"}});
    fitWidthTo(ComboBox5, {{"Abs.viscos.", "Kin.viscos."}, {"Weight density:"}});
    showPanel(MediumPanel{});
}

void MediumPanelWidget::showPanel(const MediumPanel& medium) {
    setText(Eingabe_Medium, medium.name);
    setText(Eingabe_Volumenstrom, medium.flow);
    setText(Eingabe_Dichte, medium.density);
    setText(Eingabe_Viskositaet, medium.viscosity);
    setIndex(ComboBox4, medium.flowKind);
    setIndex(ComboBox5, medium.viscosityKind);
    setItems(ComboBox1, medium.flowUnit.items, medium.flowUnit.index);
    setItems(ComboBox2, medium.densityUnit.items, medium.densityUnit.index);
    setItems(ComboBox3, medium.viscosityUnit.items, medium.viscosityUnit.index);
    // Checking a condition from the program acts like a click on it.
    (medium.gas ? Radio_Gas : Radio_Fluessig)->setChecked(true);
}

void MediumPanelWidget::readPanel(MediumPanel& medium) const {
    medium.name = Eingabe_Medium->text().toStdString();
    medium.flow = Eingabe_Volumenstrom->text().toStdString();
    medium.density = Eingabe_Dichte->text().toStdString();
    medium.viscosity = Eingabe_Viskositaet->text().toStdString();
    medium.flowKind = ComboBox4->currentIndex();
    medium.viscosityKind = ComboBox5->currentIndex();
    medium.flowUnit.index = ComboBox1->currentIndex();
    medium.densityUnit.index = ComboBox2->currentIndex();
    medium.viscosityUnit.index = ComboBox3->currentIndex();
    medium.gas = Radio_Gas->isChecked();
}

}  // namespace tolvane
