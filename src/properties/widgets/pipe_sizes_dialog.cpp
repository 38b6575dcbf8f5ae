#include "properties/widgets/pipe_sizes_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

// How many faults the dialog spells out; the rest are counted.
constexpr std::size_t kFaultsShown = 3;

QString text(const std::string& s) { return QString::fromStdString(s); }

void fill(QComboBox* box, const std::vector<std::string>& items) {
    const QString kept = box->currentText();
    const QSignalBlocker quiet(box);
    box->clear();
    for (const std::string& item : items) box->addItem(text(item));
    const int at = box->findText(kept);
    box->setCurrentIndex(at >= 0 ? at : 0);
}

QLineEdit* readOnlyField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000.000")) + 12);
    return edit;
}

QString faultText(const std::vector<PipeFileFault>& faults, bool empty) {
    const QString file = QLatin1String(kPipeSizesFileName);
    QStringList lines;
    if (empty) lines << QStringLiteral("The file \"%1\" holds no pipe sizes.").arg(file);
    if (!faults.empty()) lines << QStringLiteral("Left out of %1:").arg(file);
    for (std::size_t i = 0; i < faults.size() && i < kFaultsShown; ++i)
        lines << QStringLiteral("  ") + text(faultLine(faults[i]));
    if (faults.size() > kFaultsShown)
        lines << QStringLiteral("  and %1 more lines").arg(faults.size() - kFaultsShown);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

PipeSizesDialog::PipeSizesDialog(PipeSizeTable table, const std::vector<PipeFileFault>& faults,
                                 QWidget* parent)
    : QDialog(parent), table_(std::move(table)) {
    setObjectName(QStringLiteral("PipeSizesDialog"));
    setWindowTitle(QStringLiteral("Pipe sizes"));

    ComboStandard = new QComboBox(this);
    ComboStandard->setObjectName(QStringLiteral("ComboStandard"));
    ComboSize = new QComboBox(this);
    ComboSize->setObjectName(QStringLiteral("ComboSize"));
    ComboSchedule = new QComboBox(this);
    ComboSchedule->setObjectName(QStringLiteral("ComboSchedule"));
    for (QComboBox* box : {ComboStandard, ComboSize, ComboSchedule})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    EditOutside = readOnlyField("EditOutside", this);
    EditWall = readOnlyField("EditWall", this);
    EditInside = readOnlyField("EditInside", this);

    auto* form = new QFormLayout;
    auto chooser = [&](const char* caption, QComboBox* box) {
        QLabel* label = plainLabel(QString::fromLatin1(caption), this);
        label->setBuddy(box);
        form->addRow(label, box);
    };
    chooser("&Standard:", ComboStandard);
    chooser("&Nominal size:", ComboSize);
    chooser("Schedule or &wall:", ComboSchedule);
    auto shown = [&](const char* caption, QLineEdit* edit) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(plainLabel(QStringLiteral("mm"), this));
        row->addStretch(1);
        form->addRow(plainLabel(QString::fromLatin1(caption), this), row);
    };
    shown("Outside diameter:", EditOutside);
    shown("Wall thickness:", EditWall);
    shown("Inner diameter:", EditInside);

    LabelFaults = plainLabel(faultText(faults, table_.empty()), this);
    LabelFaults->setObjectName(QStringLiteral("LabelFaults"));
    LabelFaults->setVisible(!LabelFaults->text().isEmpty());

    CopyBtn = new QPushButton(QStringLiteral("&Copy to element window"), this);
    CopyBtn->setObjectName(QStringLiteral("CopyBtn"));
    CopyBtn->setDefault(true);
    CloseBtn = new QPushButton(QStringLiteral("C&lose"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CopyBtn);
    buttons->addWidget(CloseBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(LabelFaults);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ComboStandard, &QComboBox::currentIndexChanged, this, [this] {
        fillSizes();
        showRow();
    });
    connect(ComboSize, &QComboBox::currentIndexChanged, this, [this] {
        fillSchedules();
        showRow();
    });
    connect(ComboSchedule, &QComboBox::currentIndexChanged, this, &PipeSizesDialog::showRow);
    connect(CopyBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    fill(ComboStandard, table_.standards());
    fillSizes();
    showRow();
}

void PipeSizesDialog::fillSizes() {
    fill(ComboSize, table_.sizes(ComboStandard->currentText().toStdString()));
    fillSchedules();
}

void PipeSizesDialog::fillSchedules() {
    fill(ComboSchedule, table_.schedules(ComboStandard->currentText().toStdString(),
                                         ComboSize->currentText().toStdString()));
}

const PipeRow* PipeSizesDialog::chosenRow() const {
    return table_.find(ComboStandard->currentText().toStdString(),
                       ComboSize->currentText().toStdString(),
                       ComboSchedule->currentText().toStdString());
}

std::optional<double> PipeSizesDialog::chosenInsideMm() const {
    if (const PipeRow* row = chosenRow()) return row->insideMm;
    return std::nullopt;
}

void PipeSizesDialog::showRow() {
    const PipeRow* row = chosenRow();
    EditOutside->setText(row ? text(row->outsideText) : QString());
    EditWall->setText(row ? text(row->wallText) : QString());
    EditInside->setText(row ? text(row->insideText) : QString());
    CopyBtn->setEnabled(copyEnabled_ && row != nullptr);
    Q_EMIT chosenRowChanged();
}

bool PipeSizesDialog::select(const std::string& standard, const std::string& size,
                             const std::string& schedule) {
    if (!table_.find(standard, size, schedule)) return false;
    ComboStandard->setCurrentText(text(standard));
    ComboSize->setCurrentText(text(size));
    ComboSchedule->setCurrentText(text(schedule));
    return true;
}

void PipeSizesDialog::setCopyEnabled(bool enabled) {
    copyEnabled_ = enabled;
    CopyBtn->setEnabled(copyEnabled_ && chosenRow() != nullptr);
}

}  // namespace tolvane
