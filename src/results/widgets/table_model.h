// The calculation table seen by a QTableView. The model holds no texts of its
// own: every cell is read from the core CalculationTable on demand, so 10,000
// calculations cost no more than the handful of cells on the screen.
//
// Model coordinates leave out the heading column: model column c is table
// column c + 1, so the last model column is the table's trailing empty column.
// The heading texts (table column 0) are the vertical header; model row r is
// table row r.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <map>

#include "results/calculation_table.h"

namespace tolvane {

class CalculationTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CalculationTableModel(CalculationTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static int tableColumn(int modelColumn) { return modelColumn + 1; }
    static int modelColumn(int tableColumn) { return tableColumn - 1; }

    // The table changed behind the model's back (a calculation appended, a
    // unit conversion, a project loaded): columns appended at the end are
    // inserted, every other change repaints all cells.
    void sync();
    // Deletes a calculation column through the core; false when `tableColumn`
    // is not a calculation column.
    bool deleteColumn(int tableColumn, OutputSystem system, int decimals);
    // The view has dragged table column `from` to `to`; the core reorders and
    // puts the empty column back at the end.
    void moveColumn(int from, int to);
    // Everything replaced (a new or opened project).
    void reload();

    // A mark on the heading of a calculation column (a decoration of the view;
    // the number it shows stays as it is): the checks' worst severity there,
    // 1 caution, 2 warning, 3 error, with the checks' texts as its tooltip.
    struct ColumnMark {
        int level = 0;
        QString tip;
    };
    void setColumnMarks(std::map<int, ColumnMark> marks);  // key: table column

Q_SIGNALS:
    // Row 6 ("Specification (user):") of a column was typed into.
    void specificationEdited(int tableColumn);

private:
    CalculationTable& table_;
    int columns_ = 0;  // model columns as last announced to the views
    std::map<int, ColumnMark> marks_;
};

}  // namespace tolvane
