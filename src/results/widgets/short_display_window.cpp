#include "results/widgets/short_display_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/widgets/plain_text.h"
#include "results/print_layout.h"
#include "results/widgets/qt_print_service.h"

namespace tolvane {

namespace {
constexpr int kSpecificationColumn = 2;
constexpr std::array<int, kShortDisplayColumns> kDefaultWidths{29, 146, 170, 54};
constexpr int kMediumColumnWidth = 110;
}  // namespace

TKurzAnzeige::TKurzAnzeige(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("TKurzAnzeige"));
    setWindowTitle(QString::fromLatin1(kShortDisplayCaption));

    // The medium of each line follows the display's own columns.
    StringGrid1 = new QTableWidget(0, kShortDisplayColumns + 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setWordWrap(false);
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    QHeaderView* header = StringGrid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    StringGrid1->verticalHeader()->setDefaultSectionSize(
        std::max(15, StringGrid1->fontMetrics().height() + 4));
    setColumnWidths(kDefaultWidths);
    StringGrid1->setColumnWidth(kShortDisplayColumns, kMediumColumnWidth);

    Label1 = plainLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    LabelChecks = plainLabel(this);
    LabelChecks->setObjectName(QStringLiteral("LabelChecks"));
    LabelChecks->hide();

    RowUpButton = new QPushButton(QStringLiteral("Row &up"), this);
    RowUpButton->setObjectName(QStringLiteral("RowUpButton"));
    RowDownButton = new QPushButton(QStringLiteral("Row &down"), this);
    RowDownButton->setObjectName(QStringLiteral("RowDownButton"));
    DeleteButton = new QPushButton(QStringLiteral("D&elete calculation"), this);
    DeleteButton->setObjectName(QStringLiteral("DeleteCalculationButton"));
    for (QPushButton* b : {RowUpButton, RowDownButton, DeleteButton}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(RowUpButton);
    buttons->addWidget(RowDownButton);
    buttons->addStretch();
    buttons->addWidget(DeleteButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(Label1);
    layout->addWidget(LabelChecks);
    layout->addLayout(buttons);

    connect(RowUpButton, &QPushButton::clicked, this, &TKurzAnzeige::RowUpClick);
    connect(RowDownButton, &QPushButton::clicked, this, &TKurzAnzeige::RowDownClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TKurzAnzeige::DeleteClick);
    connect(StringGrid1, &QTableWidget::itemChanged, this, &TKurzAnzeige::specificationTyped);

    refresh();
    resize(420, 300);
}

void TKurzAnzeige::setChecksSummary(const QString& text) {
    LabelChecks->setText(text);
    LabelChecks->setVisible(!text.isEmpty());
}

int TKurzAnzeige::currentLine() const {
    const int row = StringGrid1->currentRow();
    return row >= 0 && row < StringGrid1->rowCount() ? row + 1 : 0;
}

void TKurzAnzeige::setCurrentLine(int line) {
    if (line < 1 || line > StringGrid1->rowCount()) return;
    const int column = std::max(0, StringGrid1->currentColumn());
    StringGrid1->setCurrentCell(line - 1, column);
}

std::array<int, kShortDisplayColumns> TKurzAnzeige::columnWidths() const {
    std::array<int, kShortDisplayColumns> widths{};
    for (int i = 0; i < kShortDisplayColumns; ++i) widths[i] = StringGrid1->columnWidth(i);
    return widths;
}

void TKurzAnzeige::setColumnWidths(const std::array<int, kShortDisplayColumns>& widths) {
    for (int i = 0; i < kShortDisplayColumns; ++i)
        StringGrid1->setColumnWidth(i, std::clamp(widths[i], 10, 2000));
}

void TKurzAnzeige::refresh() {
    refreshing_ = true;
    const QSignalBlocker blocker(StringGrid1);
    const int current = currentLine();
    const int column = StringGrid1->currentColumn();
    QStringList headings;
    for (const std::string& h : shortDisplayHeadings(session_.settings.output))
        headings << QString::fromStdString(h);
    headings << QString::fromLatin1(kShortDisplayMediumHeading);
    StringGrid1->setHorizontalHeaderLabels(headings);
    const std::vector<std::string> media = shortDisplayMedia(session_.table);

    const std::vector<ShortDisplayLine> lines = shortDisplayLines(session_.table);
    StringGrid1->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
        for (int c = 0; c < kShortDisplayColumns; ++c) {
            QTableWidgetItem* item = StringGrid1->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
                if (c == kSpecificationColumn) flags |= Qt::ItemIsEditable;
                item->setFlags(flags);
                StringGrid1->setItem(r, c, item);
            }
            item->setText(QString::fromStdString(lines[static_cast<std::size_t>(r)].cells[c]));
        }
        QTableWidgetItem* medium = StringGrid1->item(r, kShortDisplayColumns);
        if (!medium) {
            medium = new QTableWidgetItem;
            medium->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            StringGrid1->setItem(r, kShortDisplayColumns, medium);
        }
        medium->setText(QString::fromStdString(media[static_cast<std::size_t>(r)]));
    }
    Label1->setText(QString::fromStdString(shortDisplayTotal(session_.table)));
    if (current > 0 && !lines.empty())
        StringGrid1->setCurrentCell(std::min(current, static_cast<int>(lines.size())) - 1,
                                    std::max(0, column));
    refreshing_ = false;
}

void TKurzAnzeige::afterChange(int line) {
    refresh();
    setCurrentLine(line);
    Q_EMIT tableChanged();
}

void TKurzAnzeige::RowUpClick() {
    const int r = currentLine();
    const int now = moveLineUp(session_.table, r);
    if (now != r) afterChange(now);
}

void TKurzAnzeige::RowDownClick() {
    const int r = currentLine();
    const int now = moveLineDown(session_.table, r);
    if (now != r) afterChange(now);
}

void TKurzAnzeige::DeleteClick() {
    const int r = currentLine();
    if (!deleteLine(session_.table, r, session_.settings.output, session_.settings.decimals))
        return;
    afterChange(std::min(r, session_.table.calculationCount()));
}

void TKurzAnzeige::specificationTyped(QTableWidgetItem* item) {
    if (refreshing_ || !item || item->column() != kSpecificationColumn) return;
    if (setLineSpecification(session_.table, item->row() + 1, item->text().toStdString()))
        Q_EMIT tableChanged();
}

PrintSetup TKurzAnzeige::printSetup() const { return shortDisplayPrintSetup(session_.projectName); }

Printout TKurzAnzeige::printout() const {
    const CalculationTable& table = session_.table;
    const OutputSystem system = session_.settings.output;
    const PrintTexts texts{session_.projectName, todayShortDate()};
    return [&table, system, texts](PrintCanvas& canvas, PageRange range) {
        printShortDisplay(table, system, texts, canvas, range);
    };
}

void TKurzAnzeige::print() {
    if (!printer_ || !session_.table.hasValues()) return;
    refresh();
    printer_->preview(printSetup(), printout());
}

void TKurzAnzeige::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    refresh();
    Q_EMIT visibilityChanged(true);
}

void TKurzAnzeige::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) Q_EMIT visibilityChanged(false);
}

}  // namespace tolvane
