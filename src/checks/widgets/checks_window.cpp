#include "checks/widgets/checks_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/widgets/plain_text.h"
#include "checks/widgets/opinion_grid.h"

namespace tolvane {

namespace {

QString columnText(int column) {
    return column > 0 ? QString::number(column) : QStringLiteral("table");
}

QColor severityColour(checks::Severity severity) {
    switch (severity) {
        case checks::Severity::Information: return QColor(90, 90, 90);
        case checks::Severity::Caution: return QColor(150, 100, 0);
        case checks::Severity::Warning: return QColor(190, 60, 0);
        case checks::Severity::Error: return QColor(176, 0, 0);
    }
    return QColor(0, 0, 0);
}

}  // namespace

TChecksWindow::TChecksWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TChecksWindow"));
    setWindowTitle(QStringLiteral("Checks"));

    ChecksGrid = new QTableWidget(0, 4, this);
    ChecksGrid->setObjectName(QStringLiteral("ChecksGrid"));
    ChecksGrid->setHorizontalHeaderLabels({QStringLiteral("Column"), QStringLiteral("Severity"),
                                           QStringLiteral("Code"), QStringLiteral("Text")});
    ChecksGrid->verticalHeader()->hide();
    ChecksGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ChecksGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ChecksGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ChecksGrid->setWordWrap(true);
    ChecksGrid->horizontalHeader()->setStretchLastSection(true);
    ChecksGrid->setColumnWidth(0, 60);
    ChecksGrid->setColumnWidth(1, 80);
    ChecksGrid->setColumnWidth(2, 130);

    LabelSummary = plainLabel(this);
    LabelSummary->setObjectName(QStringLiteral("LabelSummary"));

    auto* limits = new QPushButton(QStringLiteral("&Limits..."), this);
    limits->setObjectName(QStringLiteral("LimitsBtn"));
    connect(limits, &QPushButton::clicked, this, &TChecksWindow::limitsRequested);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LabelSummary, 1);
    bottom->addWidget(limits);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ChecksGrid);
    layout->addLayout(bottom);
    OpinionGrid = makeOpinionGrid(this);
    LabelRange = plainLabel(this);
    LabelRange->setObjectName(QStringLiteral("LabelRange"));
    layout->addWidget(OpinionGrid);
    layout->addWidget(LabelRange);

    connect(ChecksGrid, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { showHelpAnchor(row); });
    connect(ChecksGrid, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row < 0 || row >= static_cast<int>(diagnostics_.size())) return;
        const int column = diagnostics_[static_cast<std::size_t>(row)].column;
        if (column > 0) Q_EMIT columnChosen(column);
    });
    resize(720, 420);
}

void TChecksWindow::showDiagnostics(const std::vector<checks::Diagnostic>& diagnostics) {
    diagnostics_ = diagnostics;
    ChecksGrid->setRowCount(static_cast<int>(diagnostics.size()));
    for (int r = 0; r < static_cast<int>(diagnostics.size()); ++r) {
        const checks::Diagnostic& d = diagnostics[static_cast<std::size_t>(r)];
        const QString cells[4] = {columnText(d.column),
                                  QString::fromLatin1(checks::severityWord(d.severity)),
                                  QString::fromStdString(d.code), QString::fromStdString(d.text)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);  // plain text, never markup
            if (c == 1) item->setForeground(severityColour(d.severity));
            ChecksGrid->setItem(r, c, item);
        }
    }
    ChecksGrid->resizeRowsToContents();
    showHelpAnchor(ChecksGrid->currentRow());
    LabelSummary->setText(diagnostics.empty()
                              ? QStringLiteral("No check has anything to say about this table.")
                              : QStringLiteral("%1 checks").arg(diagnostics.size()));
}

void TChecksWindow::showSecondOpinion(const checks::SecondOpinion& opinion, OutputSystem system,
                                      int decimals) {
    showOpinion(OpinionGrid, LabelRange, opinion, system, decimals);
}

void TChecksWindow::setHelpTopicProperty(const char* name) {
    helpProperty_ = name;
    showHelpAnchor(ChecksGrid->currentRow());
}

// Without a current line F1 asks for the window's own page.
void TChecksWindow::showHelpAnchor(int row) {
    if (helpProperty_.isEmpty()) return;
    const bool line = row >= 0 && row < static_cast<int>(diagnostics_.size());
    ChecksGrid->setProperty(
        helpProperty_.constData(),
        line ? QString::fromStdString(diagnostics_[static_cast<std::size_t>(row)].helpAnchor)
             : QString());
}

void TChecksWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Q_EMIT visibilityChanged(true);
}

void TChecksWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Q_EMIT visibilityChanged(false);
}

}  // namespace tolvane
