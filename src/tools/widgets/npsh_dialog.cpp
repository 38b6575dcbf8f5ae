#include "tools/widgets/npsh_dialog.h"

#include "tools/widgets/named_controls.h"

#include <QCheckBox>
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
    CheckSuction = new QCheckBox(QStringLiteral("from the &suction line"), this);
    CheckSuction->setObjectName(QStringLiteral("CheckSuction"));
    CheckSuction->setToolTip(QStringLiteral(
        "The suction pressure is the suction vessel's; the losses of the chosen "
        "calculations at the medium's rate of flow are taken off."));
    LabelSuctionFirst = label("LabelSuctionFirst", QString::fromUtf8(npsh_label::FirstColumn), this);
    Edit_SuctionFirst = edit("Edit_SuctionFirst", "1", this);
    LabelSuctionLast = label("LabelSuctionLast", QString::fromUtf8(npsh_label::LastColumn), this);
    Edit_SuctionLast = edit("Edit_SuctionLast", "1", this);
    LabelLevel = label("LabelLevel", QStringLiteral("Level above the pump (below: negative):"), this);
    Edit_Level = edit("Edit_Level", "0", this);
    ComboLevelUnit = unitList(UnitCatalogue::texts(UnitList::Length), "ComboLevelUnit", this);
    LabelSuctionFirst->setBuddy(Edit_SuctionFirst);
    LabelLevel->setBuddy(Edit_Level);
    auto* range = new QHBoxLayout;
    range->addWidget(Edit_SuctionFirst);
    range->addWidget(LabelSuctionLast);
    range->addWidget(Edit_SuctionLast);
    grid->addWidget(CheckSuction, 5, 0, 1, 3);
    grid->addWidget(LabelSuctionFirst, 6, 0);
    grid->addLayout(range, 6, 1, 1, 2);
    grid->addWidget(LabelLevel, 7, 0);
    grid->addWidget(Edit_Level, 7, 1);
    grid->addWidget(ComboLevelUnit, 7, 2);
    // The result below every field it depends on.
    for (QLabel* l : {Label5, Label6, Label7}) grid->removeWidget(l);
    grid->addWidget(Label5, 8, 0);
    grid->addWidget(Label6, 8, 1);
    grid->addWidget(Label7, 8, 2);
    for (QLineEdit* e : {Edit_SuctionFirst, Edit_SuctionLast, Edit_Level})
        connect(e, &QLineEdit::textChanged, this, &TNPSHDialog::clearResults);
    connect(ComboLevelUnit, &QComboBox::currentIndexChanged, this, &TNPSHDialog::clearResults);
    connect(CheckSuction, &QCheckBox::toggled, this, [this] {
        clearResults();
        showMode();
    });
    showMode();

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

void TNPSHDialog::setSuctionLineDrop(SuctionLineDrop drop) {
    suctionDrop_ = std::move(drop);
    showMode();
}

bool TNPSHDialog::suctionMode() const { return suctionDrop_ && CheckSuction->isChecked(); }

void TNPSHDialog::showMode() {
    CheckSuction->setVisible(static_cast<bool>(suctionDrop_));
    const bool on = suctionMode();
    for (QWidget* w : std::initializer_list<QWidget*>{LabelSuctionFirst, Edit_SuctionFirst,
                                                      LabelSuctionLast, Edit_SuctionLast,
                                                      LabelLevel, Edit_Level, ComboLevelUnit})
        w->setVisible(on);
    Label2->setText(on ? QStringLiteral("Suction vessel pressure (abs.):")
                       : QString::fromUtf8(npsh_label::SuctionPressure));
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
    NpshSuctionInput suction;
    suction.firstColumn = Edit_SuctionFirst->text().toStdString();
    suction.lastColumn = Edit_SuctionLast->text().toStdString();
    suction.level = Edit_Level->text().toStdString();
    suction.levelUnit = ComboLevelUnit->currentIndex();
    const NpshResult r = suctionMode() ? calculateSuctionNpsh(in, suction, suctionDrop_, check)
                                       : calculateNpsh(in, check);
    Label6->setText(QString::fromStdString(r.metres));
    Label7->setText(QString::fromStdString(r.feet));
    if (!check.focus.empty())
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(check.focus)))
            field->setFocus();
}

}  // namespace tolvane
