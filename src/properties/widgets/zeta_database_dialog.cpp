#include "properties/widgets/zeta_database_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "shell/app_paths.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

QStringList toList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) list << QString::fromStdString(t);
    return list;
}

QListWidget* listBox(const char* name, QWidget* parent) {
    auto* box = new QListWidget(parent);
    box->setObjectName(QLatin1String(name));
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    return box;
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = plainLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

std::string zetaDirectory() {
    const std::string program = programDirectory();
    if (!listZetaFiles(program).empty()) return program;
    const std::string installed = installedDataDirectory();
    if (!listZetaFiles(installed).empty()) return installed;
    return program;
}

TZetaDatenbank::TZetaDatenbank(MessageSink& messages, QWidget* parent, std::string directory)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint),
      messages_(messages),
      directory_(std::move(directory)),
      selection_(std::make_unique<ZetaSelection>(directory_, messages_)) {
    setObjectName(QStringLiteral("ZetaDatenbank"));
    setWindowTitle(QStringLiteral("Database resistance coefficients of fittings"));

    FileListBox1 = listBox("FileListBox1", this);
    ListBox1 = listBox("ListBox1", this);
    ListBox2 = listBox("ListBox2", this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    CheckBox1 = new QCheckBox(QStringLiteral("Input manufacturer of fitting and specification of "
                                             "fitting in field specification (user)"),
                              this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);

    OKBtn = new QPushButton(QStringLiteral("Copy to &element window"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CloseBtn = new QPushButton(QStringLiteral("&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setAutoDefault(false);

    connect(FileListBox1, &QListWidget::currentRowChanged, this,
            &TZetaDatenbank::FileListBox1Change);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TZetaDatenbank::ListBox1Click);
    connect(ListBox2, &QListWidget::currentRowChanged, this, &TZetaDatenbank::ListBox2Click);
    connect(Edit1, &QLineEdit::textEdited, this,
            [this](const QString& text) { selection_->setZetaText(text.toStdString()); });
    connect(OKBtn, &QPushButton::clicked, this, &TZetaDatenbank::OKBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* lists = new QGridLayout;
    lists->addWidget(caption(QStringLiteral("Manufacturer of fitting:"), FileListBox1, this), 0, 0);
    lists->addWidget(caption(QStringLiteral("Specification of fitting:"), ListBox1, this), 0, 1);
    lists->addWidget(caption(QStringLiteral("Diameter:"), ListBox2, this), 0, 2);
    lists->addWidget(FileListBox1, 1, 0, 3, 1);
    lists->addWidget(ListBox1, 1, 1, 3, 1);
    lists->addWidget(ListBox2, 1, 2);
    lists->addWidget(caption(QStringLiteral("Resistance coefficient:"), Edit1, this), 2, 2);
    lists->addWidget(Edit1, 3, 2);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 4);
    lists->setColumnStretch(2, 2);
    lists->setRowStretch(1, 1);
    FileListBox1->setMinimumSize(190, 200);
    ListBox1->setMinimumWidth(260);
    ListBox2->setMinimumWidth(110);

    auto* copyLabel = plainLabel(QStringLiteral("\"Copy to element window\":"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addSpacing(6);
    layout->addWidget(copyLabel);
    layout->addWidget(CheckBox1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

TZetaDatenbank::~TZetaDatenbank() = default;

void TZetaDatenbank::setDirectory(std::string directory) {
    directory_ = std::move(directory);
    selection_ = std::make_unique<ZetaSelection>(directory_, messages_);
}

void TZetaDatenbank::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TZetaDatenbank::FormShow() {
    selection_->show();
    showFiles();
    showFittings();
    FileListBox1->setFocus();
}

void TZetaDatenbank::FileListBox1Change(int row) {
    if (row < 0 || row == selection_->fileIndex()) return;
    selection_->selectFile(row);
    showFittings();
}

void TZetaDatenbank::ListBox1Click(int row) {
    if (row < 0 || row == selection_->fittingIndex()) return;
    selection_->selectFitting(row);
    showDiameters();
}

void TZetaDatenbank::ListBox2Click(int row) {
    if (row < 0) return;
    selection_->selectDiameter(row);
    Edit1->setText(QString::fromStdString(selection_->zetaText()));
}

void TZetaDatenbank::showFiles() {
    const QSignalBlocker block(FileListBox1);
    FileListBox1->clear();
    FileListBox1->addItems(toList(selection_->files()));
    FileListBox1->setCurrentRow(selection_->fileIndex());
}

void TZetaDatenbank::showFittings() {
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->clear();
        ListBox1->addItems(toList(selection_->fittings()));
        ListBox1->setCurrentRow(selection_->fittingIndex());
    }
    showDiameters();
}

void TZetaDatenbank::showDiameters() {
    {
        const QSignalBlocker block(ListBox2);
        ListBox2->clear();
        ListBox2->addItems(toList(selection_->diameters()));
        ListBox2->setCurrentRow(selection_->diameterIndex());
    }
    Edit1->setText(QString::fromStdString(selection_->zetaText()));
    // Nothing to copy while no fitting and diameter are chosen.
    OKBtn->setEnabled(selection_->diameterIndex() >= 0);
}

void TZetaDatenbank::OKBtnClick() {
    selection_->setZetaText(Edit1->text().toStdString());
    const std::optional<ZetaCopy> copy = selection_->copyToElementWindow();
    if (!copy) return;

    accept();
    Q_EMIT fittingChosen(*copy, CheckBox1->isChecked());
}

}  // namespace tolvane
