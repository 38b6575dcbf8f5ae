#include "properties/widgets/gas_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/widgets/gas_pressure_dialog.h"
#include "properties/widgets/property_widgets.h"

namespace tolvane {

namespace {

const char* const kMemo[] = {
    "* The given value of the weight",
    "density is calculated (ideal gas).",
    "The value differs in the near of",
    "the boiling point.",
    "",
    "** The values of viscosity are",
    "measured values at standard",
    "pressure. The viscosity is not",
    "dependent on pressure (but not",
    "in the near of the boiling point).",
};

}  // namespace

TStoffwerteGaseNeu::TStoffwerteGaseNeu(std::optional<std::vector<GasEntry>> gases,
                                       MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      messages_(messages) {
    setObjectName(QStringLiteral("StoffwerteGaseNeu"));
    setWindowTitle(QStringLiteral("Properties of diverse gases"));

    broken_ = !gases;
    selection_ = GasSelection(gases.value_or(std::vector<GasEntry>{}));

    GasListbox = textList(this, "GasListbox");
    GasListbox->setFixedSize(170, 220);
    TemperaturListbox = textList(this, "TemperaturListbox");
    TemperaturListbox->setFixedSize(80, 220);
    DichteEdit = valueField(this, "DichteEdit", 7);
    ViskoEdit = valueField(this, "ViskoEdit", 7);
    Edit_Druck = valueField(this, "Edit_Druck", 7);
    MolmasseEdit = valueField(this, "MolmasseEdit", 7);
    MolmasseEdit->hide();
    Label13 = note(this, "Label13");
    Label14 = note(this, "Label14");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const char* line : kMemo) Memo1->appendPlainText(QString::fromLatin1(line));
    Memo1->setFixedSize(Memo1->fontMetrics().horizontalAdvance(QString::fromLatin1(kMemo[9])) + 30,
                        170);
    OKBtn = button(this, "OKBtn", "Copy to &medium window");
    OKBtn->setDefault(true);
    CloseBtn = button(this, "CloseBtn", "&Close");
    DruckBtn = button(this, "DruckBtn", "Change &pressure");
    Sonstige_Gase2_Dialog = new TSonstige_Gase2_Dialog(messages, this);

    // The information panel: name, short text, melting and boiling point.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    Stofflabel = note(panel, "Stofflabel");
    QFont bold = Stofflabel->font();
    bold.setBold(true);
    Stofflabel->setFont(bold);
    Label6 = note(panel, "Label6");
    Label6->setWordWrap(true);
    Label8 = note(panel, "Label8");
    Label10 = note(panel, "Label10");
    auto* info = new QGridLayout(panel);
    info->addWidget(Stofflabel, 0, 0, 1, 2);
    info->addWidget(Label6, 1, 0, 1, 2);
    info->addWidget(caption(panel, QStringLiteral("melting point °C:")), 2, 0);
    info->addWidget(Label8, 2, 1);
    info->addWidget(caption(panel, QStringLiteral("boiling point °C:")), 3, 0);
    info->addWidget(Label10, 3, 1);
    info->setColumnStretch(1, 1);

    auto* gasColumn = new QVBoxLayout;
    gasColumn->addWidget(caption(this, QStringLiteral("Medium:"), GasListbox));
    gasColumn->addWidget(GasListbox);
    gasColumn->addStretch();
    auto* temperatureColumn = new QVBoxLayout;
    temperatureColumn->addWidget(
        caption(this, QStringLiteral("Temperature in °C:"), TemperaturListbox));
    temperatureColumn->addWidget(TemperaturListbox);
    temperatureColumn->addStretch();
    auto* valueColumn = new QVBoxLayout;
    valueColumn->addSpacing(fontMetrics().height() + 6);
    valueColumn->addWidget(caption(this, QStringLiteral("Weight density*\nin kg/m³:")));
    valueColumn->addWidget(DichteEdit);
    valueColumn->addWidget(caption(this, QStringLiteral("Abs.viscosity**\nin 10^-6 Pa s:")));
    valueColumn->addWidget(ViskoEdit);
    valueColumn->addWidget(caption(this, QStringLiteral("Pressure (absolute)\nin mbar:")));
    valueColumn->addWidget(Edit_Druck);
    valueColumn->addWidget(Label13);
    valueColumn->addWidget(Label14);
    valueColumn->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(panel);
    right->addWidget(Memo1);
    right->addStretch();
    auto* values = new QHBoxLayout;
    values->addLayout(gasColumn);
    values->addLayout(temperatureColumn);
    values->addLayout(valueColumn);
    values->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DruckBtn);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    panel->setFixedWidth(Memo1->width());

    connect(GasListbox, &QListWidget::currentRowChanged, this,
            &TStoffwerteGaseNeu::GasListboxClick);
    connect(TemperaturListbox, &QListWidget::currentRowChanged, this,
            &TStoffwerteGaseNeu::TemperaturListboxClick);
    connect(DruckBtn, &QPushButton::clicked, this, &TStoffwerteGaseNeu::DruckBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (selection_.choice()) accept();
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    std::vector<std::string> names;
    for (const GasEntry& g : selection_.gases()) names.push_back(g.name);
    fillList(GasListbox, names, selection_.empty() ? -1 : 0);
    OKBtn->setEnabled(!selection_.empty());
    DruckBtn->setEnabled(!selection_.empty());
    showGas();
}

void TStoffwerteGaseNeu::showGas() {
    const int k = selection_.gasIndex();
    const GasEntry* gas = k >= 0 ? &selection_.gases()[k] : nullptr;
    Stofflabel->setText(gas ? qText(gas->name) : QString());
    Label6->setText(gas ? qText(gas->info) : QString());
    MolmasseEdit->setText(gas ? qText(gas->molarMass) : QString());
    Label8->setText(gas ? qText(gas->meltingPoint) : QString());
    Label10->setText(gas ? qText(gas->boilingPoint) : QString());
    fillList(TemperaturListbox, selection_.temperatures(), selection_.temperatureIndex());
    showValues();
}

void TStoffwerteGaseNeu::showValues() {
    DichteEdit->setText(qText(selection_.densityText()));
    ViskoEdit->setText(qText(selection_.viscosityText()));
    Edit_Druck->setText(qText(selection_.pressure()));
    Label13->setText(qText(selection_.fahrenheitNote()));
    Label14->setText(qText(selection_.psiNote()));
}

void TStoffwerteGaseNeu::GasListboxClick() {
    if (GasListbox->currentRow() < 0) return;
    selection_.selectGas(GasListbox->currentRow());
    showGas();
}

void TStoffwerteGaseNeu::TemperaturListboxClick() {
    if (TemperaturListbox->currentRow() < 0) return;
    selection_.selectTemperature(TemperaturListbox->currentRow());
    showValues();
}

void TStoffwerteGaseNeu::DruckBtnClick() {
    if (Sonstige_Gase2_Dialog->exec() != QDialog::Accepted) return;
    selection_.setPressure(Sonstige_Gase2_Dialog->mbar());
    showValues();
}

int TStoffwerteGaseNeu::exec() {
    if (broken_) messages_.show(MessageType::Warning, kGasFileBroken);
    return QDialog::exec();
}

void TStoffwerteGaseNeu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    GasListbox->setFocus();
}

}  // namespace tolvane
