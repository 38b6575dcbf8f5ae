#include "results/widgets/cut_text_tooltips.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QStyle>
#include <QTableView>
#include <QToolTip>

#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

// The whole text when `space` pixels do not hold it in `font`, else nothing.
QString cutText(const QString& text, const QFont& font, int space) {
    if (text.isEmpty() || QFontMetrics(font).horizontalAdvance(text) <= space) return {};
    return text;
}

}  // namespace

CutTextToolTips::CutTextToolTips(QTableView* grid) : QObject(grid), grid_(grid) {
    grid->viewport()->installEventFilter(this);
    grid->verticalHeader()->viewport()->installEventFilter(this);
}

bool CutTextToolTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    QHeaderView* headings = grid_->verticalHeader();
    const QStyle* style = grid_->style();
    QString text;
    if (watched == grid_->viewport()) {
        const QModelIndex index = grid_->indexAt(help->pos());
        // The item view draws a cell's text inside a margin on either side.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1;
        if (index.isValid())
            text = cutText(index.data(Qt::DisplayRole).toString(), grid_->font(),
                           grid_->visualRect(index).width() - 2 * margin);
    } else {
        const int section = headings->logicalIndexAt(help->pos());
        const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, headings);
        if (section >= 0)
            text = cutText(
                grid_->model()->headerData(section, Qt::Vertical, Qt::DisplayRole).toString(),
                headings->font(), headings->width() - 2 * margin);
    }
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), plainToolTip(text), static_cast<QWidget*>(watched));
    return true;
}

}  // namespace tolvane
