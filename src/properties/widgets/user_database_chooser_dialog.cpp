#include "properties/widgets/user_database_chooser_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "properties/widgets/property_widgets.h"

namespace tolvane {

TBen_Daba_Dlg2::TBen_Daba_Dlg2(UserDatabase& database, std::function<bool()> metric,
                               MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      db_(database),
      metric_(std::move(metric)),
      messages_(messages) {
    setObjectName(QStringLiteral("Ben_Daba_Dlg2"));
    setWindowTitle(QStringLiteral("User defined database"));

    Listbox_Medium = textList(this, "Listbox_Medium");
    Listbox_Medium->setFixedSize(200, 260);
    Radio_fluessig1 = new QRadioButton(QStringLiteral("Fluid"), this);
    Radio_fluessig1->setObjectName(QStringLiteral("Radio_fluessig1"));
    Radio_gas = new QRadioButton(QStringLiteral("Gas"), this);
    Radio_gas->setObjectName(QStringLiteral("Radio_gas"));
    Radio_fluessig1->setEnabled(false);
    Radio_gas->setEnabled(false);
    Edit_Temperatur = valueField(this, "Edit_Temperatur", 12);
    Edit_Druck = valueField(this, "Edit_Druck", 12);
    Edit_Dichte = valueField(this, "Edit_Dichte", 12);
    Edit_Visko = valueField(this, "Edit_Visko", 12);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFixedHeight(70);
    TemperaturLabel = caption(this, QString());
    TemperaturLabel->setObjectName(QStringLiteral("TemperaturLabel"));
    DruckLabel = caption(this, QString());
    DruckLabel->setObjectName(QStringLiteral("DruckLabel"));
    DichteLabel = caption(this, QString());
    DichteLabel->setObjectName(QStringLiteral("DichteLabel"));
    ViskoLabel = caption(this, QString());
    ViskoLabel->setObjectName(QStringLiteral("ViskoLabel"));
    OKBtn = button(this, "OKBtn", "Copy to &medium window");
    OKBtn->setDefault(true);
    CancelBtn = button(this, "CancelBtn", "&Cancel");

    auto* condition = new QGroupBox(QStringLiteral("Condition"), this);
    auto* conditionRow = new QHBoxLayout(condition);
    conditionRow->addWidget(Radio_fluessig1);
    conditionRow->addWidget(Radio_gas);
    auto* grid = new QGridLayout;
    grid->addWidget(condition, 0, 0, 1, 2);
    grid->addWidget(TemperaturLabel, 1, 0);
    grid->addWidget(Edit_Temperatur, 1, 1);
    grid->addWidget(DruckLabel, 2, 0);
    grid->addWidget(Edit_Druck, 2, 1);
    grid->addWidget(DichteLabel, 3, 0);
    grid->addWidget(Edit_Dichte, 3, 1);
    grid->addWidget(ViskoLabel, 4, 0);
    grid->addWidget(Edit_Visko, 4, 1);
    grid->addWidget(caption(this, QStringLiteral("Remarks:"), Memo1), 5, 0, 1, 2);
    grid->addWidget(Memo1, 6, 0, 1, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(caption(this, QStringLiteral("Medium:"), Listbox_Medium));
    left->addWidget(Listbox_Medium);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Listbox_Medium, &QListWidget::currentRowChanged, this,
            &TBen_Daba_Dlg2::Listbox_MediumClick);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (chosen()) accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<MediumChoice> TBen_Daba_Dlg2::chosen() const {
    if (row_ < 1 || row_ > db_.count()) return std::nullopt;
    return userChoice(db_.records()[row_ - 1], metric_());
}

void TBen_Daba_Dlg2::showRecord() {
    const bool any = row_ >= 1 && row_ <= db_.count();
    const UserRecord empty{};
    const UserRecord& r = any ? db_.records()[row_ - 1] : empty;
    Radio_fluessig1->setChecked(any && r.liquid);
    Radio_gas->setChecked(any && !r.liquid);
    Edit_Temperatur->setText(qText(r.temperature));
    Edit_Druck->setText(qText(r.pressure));
    Edit_Dichte->setText(qText(r.density));
    Edit_Visko->setText(qText(r.viscosity));
    QString remarks = qText(r.remarks);
    remarks.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Memo1->setPlainText(remarks);
    OKBtn->setEnabled(any);
}

void TBen_Daba_Dlg2::Listbox_MediumClick() {
    if (Listbox_Medium->currentRow() < 0) return;
    row_ = Listbox_Medium->currentRow() + 1;
    showRecord();
}

void TBen_Daba_Dlg2::showEvent(QShowEvent* event) {
    const UserDatabaseLabels& l = userDatabaseLabels(metric_());
    TemperaturLabel->setText(QString::fromUtf8(l.temperature));
    DruckLabel->setText(QString::fromUtf8(l.pressure));
    DichteLabel->setText(QString::fromUtf8(l.density));
    ViskoLabel->setText(QString::fromUtf8(l.chooserViscosity));
    std::vector<std::string> names;
    for (const UserRecord& r : db_.records()) names.push_back(r.name);
    row_ = chooserRow(row_, db_.count());
    fillList(Listbox_Medium, names, names.empty() ? -1 : row_ - 1);
    showRecord();
    QDialog::showEvent(event);
    centreOnScreen(this);
    Listbox_Medium->setFocus();
    QTimer::singleShot(0, this, [this] {
        const std::string warning = db_.takeWarning();
        if (!warning.empty()) messages_.show(MessageType::Warning, warning);
    });
}

void TBen_Daba_Dlg2::hideEvent(QHideEvent* event) {
    fillList(Listbox_Medium, {}, -1);
    QDialog::hideEvent(event);
}

}  // namespace tolvane
