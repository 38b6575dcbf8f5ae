// PipeSizesDialog, "Pipe sizes": a row of the standard pipe-size table chosen
// by standard, nominal size and schedule or wall, showing its outside
// diameter, wall and inner diameter. "Copy to element window" closes the
// dialog as accepted; the caller takes chosenInsideMm() into its field. The
// dialog keeps its choice from one showing to the next.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "properties/pipe_sizes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class PipeSizesDialog : public QDialog {
    Q_OBJECT
public:
    // `faults` are those of reading the table; the dialog names them below the fields.
    PipeSizesDialog(PipeSizeTable table, const std::vector<PipeFileFault>& faults,
                    QWidget* parent = nullptr);

    // Chooses a row by its names; false (and the choice unchanged) when the
    // table has no such row.
    bool select(const std::string& standard, const std::string& size, const std::string& schedule);
    // Nothing while the table is empty.
    const PipeRow* chosenRow() const;
    std::optional<double> chosenInsideMm() const;
    // "Copy to element window" is offered only where there is a field to take the diameter.
    void setCopyEnabled(bool enabled);

Q_SIGNALS:
    void chosenRowChanged();

private:
    void fillSizes();
    void fillSchedules();
    void showRow();

    PipeSizeTable table_;
    QComboBox* ComboStandard = nullptr;
    QComboBox* ComboSize = nullptr;
    QComboBox* ComboSchedule = nullptr;
    QLineEdit* EditOutside = nullptr;
    QLineEdit* EditWall = nullptr;
    QLineEdit* EditInside = nullptr;
    QLabel* LabelFaults = nullptr;
    QPushButton* CopyBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    bool copyEnabled_ = true;
};

}  // namespace tolvane
