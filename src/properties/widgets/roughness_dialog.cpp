#include "properties/widgets/roughness_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "properties/roughness_query.h"
#include "properties/widgets/roughness_table_dialog.h"
#include "units/unit_catalogue.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

TRauDialog::TRauDialog(RoughnessQueryState& query, MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint),
      query_(query),
      messages_(messages) {
    setObjectName(QStringLiteral("RauDialog"));
    setWindowTitle(QStringLiteral("Roughness of pipe"));

    auto* note = plainLabel(
        QStringLiteral("The flow is turbulent.\nPlease tell me the roughness of the pipe:"), this);
    note->setObjectName(QStringLiteral("Memo1"));
    note->setFrameShape(QFrame::StyledPanel);
    note->setMargin(6);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QLatin1String(kRoughnessField));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const std::string& unit : UnitCatalogue::texts(UnitList::Diameter))
        ComboBox1->addItem(QString::fromStdString(unit));
    auto* caption = plainLabel(QStringLiteral("Roughness:"), this);
    caption->setBuddy(Edit1);

    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    DatenbankBtn = new QPushButton(QStringLiteral("&Database"), this);
    DatenbankBtn->setObjectName(QStringLiteral("DatenbankBtn"));
    DatenbankBtn->setAutoDefault(false);
    RauDatenbank = new TRauDatenbank(this);
    connect(OKBtn, &QPushButton::clicked, this, &TRauDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TRauDialog::CancelBtnClick);
    connect(DatenbankBtn, &QPushButton::clicked, this, &TRauDialog::DatenbankBtnClick);

    auto* value = new QHBoxLayout;
    value->addWidget(caption);
    value->addWidget(Edit1, 1);
    value->addWidget(ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(DatenbankBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(value);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TRauDialog::showEvent(QShowEvent* event) {
    Edit1->setText(QString::fromStdString(query_.text));
    if (query_.unit >= 0 && query_.unit < ComboBox1->count())
        ComboBox1->setCurrentIndex(query_.unit);
    Edit1->selectAll();
    Edit1->setFocus();
    QDialog::showEvent(event);
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

std::optional<double> TRauDialog::ask() {
    confirmed_.reset();
    exec();
    return confirmed_;
}

void TRauDialog::storeQuery() {
    query_.text = Edit1->text().toStdString();
    query_.unit = ComboBox1->currentIndex();
}

void TRauDialog::OKBtnClick() {
    storeQuery();
    const RoughnessQueryOutcome outcome = confirmRoughness(query_, messages_);
    if (!outcome.k) {
        // A bad value keeps the dialog open with the field to correct.
        Edit1->setFocus();
        Edit1->selectAll();
        return;
    }
    confirmed_ = outcome.k;
    accept();
}

void TRauDialog::CancelBtnClick() { reject(); }

void TRauDialog::DatenbankBtnClick() {
    if (RauDatenbank->exec() == QDialog::Accepted) {
        const std::string value = RauDatenbank->copyValue(ComboBox1->currentIndex());
        if (!value.empty()) Edit1->setText(QString::fromStdString(value));
    }
    Edit1->setFocus();
    Edit1->selectAll();
}

void TRauDialog::reject() {
    storeQuery();
    confirmed_.reset();
    QDialog::reject();
}

}  // namespace tolvane
