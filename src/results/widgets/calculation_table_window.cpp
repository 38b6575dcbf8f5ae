#include "results/widgets/calculation_table_window.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <unordered_map>

#include <QAbstractButton>
#include <QAction>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "results/column_fit.h"
#include "results/print_layout.h"
#include "results/short_display.h"
#include "results/widgets/column_width_dialog.h"
#include "results/widgets/cut_text_tooltips.h"
#include "results/widgets/qt_print_service.h"
#include "results/widgets/table_model.h"
#include "results/widgets/table_undo.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

// Screen resolution of the font heights kept in the project (points to pixels).
constexpr double kPixelsPerInch = 96.0;

// Columns repeat most of their texts (medium, units, headings), so each text
// is measured once per fit.
ColumnTextWidth measureIn(const QFont& font) {
    auto known = std::make_shared<std::unordered_map<std::string, int>>();
    return [metrics = QFontMetrics(font), known](std::string_view text) {
        auto [at, added] = known->try_emplace(std::string(text), 0);
        if (added)
            at->second = metrics.horizontalAdvance(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        return at->second;
    };
}

}  // namespace

QFont toQFont(const TableFont& font) {
    // Projects name the fonts of another platform ("MS Sans Serif"); where
    // the named font is missing, a sans serif of similar width stands in.
    QFont f(QString::fromStdString(font.name));
    f.setFamilies({QString::fromStdString(font.name), "Liberation Sans", "Arimo", "Nimbus Sans",
                   "Arial", "Helvetica"});
    f.setStyleHint(QFont::SansSerif);
    if (font.height != 0)
        f.setPixelSize(std::abs(font.height));
    else if (font.size > 0)
        f.setPointSize(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

TableFont fromQFont(const QFont& font, int color) {
    TableFont t;
    t.name = font.family().toStdString();
    t.color = color;
    double points = font.pointSizeF();
    if (points <= 0) points = font.pixelSize() * 72.0 / kPixelsPerInch;
    t.size = std::max(1, static_cast<int>(std::lround(points)));
    t.height = std::min(-1, fontHeightOfSize(t.size));
    t.bold = font.bold();
    t.italic = font.italic();
    t.underline = font.underline();
    t.strikeOut = font.strikeOut();
    return t;
}

TAusgabe_Fenster::TAusgabe_Fenster(Session& session, MessageSink& messages, Clipboard& clipboard,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), messages_(messages), clipboard_(clipboard) {
    setObjectName("TAusgabe_Fenster");
    chooseFont = [](const QFont& current, QWidget* owner) -> std::optional<QFont> {
        bool ok = false;
        QFont chosen = QFontDialog::getFont(&ok, current, owner);
        if (!ok) return std::nullopt;
        return chosen;
    };

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(1);
    auto button = [&](const char* name, const char* caption, const char* hint, auto slot) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(caption);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        toolbar->addWidget(b);
        connect(b, &QToolButton::clicked, this, slot);
        return b;
    };
    printButton_ = button("SpeedButton1", "Print", "Print table", &TAusgabe_Fenster::printTable);
    button("SpeedButton2", "Font", "Change font", &TAusgabe_Fenster::changeFont);
    button("SpeedButton3", "Zoom +", "Zoom in", &TAusgabe_Fenster::zoomIn);
    button("SpeedButton4", "Zoom \u2212", "Zoom out", &TAusgabe_Fenster::zoomOut);
    button("SpeedButton5", "Width", "Change column widht", &TAusgabe_Fenster::changeColumnWidth);
    deleteButton_ = button("SpeedButton6", "Delete", "Delete select column",
                           &TAusgabe_Fenster::deleteSelectedColumn);
    button("SpeedButton7", "Open", "Open project", &TAusgabe_Fenster::openProjectRequested);
    saveButton_ =
        button("SpeedButton8", "Save", "Save project", &TAusgabe_Fenster::saveProjectRequested);
    copyButton_ = button("SpeedButton9", "Copy", "Copy table to clipboard",
                         &TAusgabe_Fenster::copyToClipboard);
    copyBackButton_ = button("SpeedButton10", "To input", "Copy to edit-windows",
                             &TAusgabe_Fenster::copyToEditWindows);
    toolbar->addStretch();

    model_ = new CalculationTableModel(session_.table, this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setModel(model_);
    StringGrid1->setWordWrap(false);
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    StringGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    StringGrid1->setCornerButtonEnabled(false);
    // Row 0, the calculation number, is drawn by the column header.
    StringGrid1->setRowHidden(0, true);

    QHeaderView* columns = StringGrid1->horizontalHeader();
    columns->setSectionsMovable(true);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setMinimumSectionSize(1);
    columns->setHighlightSections(true);
    QHeaderView* rows = StringGrid1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rows->setHighlightSections(false);
    rows->setSectionsClickable(false);

    if (auto* corner = StringGrid1->findChild<QAbstractButton*>()) corner->installEventFilter(this);
    new CutTextToolTips(StringGrid1);

    Label1 = plainLabel("Total pressure drop:", this);
    Label1->setObjectName("Label1");
    Label_Summe = plainLabel(this);
    Label_Summe->setObjectName("Label_Summe");
    Label_Summe->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* totals = new QHBoxLayout;
    totals->addWidget(Label1);
    totals->addWidget(Label_Summe);
    mixedMedia_ = plainLabel(this);
    mixedMedia_->setObjectName("MixedMediaNote");
    mixedMedia_->setStyleSheet(QStringLiteral("color: #b00000;"));
    totals->addWidget(mixedMedia_);
    totals->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 4);
    layout->setSpacing(2);
    layout->addLayout(toolbar);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(totals);

    ZellbreiteDlg = new TZellbreiteDlg(messages_, this);

    connect(columns, &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { storeColumnWidth(logical, size); });
    connect(columns, &QHeaderView::sectionMoved, this, &TAusgabe_Fenster::columnMoved);
    // The view's own fit to contents would measure other texts and come as a
    // width drag; the core's rule makes it one step of its own.
    disconnect(columns, &QHeaderView::sectionHandleDoubleClicked, StringGrid1, nullptr);
    connect(columns, &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int logical) { fitColumnWidth(CalculationTableModel::tableColumn(logical)); });

    fitColumnAction_ = new QAction("Fit column &width", this);
    fitColumnAction_->setObjectName("FitColumnWidth");
    connect(fitColumnAction_, &QAction::triggered, this, [this] { fitColumnWidth(menuColumn_); });
    fitAllAction_ = new QAction("Fit &all columns", this);
    fitAllAction_->setObjectName("FitAllColumns");
    connect(fitAllAction_, &QAction::triggered, this, &TAusgabe_Fenster::fitAllColumns);
    for (QAbstractScrollArea* area : {static_cast<QAbstractScrollArea*>(columns),
                                      static_cast<QAbstractScrollArea*>(StringGrid1)}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint& at) { showWidthMenu(area, at); });
    }
    connect(StringGrid1, &QTableView::pressed, this, &TAusgabe_Fenster::updateCopyBackButton);
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TAusgabe_Fenster::updateCopyBackButton);
    connect(model_, &CalculationTableModel::specificationEdited, this,
            &TAusgabe_Fenster::specificationEdited);
    // A specification typed into a cell (the trailing column's too).
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                if (from == to && from.row() == Row::Specification) changed("specification");
            });

    enableValueButtons(false);

    updateCaption();
    applyLook();
    updateTotalLabel();
    resize(640, 480);
}

// An open cell editor commits its text while the grid is destroyed, after
// this class's part is gone: the table still takes the text, but nothing may
// reach this window any more.
TAusgabe_Fenster::~TAusgabe_Fenster() {
    disconnect(model_, nullptr, this, nullptr);
    disconnect(StringGrid1->selectionModel(), nullptr, this, nullptr);
    disconnect(StringGrid1->horizontalHeader(), nullptr, this, nullptr);
    disconnect(StringGrid1, nullptr, this, nullptr);
}

int TAusgabe_Fenster::currentColumn() const {
    QModelIndex current = StringGrid1->selectionModel()->currentIndex();
    return current.isValid() ? CalculationTableModel::tableColumn(current.column()) : 1;
}

int TAusgabe_Fenster::selectedColumn() const {
    int left = INT_MAX;
    for (const QItemSelectionRange& range : StringGrid1->selectionModel()->selection())
        left = std::min(left, range.left());
    if (left == INT_MAX) return currentColumn();
    return CalculationTableModel::tableColumn(left);
}

bool TAusgabe_Fenster::canCopyToEditWindows() const {
    return currentColumn() < session_.table.trailingColumn();
}

void TAusgabe_Fenster::refresh() {
    model_->sync();
    applyLook();
    updateTotalLabel();
    enableValueButtons(hasValues());
    int last = model_->columnCount() - 1;
    if (last >= 0) {
        int row = std::max(1, StringGrid1->rowAt(0));
        StringGrid1->scrollTo(model_->index(row, last), QAbstractItemView::EnsureVisible);
    }
    Q_EMIT tableChanged();
}

void TAusgabe_Fenster::reloadTable() {
    model_->reload();
    StringGrid1->setRowHidden(0, true);
    applyLook();
    updateCaption();
    updateTotalLabel();
    enableValueButtons(hasValues());
    StringGrid1->horizontalScrollBar()->setValue(0);
    Q_EMIT tableChanged();
}

void TAusgabe_Fenster::updateCaption() {
    setWindowTitle(QString::fromStdString(session_.projectName));
}

void TAusgabe_Fenster::deleteSelectedColumn() {
    int col = selectedColumn();
    QModelIndex current = StringGrid1->selectionModel()->currentIndex();
    if (model_->deleteColumn(col, session_.settings.output, session_.settings.decimals)) {
        changed("delete column");
        applyLook();
        updateTotalLabel();
        if (!hasValues()) enableValueButtons(false);
        // The selection stays where it was: the column that moved into the
        // deleted one's place.
        int m = std::min(CalculationTableModel::modelColumn(col), model_->columnCount() - 1);
        int row = current.isValid() ? current.row() : 1;
        StringGrid1->selectionModel()->setCurrentIndex(model_->index(row, m),
                                                       QItemSelectionModel::ClearAndSelect);
    }
    updateCopyBackButton();
    Q_EMIT tableChanged();
}

void TAusgabe_Fenster::zoomIn() {
    CalculationTable& t = session_.table;
    if (std::lround(t.defaultColumnWidth * 1.2) > kMaximumColumnWidth) return;
    t.zoomIn();
    changed("zoom in");
    applyLook();
}

void TAusgabe_Fenster::zoomOut() {
    session_.table.zoomOut();
    changed("zoom out");
    applyLook();
}

void TAusgabe_Fenster::changeFont() {
    CalculationTable& t = session_.table;
    std::optional<QFont> chosen = chooseFont(toQFont(t.font), this);
    t.changeFont(chosen ? fromQFont(*chosen, t.font.color) : t.font);
    changed("font");
    applyLook();
}

void TAusgabe_Fenster::changeColumnWidth() {
    CalculationTable& t = session_.table;
    ZellbreiteDlg->setColumnWidth(t.defaultColumnWidth);
    if (ZellbreiteDlg->exec() != QDialog::Accepted) return;
    switch (ZellbreiteDlg->choice()) {
        case TZellbreiteDlg::Choice::Ok:
            t.setDefaultColumnWidth(ZellbreiteDlg->chosenWidth());
            t.setColumnWidth(0, TZellbreiteDlg::kStandardWidth);
            break;
        case TZellbreiteDlg::Choice::Standard:
            t.setDefaultColumnWidth(TZellbreiteDlg::kStandardWidth);
            break;
        case TZellbreiteDlg::Choice::Cancel: return;
    }
    changed("column width");
    applyLook();
}

void TAusgabe_Fenster::fitColumnWidth(int tableColumn) {
    if (!fitColumn(session_.table, tableColumn, measureIn(StringGrid1->font()))) return;
    changed("fit column width");
    applyLook();
    showColumnWidth(tableColumn);
}

void TAusgabe_Fenster::fitAllColumns() {
    if (!tolvane::fitAllColumns(session_.table, measureIn(StringGrid1->font()))) return;
    changed("fit all columns");
    applyLook();
    for (int col = 1; col < session_.table.ColCount(); ++col) showColumnWidth(col);
}

// `at` is in the viewport of the grid or the header, which scroll together.
void TAusgabe_Fenster::showWidthMenu(QAbstractScrollArea* area, const QPoint& at) {
    const int logical = StringGrid1->horizontalHeader()->logicalIndexAt(at.x());
    menuColumn_ = logical < 0 ? 0 : CalculationTableModel::tableColumn(logical);
    fitColumnAction_->setEnabled(logical >= 0);
    QMenu menu(this);
    menu.addAction(fitColumnAction_);
    menu.addAction(fitAllAction_);
    menu.exec(area->viewport()->mapToGlobal(at));
}

void TAusgabe_Fenster::copyToClipboard() {
    if (!hasValues()) return;
    clipboard_.setText(session_.table.clipboardText());
}

void TAusgabe_Fenster::copyToEditWindows() {
    int col = selectedColumn();
    if (!hasValues() || col < 1 || col >= session_.table.trailingColumn()) return;
    Q_EMIT copyToEditWindowsRequested(col);
}

bool TAusgabe_Fenster::convertUnits(OutputSystem system, int decimals) {
    if (!session_.table.convertUnits(system, decimals)) {
        messages_.show(MessageType::Error, kUnitSwitchRefused);
        return false;
    }
    changed("unit switch");
    model_->sync();
    updateTotalLabel();
    Q_EMIT tableChanged();
    return true;
}

void TAusgabe_Fenster::setPrintService(PrintService* printer) {
    printer_ = printer;
    enableValueButtons(hasValues());
}

void TAusgabe_Fenster::setUndo(TableUndo* undo) {
    if (undo_) disconnect(undo_, nullptr, this, nullptr);
    undo_ = undo;
    if (undo_) connect(undo_, &TableUndo::restored, this, &TAusgabe_Fenster::reloadTable);
}

void TAusgabe_Fenster::changed(const char* text, int mergeKey) {
    if (undo_) undo_->changed(QString::fromLatin1(text), mergeKey);
}

PrintSetup TAusgabe_Fenster::printSetup() const { return tablePrintSetup(session_.projectName); }

Printout TAusgabe_Fenster::printout() const {
    const CalculationTable& table = session_.table;
    const PrintTexts texts{session_.projectName, todayShortDate()};
    if (!appendix_)
        return [&table, texts](PrintCanvas& canvas, PageRange range) {
            tolvane::printTable(table, texts, canvas, range);
        };
    // One page count over the table's pages and the appended ones.
    return [&table, texts, appendix = appendix_](PrintCanvas& canvas, PageRange range) {
        if (!table.hasValues()) return;
        PageRangeCanvas pages(canvas, range);
        tolvane::printTable(table, texts, pages);
        appendix(pages, texts);
    };
}

void TAusgabe_Fenster::printTable() {
    if (!printer_ || !hasValues()) return;
    printer_->preview(printSetup(), printout());
}

void TAusgabe_Fenster::showTableChanges() {
    model_->sync();
    applyLook();
    updateTotalLabel();
    enableValueButtons(hasValues());
    updateCopyBackButton();
}

void TAusgabe_Fenster::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    session_.table.writeHeadings(session_.settings.output, session_.settings.decimals);
    model_->sync();
    applyLook();
    updateTotalLabel();
    Q_EMIT visibilityChanged(true);
}

void TAusgabe_Fenster::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) Q_EMIT visibilityChanged(false);
}

// The corner above the heading column shows the heading of row 0, which the
// column header carries for the calculation columns.
bool TAusgabe_Fenster::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint) {
        QStylePainter painter(corner);
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = corner->rect();
        option.state |= QStyle::State_Raised | QStyle::State_Enabled;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.orientation = Qt::Horizontal;
        option.text = QString::fromStdString(session_.table.cell(0, Row::Number));
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        painter.setFont(StringGrid1->horizontalHeader()->font());
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int TAusgabe_Fenster::widthOf(int tableColumn) const {
    return std::clamp(session_.table.columnWidth(tableColumn), 0, kMaximumColumnWidth);
}

// Font, row height and column widths from the core table. Columns at the
// default width are left to the header's default size, so a table of
// 10,000 equal columns costs one setting, not 10,000.
void TAusgabe_Fenster::applyLook() {
    const CalculationTable& t = session_.table;
    applyingLook_ = true;
    QFont font = toQFont(t.font);
    StringGrid1->setFont(font);
    QPalette palette = StringGrid1->palette();
    int c = t.font.color;
    palette.setColor(QPalette::Text, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    StringGrid1->setPalette(palette);

    QHeaderView* rows = StringGrid1->verticalHeader();
    QHeaderView* columns = StringGrid1->horizontalHeader();
    rows->setFont(font);
    columns->setFont(font);
    int rowHeight = std::max(1, t.defaultRowHeight);
    rows->setDefaultSectionSize(rowHeight);
    columns->setFixedHeight(rowHeight + 2);
    rows->setFixedWidth(widthOf(0));

    int defaultWidth = std::clamp(t.defaultColumnWidth, 1, kMaximumColumnWidth);
    columns->setDefaultSectionSize(defaultWidth);
    for (int m = 0, n = model_->columnCount(); m < n; ++m) {
        int w = widthOf(CalculationTableModel::tableColumn(m));
        if (w != defaultWidth) columns->resizeSection(m, w);
    }
    applyingLook_ = false;
}

// applyLook leaves columns at the default width alone; a fitted column may
// come back to it from another width.
void TAusgabe_Fenster::showColumnWidth(int tableColumn) {
    if (tableColumn < 1) return;
    applyingLook_ = true;
    StringGrid1->horizontalHeader()->resizeSection(CalculationTableModel::modelColumn(tableColumn),
                                                   widthOf(tableColumn));
    applyingLook_ = false;
}

void TAusgabe_Fenster::storeColumnWidth(int modelColumn, int width) {
    if (applyingLook_) return;
    int col = CalculationTableModel::tableColumn(modelColumn);
    if (col >= session_.table.ColCount()) return;
    session_.table.setColumnWidth(col, width);
    changed("column width", TableUndo::kWidthDragKey + col);
}

// The header has moved the section on the screen; the core does the real
// move and the header goes back to showing the model's order.
void TAusgabe_Fenster::columnMoved(int logical, int oldVisual, int newVisual) {
    Q_UNUSED(logical);
    QHeaderView* columns = StringGrid1->horizontalHeader();
    {
        const QSignalBlocker blocker(columns);
        columns->moveSection(newVisual, oldVisual);
    }
    model_->moveColumn(CalculationTableModel::tableColumn(oldVisual),
                       CalculationTableModel::tableColumn(newVisual));
    changed("move column");
    applyLook();
    Q_EMIT tableChanged();
}

void TAusgabe_Fenster::updateTotalLabel() {
    Label_Summe->setText(QString::fromStdString(session_.table.totalText()));
    // A total over columns of different media is no pressure drop of one line.
    const QString note = QString::fromStdString(mixedMediaNote(session_.table));
    mixedMedia_->setText(note.isEmpty() ? QString() : QStringLiteral("(%1)").arg(note));
    mixedMedia_->setVisible(!note.isEmpty());
    Label_Summe->setToolTip(note);
}

void TAusgabe_Fenster::enableValueButtons(bool enable) {
    for (QToolButton* b : {deleteButton_, saveButton_, copyButton_, copyBackButton_})
        b->setEnabled(enable);
    printButton_->setEnabled(enable && printer_);
}

void TAusgabe_Fenster::addContextActions(const QList<QAction*>& actions) {
    StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
    StringGrid1->addActions(actions);
}

void TAusgabe_Fenster::updateCopyBackButton() {
    const bool calculation = canCopyToEditWindows();
    copyBackButton_->setEnabled(calculation);
    Q_EMIT currentCalculationChanged(calculation ? currentColumn() : 0);
}

}  // namespace tolvane
