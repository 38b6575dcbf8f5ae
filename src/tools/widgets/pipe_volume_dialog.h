// TInhaltDlg, "Calculation volume of pipe/Filling time": the inner volume of
// the straight pipes among a range of calculations of the table and the time
// a volume flow needs to fill it. Reads the table's texts only.
#pragma once

#include <QDialog>

#include "results/calculation_table.h"
#include "tools/pipe_volume.h"
#include "units/messages_clipboard_files.h"

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

    QLabel* Label1;
    QLineEdit* Edit1;
    UpDownButtons* UpDown1;
    QLabel* Label2;
    QLineEdit* Edit2;
    UpDownButtons* UpDown2;
    QLabel* Label3;
    QLineEdit* Edit3;
    QComboBox* ComboBox1;
    QLabel* Label8;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label9;
    QLabel* Label10;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

public Q_SLOTS:
    void BitBtn1Click();

private:
    void rangeEdited(QLineEdit* edit, UpDownButtons* upDown);

    const CalculationTable& table_;
    VariantLookup lookup_;
    MessageSink& messages_;
    OutputSystem output_ = OutputSystem::Metric;
    bool presetting_ = false;
};

}  // namespace tolvane
