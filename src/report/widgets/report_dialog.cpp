#include "report/widgets/report_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

// The title block's text members in the dialog's order, with their labels
// and object names; the remark is the ninth, a text of several lines.
struct TitleField {
    const char* label;
    const char* name;
    std::string report::TitleBlock::*field;
};
constexpr std::array<TitleField, 8> kTitleFields{{
    {"&Project:", "Edit_Project", &report::TitleBlock::project},
    {"&Line or tag:", "Edit_Line", &report::TitleBlock::line},
    {"Document &no.:", "Edit_DocumentNumber", &report::TitleBlock::documentNumber},
    {"&Revision:", "Edit_Revision", &report::TitleBlock::revision},
    {"Prepared &by:", "Edit_PreparedBy", &report::TitleBlock::preparedBy},
    {"&Checked by:", "Edit_CheckedBy", &report::TitleBlock::checkedBy},
    {"&Approved by:", "Edit_ApprovedBy", &report::TitleBlock::approvedBy},
    {"&Date:", "Edit_Date", &report::TitleBlock::date},
}};

struct SectionField {
    const char* label;
    const char* name;
    bool report::ReportSections::*field;
};
constexpr std::array<SectionField, 5> kSectionFields{{
    {"&Medium and its sources", "Check_Medium", &report::ReportSections::medium},
    {"C&olumns with the total", "Check_Columns", &report::ReportSections::columns},
    {"C&hecks", "Check_Checks", &report::ReportSections::checks},
    {"Plant curve &diagram (with the pump)", "Check_Diagram", &report::ReportSections::diagram},
    {"&Sources of the correlations", "Check_Sources", &report::ReportSections::sources},
}};

QLineEdit* edit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

// A row whose label never reads its text as markup, with its mnemonic.
void addRow(QFormLayout* form, const QString& label, QWidget* field, QWidget* parent) {
    QLabel* l = plainLabel(label, parent);
    l->setBuddy(field);
    form->addRow(l, field);
}

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

}  // namespace

TReportDialog::TReportDialog(FileDialogs& files, QWidget* parent) : QDialog(parent), files_(files) {
    setObjectName(QStringLiteral("TReportDialog"));
    setWindowTitle(QStringLiteral("Calculation report"));

    auto* title = new QGroupBox(QStringLiteral("Title block"), this);
    auto* titleForm = new QFormLayout(title);
    for (std::size_t i = 0; i < kTitleFields.size(); ++i) {
        titleEdits_[i] = edit(kTitleFields[i].name, title);
        titleEdits_[i]->setMaxLength(200);
        addRow(titleForm, QString::fromLatin1(kTitleFields[i].label), titleEdits_[i], title);
    }
    remark_ = new QPlainTextEdit(title);
    remark_->setObjectName(QStringLiteral("Memo_Remark"));
    remark_->setTabChangesFocus(true);
    remark_->setFixedHeight(remark_->fontMetrics().lineSpacing() * 4 + 12);
    addRow(titleForm, QStringLiteral("R&emark:"), remark_, title);

    auto* include = new QGroupBox(QStringLiteral("The report includes"), this);
    auto* includeLayout = new QVBoxLayout(include);
    for (std::size_t i = 0; i < kSectionFields.size(); ++i) {
        sections_[i] = new QCheckBox(QString::fromLatin1(kSectionFields[i].label), include);
        sections_[i]->setObjectName(QLatin1String(kSectionFields[i].name));
        includeLayout->addWidget(sections_[i]);
    }

    auto* diagram = new QGroupBox(QStringLiteral("Diagram"), this);
    auto* diagramForm = new QFormLayout(diagram);
    auto* range = new QHBoxLayout;
    from_ = edit("Edit_Von", diagram);
    to_ = edit("Edit_Bis", diagram);
    range->addWidget(from_);
    range->addWidget(plainLabel(QStringLiteral("to"), diagram));
    range->addWidget(to_);
    range->addWidget(plainLabel(QStringLiteral("m³/h"), diagram));
    diagramForm->addRow(plainLabel(QStringLiteral("Rate of flow from"), diagram), range);
    points_ = edit("Edit_Anzahl", diagram);
    addRow(diagramForm, QStringLiteral("Quantity of calculating points:"), points_, diagram);
    auto* pumpRow = new QHBoxLayout;
    pumpFile_ = edit("Edit_PumpFile", diagram);
    pumpFile_->setPlaceholderText(QStringLiteral("none"));
    auto* browse = new QToolButton(diagram);
    browse->setObjectName(QStringLiteral("Btn_PumpFile"));
    browse->setText(QStringLiteral("..."));
    browse->setToolTip(QStringLiteral("Choose a pump file"));
    pumpRow->addWidget(pumpFile_);
    pumpRow->addWidget(browse);
    diagramForm->addRow(plainLabel(QStringLiteral("Pump file:"), diagram), pumpRow);
    staticHead_ = edit("Edit_StaticHead", diagram);
    addRow(diagramForm, QStringLiteral("S&tatic head in m:"), staticHead_, diagram);
    connect(browse, &QToolButton::clicked, this, &TReportDialog::choosePumpFile);

    auto* buttons = new QDialogButtonBox(this);
    preview_ = buttons->addButton(QStringLiteral("&Preview..."), QDialogButtonBox::AcceptRole);
    preview_->setObjectName(QStringLiteral("PreviewBtn"));
    preview_->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(include);
    right->addWidget(diagram);
    right->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    setSettings({});
    setCurve({});
}

void TReportDialog::setSettings(const report::ReportSettings& settings) {
    for (std::size_t i = 0; i < kTitleFields.size(); ++i)
        titleEdits_[i]->setText(q(settings.title.*kTitleFields[i].field));
    remark_->setPlainText(q(settings.title.remark));
    for (std::size_t i = 0; i < kSectionFields.size(); ++i)
        sections_[i]->setChecked(settings.include.*kSectionFields[i].field);
}

report::ReportSettings TReportDialog::settings() const {
    report::ReportSettings out;
    for (std::size_t i = 0; i < kTitleFields.size(); ++i)
        out.title.*kTitleFields[i].field = s(titleEdits_[i]->text());
    out.title.remark = s(remark_->toPlainText());
    for (std::size_t i = 0; i < kSectionFields.size(); ++i)
        out.include.*kSectionFields[i].field = sections_[i]->isChecked();
    return out;
}

void TReportDialog::setCurve(const PlantCurveRequest& curve) {
    from_->setText(q(curve.from));
    to_->setText(q(curve.to));
    points_->setText(q(curve.points));
}

PlantCurveRequest TReportDialog::curve() const {
    PlantCurveRequest r;
    r.from = s(from_->text());
    r.to = s(to_->text());
    r.points = s(points_->text());
    r.unit = 0;  // m³/h
    return r;
}

void TReportDialog::setPump(const ReportPumpFields& pump) {
    pumpFile_->setText(q(pump.file));
    staticHead_->setText(q(pump.staticHead));
}

ReportPumpFields TReportDialog::pump() const {
    return {s(pumpFile_->text().trimmed()), s(staticHead_->text())};
}

void TReportDialog::choosePumpFile() {
    if (const auto path = files_.openFile("Pump files (*.tpump)|*.tpump", "tpump"))
        pumpFile_->setText(q(*path));
}

}  // namespace tolvane
