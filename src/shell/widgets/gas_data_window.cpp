#include "shell/widgets/gas_data_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "shell/widgets/widget_text.h"
#include "units/unit_catalogue.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

TGasdaten::TGasdaten(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Gasdaten"));
    setWindowTitle(QStringLiteral("Specifications of gases (required)"));

    auto* grid = new QGridLayout(this);
    auto addRow = [&](int row, const char* label, const char* editName, const char* boxName,
                      UnitList list, QLineEdit*& edit, QComboBox*& box) {
        edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(editName));
        limitLength(edit, 10);
        edit->setFixedWidth(fieldWidth(edit, 10));
        box = new QComboBox(this);
        box->setObjectName(QLatin1String(boxName));
        setItems(box, UnitCatalogue::texts(list));
        auto* caption = plainLabel(QString::fromLatin1(label), this);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(box, row, 2);
    };
    addRow(0, "Pressure (incoming):", field::GasPressure, "ComboBox1", UnitList::GasPressure,
           Edit_Eingangsdruck, ComboBox1);
    addRow(1, "Temperature (incoming):", field::GasInletTemperature, "ComboBox2",
           UnitList::Temperature, Edit_Eingangstemperatur, ComboBox2);
    addRow(2, "Temperature (leaving):", field::GasOutletTemperature, "ComboBox3",
           UnitList::Temperature, Edit_Ausgangstemperatur, ComboBox3);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    showPanel(GasPanel{});
}

void TGasdaten::showPanel(const GasPanel& gas) {
    setText(Edit_Eingangsdruck, gas.pressure);
    setText(Edit_Eingangstemperatur, gas.inletTemperature);
    setText(Edit_Ausgangstemperatur, gas.outletTemperature);
    setIndex(ComboBox1, gas.pressureUnit);
    setIndex(ComboBox2, gas.inletTemperatureUnit);
    setIndex(ComboBox3, gas.outletTemperatureUnit);
}

void TGasdaten::readPanel(GasPanel& gas) const {
    gas.pressure = Edit_Eingangsdruck->text().toStdString();
    gas.inletTemperature = Edit_Eingangstemperatur->text().toStdString();
    gas.outletTemperature = Edit_Ausgangstemperatur->text().toStdString();
    gas.pressureUnit = ComboBox1->currentIndex();
    gas.inletTemperatureUnit = ComboBox2->currentIndex();
    gas.outletTemperatureUnit = ComboBox3->currentIndex();
}

}  // namespace tolvane
