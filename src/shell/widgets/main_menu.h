// The main window's menu: every command with its text, accelerator and
// shortcut, and the enabling rules evaluated each time a top menu opens. An
// action whose feature is not built into the program stays disabled whatever
// its rule says.
#pragma once

#include <QObject>
#include <QSet>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tolvane {

// What the enabling rules look at, gathered when a top menu opens.
struct MenuContext {
    bool tableHasValues = false;            // at least one calculation column
    bool tableColumnIsCalculation = false;  // the table's selected column is not the trailing one
    QWidget* focus = nullptr;               // the main window's focused control
    bool clipboardHasText = false;
};

class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMenuBar* bar);

    // A feature stands behind the action (it may then be enabled by its rule).
    void setAvailable(QAction* action, bool available = true);
    bool isAvailable(QAction* action) const { return available_.contains(action); }

    // Gathers the context when a top menu opens; set by the window.
    std::function<MenuContext()> context;

    // The rules of each top menu (also called by tests without opening menus).
    void updateFileMenu(const MenuContext& c);
    void updateEditMenu(const MenuContext& c);
    void updateCalculateMenu(const MenuContext& c);
    void updateTableMenu(const MenuContext& c);
    // The recent entries show `labels` (full paths as tips); the rest hide.
    void showRecentProjects(const std::vector<std::pair<QString, QString>>& labelsAndPaths);

    QMenu* fileMenu;
    QMenu* editMenu;
    QMenu* flowMediumMenu;
    QMenu* calculateMenu;
    QMenu* viewMenu;
    QMenu* tableMenu;
    QMenu* extrasMenu;
    QMenu* helpMenu;

    QAction* newProject;
    QAction* openProject;
    QAction* saveProject;
    QAction* saveProjectAs;
    QAction* exportTablePdf;
    QAction* exportTable;  // into a CSV, XLSX or ODS file
    QAction* calculationReport;
    // The recently used projects, "&1" .. "&8", hidden while unused.
    std::array<QAction*, 8> recentProjects;
    QAction* recentSeparator;
    QAction* exitProgram;

    QAction* editUndo;
    QAction* editRedo;
    QAction* editCopy;
    QAction* editPaste;
    QAction* editDelete;

    QAction* selectElement;

    QAction* water;
    QAction* otherFluids;
    QAction* air;
    QAction* saturatedSteam;
    QAction* otherGases;
    QAction* userDatabase;
    QAction* editUserDatabase;

    QAction* pressureDrop;
    QAction* economicDiameterLiquid;
    QAction* economicDiameterGas;
    QAction* head;
    QAction* npsh;
    QAction* pipeVolume;
    QAction* velocityToRateOfFlow;
    QAction* rateOfFlowToVelocity;
    QAction* plantCharacteristic;

    QAction* viewTable;
    QAction* viewShortDisplay;
    QAction* viewChecks;  // the checks of the table

    QAction* printTable;
    QAction* printTableCompact;  // six to eight calculations a page
    QAction* changeFont;
    QAction* zoomIn;
    QAction* zoomOut;
    QAction* changeColumnWidth;
    QAction* fitAllColumns;
    QAction* deleteColumn;
    QAction* copyToClipboard;
    QAction* copyToEditWindows;
    QAction* replaceColumn;   // the panels calculated in place of the current column
    QAction* recalculateAll;  // every column again with the medium panel's medium
    QAction* printShortDisplay;

    QAction* zetaDatabase;
    QAction* pipeSizes;
    QAction* pumpEditor;
    QAction* settings;
    QAction* checkLimits;  // the limits of the checks

    QAction* helpIndex;
    QAction* about;

private:
    void enable(QAction* action, bool rule) const;
    QSet<QAction*> available_;
};

}  // namespace tolvane
