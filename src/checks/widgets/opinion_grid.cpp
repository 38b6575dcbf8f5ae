#include "checks/widgets/opinion_grid.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace tolvane {

QTableWidget* makeOpinionGrid(QWidget* parent) {
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(QStringLiteral("OpinionGrid"));
    grid->setHorizontalHeaderLabels(
        {QStringLiteral("Column"), QStringLiteral("By the published methods")});
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setColumnWidth(0, 60);
    return grid;
}

void showOpinion(QTableWidget* grid, QLabel* range, const checks::SecondOpinion& opinion,
                 OutputSystem system, int decimals) {
    int rows = 0;
    for (const checks::ColumnOpinion& c : opinion.columns) rows += c.alternatives.empty() ? 0 : 1;
    grid->setRowCount(rows);
    int r = 0;
    for (const checks::ColumnOpinion& c : opinion.columns) {
        if (c.alternatives.empty()) continue;
        grid->setItem(r, 0, new QTableWidgetItem(QString::number(c.column)));
        grid->setItem(r, 1,
                      new QTableWidgetItem(QString::fromStdString(checks::opinionText(c, decimals))));
        ++r;
    }
    QString text = QString::fromStdString(checks::rangeText(opinion, system, decimals));
    if (opinion.gas) text += QStringLiteral("; ") + QString::fromStdString(checks::isothermalText(*opinion.gas, decimals));
    range->setText(opinion.columns.empty() ? QString() : text);
}

}  // namespace tolvane
