#include "tools/widgets/plant_curve_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/pump_file.h"
#include "tools/tool_input.h"
#include "base/widgets/plain_text.h"
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
    buildPumpGroup();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(PumpGroup);
    layout->addWidget(SuctionGroup);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAnlagenkennlinie_Dlg::buildPumpGroup() {
    using namespace pump_field;
    PumpGroup = new QGroupBox(QStringLiteral("Pump and system"), this);
    PumpGroup->setObjectName(QStringLiteral("PumpGroup"));
    Edit_PumpFile = edit("Edit_PumpFile", "", PumpGroup);
    Edit_PumpFile->setReadOnly(true);
    Edit_PumpFile->setPlaceholderText(QStringLiteral("no pump"));
    Edit_PumpFile->setMinimumWidth(220);
    PumpOpenBtn = button("PumpOpenBtn", QStringLiteral("&Open..."), PumpGroup);
    PumpClearBtn = button("PumpClearBtn", QStringLiteral("No pump"), PumpGroup);
    PumpEditorBtn = button("PumpEditorBtn", QStringLiteral("Pump &editor..."), PumpGroup);
    for (QPushButton* b : {PumpOpenBtn, PumpClearBtn, PumpEditorBtn}) b->setAutoDefault(false);
    Edit_SpeedRatio = edit(SpeedRatio, "1", PumpGroup);
    Edit_ImpellerRatio = edit(ImpellerRatio, "1", PumpGroup);
    ComboArrangement = namedUnitList(PumpGroup, "ComboArrangement",
                                     {"one pump", "pumps in parallel", "pumps in series"});
    Edit_PumpCount = edit(Count, "2", PumpGroup);
    Edit_StaticHead = edit(StaticHead, "0", PumpGroup);
    ComboStaticHeadUnit =
        namedUnitList(PumpGroup, "ComboStaticHeadUnit", UnitCatalogue::texts(UnitList::Length));
    Edit_PressureDifference = edit(PressureDifference, "0", PumpGroup);
    ComboPressureDifferenceUnit =
        namedUnitList(PumpGroup, "ComboPressureDifferenceUnit", toolPressureUnits());
    ComboQuantity = namedUnitList(PumpGroup, "ComboQuantity",
                                  {"Pressure", "Head in m", "Head in ft"});
    for (QLineEdit* e : {Edit_SpeedRatio, Edit_ImpellerRatio, Edit_PumpCount, Edit_StaticHead,
                         Edit_PressureDifference})
        e->setMaximumWidth(90);

    auto* g = new QGridLayout(PumpGroup);
    g->addWidget(plainLabel(QStringLiteral("Pump file:"), PumpGroup), 0, 0);
    g->addWidget(Edit_PumpFile, 0, 1, 1, 3);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(PumpOpenBtn);
    fileButtons->addWidget(PumpClearBtn);
    fileButtons->addWidget(PumpEditorBtn);
    fileButtons->addStretch();
    g->addLayout(fileButtons, 1, 1, 1, 3);
    g->addWidget(plainLabel(QLatin1String(SpeedRatioLabel), PumpGroup), 2, 0);
    g->addWidget(Edit_SpeedRatio, 2, 1);
    g->addWidget(plainLabel(QLatin1String(ImpellerRatioLabel), PumpGroup), 2, 2);
    g->addWidget(Edit_ImpellerRatio, 2, 3);
    g->addWidget(plainLabel(QLatin1String(CountLabel), PumpGroup), 3, 0);
    g->addWidget(ComboArrangement, 3, 1, 1, 2);
    g->addWidget(Edit_PumpCount, 3, 3);
    g->addWidget(plainLabel(QLatin1String(StaticHeadLabel), PumpGroup), 4, 0);
    g->addWidget(Edit_StaticHead, 4, 1);
    g->addWidget(ComboStaticHeadUnit, 4, 2);
    g->addWidget(plainLabel(QLatin1String(PressureDifferenceLabel), PumpGroup), 5, 0);
    g->addWidget(Edit_PressureDifference, 5, 1);
    g->addWidget(ComboPressureDifferenceUnit, 5, 2);
    g->addWidget(plainLabel(QStringLiteral("Diagram shows:"), PumpGroup), 6, 0);
    g->addWidget(ComboQuantity, 6, 1, 1, 2);

    SuctionGroup = new QGroupBox(QStringLiteral("NPSH available from the suction line"), this);
    SuctionGroup->setObjectName(QStringLiteral("SuctionGroup"));
    SuctionGroup->setCheckable(true);
    SuctionGroup->setChecked(false);
    Edit_SuctionFirst = edit(FirstColumn, "1", SuctionGroup);
    Edit_SuctionLast = edit(LastColumn, "1", SuctionGroup);
    Edit_VesselPressure = edit(VesselPressure, "1,013", SuctionGroup);
    ComboVesselPressureUnit =
        namedUnitList(SuctionGroup, "ComboVesselPressureUnit", toolPressureUnits());
    Edit_Level = edit(Level, "0", SuctionGroup);
    ComboLevelUnit =
        namedUnitList(SuctionGroup, "ComboLevelUnit", UnitCatalogue::texts(UnitList::Length));
    Edit_VapourPressure = edit(VapourPressure, "0,0234", SuctionGroup);
    ComboVapourPressureUnit =
        namedUnitList(SuctionGroup, "ComboVapourPressureUnit", toolPressureUnits());
    for (QLineEdit* e : {Edit_SuctionFirst, Edit_SuctionLast, Edit_VesselPressure, Edit_Level,
                         Edit_VapourPressure})
        e->setMaximumWidth(90);
    auto* sg = new QGridLayout(SuctionGroup);
    sg->addWidget(plainLabel(QLatin1String(FirstColumnLabel), SuctionGroup), 0, 0);
    sg->addWidget(Edit_SuctionFirst, 0, 1);
    sg->addWidget(plainLabel(QLatin1String(LastColumnLabel), SuctionGroup), 0, 2);
    sg->addWidget(Edit_SuctionLast, 0, 3);
    sg->addWidget(plainLabel(QLatin1String(VesselPressureLabel), SuctionGroup), 1, 0);
    sg->addWidget(Edit_VesselPressure, 1, 1);
    sg->addWidget(ComboVesselPressureUnit, 1, 2);
    sg->addWidget(plainLabel(QStringLiteral("Level above the pump (below: negative):"), SuctionGroup), 2, 0);
    sg->addWidget(Edit_Level, 2, 1);
    sg->addWidget(ComboLevelUnit, 2, 2);
    sg->addWidget(plainLabel(QLatin1String(VapourPressureLabel), SuctionGroup), 3, 0);
    sg->addWidget(Edit_VapourPressure, 3, 1);
    sg->addWidget(ComboVapourPressureUnit, 3, 2);

    // N is asked for only where there are several pumps.
    Edit_PumpCount->setEnabled(false);
    connect(ComboArrangement, &QComboBox::currentIndexChanged, this,
            [this](int index) { Edit_PumpCount->setEnabled(index > 0); });
    connect(PumpOpenBtn, &QPushButton::clicked, this, &TAnlagenkennlinie_Dlg::PumpOpenBtnClick);
    connect(PumpClearBtn, &QPushButton::clicked, this, [this] { setPumpFile(""); });
    connect(PumpEditorBtn, &QPushButton::clicked, this,
            &TAnlagenkennlinie_Dlg::pumpEditorRequested);
}

void TAnlagenkennlinie_Dlg::setPumpFile(const std::string& path) {
    pumpPath_ = path;
    Edit_PumpFile->setText(QString::fromStdString(path));
    // With a pump the diagram shows head: where the pump's curve is drawn.
    ComboQuantity->setCurrentIndex(path.empty() ? 0 : 1);
}

void TAnlagenkennlinie_Dlg::PumpOpenBtnClick() {
    if (!openPump_) return;
    if (const auto path = openPump_()) setPumpFile(*path);
}

DiagramQuantity TAnlagenkennlinie_Dlg::quantity() const {
    switch (ComboQuantity->currentIndex()) {
        case 1: return DiagramQuantity::HeadMetres;
        case 2: return DiagramQuantity::HeadFeet;
        default: return DiagramQuantity::Pressure;
    }
}

PumpRequest TAnlagenkennlinie_Dlg::pumpRequest() const {
    PumpRequest r;
    r.pumpFile = pumpPath_;
    r.speedRatio = Edit_SpeedRatio->text().toStdString();
    r.impellerRatio = Edit_ImpellerRatio->text().toStdString();
    const Arrangement arrangements[] = {Arrangement::Single, Arrangement::Parallel,
                                        Arrangement::Series};
    r.arrangement = arrangements[std::clamp(ComboArrangement->currentIndex(), 0, 2)];
    r.count = Edit_PumpCount->text().toStdString();
    r.staticHead = Edit_StaticHead->text().toStdString();
    r.staticHeadUnit = ComboStaticHeadUnit->currentIndex();
    r.pressureDifference = Edit_PressureDifference->text().toStdString();
    r.pressureDifferenceUnit = ComboPressureDifferenceUnit->currentIndex();
    r.suction = SuctionGroup->isChecked();
    r.firstColumn = Edit_SuctionFirst->text().toStdString();
    r.lastColumn = Edit_SuctionLast->text().toStdString();
    r.vesselPressure = Edit_VesselPressure->text().toStdString();
    r.vesselPressureUnit = ComboVesselPressureUnit->currentIndex();
    r.level = Edit_Level->text().toStdString();
    r.levelUnit = ComboLevelUnit->currentIndex();
    r.vapourPressure = Edit_VapourPressure->text().toStdString();
    r.vapourPressureUnit = ComboVapourPressureUnit->currentIndex();
    r.quantity = quantity();
    return r;
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
    pump_.reset();
    Edit_Von->setFocus();
}

void TAnlagenkennlinie_Dlg::OKBtnClick() {
    outcome_ = {};
    pump_.reset();
    if (!compute_) return;
    const PumpRequest pump = pumpRequest();
    if (readPump_ && pumpRequestGiven(pump)) {
        PumpRequestOutcome read = readPump_(pump);
        if (!read.selection) {
            if (auto* field = findChild<QLineEdit*>(QString::fromStdString(read.focus))) {
                field->setFocus();
                field->selectAll();
            }
            return;
        }
        pump_ = std::move(read.selection);
    }
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
