#include "tools/widgets/pump_editor_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/widgets/plain_text.h"
#include "tools/widgets/named_controls.h"
#include "tools/widgets/pump_editor_diagram.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

constexpr int kColumns = 5;

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit* edit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

void selectText(QComboBox* box, const std::string& text) {
    const int at = box->findText(QString::fromStdString(text));
    box->setCurrentIndex(at >= 0 ? at : 0);
}

std::string cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

}  // namespace

TPumpEditor::TPumpEditor(MessageSink& messages, Clipboard& clipboard, FileDialogs& files,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      messages_(messages),
      clipboard_(clipboard),
      files_(files) {
    setObjectName(QStringLiteral("TPumpEditor"));
    setWindowTitle(QStringLiteral("Pump editor"));
    setSizeGripEnabled(true);

    Edit_Name = edit("Edit_Name", this);
    Edit_Speed = edit("Edit_Speed", this);
    Edit_Impeller = edit("Edit_Impeller", this);
    ComboFlowUnit =
        namedUnitList(this, "ComboFlowUnit", UnitCatalogue::texts(UnitList::VolumeFlow));
    ComboHeadUnit = namedUnitList(this, "ComboHeadUnit", UnitCatalogue::texts(UnitList::Length));
    PointGrid = new QTableWidget(0, kColumns, this);
    PointGrid->setObjectName(QStringLiteral("PointGrid"));
    QStringList headings;
    for (const char* h : kPumpTableColumns) headings << QString::fromUtf8(h);
    PointGrid->setHorizontalHeaderLabels(headings);
    PointGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    PointGrid->setMinimumWidth(600);
    diagram_ = new PumpEditorDiagram(this);
    Label_State = namedLabel(this, "Label_State", QString());
    Label_State->setTextFormat(Qt::PlainText);
    Label_State->setWordWrap(true);

    AddBtn = button("AddBtn", QStringLiteral("&Add point"), this);
    DeleteBtn = button("DeleteBtn", QStringLiteral("&Delete point"), this);
    PasteBtn = button("PasteBtn", QStringLiteral("&Paste points"), this);
    PasteBtn->setToolTip(QStringLiteral(
        "Two to five TAB-separated columns: rate of flow, head, efficiency, NPSH required, "
        "shaft power"));
    OpenBtn = button("OpenBtn", QStringLiteral("&Open..."), this);
    SaveBtn = button("SaveBtn", QStringLiteral("&Save..."), this);
    CloseBtn = button("CloseBtn", QStringLiteral("&Close"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(plainLabel(QStringLiteral("Name:"), this), 0, 0);
    fields->addWidget(Edit_Name, 0, 1, 1, 3);
    fields->addWidget(plainLabel(QStringLiteral("Speed in rpm:"), this), 1, 0);
    fields->addWidget(Edit_Speed, 1, 1);
    fields->addWidget(plainLabel(QStringLiteral("Impeller in mm:"), this), 1, 2);
    fields->addWidget(Edit_Impeller, 1, 3);
    fields->addWidget(plainLabel(QStringLiteral("Rate of flow in:"), this), 2, 0);
    fields->addWidget(ComboFlowUnit, 2, 1);
    fields->addWidget(plainLabel(QStringLiteral("Head and NPSH in:"), this), 2, 2);
    fields->addWidget(ComboHeadUnit, 2, 3);
    auto* right = new QVBoxLayout;
    right->addWidget(diagram_, 1);
    right->addWidget(Label_State);
    auto* middle = new QHBoxLayout;
    middle->addWidget(PointGrid, 3);
    middle->addLayout(right, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {AddBtn, DeleteBtn, PasteBtn}) buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {OpenBtn, SaveBtn, CloseBtn}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    connect(AddBtn, &QPushButton::clicked, this, &TPumpEditor::AddClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TPumpEditor::DeleteClick);
    connect(PasteBtn, &QPushButton::clicked, this, &TPumpEditor::PasteClick);
    connect(OpenBtn, &QPushButton::clicked, this, &TPumpEditor::OpenClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TPumpEditor::SaveClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(PointGrid, &QTableWidget::cellChanged, this, [this] { refreshDiagram(); });
    for (QLineEdit* e : {Edit_Speed, Edit_Impeller})
        connect(e, &QLineEdit::textChanged, this, [this] { refreshDiagram(); });
    for (QComboBox* c : {ComboFlowUnit, ComboHeadUnit})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { refreshDiagram(); });
    setTable(PumpTable{});
    resize(900, 440);
}

void TPumpEditor::setRows(const std::vector<PumpTableRow>& rows) {
    filling_ = true;
    PointGrid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PumpTableRow& row = rows[static_cast<std::size_t>(r)];
        const std::string* cells[kColumns] = {&row.flow, &row.head, &row.efficiency, &row.npshr,
                                              &row.power};
        for (int c = 0; c < kColumns; ++c)
            PointGrid->setItem(r, c, new QTableWidgetItem(QString::fromStdString(*cells[c])));
    }
    filling_ = false;
    refreshDiagram();
}

void TPumpEditor::setTable(const PumpTable& t) {
    filling_ = true;
    Edit_Name->setText(QString::fromStdString(t.name));
    Edit_Speed->setText(QString::fromStdString(t.speed));
    Edit_Impeller->setText(QString::fromStdString(t.impeller));
    selectText(ComboFlowUnit, t.flowUnit);
    selectText(ComboHeadUnit, t.headUnit);
    setRows(t.rows);
}

PumpTable TPumpEditor::table() const {
    PumpTable t;
    t.name = Edit_Name->text().toStdString();
    t.speed = Edit_Speed->text().toStdString();
    t.impeller = Edit_Impeller->text().toStdString();
    t.flowUnit = ComboFlowUnit->currentText().toStdString();
    t.headUnit = ComboHeadUnit->currentText().toStdString();
    for (int r = 0; r < PointGrid->rowCount(); ++r)
        t.rows.push_back({cellText(PointGrid, r, 0), cellText(PointGrid, r, 1),
                          cellText(PointGrid, r, 2), cellText(PointGrid, r, 3),
                          cellText(PointGrid, r, 4)});
    return t;
}

void TPumpEditor::refreshDiagram() {
    if (filling_) return;
    const PumpFileOutcome out = pumpFileOfTable(table());
    if (out.file) {
        diagram_->showPump(out.file->pump, {});
        Label_State->setText(
            QString::fromStdString(std::to_string(out.file->pump.points.size()) + " points read."));
    } else {
        // An empty table is a pump yet to be entered, not a fault.
        const std::string state =
            PointGrid->rowCount() == 0
                ? "No points yet: add at least three, or paste two to five TAB-separated columns."
                : out.problem;
        diagram_->showPump(std::nullopt, QString::fromStdString(state));
        Label_State->setText(QString::fromStdString(state));
    }
}

void TPumpEditor::AddClick() {
    const int row =
        PointGrid->currentRow() >= 0 ? PointGrid->currentRow() + 1 : PointGrid->rowCount();
    PointGrid->insertRow(row);
    PointGrid->setCurrentCell(row, 0);
    refreshDiagram();
}

void TPumpEditor::DeleteClick() {
    const int row = PointGrid->currentRow();
    if (row < 0) return;
    PointGrid->removeRow(row);
    refreshDiagram();
}

void TPumpEditor::PasteClick() {
    const PastedRows pasted = rowsFromClipboard(clipboard_.text());
    if (!pasted.problem.empty()) {
        messages_.show(MessageType::Error, pasted.problem);
        return;
    }
    if (pasted.rows.empty()) return;
    // Pasted points replace the table: a copied pump curve is a whole one.
    setRows(pasted.rows);
}

bool TPumpEditor::openPath(const std::string& path) {
    const PumpFileOutcome read = readPumpFile(path);
    if (!read.file) {
        messages_.show(MessageType::Error,
                       "The pump file " + path + " cannot be opened: " + read.problem);
        return false;
    }
    path_ = path;
    setTable(pumpTableOf(*read.file));
    return true;
}

void TPumpEditor::OpenClick() {
    const auto path = open_ ? open_() : files_.openFile(kPumpFileFilter, "tpump");
    if (path) openPath(*path);
}

void TPumpEditor::SaveClick() {
    const PumpFileOutcome checked = pumpFileOfTable(table());
    if (!checked.file) {
        messages_.show(MessageType::Error, "The pump cannot be saved: " + checked.problem);
        return;
    }
    const std::string suggestion = path_.empty() ? std::string("pump.tpump") : path_;
    const auto path = files_.saveFile(kPumpFileFilter, "tpump", suggestion);
    if (!path) return;
    if (const std::string failure = writePumpFile(*path, *checked.file); !failure.empty()) {
        messages_.show(MessageType::Error,
                       "The pump file " + *path + " was not written: " + failure);
        return;
    }
    path_ = *path;
    Q_EMIT saved(QString::fromStdString(*path));
}

}  // namespace tolvane
