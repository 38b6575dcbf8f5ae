#include "properties/widgets/roughness_table_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

#include "properties/roughness_table.h"

namespace tolvane {

namespace {

// The list's tab stops in dialog units: condition, range in mm, "or", range in inches.
constexpr std::array<int, 4> kTabStops = {90, 190, 260, 275};
constexpr int kColumnGap = 6;  // pixels between a column's longest text and the next stop

// Draws a list line's TAB-separated fields at fixed offsets from the text's left edge.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(std::vector<int> offsets, int width, QObject* parent)
        : QStyledItemDelegate(parent), offsets_(std::move(offsets)), width_(width) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QStringList fields = opt.text.split(QLatin1Char('\t'));
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active)
                                               ? QPalette::Active
                                               : QPalette::Inactive;
        const QPalette::ColorRole role =
            (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setPen(opt.palette.color(group, role));
        painter->setFont(opt.font);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const int offset = i < static_cast<qsizetype>(offsets_.size())
                                   ? offsets_[static_cast<std::size_t>(i)]
                                   : offsets_.back();
            QRect cell = text.adjusted(offset + 2, 0, 0, 0);
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              fields[i]);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(width_);
        return size;
    }

private:
    std::vector<int> offsets_;
    int width_;
};

// The stops in pixels for the list's font, each moved right where a longer
// text of the column before would run into it.
std::vector<int> tabOffsets(const QFontMetrics& fm, const std::vector<QStringList>& lines,
                            int* width) {
    const double dialogUnit = fm.horizontalAdvance(QStringLiteral(
                                  "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                              52.0 / 4.0;
    std::vector<int> offsets{0};
    std::size_t columns = kTabStops.size() + 1;
    std::vector<int> widest(columns, 0);
    for (const QStringList& fields : lines)
        for (qsizetype i = 0; i < fields.size() && i < static_cast<qsizetype>(columns); ++i)
            widest[static_cast<std::size_t>(i)] =
                std::max(widest[static_cast<std::size_t>(i)], fm.horizontalAdvance(fields[i]));
    for (std::size_t i = 0; i < kTabStops.size(); ++i) {
        const int atStop = static_cast<int>(kTabStops[i] * dialogUnit + 0.5);
        offsets.push_back(std::max(atStop, offsets.back() + widest[i] + kColumnGap));
    }
    *width = offsets.back() + widest.back() + 2 * kColumnGap;
    return offsets;
}

}  // namespace

TRauDatenbank::TRauDatenbank(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint) {
    setObjectName(QStringLiteral("RauDatenbank"));
    setWindowTitle(QStringLiteral("Roughness of pipes"));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setUniformItemSizes(true);
    std::vector<QStringList> lines;
    const int rows = static_cast<int>(roughnessTable().size());
    for (int row = 0; row < rows; ++row) {
        const QString line = QString::fromStdString(roughnessListLine(row));
        ListBox1->addItem(line);
        lines.push_back(line.split(QLatin1Char('\t')));
    }
    int width = 0;
    const std::vector<int> offsets = tabOffsets(ListBox1->fontMetrics(), lines, &width);
    ListBox1->setItemDelegate(new TabStopDelegate(offsets, width, ListBox1));
    const int rowHeight = ListBox1->sizeHintForRow(0);
    ListBox1->setMinimumSize(
        width + ListBox1->verticalScrollBar()->sizeHint().width() + 2 * ListBox1->frameWidth() + 8,
        16 * rowHeight + 2 * ListBox1->frameWidth());
    ListBox1->setCurrentRow(0);

    OKBtn = new QPushButton(QStringLiteral("C&opy to calculation"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);
}

int TRauDatenbank::selectedRow() const { return ListBox1->currentRow(); }

void TRauDatenbank::selectRow(int row) { ListBox1->setCurrentRow(row); }

std::string TRauDatenbank::copyValue(int queryUnit) const {
    return roughnessCopyValue(selectedRow(), queryUnit);
}

}  // namespace tolvane
