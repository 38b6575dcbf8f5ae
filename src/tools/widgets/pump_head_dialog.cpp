#include "tools/widgets/pump_head_dialog.h"

#include "tools/widgets/named_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/tool_input.h"
#include "units/unit_catalogue.h"

namespace tolvane {

TFoerderhoehe_Dlg::TFoerderhoehe_Dlg(MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      messages_(messages) {
    setObjectName(QStringLiteral("Foerderhoehe_Dlg"));
    setWindowTitle(QStringLiteral("Calculate head"));

    auto label = [this](const char* name, const QString& text) {
        return namedLabel(this, name, text);
    };
    Label1 = label("Label1", QStringLiteral("Calculating the head of a pump for an known pressure "
                                            "drop in a pipe:"));
    Label1->setWordWrap(true);
    Label2 = label("Label2", QString::fromUtf8(pump_head_label::PressureDrop));
    Edit_Druck = new QLineEdit(this);
    Edit_Druck->setObjectName(QStringLiteral("Edit_Druck"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const std::string& unit : toolPressureUnits())
        ComboBox1->addItem(QString::fromStdString(unit));
    Label3 = label("Label3", QString::fromUtf8(pump_head_label::Density));
    Edit_Dichte = new QLineEdit(this);
    Edit_Dichte->setObjectName(QStringLiteral("Edit_Dichte"));
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    for (const std::string& unit : UnitCatalogue::texts(UnitList::Density))
        ComboBox2->addItem(QString::fromStdString(unit));
    Label4 = label("Label4", QStringLiteral("Haed:"));
    Label5 = label("Label5", QString());
    Label6 = label("Label6", QString());
    Label5->setMinimumWidth(80);
    Label6->setMinimumWidth(110);
    QFont bold = Label5->font();
    bold.setBold(true);
    Label5->setFont(bold);
    Label2->setBuddy(Edit_Druck);
    Label3->setBuddy(Edit_Dichte);

    OKBtn = new QPushButton(QStringLiteral("C&alculate"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &TFoerderhoehe_Dlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* e : {Edit_Druck, Edit_Dichte})
        connect(e, &QLineEdit::textChanged, this, &TFoerderhoehe_Dlg::clearResults);
    for (QComboBox* c : {ComboBox1, ComboBox2})
        connect(c, &QComboBox::currentIndexChanged, this, &TFoerderhoehe_Dlg::clearResults);

    auto* grid = new QGridLayout;
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(Edit_Druck, 0, 1);
    grid->addWidget(ComboBox1, 0, 2);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Edit_Dichte, 1, 1);
    grid->addWidget(ComboBox2, 1, 2);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(Label5, 2, 1);
    grid->addWidget(Label6, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFoerderhoehe_Dlg::preset(const PumpHeadPreset& p) {
    const auto select = [](QComboBox* box, int position) {
        box->setCurrentIndex(position >= 0 && position < box->count() ? position : 0);
    };
    select(ComboBox1, p.input.pressureUnit);
    Edit_Druck->setText(QString::fromStdString(p.input.pressureDrop));
    Edit_Dichte->setText(QString::fromStdString(p.input.density));
    select(ComboBox2, p.input.densityUnit);
    clearResults();
    if (p.calculateNow) calculate();
    Edit_Druck->setFocus();
}

void TFoerderhoehe_Dlg::clearResults() {
    Label5->clear();
    Label6->clear();
}

bool TFoerderhoehe_Dlg::calculate() {
    const PumpHeadInput in{Edit_Druck->text().toStdString(), ComboBox1->currentIndex(),
                           Edit_Dichte->text().toStdString(), ComboBox2->currentIndex()};
    InputCheck check(messages_);
    const PumpHeadResult r = calculatePumpHead(in, check);
    Label5->setText(QString::fromStdString(r.metres));
    Label6->setText(QString::fromStdString(r.feet));
    if (!check.focus.empty())
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(check.focus)))
            field->setFocus();
    return check.InputValid && check.ChecksPassed;
}

void TFoerderhoehe_Dlg::OKBtnClick() {
    if (calculate()) Edit_Druck->setFocus();
}

}  // namespace tolvane
