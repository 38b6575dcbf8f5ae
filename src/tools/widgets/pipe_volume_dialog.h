// TInhaltDlg, "Calculation volume of pipe/Filling time": the inner volume of
// the straight pipes among a range of calculations of the table and the time
// a volume flow needs to fill it. Reads the table's texts only.
#pragma once

#include <QDialog>

#include "results/calculation_table.h"
#include "tools/pipe_volume.h"
#include "base/messages_clipboard_files.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class UpDownButtons;

class TInhaltDlg : public QDialog {
    Q_OBJECT
public:
    TInhaltDlg(const CalculationTable& table, VariantLookup lookup, MessageSink& messages,
               QWidget* parent = nullptr);

    // On opening: the whole table, its first rate of flow, the unit system of
    // its texts; then the calculation runs.
    void preset(const PipeVolumePreset& p, OutputSystem output);

    UpDownButtons* UpDown1;
    UpDownButtons* UpDown2;

public Q_SLOTS:
    void BitBtn1Click();

private:
    void rangeEdited(QLineEdit* edit, UpDownButtons* upDown);

    const CalculationTable& table_;
    VariantLookup lookup_;
    MessageSink& messages_;
    OutputSystem output_ = OutputSystem::Metric;
    bool presetting_ = false;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

}  // namespace tolvane
