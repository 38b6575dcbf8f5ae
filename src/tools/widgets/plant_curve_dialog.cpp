#include "tools/widgets/plant_curve_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/widgets/named_controls.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

QLineEdit* edit(const char* name, const char* text, QWidget* parent) {
    auto* e = new QLineEdit(QLatin1String(text), parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

}  // namespace

TAnlagenkennlinie_Dlg::TAnlagenkennlinie_Dlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TAnlagenkennlinie_Dlg"));
    setWindowTitle(QStringLiteral("Pressure drop = f (rate of flow)"));

    Label1 = namedLabel(this, "Label1", QStringLiteral("Rate of flow"));
    Label2 = namedLabel(this, "Label2", QStringLiteral("from"));
    Edit_Von = edit("Edit_Von", "1", this);
    Label3 = namedLabel(this, "Label3", QStringLiteral("to"));
    Edit_Bis = edit("Edit_Bis", "10", this);
    ComboBox1 = namedUnitList(this, "ComboBox1", UnitCatalogue::texts(UnitList::VolumeFlow));
    Label5 = namedLabel(this, "Label5", QStringLiteral("Quantity of calculating points:"));
    Edit_Anzahl = edit("Edit_Anzahl", "20", this);
    Label2->setBuddy(Edit_Von);
    Label3->setBuddy(Edit_Bis);
    Label5->setBuddy(Edit_Anzahl);
    // The scratch buffer of the clipboard export; never shown.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();

    OKBtn = button("OKBtn", QStringLiteral("C&alculate"), this);
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", QStringLiteral("&Cancel"), this);
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &TAnlagenkennlinie_Dlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 4);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit_Von, 1, 1);
    grid->addWidget(Label3, 1, 2);
    grid->addWidget(Edit_Bis, 1, 3);
    grid->addWidget(ComboBox1, 1, 4);
    grid->addWidget(Label5, 2, 0, 1, 3);
    grid->addWidget(Edit_Anzahl, 2, 3);
    for (QLineEdit* e : {Edit_Von, Edit_Bis, Edit_Anzahl}) e->setMaximumWidth(90);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PlantCurveRequest TAnlagenkennlinie_Dlg::request() const {
    PlantCurveRequest r;
    r.from = Edit_Von->text().toStdString();
    r.to = Edit_Bis->text().toStdString();
    r.points = Edit_Anzahl->text().toStdString();
    r.unit = ComboBox1->currentIndex();
    return r;
}

std::optional<PlantCurve> TAnlagenkennlinie_Dlg::takeCurve() {
    std::optional<PlantCurve> curve = std::move(outcome_.curve);
    outcome_.curve.reset();
    return curve;
}

void TAnlagenkennlinie_Dlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    outcome_ = {};
    Edit_Von->setFocus();
}

void TAnlagenkennlinie_Dlg::OKBtnClick() {
    outcome_ = {};
    if (!compute_) return;
    outcome_ = compute_(request());
    if (!outcome_.curve && !outcome_.focus.empty()) {
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(outcome_.focus))) {
            field->setFocus();
            field->selectAll();
        }
        return;
    }
    accept();
}

}  // namespace tolvane
