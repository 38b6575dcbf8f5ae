#include "shell/widgets/settings_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

const char* const kDatabaseUnitsWarning =
    "The data records in the database will not convert to the new units!";

QComboBox* choiceBox(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

}  // namespace

TEinstellungenDlg::TEinstellungenDlg(Settings& settings, MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      settings_(settings),
      messages_(messages) {
    setObjectName(QStringLiteral("EinstellungenDlg"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    ComboBox1 = choiceBox(this, "ComboBox1", {QStringLiteral("metric"), QStringLiteral("US")});
    ComboBox2 = choiceBox(this, "ComboBox2", {QStringLiteral("yes"), QStringLiteral("no")});
    ComboBox3 = choiceBox(this, "ComboBox3", {QStringLiteral("metric"), QStringLiteral("US")});
    int boxWidth = 0;
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        boxWidth = std::max(boxWidth, box->sizeHint().width());
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3}) box->setFixedWidth(boxWidth);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setAlignment(Qt::AlignRight);
    Edit2->setFixedWidth(boxWidth - 20);
    Edit2->installEventFilter(this);
    UpDown1 = new UpDownButtons(0, 6, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));

    CheckKeepDiameter =
        new QCheckBox(QStringLiteral("&Keep the diameter when the element kind changes"), this);
    CheckKeepDiameter->setObjectName(QStringLiteral("CheckKeepDiameter"));

    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);

    auto* decimals = new QHBoxLayout;
    decimals->setSpacing(1);
    decimals->addWidget(Edit2);
    decimals->addWidget(UpDown1);
    decimals->addStretch();

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    const std::pair<const char*, QWidget*> rows[] = {
        {"Output of values:", ComboBox1},
        {"Number of decimal places:", nullptr},
        {"Saving of settings at end of program:", ComboBox2},
        {"Units of the user defined database:", ComboBox3},
    };
    int row = 0;
    for (auto [text, control] : rows) {
        auto* label = plainLabel(QString::fromLatin1(text), this);
        label->setBuddy(control ? control : Edit2);
        grid->addWidget(label, row, 0);
        if (control)
            grid->addWidget(control, row, 1);
        else
            grid->addLayout(decimals, row, 1);
        ++row;
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 10);
    layout->setSpacing(14);
    layout->addLayout(grid);
    layout->addWidget(CheckKeepDiameter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &TEinstellungenDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TEinstellungenDlg::CancelBtnClick);
    connect(UpDown1, &UpDownButtons::positionChanged, this, &TEinstellungenDlg::UpDown1Click);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TEinstellungenDlg::ComboBox2Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TEinstellungenDlg::ComboBox3Change);
    connect(CheckKeepDiameter, &QCheckBox::toggled, this,
            [this](bool on) { settings_.keepDiameter = on; });

    showSettings();
}

void TEinstellungenDlg::showSettings() {
    const QSignalBlocker b1(ComboBox1), b2(ComboBox2), b3(ComboBox3), b4(UpDown1),
        b5(CheckKeepDiameter);
    ComboBox1->setCurrentIndex(settings_.output == OutputSystem::Metric ? 0 : 1);
    UpDown1->setPosition(settings_.decimals);
    Edit2->setText(QString::number(UpDown1->position()));
    ComboBox2->setCurrentIndex(settings_.saveSettings ? 0 : 1);
    ComboBox3->setCurrentIndex(settings_.userDatabaseMetric ? 0 : 1);
    CheckKeepDiameter->setChecked(settings_.keepDiameter);
}

// The output box opens showing the system in force: a choice left behind by
// Cancel, or a project that switched the system since, is not taken for the
// user's by a later OK.
void TEinstellungenDlg::showEvent(QShowEvent* event) {
    showSettings();
    QDialog::showEvent(event);
}

void TEinstellungenDlg::OKBtnClick() {
    const OutputSystem chosen = ComboBox1->currentText() == QLatin1String("metric")
                                    ? OutputSystem::Metric
                                    : OutputSystem::US;
    const bool changed = chosen != settings_.output;
    settings_.output = chosen;
    accept();
    if (changed) Q_EMIT outputSystemChanged(chosen);
}

void TEinstellungenDlg::CancelBtnClick() { reject(); }

void TEinstellungenDlg::UpDown1Click(int position) {
    Edit2->setText(QString::number(position));
    settings_.decimals = position;
}

void TEinstellungenDlg::ComboBox2Change(int index) { settings_.saveSettings = index == 0; }

void TEinstellungenDlg::ComboBox3Change(int index) {
    settings_.userDatabaseMetric = index == 0;
    messages_.show(MessageType::Warning, kDatabaseUnitsWarning);
}

// The arrow keys in the read-only number field step it like the arrow pair.
bool TEinstellungenDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            UpDown1->stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tolvane
