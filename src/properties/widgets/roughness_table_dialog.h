// TRauDatenbank, "Roughness of pipes": the fixed table of wall roughness
// offered by the roughness query. One line per material and condition, its
// columns aligned on tab stops; "C&opy to calculation" closes the list and
// the query takes the chosen row's value in its own unit.
#pragma once

#include <QDialog>
#include <string>

class QListWidget;
class QPushButton;

namespace tolvane {

class TRauDatenbank : public QDialog {
    Q_OBJECT
public:
    explicit TRauDatenbank(QWidget* parent = nullptr);

    // The selected row (row 0 from the start; kept from one showing to the next).
    int selectedRow() const;
    void selectRow(int row);
    // The selected row's value for the query's unit position (0 "mm", 1 "in.").
    std::string copyValue(int queryUnit) const;

private:
    QListWidget* ListBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace tolvane
