#include "properties/widgets/liquid_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/widgets/property_widgets.h"

namespace tolvane {

TMedienDialog::TMedienDialog(std::optional<std::vector<LiquidEntry>> liquids, MessageSink& messages,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      messages_(messages) {
    setObjectName(QStringLiteral("MedienDialog"));
    setWindowTitle(QStringLiteral("Database of diverse liquids"));

    broken_ = !liquids;
    selection_ = LiquidSelection(liquids.value_or(std::vector<LiquidEntry>{}));

    MediumListbox = textList(this, "MediumListbox");
    MediumListbox->setFixedSize(300, 200);
    TemperaturListbox = textList(this, "TemperaturListbox");
    TemperaturListbox->setFixedSize(80, 200);
    DichteEdit = valueField(this, "DichteEdit", 8);
    ViskoEdit = valueField(this, "ViskoEdit", 8);
    Label11 = note(this, "Label11");
    OKBtn = button(this, "OKBtn", "Copy to &medium window");
    OKBtn->setDefault(true);
    CancelBtn = button(this, "CancelBtn", "&Cancel");

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
    info->addWidget(caption(panel, QStringLiteral("Melting point °C:")), 2, 0);
    info->addWidget(Label8, 2, 1);
    info->addWidget(caption(panel, QStringLiteral("Boiling point °C:")), 3, 0);
    info->addWidget(Label10, 3, 1);
    info->setColumnStretch(1, 1);
    panel->setFixedWidth(230);

    auto* values = new QGridLayout;
    values->addWidget(caption(this, QStringLiteral("Medium:"), MediumListbox), 0, 0);
    values->addWidget(MediumListbox, 1, 0, 6, 1);
    values->addWidget(caption(this, QStringLiteral("Temperature in °C:"), TemperaturListbox), 0, 1);
    values->addWidget(TemperaturListbox, 1, 1, 6, 1);
    values->addWidget(caption(this, QStringLiteral("Weight density\nin kg/m³:")), 1, 2);
    values->addWidget(DichteEdit, 2, 2);
    values->addWidget(caption(this, QStringLiteral("Abs. viscosity\nin 10^-6 Pa s:")), 3, 2);
    values->addWidget(ViskoEdit, 4, 2);
    values->addWidget(Label11, 5, 2, Qt::AlignTop);
    values->addWidget(panel, 1, 3, 6, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(MediumListbox, &QListWidget::currentRowChanged, this,
            &TMedienDialog::MediumListboxClick);
    connect(TemperaturListbox, &QListWidget::currentRowChanged, this,
            &TMedienDialog::TemperaturListboxClick);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (selection_.choice()) accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    std::vector<std::string> names;
    for (const LiquidEntry& l : selection_.liquids()) names.push_back(l.name);
    fillList(MediumListbox, names, selection_.empty() ? -1 : 0);
    OKBtn->setEnabled(!selection_.empty());
    showLiquid();
}

void TMedienDialog::showLiquid() {
    const int k = selection_.liquidIndex();
    const LiquidEntry* liquid = k >= 0 ? &selection_.liquids()[k] : nullptr;
    Stofflabel->setText(liquid ? qText(liquid->name) : QString());
    Label6->setText(liquid ? qText(liquid->info) : QString());
    Label8->setText(liquid ? qText(liquid->meltingPoint) : QString());
    Label10->setText(liquid ? qText(liquid->boilingPoint) : QString());
    fillList(TemperaturListbox, selection_.temperatures(), selection_.temperatureIndex());
    showValues();
}

void TMedienDialog::showValues() {
    const LiquidPoint* p = selection_.point();
    DichteEdit->setText(p ? qText(p->density) : QString());
    ViskoEdit->setText(p ? qText(p->viscosity) : QString());
    Label11->setText(qText(selection_.fahrenheitNote()));
}

void TMedienDialog::MediumListboxClick() {
    if (MediumListbox->currentRow() < 0) return;
    selection_.selectLiquid(MediumListbox->currentRow());
    showLiquid();
}

void TMedienDialog::TemperaturListboxClick() {
    if (TemperaturListbox->currentRow() < 0) return;
    selection_.selectTemperature(TemperaturListbox->currentRow());
    showValues();
}

int TMedienDialog::exec() {
    if (broken_) messages_.show(MessageType::Warning, kLiquidFileBroken);
    return QDialog::exec();
}

void TMedienDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    MediumListbox->setFocus();
}

}  // namespace tolvane
