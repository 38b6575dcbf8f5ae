#include "tools/widgets/pipe_volume_dialog.h"

#include "tools/widgets/named_controls.h"

#include <cmath>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/input_number.h"
#include "units/unit_catalogue.h"
#include "base/widgets/up_down_buttons.h"

namespace tolvane {

TInhaltDlg::TInhaltDlg(const CalculationTable& table, VariantLookup lookup, MessageSink& messages,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      table_(table),
      lookup_(std::move(lookup)),
      messages_(messages) {
    setObjectName(QStringLiteral("InhaltDlg"));
    setWindowTitle(QStringLiteral("Calculation volume of pipe/Filling time"));

    auto label = [this](const char* name, const QString& text) {
        return namedLabel(this, name, text);
    };
    auto edit = [this](const char* name, const char* text) {
        auto* e = new QLineEdit(QLatin1String(text), this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    Label1 = label("Label1", QString::fromUtf8(pipe_volume_label::First));
    Edit1 = edit("Edit1", "1");
    UpDown1 = new UpDownButtons(1, 1, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    Label2 = label("Label2", QString::fromUtf8(pipe_volume_label::Last));
    Edit2 = edit("Edit2", "1");
    UpDown2 = new UpDownButtons(1, 1, this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    for (QLineEdit* e : {Edit1, Edit2}) e->setFixedWidth(48);
    Label3 = label("Label3", QString::fromUtf8(pipe_volume_label::Flow));
    Edit3 = edit("Edit3", "1,0");
    Edit3->setMaxLength(10);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    Label8 = label("Label8", QStringLiteral("Result of calculation:"));
    Label4 = label("Label4", QStringLiteral("Volume of pipe:"));
    Label5 = label("Label5", QString());
    Label6 = label("Label6", QStringLiteral("Filling time:"));
    Label7 = label("Label7", QString());
    Label9 = label("Label9", QStringLiteral("The program calculates straight pipes only,"));
    Label10 = label("Label10", QStringLiteral("pipe elements (bends, valves...) will ignore."));
    QFont bold = Label5->font();
    bold.setBold(true);
    for (QLabel* l : {Label8, Label5, Label7}) l->setFont(bold);
    Label5->setMinimumWidth(110);
    Label7->setMinimumWidth(110);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Edit3);

    BitBtn1 = new QPushButton(QStringLiteral("&New calculation"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Close"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    connect(BitBtn1, &QPushButton::clicked, this, &TInhaltDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, [this] { rangeEdited(Edit1, UpDown1); });
    connect(Edit2, &QLineEdit::textChanged, this, [this] { rangeEdited(Edit2, UpDown2); });
    connect(UpDown1, &UpDownButtons::positionChanged, this,
            [this](int n) { Edit1->setText(QString::number(n)); });
    connect(UpDown2, &UpDownButtons::positionChanged, this,
            [this](int n) { Edit2->setText(QString::number(n)); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] {
        if (!presetting_) BitBtn1Click();
    });
    connect(Edit3, &QLineEdit::textChanged, Label7, &QLabel::clear);

    auto* range = new QHBoxLayout;
    range->addWidget(Label1);
    range->addWidget(Edit1);
    range->addWidget(UpDown1);
    range->addSpacing(8);
    range->addWidget(Label2);
    range->addWidget(Edit2);
    range->addWidget(UpDown2);
    range->addStretch();
    auto* flow = new QHBoxLayout;
    flow->addWidget(Label3);
    flow->addWidget(Edit3);
    flow->addWidget(ComboBox1);
    flow->addStretch();
    auto* results = new QGridLayout;
    results->addWidget(Label8, 0, 0, 1, 2);
    results->addWidget(Label4, 1, 0);
    results->addWidget(Label5, 1, 1);
    results->addWidget(Label6, 2, 0);
    results->addWidget(Label7, 2, 1);
    results->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(flow);
    layout->addSpacing(6);
    layout->addLayout(results);
    layout->addSpacing(6);
    layout->addWidget(Label9);
    layout->addWidget(Label10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TInhaltDlg::preset(const PipeVolumePreset& p, OutputSystem output) {
    output_ = output;
    presetting_ = true;
    {
        const QSignalBlocker b1(Edit1), b2(Edit2), b3(Edit3);
        UpDown1->setMaximum(p.maximum);
        UpDown2->setMaximum(p.maximum);
        Edit1->setText(QString::fromStdString(p.input.first));
        Edit2->setText(QString::fromStdString(p.input.last));
        UpDown1->setPosition(1);
        UpDown2->setPosition(p.maximum);
        Edit3->setText(QString::fromStdString(p.input.flow));
    }
    ComboBox1->clear();
    for (const std::string& unit : UnitCatalogue::texts(UnitList::VolumeFlow))
        ComboBox1->addItem(QString::fromStdString(unit));
    ComboBox1->setCurrentIndex(p.input.flowUnit);
    presetting_ = false;
    Label5->clear();
    Label7->clear();
    BitBtn1Click();
}

void TInhaltDlg::rangeEdited(QLineEdit* edit, UpDownButtons* upDown) {
    if (presetting_) return;
    if (const std::optional<double> n = readNumber(edit->text().toStdString()))
        if (std::fabs(*n) < 1e9) upDown->setPosition(static_cast<int>(*n));
    BitBtn1Click();
}

void TInhaltDlg::BitBtn1Click() {
    PipeVolumeInput in;
    in.first = Edit1->text().toStdString();
    in.last = Edit2->text().toStdString();
    in.flow = Edit3->text().toStdString();
    in.flowUnit = ComboBox1->currentIndex();
    InputCheck check(messages_);
    const PipeVolumeResult r = calculatePipeVolume(in, table_, output_, lookup_, check);
    if (r.rangeRead) Label5->setText(QString::fromStdString(r.volume));
    if (r.fillingTime) Label7->setText(QString::fromStdString(*r.fillingTime));
    if (!check.focus.empty())
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(check.focus)))
            field->setFocus();
}

}  // namespace tolvane
