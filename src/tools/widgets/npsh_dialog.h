// TNPSHDialog, "Calculation of NPSH": the net positive suction head available
// from the suction-side pressure, the vapour pressure and the density. Its
// "&Database" button asks for the vapour-pressure database (databaseRequested);
// whoever answers hands the values back through the two setters below.
#pragma once

#include <QDialog>

#include "tools/npsh.h"
#include "units/messages_clipboard_files.h"

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

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QComboBox* ComboBox1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QComboBox* ComboBox3;
    QLabel* Label4;
    QLineEdit* Edit3;
    QComboBox* ComboBox2;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QPushButton* BitBtn1;
    QPushButton* BitBtn4;
    QPushButton* BitBtn3;

Q_SIGNALS:
    // "&Database" was pressed: the vapour-pressure database should open.
    void databaseRequested();

public Q_SLOTS:
    void BitBtn4Click();

private:
    void clearResults();
    MessageSink& messages_;
};

}  // namespace tolvane
