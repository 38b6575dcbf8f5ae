#include "shell/widgets/main_menu.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "base/widgets/plain_text.h"

namespace tolvane {

namespace {

QAction* item(QMenu* menu, const char* text, const char* name) {
    QAction* a = menu->addAction(QString::fromLatin1(text));
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    fileMenu = bar->addMenu(QStringLiteral("&File"));
    newProject = item(fileMenu, "&New project", "NewProject");
    openProject = item(fileMenu, "&Open project...", "OpenProject");
    saveProject = item(fileMenu, "&Save project", "SaveProject");
    saveProjectAs = item(fileMenu, "Save project &as...", "SaveProjectAs");
    fileMenu->addSeparator();
    exportTablePdf = item(fileMenu, "Export table as P&DF...", "ExportTablePdf");
    exportTable = item(fileMenu, "&Export table...", "ExportTable");
    calculationReport = item(fileMenu, "Calculation report...", "CalculationReport");
    fileMenu->addSeparator();
    for (std::size_t i = 0; i < recentProjects.size(); ++i) {
        const QByteArray name = "RecentProject" + QByteArray::number(int(i) + 1);
        recentProjects[i] = item(fileMenu, "", name.constData());
        recentProjects[i]->setVisible(false);
    }
    recentSeparator = fileMenu->addSeparator();
    recentSeparator->setVisible(false);
    exitProgram = item(fileMenu, "E&xit", "Exit");
    // The desktop's usual keys where the commands have none of their own.
    newProject->setShortcut(QKeySequence::New);
    openProject->setShortcut(QKeySequence::Open);
    saveProject->setShortcut(QKeySequence::Save);
    saveProjectAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    exitProgram->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    editMenu = bar->addMenu(QStringLiteral("&Edit"));
    editUndo = item(editMenu, "&Undo", "EditUndo");
    editUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    editRedo = item(editMenu, "&Redo", "EditRedo");
    editRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    editMenu->addSeparator();
    editCopy = item(editMenu, "&Copy", "EditCopy");
    editPaste = item(editMenu, "&Paste", "EditPaste");
    editDelete = item(editMenu, "&Delete", "EditDelete");

    selectElement = bar->addAction(QStringLiteral("&Select pipe element..."));
    selectElement->setObjectName(QStringLiteral("SelectElement"));

    flowMediumMenu = bar->addMenu(QStringLiteral("&Flow Medium"));
    water = item(flowMediumMenu, "Properties of &water...", "PropertiesWater");
    otherFluids = item(flowMediumMenu, "Properties of other &fluids...", "PropertiesFluids");
    air = item(flowMediumMenu, "Properties of &air...", "PropertiesAir");
    saturatedSteam = item(flowMediumMenu, "Properties of &saturated steam...", "PropertiesSteam");
    otherGases = item(flowMediumMenu, "Properties of other &gases...", "PropertiesGases");
    flowMediumMenu->addSeparator();
    userDatabase = item(flowMediumMenu, "User defined &database...", "UserDatabase");
    editUserDatabase = item(flowMediumMenu, "User defined database &edit...", "UserDatabaseEdit");

    calculateMenu = bar->addMenu(QStringLiteral("&Calculate"));
    pressureDrop = item(calculateMenu, "&Pressure drop", "PressureDrop");
    pressureDrop->setShortcut(QKeySequence(Qt::Key_F3));
    calculateMenu->addSeparator();
    economicDiameterLiquid =
        item(calculateMenu, "Economic diameter of pipe &liquid...", "EconomicLiquid");
    economicDiameterGas = item(calculateMenu, "Economic diameter of pipe &gas...", "EconomicGas");
    head = item(calculateMenu, "&Head...", "Head");
    npsh = item(calculateMenu, "&NPSH...", "NPSH");
    pipeVolume = item(calculateMenu, "V&olume of pipe/Filling time...", "PipeVolume");
    velocityToRateOfFlow = item(calculateMenu, "&Velocity to rate of flow...", "VelocityToFlow");
    rateOfFlowToVelocity = item(calculateMenu, "&Rate of flow to velocity...", "FlowToVelocity");
    plantCharacteristic =
        item(calculateMenu, "P&ressure drop = f (rate of flow)...", "PlantCharacteristic");

    viewMenu = bar->addMenu(QStringLiteral("&View"));
    viewTable = item(viewMenu, "Calculation &table", "ViewTable");
    viewTable->setCheckable(true);
    viewTable->setChecked(true);
    viewShortDisplay = item(viewMenu, "Calculation &short display", "ViewShortDisplay");
    viewShortDisplay->setCheckable(true);
    viewChecks = item(viewMenu, "C&hecks", "ViewChecks");
    viewChecks->setCheckable(true);

    tableMenu = bar->addMenu(QStringLiteral("&Table"));
    printTable = item(tableMenu, "&Print table...", "PrintTable");
    printTable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printTableCompact = item(tableMenu, "Print table co&mpact...", "PrintTableCompact");
    changeFont = item(tableMenu, "Change &font...", "ChangeFont");
    zoomIn = item(tableMenu, "Zoom  &in", "ZoomIn");
    zoomOut = item(tableMenu, "Zoom &out", "ZoomOut");
    changeColumnWidth = item(tableMenu, "Change column &width...", "ChangeColumnWidth");
    fitAllColumns = item(tableMenu, "Fit &all columns", "FitAllColumns");
    deleteColumn = item(tableMenu, "&Delete select column", "DeleteColumn");
    copyToClipboard = item(tableMenu, "&Copy to clipboard", "CopyToClipboard");
    copyToEditWindows = item(tableMenu, "Copy to &edit-windows", "CopyToEditWindows");
    replaceColumn = item(tableMenu, "&Replace selected column", "ReplaceColumn");
    replaceColumn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
    recalculateAll =
        item(tableMenu, "Recalculate &all with current medium...", "RecalculateAll");
    tableMenu->addSeparator();
    printShortDisplay = item(tableMenu, "Print calculation short displa&y...", "PrintShortDisplay");

    extrasMenu = bar->addMenu(QStringLiteral("&Extras"));
    zetaDatabase = item(extrasMenu, "&Resistance coefficient database...", "ZetaDatabase");
    pipeSizes = item(extrasMenu, "&Pipe sizes...", "PipeSizes");
    pumpEditor = item(extrasMenu, "P&ump editor...", "PumpEditor");
    settings = item(extrasMenu, "&Settings...", "Settings");
    checkLimits = item(extrasMenu, "Check &limits...", "CheckLimits");

    helpMenu = bar->addMenu(QStringLiteral("&Help"));
    helpIndex = item(helpMenu, "&Index", "HelpIndex");
    helpIndex->setShortcut(QKeySequence(Qt::Key_F1));
    about = item(helpMenu, "&About Tolvane", "About");

    // Only what the program has behind an item is enabled.
    for (QMenu* menu : {fileMenu, editMenu, flowMediumMenu, calculateMenu, viewMenu, tableMenu,
                        extrasMenu, helpMenu})
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) a->setEnabled(false);
    for (QAction* a : {exitProgram, editCopy, editPaste, editDelete, selectElement, pressureDrop})
        setAvailable(a);

    const std::pair<QMenu*, void (MainMenu::*)(const MenuContext&)> rules[] = {
        {fileMenu, &MainMenu::updateFileMenu},
        {editMenu, &MainMenu::updateEditMenu},
        {calculateMenu, &MainMenu::updateCalculateMenu},
        {tableMenu, &MainMenu::updateTableMenu},
    };
    for (auto [menu, rule] : rules)
        connect(menu, &QMenu::aboutToShow, this, [this, rule] {
            if (context) (this->*rule)(context());
        });
    // Until a menu is opened the rules see an empty table and no focus.
    for (auto [menu, rule] : rules) (this->*rule)(MenuContext{});
}

void MainMenu::setAvailable(QAction* action, bool available) {
    if (available)
        available_.insert(action);
    else
        available_.remove(action);
    action->setEnabled(available);
}

void MainMenu::enable(QAction* action, bool rule) const {
    action->setEnabled(rule && isAvailable(action));
}

void MainMenu::showRecentProjects(const std::vector<std::pair<QString, QString>>& labelsAndPaths) {
    for (std::size_t i = 0; i < recentProjects.size(); ++i) {
        QAction* a = recentProjects[i];
        const bool used = i < labelsAndPaths.size();
        a->setVisible(used);
        setAvailable(a, used);
        a->setText(used ? labelsAndPaths[i].first : QString());
        a->setData(used ? labelsAndPaths[i].second : QString());
        a->setStatusTip(a->data().toString());
        a->setToolTip(plainToolTip(a->data().toString()));
    }
    recentSeparator->setVisible(!labelsAndPaths.empty());
}

void MainMenu::updateFileMenu(const MenuContext& c) {
    enable(newProject, true);
    enable(openProject, true);
    enable(saveProject, c.tableHasValues);
    enable(saveProjectAs, c.tableHasValues);
    enable(exportTablePdf, c.tableHasValues);
    enable(exportTable, c.tableHasValues);
    enable(calculationReport, c.tableHasValues);
}

void MainMenu::updateEditMenu(const MenuContext& c) {
    // The unit and choice lists take no clipboard commands at all.
    if (qobject_cast<QComboBox*>(c.focus)) {
        for (QAction* a : {editCopy, editPaste, editDelete}) enable(a, false);
        return;
    }
    const auto* edit = qobject_cast<QLineEdit*>(c.focus);
    const bool selection = edit && edit->hasSelectedText();
    enable(editCopy, selection);
    enable(editDelete, selection && !edit->isReadOnly());
    enable(editPaste, edit && !edit->isReadOnly() && c.clipboardHasText);
}

void MainMenu::updateCalculateMenu(const MenuContext& c) {
    enable(pipeVolume, c.tableHasValues);
    enable(plantCharacteristic, true);
}

void MainMenu::updateTableMenu(const MenuContext& c) {
    enable(printTable, c.tableHasValues);
    enable(printTableCompact, c.tableHasValues);
    enable(copyToClipboard, c.tableHasValues);
    enable(copyToEditWindows, c.tableColumnIsCalculation);
    enable(replaceColumn, c.tableColumnIsCalculation);
    enable(recalculateAll, c.tableHasValues);
    // The short display lists exactly the table's calculations.
    enable(printShortDisplay, c.tableHasValues);
}

}  // namespace tolvane
