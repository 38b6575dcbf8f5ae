#include "tools/widgets/flow_to_velocity_dialog.h"

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

Tv_geschw::Tv_geschw(MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      messages_(messages) {
    setObjectName(QStringLiteral("v_geschw"));
    setWindowTitle(QStringLiteral("Rate of flow to velocity"));

    auto label = [this](const char* name, const QString& text) {
        return namedLabel(this, name, text);
    };
    auto unitList = [this](const char* name, const std::vector<std::string>& units) {
        return namedUnitList(this, name, units);
    };
    Label1 = label("Label1", QString::fromUtf8(velocity_flow_label::Flow));
    Edit_Volumenstrom = new QLineEdit(this);
    Edit_Volumenstrom->setObjectName(QStringLiteral("Edit_Volumenstrom"));
    ComboBox1 = unitList("ComboBox1", UnitCatalogue::texts(UnitList::VolumeFlow));
    Label2 = label("Label2", QString::fromUtf8(velocity_flow_label::Diameter));
    Edit_Rohrdurchmesser = new QLineEdit(this);
    Edit_Rohrdurchmesser->setObjectName(QStringLiteral("Edit_Rohrdurchmesser"));
    ComboVar1 = unitList("ComboVar1", UnitCatalogue::texts(UnitList::Diameter));
    Label5 = label("Label5", QStringLiteral("Velocity of flow:"));
    Label3 = label("Label3", QString());
    Label4 = label("Label4", QString());
    Label3->setMinimumWidth(80);
    Label4->setMinimumWidth(120);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label1->setBuddy(Edit_Volumenstrom);
    Label2->setBuddy(Edit_Rohrdurchmesser);

    OKBtn = new QPushButton(QStringLiteral("C&alculate"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &Tv_geschw::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* e : {Edit_Volumenstrom, Edit_Rohrdurchmesser})
        connect(e, &QLineEdit::textChanged, this, &Tv_geschw::clearResults);
    for (QComboBox* c : {ComboBox1, ComboVar1})
        connect(c, &QComboBox::currentIndexChanged, this, &Tv_geschw::clearResults);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit_Volumenstrom, 0, 1);
    grid->addWidget(ComboBox1, 0, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit_Rohrdurchmesser, 1, 1);
    grid->addWidget(ComboVar1, 1, 2);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(Label4, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tv_geschw::preset(const VelocityFlowPreset& p) {
    select(ComboBox1, p.flowUnit);
    Edit_Volumenstrom->setText(QString::fromStdString(p.flow));
    select(ComboVar1, p.diameterUnit);
    Edit_Rohrdurchmesser->setText(QString::fromStdString(p.diameter));
    calculate();
    Edit_Volumenstrom->setFocus();
}

void Tv_geschw::clearResults() {
    Label3->clear();
    Label4->clear();
}

bool Tv_geschw::calculate() {
    const FlowToVelocityInput in{Edit_Volumenstrom->text().toStdString(), ComboBox1->currentIndex(),
                                 Edit_Rohrdurchmesser->text().toStdString(),
                                 ComboVar1->currentIndex()};
    InputCheck check(messages_);
    const VelocityFlowResult r = flowToVelocity(in, check);
    Label3->setText(QString::fromStdString(r.first));
    Label4->setText(QString::fromStdString(r.second));
    if (!check.focus.empty())
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(check.focus)))
            field->setFocus();
    return check.InputValid && check.ChecksPassed;
}

void Tv_geschw::OKBtnClick() {
    if (calculate()) Edit_Volumenstrom->setFocus();
}

}  // namespace tolvane
