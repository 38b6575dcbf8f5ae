// TNPSHDialog, "Calculation of NPSH": the net positive suction head available
// from the suction-side pressure, the vapour pressure and the density. Its
// "&Database" button asks for the vapour-pressure database (databaseRequested);
// whoever answers hands the values back through the two setters below.
#pragma once

#include <QDialog>

#include "tools/npsh.h"
#include "base/messages_clipboard_files.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvane {

class TNPSHDialog : public QDialog {
    Q_OBJECT
public:
    explicit TNPSHDialog(MessageSink& messages, QWidget* parent = nullptr);

    // On opening: density and unit of the main window, pressure unit of the
    // gas window for both pressures; the results are emptied. "&Database" is
    // enabled when something answers databaseRequested.
    void preset(const NpshPreset& p);

    // What the database's copy buttons send: a vapour pressure in bar and a
    // density in kg/m³, each with its unit list set to its first unit.
    void setVapourPressureBar(const QString& text);
    void setDensityKgPerCubicMetre(const QString& text);

    // "from the suction line": the losses of a range of columns at the
    // medium's rate of flow; without it the mode is not offered.
    void setSuctionLineDrop(SuctionLineDrop drop);
    bool suctionMode() const;

Q_SIGNALS:
    // "&Database" was pressed: the vapour-pressure database should open.
    void databaseRequested();

public Q_SLOTS:
    void BitBtn4Click();

private:
    void clearResults();
    void showMode();
    MessageSink& messages_;
    SuctionLineDrop suctionDrop_;

    QCheckBox* CheckSuction = nullptr;
    QLabel* LabelSuctionFirst = nullptr;
    QLineEdit* Edit_SuctionFirst = nullptr;
    QLabel* LabelSuctionLast = nullptr;
    QLineEdit* Edit_SuctionLast = nullptr;
    QLabel* LabelLevel = nullptr;
    QLineEdit* Edit_Level = nullptr;
    QComboBox* ComboLevelUnit = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn3 = nullptr;
};

}  // namespace tolvane
