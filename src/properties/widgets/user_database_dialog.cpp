#include "properties/widgets/user_database_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "properties/widgets/property_widgets.h"

namespace tolvane {

namespace {

QLineEdit* textField(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(static_cast<int>(kUserTextLength));
    return edit;
}

QToolButton* pager(QWidget* parent, const char* name, const char* text, const char* hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(QString::fromLatin1(text));
    b->setToolTip(QString::fromLatin1(hint));
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(34);
    return b;
}

std::string crlfLines(const QString& memo) {
    QString text = memo;
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text.toStdString();
}

QString plainLines(const std::string& stored) {
    QString text = qText(stored);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

}  // namespace

TBen_Daba_Dlg::TBen_Daba_Dlg(UserDatabase& database, std::function<bool()> metric,
                             MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      db_(database),
      metric_(std::move(metric)),
      messages_(messages) {
    setObjectName(QStringLiteral("Ben_Daba_Dlg"));
    setWindowTitle(QStringLiteral("Edit User defined database"));

    Edit_Medium = textField(this, "Edit_Medium");
    Rbtn_fluessig = new QRadioButton(QStringLiteral("Liquid"), this);
    Rbtn_fluessig->setObjectName(QStringLiteral("Rbtn_fluessig"));
    RBTn_gas = new QRadioButton(QStringLiteral("Gas"), this);
    RBTn_gas->setObjectName(QStringLiteral("RBTn_gas"));
    Rbtn_fluessig->setChecked(true);
    Edit_Temperatur = textField(this, "Edit_Temperatur");
    Edit_Druck = textField(this, "Edit_Druck");
    Edit_Dichte = textField(this, "Edit_Dichte");
    Edit_Visko = textField(this, "Edit_Visko");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(80);
    Label8 = note(this, "Label8");
    TemperaturLabel = caption(this, QString(), Edit_Temperatur);
    TemperaturLabel->setObjectName(QStringLiteral("TemperaturLabel"));
    DruckLabel = caption(this, QString(), Edit_Druck);
    DruckLabel->setObjectName(QStringLiteral("DruckLabel"));
    DichteLabel = caption(this, QString(), Edit_Dichte);
    DichteLabel->setObjectName(QStringLiteral("DichteLabel"));
    ViskoLabel = caption(this, QString(), Edit_Visko);
    ViskoLabel->setObjectName(QStringLiteral("ViskoLabel"));

    Btn_5zurueck = pager(this, "Btn_5zurueck", "<<", "5 Data records return");
    Btn_1zurueck = pager(this, "Btn_1zurueck", "<", "1 Data record return");
    Btn_1vor = pager(this, "Btn_1vor", ">", "1 Data record forward");
    Btn_5vor = pager(this, "Btn_5vor", ">>", "5 Data records forward");
    NeuBtn = button(this, "NeuBtn", "&New data record");
    LoeschenBtn = button(this, "LoeschenBtn", "&Delete data record");
    SortBtn = button(this, "SortBtn", "Sort to &medium");
    SaveBtn = button(this, "SaveBtn", "&Exit and save");
    CancelBtn = button(this, "CancelBtn", "&Cancel");

    auto* condition = new QGroupBox(QStringLiteral("Condition"), this);
    auto* conditionRow = new QHBoxLayout(condition);
    conditionRow->addWidget(Rbtn_fluessig);
    conditionRow->addWidget(RBTn_gas);

    auto* grid = new QGridLayout;
    grid->addWidget(caption(this, QStringLiteral("Medium:"), Edit_Medium), 0, 0);
    grid->addWidget(Edit_Medium, 0, 1);
    grid->addWidget(condition, 1, 0, 1, 2);
    grid->addWidget(TemperaturLabel, 2, 0);
    grid->addWidget(Edit_Temperatur, 2, 1);
    auto* gasHeading = caption(this, QStringLiteral("Specifications of gases:"));
    QFont bold = gasHeading->font();
    bold.setBold(true);
    gasHeading->setFont(bold);
    grid->addWidget(gasHeading, 3, 0, 1, 2);
    grid->addWidget(DruckLabel, 4, 0);
    grid->addWidget(Edit_Druck, 4, 1);
    grid->addWidget(DichteLabel, 5, 0);
    grid->addWidget(Edit_Dichte, 5, 1);
    grid->addWidget(ViskoLabel, 6, 0);
    grid->addWidget(Edit_Visko, 6, 1);
    grid->addWidget(caption(this, QStringLiteral("Remarks:"), Memo1), 7, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 7, 1);
    grid->setColumnMinimumWidth(1, 220);

    auto* paging = new QHBoxLayout;
    for (QToolButton* b : {Btn_5zurueck, Btn_1zurueck}) paging->addWidget(b);
    paging->addStretch();
    paging->addWidget(Label8);
    paging->addStretch();
    for (QToolButton* b : {Btn_1vor, Btn_5vor}) paging->addWidget(b);
    auto* commands = new QVBoxLayout;
    for (QPushButton* b : {NeuBtn, LoeschenBtn, SortBtn}) commands->addWidget(b);
    commands->addStretch();
    commands->addWidget(SaveBtn);
    commands->addWidget(CancelBtn);
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(paging);
    body->addLayout(left);
    body->addLayout(commands);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Btn_1zurueck, &QToolButton::clicked, this,
            [this] { navigate(&UserDatabase::backOne); });
    connect(Btn_1vor, &QToolButton::clicked, this, [this] { navigate(&UserDatabase::forwardOne); });
    connect(Btn_5zurueck, &QToolButton::clicked, this,
            [this] { navigate(&UserDatabase::backFive); });
    connect(Btn_5vor, &QToolButton::clicked, this,
            [this] { navigate(&UserDatabase::forwardFive); });
    connect(NeuBtn, &QPushButton::clicked, this, &TBen_Daba_Dlg::NeuBtnClick);
    connect(LoeschenBtn, &QPushButton::clicked, this, &TBen_Daba_Dlg::LoeschenBtnClick);
    connect(SortBtn, &QPushButton::clicked, this, &TBen_Daba_Dlg::SortBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TBen_Daba_Dlg::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TBen_Daba_Dlg::reject);
}

UserRecord TBen_Daba_Dlg::fields() const {
    return {Edit_Medium->text().toStdString(),     Rbtn_fluessig->isChecked(),
            Edit_Temperatur->text().toStdString(), Edit_Druck->text().toStdString(),
            Edit_Dichte->text().toStdString(),     Edit_Visko->text().toStdString(),
            crlfLines(Memo1->toPlainText())};
}

void TBen_Daba_Dlg::store() { db_.storeTyped(fields()); }

void TBen_Daba_Dlg::showRecord() {
    Label8->setText(qText(db_.counterText()));
    const UserRecord* r = db_.current();
    const UserRecord empty{};
    const UserRecord& shown = r ? *r : empty;
    Edit_Medium->setText(qText(shown.name));
    (r && !r->liquid ? RBTn_gas : Rbtn_fluessig)->setChecked(true);
    Edit_Temperatur->setText(qText(shown.temperature));
    Edit_Druck->setText(qText(shown.pressure));
    Edit_Dichte->setText(qText(shown.density));
    Edit_Visko->setText(qText(shown.viscosity));
    Memo1->setPlainText(plainLines(shown.remarks));
}

void TBen_Daba_Dlg::navigate(void (UserDatabase::*step)()) {
    store();
    (db_.*step)();
    showRecord();
}

void TBen_Daba_Dlg::NeuBtnClick() {
    store();
    db_.appendNew(Edit_Medium->text().toStdString());
    Label8->setText(qText(db_.counterText()));
    for (QLineEdit* e : {Edit_Medium, Edit_Temperatur, Edit_Druck, Edit_Dichte, Edit_Visko})
        e->clear();
    Memo1->clear();
    Rbtn_fluessig->setChecked(true);
    Edit_Medium->setFocus();
}

void TBen_Daba_Dlg::LoeschenBtnClick() {
    db_.removeCurrent();
    showRecord();
}

void TBen_Daba_Dlg::SortBtnClick() {
    store();
    db_.sortByName();
    showRecord();
}

void TBen_Daba_Dlg::SaveBtnClick() {
    store();
    if (db_.save(messages_))
        accept();
    else
        showRecord();  // what was typed into an empty editor is record 1 now
}

void TBen_Daba_Dlg::reject() {
    db_.load();
    QDialog::reject();
}

void TBen_Daba_Dlg::showEvent(QShowEvent* event) {
    const UserDatabaseLabels& l = userDatabaseLabels(metric_());
    TemperaturLabel->setText(QString::fromUtf8(l.temperature));
    DruckLabel->setText(QString::fromUtf8(l.pressure));
    DichteLabel->setText(QString::fromUtf8(l.density));
    ViskoLabel->setText(QString::fromUtf8(l.editorViscosity));
    showRecord();
    QDialog::showEvent(event);
    centreOnScreen(this);
    Edit_Medium->setFocus();
    // A damaged file is reported once the dialog stands on the screen.
    QTimer::singleShot(0, this, [this] {
        const std::string warning = db_.takeWarning();
        if (!warning.empty()) messages_.show(MessageType::Warning, warning);
    });
}

}  // namespace tolvane
