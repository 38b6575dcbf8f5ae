#include "tools/widgets/npsh_dialog.h"

#include "tools/widgets/named_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/tool_input.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

QComboBox* unitList(const std::vector<std::string>& units, const char* name, QWidget* parent) {
    return namedUnitList(parent, name, units);
}

QLineEdit* edit(const char* name, const char* text, QWidget* parent) {
    auto* e = new QLineEdit(QLatin1String(text), parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    return namedLabel(parent, name, text);
}

void select(QComboBox* box, int position) {
    box->setCurrentIndex(position >= 0 && position < box->count() ? position : 0);
}

}  // namespace

TNPSHDialog::TNPSHDialog(MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      messages_(messages) {
    setObjectName(QStringLiteral("NPSHDialog"));
    setWindowTitle(QStringLiteral("Calculation of NPSH"));

    Label1 = label("Label1", QStringLiteral("Needed data:"), this);
    Label2 = label("Label2", QString::fromUtf8(npsh_label::SuctionPressure), this);
    Edit1 = edit("Edit1", "1,000", this);
    ComboBox1 = unitList(toolPressureUnits(), "ComboBox1", this);
    Label3 = label("Label3", QString::fromUtf8(npsh_label::VapourPressure), this);
    Edit2 = edit("Edit2", "1,000", this);
    ComboBox3 = unitList(toolPressureUnits(), "ComboBox3", this);
    Label4 = label("Label4", QString::fromUtf8(npsh_label::Density), this);
    Edit3 = edit("Edit3", "", this);
    ComboBox2 = unitList(UnitCatalogue::texts(UnitList::Density), "ComboBox2", this);
    Label5 = label("Label5", QStringLiteral("NPSH:"), this);
    Label6 = label("Label6", QString(), this);
    Label7 = label("Label7", QString(), this);
    Label2->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    Label4->setBuddy(Edit3);
    Label6->setMinimumWidth(80);
    Label7->setMinimumWidth(110);
    QFont bold = Label6->font();
    bold.setBold(true);
    Label6->setFont(bold);

    BitBtn1 = new QPushButton(QStringLiteral("&Database"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    BitBtn4 = new QPushButton(QStringLiteral("C&alculation"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setDefault(true);
    BitBtn3 = new QPushButton(QStringLiteral("&Close"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setAutoDefault(false);

    connect(BitBtn1, &QPushButton::clicked, this, &TNPSHDialog::databaseRequested);
    connect(BitBtn4, &QPushButton::clicked, this, &TNPSHDialog::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* e : {Edit1, Edit2, Edit3})
        connect(e, &QLineEdit::textChanged, this, &TNPSHDialog::clearResults);
    for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox3})
        connect(c, &QComboBox::currentIndexChanged, this, &TNPSHDialog::clearResults);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(ComboBox1, 1, 2);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Edit2, 2, 1);
    grid->addWidget(ComboBox3, 2, 2);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(Edit3, 3, 1);
    grid->addWidget(ComboBox2, 3, 2);
    grid->addWidget(Label5, 4, 0);
    grid->addWidget(Label6, 4, 1);
    grid->addWidget(Label7, 4, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TNPSHDialog::preset(const NpshPreset& p) {
    Edit3->setText(QString::fromStdString(p.density));
    select(ComboBox2, p.densityUnit);
    select(ComboBox1, p.pressureUnit);
    select(ComboBox3, p.pressureUnit);
    clearResults();
    // Until a database answers the request, the button would do nothing.
    BitBtn1->setEnabled(
        isSignalConnected(QMetaMethod::fromSignal(&TNPSHDialog::databaseRequested)));
}

void TNPSHDialog::setVapourPressureBar(const QString& text) {
    Edit2->setText(text);
    ComboBox3->setCurrentIndex(0);
}

void TNPSHDialog::setDensityKgPerCubicMetre(const QString& text) {
    Edit3->setText(text);
    ComboBox2->setCurrentIndex(0);
}

void TNPSHDialog::clearResults() {
    Label6->clear();
    Label7->clear();
}

void TNPSHDialog::BitBtn4Click() {
    NpshInput in;
    in.suctionPressure = Edit1->text().toStdString();
    in.suctionPressureUnit = ComboBox1->currentIndex();
    in.vapourPressure = Edit2->text().toStdString();
    in.vapourPressureUnit = ComboBox3->currentIndex();
    in.density = Edit3->text().toStdString();
    in.densityUnit = ComboBox2->currentIndex();
    InputCheck check(messages_);
    const NpshResult r = calculateNpsh(in, check);
    Label6->setText(QString::fromStdString(r.metres));
    Label7->setText(QString::fromStdString(r.feet));
    if (!check.focus.empty())
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(check.focus)))
            field->setFocus();
}

}  // namespace tolvane
