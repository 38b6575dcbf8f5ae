#include "tools/widgets/velocity_to_flow_dialog.h"

#include "tools/widgets/named_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

void select(QComboBox* box, int position) {
    box->setCurrentIndex(position >= 0 && position < box->count() ? position : 0);
}

}  // namespace

Tgeschw_v::Tgeschw_v(MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      messages_(messages) {
    setObjectName(QStringLiteral("geschw_v"));
    setWindowTitle(QStringLiteral("Calculating of velocity to rate of flow"));

    auto label = [this](const char* name, const QString& text) {
        return namedLabel(this, name, text);
    };
    auto unitList = [this](const char* name, const std::vector<std::string>& units) {
        return namedUnitList(this, name, units);
    };
    Label1 = label("Label1", QString::fromUtf8(velocity_flow_label::Velocity));
    Edit_Geschwindigkeit = new QLineEdit(this);
    Edit_Geschwindigkeit->setObjectName(QStringLiteral("Edit_Geschwindigkeit"));
    ComboBox1 = unitList("ComboBox1", {"m/s", "ft./s"});
    Label2 = label("Label2", QString::fromUtf8(velocity_flow_label::Diameter));
    Edit_Rohrdurchmesser = new QLineEdit(this);
    Edit_Rohrdurchmesser->setObjectName(QStringLiteral("Edit_Rohrdurchmesser"));
    ComboVar1 = unitList("ComboVar1", UnitCatalogue::texts(UnitList::Diameter));
    Label5 = label("Label5", QStringLiteral("Rate of volume flow:"));
    Label3 = label("Label3", QString());
    Label4 = label("Label4", QString());
    Label3->setMinimumWidth(90);
    Label4->setMinimumWidth(130);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label1->setBuddy(Edit_Geschwindigkeit);
    Label2->setBuddy(Edit_Rohrdurchmesser);

    UebernahmeBtn = new QPushButton(QStringLiteral("Copy to &medium window"), this);
    UebernahmeBtn->setObjectName(QStringLiteral("UebernahmeBtn"));
    UebernahmeBtn->setAutoDefault(false);
    OKBtn = new QPushButton(QStringLiteral("C&alculate"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    connect(UebernahmeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(OKBtn, &QPushButton::clicked, this, &Tgeschw_v::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* e : {Edit_Geschwindigkeit, Edit_Rohrdurchmesser})
        connect(e, &QLineEdit::textChanged, this, &Tgeschw_v::clearResults);
    for (QComboBox* c : {ComboBox1, ComboVar1})
        connect(c, &QComboBox::currentIndexChanged, this, &Tgeschw_v::clearResults);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit_Geschwindigkeit, 0, 1);
    grid->addWidget(ComboBox1, 0, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit_Rohrdurchmesser, 1, 1);
    grid->addWidget(ComboVar1, 1, 2);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(Label4, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(UebernahmeBtn);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tgeschw_v::preset(const VelocityFlowPreset& p) {
    select(ComboBox1, p.velocityUnit);
    select(ComboVar1, p.diameterUnit);
    Edit_Geschwindigkeit->setText(QString::fromStdString(p.velocity));
    Edit_Rohrdurchmesser->setText(QString::fromStdString(p.diameter));
    if (p.velocity.empty())
        clearResults();
    else
        calculate();
    Edit_Geschwindigkeit->setFocus();
}

void Tgeschw_v::clearResults() {
    Label3->clear();
    Label4->clear();
}

bool Tgeschw_v::calculate() {
    const VelocityToFlowInput in{
        Edit_Geschwindigkeit->text().toStdString(), ComboBox1->currentIndex(),
        Edit_Rohrdurchmesser->text().toStdString(), ComboVar1->currentIndex()};
    InputCheck check(messages_);
    const VelocityFlowResult r = velocityToFlow(in, check);
    Label3->setText(QString::fromStdString(r.first));
    Label4->setText(QString::fromStdString(r.second));
    if (r.calculated) keptM3h_ = r.m3h;
    if (!check.focus.empty())
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(check.focus)))
            field->setFocus();
    return check.InputValid && check.ChecksPassed;
}

void Tgeschw_v::OKBtnClick() {
    if (calculate()) Edit_Geschwindigkeit->setFocus();
}

}  // namespace tolvane
