#include "results/widgets/table_model.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

namespace tolvane {

CalculationTableModel::CalculationTableModel(CalculationTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(table.ColCount() - 1) {}

int CalculationTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableRows;
}

int CalculationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant CalculationTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    int col = tableColumn(index.column());
    if (col >= table_.ColCount() || index.row() >= kTableRows) return {};
    return QString::fromStdString(table_.cell(col, index.row()));
}

bool CalculationTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() != Row::Specification) return false;
    int col = tableColumn(index.column());
    if (col >= table_.ColCount()) return false;
    std::string text = value.toString().toStdString();
    if (text == table_.cell(col, index.row())) return true;
    table_.setCell(col, index.row(), std::move(text));
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    if (col < table_.trailingColumn()) Q_EMIT specificationEdited(col);
    return true;
}

Qt::ItemFlags CalculationTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.row() == Row::Specification) f |= Qt::ItemIsEditable;
    return f;
}

QVariant CalculationTableModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation == Qt::Horizontal && (role == Qt::DecorationRole || role == Qt::ToolTipRole)) {
        const auto mark = marks_.find(tableColumn(section));
        if (mark == marks_.end() || mark->second.level <= 0) return {};
        if (role == Qt::ToolTipRole) return mark->second.tip;
        return QApplication::style()->standardIcon(
            mark->second.level >= 3 ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning);
    }
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= kTableRows) return {};
        return QString::fromStdString(table_.cell(0, section));
    }
    // Row 0 (the calculation number) is shown as the horizontal header, the
    // handle by which a column is dragged.
    int col = tableColumn(section);
    if (section < 0 || col >= table_.ColCount()) return {};
    return QString::fromStdString(table_.cell(col, 0));
}

void CalculationTableModel::setColumnMarks(std::map<int, ColumnMark> marks) {
    if (marks.size() == marks_.size() &&
        std::equal(marks.begin(), marks.end(), marks_.begin(), [](const auto& a, const auto& b) {
            return a.first == b.first && a.second.level == b.second.level &&
                   a.second.tip == b.second.tip;
        }))
        return;
    marks_ = std::move(marks);
    if (columns_ > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

void CalculationTableModel::sync() {
    int now = table_.ColCount() - 1;
    if (now < columns_) {
        reload();
        return;
    }
    int before = columns_;
    if (now > before) {
        beginInsertColumns({}, before, now - 1);
        columns_ = now;
        endInsertColumns();
    }
    if (columns_ > 0) {
        Q_EMIT dataChanged(index(0, 0), index(kTableRows - 1, columns_ - 1));
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    }
    Q_EMIT headerDataChanged(Qt::Vertical, 0, kTableRows - 1);
}

bool CalculationTableModel::deleteColumn(int tableColumn, OutputSystem system, int decimals) {
    if (!table_.hasValues() || tableColumn < 1 || tableColumn >= table_.trailingColumn())
        return false;
    int m = modelColumn(tableColumn);
    beginRemoveColumns({}, m, m);
    bool done = table_.deleteColumn(tableColumn, system, decimals);
    columns_ = table_.ColCount() - 1;
    endRemoveColumns();
    // Every column right of the deleted one took a new number.
    if (m < columns_) {
        Q_EMIT headerDataChanged(Qt::Horizontal, m, columns_ - 1);
        Q_EMIT dataChanged(index(0, m), index(kTableRows - 1, columns_ - 1));
    }
    return done;
}

void CalculationTableModel::moveColumn(int from, int to) {
    table_.moveColumn(from, to);
    sync();
}

void CalculationTableModel::reload() {
    beginResetModel();
    columns_ = table_.ColCount() - 1;
    endResetModel();
}

}  // namespace tolvane
