// The speed buttons of the main window: calculate, select element, the five
// property dialogs and the user database, each with its hint.
#pragma once

class QAction;
class QToolBar;
class QToolButton;

namespace tolvane {

struct SpeedButtons {
    QToolButton* Berechnungsschalter = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* Btn_Stoffdaten_Wasser = nullptr;
    QToolButton* Btn_Stoffdaten_Fluessigkeiten = nullptr;
    QToolButton* Btn_Stoffdaten_Luft = nullptr;
    QToolButton* Btn_Stoffdaten_Sattdampf = nullptr;
    QToolButton* Btn_Stoffdaten_Gase = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    // "Replace column N" beside Calculate, shown while a calculation column is current.
    QToolButton* replaceColumn = nullptr;
    QAction* replaceColumnItem = nullptr;  // its place in the bar (hides it)
};

SpeedButtons buildSpeedBar(QToolBar* bar);

}  // namespace tolvane
