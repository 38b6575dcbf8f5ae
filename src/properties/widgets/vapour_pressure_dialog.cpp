#include "properties/widgets/vapour_pressure_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/widgets/held_arrows.h"
#include "properties/widgets/property_widgets.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

TDaDruDialog::TDaDruDialog(std::string path, MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      path_(std::move(path)),
      messages_(messages) {
    setObjectName(QStringLiteral("DaDruDialog"));
    setWindowTitle(QStringLiteral("Vapor pressure/density database"));

    ListBox1 = textList(this, "ListBox1");
    ListBox1->setFixedSize(180, 260);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    NameLabel = note(panel, "NameLabel");
    QFont bold = NameLabel->font();
    bold.setBold(true);
    NameLabel->setFont(bold);
    InfoLabel = note(panel, "InfoLabel");
    MeltingLabel = note(panel, "MeltingLabel");
    BoilingLabel = note(panel, "BoilingLabel");
    MolLabel = note(panel, "MolLabel");
    MinLabel = note(panel, "MinLabel");
    MaxLabel = note(panel, "MaxLabel");
    auto* info = new QGridLayout(panel);
    info->addWidget(NameLabel, 0, 0, 1, 4);
    info->addWidget(InfoLabel, 1, 0, 1, 4);
    info->addWidget(caption(panel, QStringLiteral("Melting point °C:")), 2, 0, 1, 2);
    info->addWidget(MeltingLabel, 2, 2, 1, 2);
    info->addWidget(caption(panel, QStringLiteral("Boiling point °C:")), 3, 0, 1, 2);
    info->addWidget(BoilingLabel, 3, 2, 1, 2);
    info->addWidget(caption(panel, QStringLiteral("Mol.weight kg/kmol:")), 4, 0, 1, 2);
    info->addWidget(MolLabel, 4, 2, 1, 2);
    info->addWidget(caption(panel, QStringLiteral("Range of temperature in °C, in which\n"
                                                  "calculation is possible:")),
                    5, 0, 1, 4);
    info->addWidget(caption(panel, QStringLiteral("min.")), 6, 0);
    info->addWidget(MinLabel, 6, 1);
    info->addWidget(caption(panel, QStringLiteral("max.")), 6, 2);
    info->addWidget(MaxLabel, 6, 3);
    info->setColumnStretch(3, 1);

    Edit1 = valueField(this, "Edit1", 5);
    Edit1->setAlignment(Qt::AlignRight);
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 16);
    UpDown1 = new HeldArrows(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    Label21 = note(this, "Label21");
    PressureLabel = note(this, "PressureLabel");
    DensityLabel = note(this, "DensityLabel");
    for (QLabel* value : {PressureLabel, DensityLabel}) {
        QFont f = value->font();
        f.setBold(true);
        value->setFont(f);
    }
    BothBtn = button(this, "BothBtn", "&Copy vapor pressure + density");
    BothBtn->setDefault(true);
    PressureBtn = button(this, "PressureBtn", "Copy &vapor pressure only");
    DensityBtn = button(this, "DensityBtn", "Copy &density only");
    CancelBtn = button(this, "CancelBtn", "&Cancel");

    auto* temperature = new QHBoxLayout;
    temperature->addWidget(caption(this, QStringLiteral("Temperature in °C:")));
    temperature->addWidget(Edit1);
    temperature->addWidget(UpDown1);
    temperature->addWidget(Label21);
    temperature->addStretch();
    auto* results = new QGridLayout;
    results->addWidget(caption(this, QStringLiteral("Vapor pressure in bar:")), 0, 0);
    results->addWidget(PressureLabel, 0, 1);
    results->addWidget(caption(this, QStringLiteral("Density in kg/m³:")), 1, 0);
    results->addWidget(DensityLabel, 1, 1);
    results->setColumnStretch(1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(panel);
    right->addLayout(temperature);
    right->addLayout(results);
    right->addWidget(plainLabel(QStringLiteral("Attention: The data are calculated."), this));
    right->addWidget(
        plainLabel(QStringLiteral("Low differences to the reality are possible."), this));
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(ListBox1);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BothBtn);
    buttons->addWidget(PressureBtn);
    buttons->addWidget(DensityBtn);
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    panel->setMinimumWidth(300);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TDaDruDialog::ListBox1Click);
    connect(UpDown1, &HeldArrows::stepped, this, &TDaDruDialog::stepTemperature);
    connect(BothBtn, &QPushButton::clicked, this, [this] {
        if (selection_.empty()) return;
        Q_EMIT vapourPressureAndDensityCopied(PressureLabel->text(), DensityLabel->text());
        accept();
    });
    connect(PressureBtn, &QPushButton::clicked, this, [this] {
        if (selection_.empty()) return;
        Q_EMIT vapourPressureCopied(PressureLabel->text());
        accept();
    });
    connect(DensityBtn, &QPushButton::clicked, this, [this] {
        if (selection_.empty()) return;
        Q_EMIT densityCopied(DensityLabel->text());
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TDaDruDialog::exec() {
    load();
    return QDialog::exec();
}

void TDaDruDialog::load() {
    auto substances = readVapourFile(path_);
    if (!substances) messages_.show(MessageType::Warning, kVapourFileBroken);
    selection_ = VapourPressureSelection(substances.value_or(std::vector<VapourSubstance>{}));
    std::vector<std::string> names;
    for (const VapourSubstance& s : selection_.substances()) names.push_back(s.name);
    fillList(ListBox1, names, selection_.empty() ? -1 : 0);
    for (QPushButton* b : {BothBtn, PressureBtn, DensityBtn}) b->setEnabled(!selection_.empty());
    UpDown1->setEnabled(!selection_.empty());
    showSubstance();
}

void TDaDruDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    ListBox1->setFocus();
}

void TDaDruDialog::hideEvent(QHideEvent* event) {
    fillList(ListBox1, {}, -1);
    QDialog::hideEvent(event);
}

void TDaDruDialog::showSubstance() {
    const int k = selection_.index();
    const VapourSubstance* s = k >= 0 ? &selection_.substances()[k] : nullptr;
    NameLabel->setText(s ? qText(s->name) : QString());
    InfoLabel->setText(s ? qText(s->info) : QString());
    MeltingLabel->setText(s ? qText(s->meltingPoint) : QString());
    BoilingLabel->setText(s ? qText(s->boilingPoint) : QString());
    MolLabel->setText(s ? qText(s->molarMass) : QString());
    MinLabel->setText(s ? QString::number(selection_.range().min) : QString());
    MaxLabel->setText(s ? QString::number(selection_.range().max) : QString());
    showValues();
}

void TDaDruDialog::showValues() {
    const bool any = !selection_.empty();
    Edit1->setText(any ? QString::number(selection_.temperature()) : QString());
    Label21->setText(qText(selection_.fahrenheitNote()));
    PressureLabel->setText(qText(selection_.pressureText()));
    DensityLabel->setText(qText(selection_.densityText()));
}

void TDaDruDialog::ListBox1Click() {
    if (ListBox1->currentRow() < 0) return;
    selection_.selectSubstance(ListBox1->currentRow());
    showSubstance();
}

void TDaDruDialog::stepTemperature(int degrees) {
    if (selection_.empty()) return;
    selection_.stepTemperature(degrees);
    showValues();
}

}  // namespace tolvane
