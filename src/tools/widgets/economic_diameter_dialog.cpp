#include "tools/widgets/economic_diameter_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "units/unit_catalogue.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

EconomicDiameterDialog::EconomicDiameterDialog(const EconomicDiameterStyle& style,
                                               MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      style_(style),
      messages_(messages) {
    Label1 = plainLabel(QStringLiteral("Rate of flow:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit_Volumenstrom = new QLineEdit(this);
    Edit_Volumenstrom->setObjectName(QStringLiteral("Edit_Volumenstrom"));
    Label1->setBuddy(Edit_Volumenstrom);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMaxVisibleItems(15);
    for (const std::string& unit : UnitCatalogue::texts(UnitList::VolumeFlow))
        ComboBox1->addItem(QString::fromStdString(unit));

    Memo_Ausgabe = new QPlainTextEdit(this);
    Memo_Ausgabe->setObjectName(QStringLiteral("Memo_Ausgabe"));
    Memo_Ausgabe->setReadOnly(true);
    Memo_Ausgabe->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_Ausgabe->setMinimumSize(380, 210);

    CheckBox1 = new QCheckBox(QStringLiteral("Output metric"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    Btn_Berechnung = new QPushButton(QStringLiteral("C&alculate"), this);
    Btn_Berechnung->setObjectName(QStringLiteral("Btn_Berechnung"));
    Btn_Berechnung->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);

    connect(Btn_Berechnung, &QPushButton::clicked, this,
            &EconomicDiameterDialog::Btn_BerechnungClick);
    connect(CheckBox1, &QCheckBox::clicked, this, &EconomicDiameterDialog::Btn_BerechnungClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* input = new QHBoxLayout;
    input->addWidget(Label1);
    input->addWidget(Edit_Volumenstrom, 1);
    input->addWidget(ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CheckBox1);
    buttons->addStretch();
    buttons->addWidget(Btn_Berechnung);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input);
    layout->addWidget(Memo_Ausgabe, 1);
    layout->addLayout(buttons);
}

void EconomicDiameterDialog::preset(const EconomicDiameterPreset& p) {
    Memo_Ausgabe->clear();
    if (p.unitPosition >= 0 && p.unitPosition < ComboBox1->count())
        ComboBox1->setCurrentIndex(p.unitPosition);
    else
        ComboBox1->setCurrentIndex(0);
    Edit_Volumenstrom->setText(QString::fromStdString(p.flowText));
    if (p.calculateNow) Btn_BerechnungClick();
    Edit_Volumenstrom->setFocus();
}

void EconomicDiameterDialog::Btn_BerechnungClick() {
    Memo_Ausgabe->clear();
    const EconomicDiameterRun run =
        calculateEconomicDiameter(style_, Edit_Volumenstrom->text().toStdString(),
                                  ComboBox1->currentIndex(), CheckBox1->isChecked(), messages_);
    Edit_Volumenstrom->setText(QString::fromStdString(run.flowText));
    QStringList lines;
    for (const std::string& line : run.lines) lines << QString::fromStdString(line);
    Memo_Ausgabe->setPlainText(lines.join(QLatin1Char('\n')));
    Edit_Volumenstrom->setFocus();
}

}  // namespace tolvane
