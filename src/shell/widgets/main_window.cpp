#include "shell/widgets/main_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolBar>
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>

#include "properties/widgets/air_dialog.h"
#include "properties/widgets/gas_dialog.h"
#include "properties/widgets/liquid_dialog.h"
#include "properties/widgets/roughness_dialog.h"
#include "properties/widgets/steam_dialog.h"
#include "properties/widgets/user_database_chooser_dialog.h"
#include "properties/widgets/user_database_dialog.h"
#include "properties/widgets/water_dialog.h"
#include "properties/widgets/zeta_database_dialog.h"
#include "results/widgets/calculation_table_window.h"
#include "results/widgets/qt_print_service.h"
#include "results/widgets/short_display_window.h"
#include "results/widgets/table_undo.h"
#include "shell/app_paths.h"
#include "shell/copy_back.h"
#include "shell/element_panel.h"
#include "shell/fitting_choice.h"
#include "checks/checks_printout.h"
#include "checks/widgets/checks_window.h"
#include "exports/table_export.h"
#include "help/widgets/help_key_filter.h"
#include "shell/line_check_run.h"
#include "shell/widgets/check_limits_dialog.h"
#include "results/widgets/table_model.h"
#include "shell/medium_hand_back.h"
#include "shell/table_opinion.h"
#include "shell/table_recalc.h"
#include "shell/widgets/bend_surface_window.h"
#include "shell/widgets/branch_flow_window.h"
#include "shell/widgets/element_chooser_dialog.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/gas_data_window.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/medium_panel.h"
#include "shell/widgets/pipe_sizes_action.h"
#include "shell/widgets/report_action.h"
#include "shell/widgets/plant_curve_action.h"
#include "shell/widgets/tool_actions.h"
#include "base/widgets/window_placement.h"

#include <filesystem>
#include <type_traits>

namespace tolvane {

namespace {

// Pictures and data files sit beside the program (or in the installed data).
QString pictureDirectory() {
    return QString::fromStdString(
        std::filesystem::path(dataFilePath("1601.bmp")).parent_path().string());
}

}  // namespace

TMyWindow::TMyWindow(Session& session, PlatformServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      session_(session),
      services_(services) {
    setObjectName(QStringLiteral("MyWindow"));
    setWindowTitle(QStringLiteral("Tolvane"));

    menu_ = new MainMenu(menuBar());
    auto* bar = addToolBar(QStringLiteral("Speed buttons"));
    bar->setObjectName(QStringLiteral("SpeedBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    speed_ = buildSpeedBar(bar);
    setContextMenuPolicy(Qt::NoContextMenu);

    buildPanels();
    RauDialog = new TRauDialog(session_.roughnessQuery, services_.messages, this);
    asker_ = [this] { return RauDialog->ask(); };
    ZetaDatenbank = new TZetaDatenbank(services_.messages, this);
    buildPropertyDialogs();
    qtPrinter_ = std::make_unique<QtPrintService>(services_.files, services_.messages, this);
    printer_ = qtPrinter_.get();

    wireMenu();
    wireUndo();
    wireMedium();
    tools_ = new ToolActions(*this, services_);
    plantCurve_ = new PlantCurveAction(*this, services_);
    pipeSizes_ = new PipeSizesAction(*this);
    report_ = new ReportAction(*this, services_);

    showForm();
    BtnBottomDlg->setSelectedKind(session_.form.element.kind);
    setFixedSize(sizeHint());
}

TMyWindow::~TMyWindow() { delete binder_; }

void TMyWindow::buildPanels() {
    const QString pictures = pictureDirectory();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    Medium_Fenster = new MediumPanelWidget(central);
    Element_Fenster = new ElementPanelWidget(central);
    Element_Fenster->setPictureDirectory(pictures);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(Medium_Fenster);
    layout->addWidget(Element_Fenster, 1);
    setCentralWidget(central);

    Gasdaten = new TGasdaten(this);
    ZusatzElementfenster = new TZusatzElementfenster(this);
    ZusatzVolumenstromfenster = new TZusatzVolumenstromfenster(this);
    BtnBottomDlg = new TBtnBottomDlg(pictures, this);
    for (QWidget* w : dataWindows()) w->installEventFilter(this);
    binder_ = new FormBinder({Medium_Fenster, Element_Fenster, Gasdaten, ZusatzElementfenster,
                              ZusatzVolumenstromfenster});
}

void TMyWindow::wireMenu() {
    connect(speed_.Berechnungsschalter, &QToolButton::clicked, this,
            &TMyWindow::BerechnungsschalterClick);
    connect(speed_.SpeedButton1, &QToolButton::clicked, this, &TMyWindow::SpeedButton1Click);
    // The property dialogs: a speed button and a menu item each; what the
    // dialog's OK hands back goes into the medium panel.
    auto opens = [this](QToolButton* speedButton, QAction* item, auto* dialog) {
        auto run = [this, dialog] {
            if (dialog->exec() != QDialog::Accepted) return;
            if constexpr (std::is_same_v<decltype(dialog->chosen()), MediumChoice>)
                applyMedium(dialog->chosen());
            else if (const auto choice = dialog->chosen())
                applyMedium(*choice);
        };
        if (speedButton) connect(speedButton, &QToolButton::clicked, this, run);
        connect(item, &QAction::triggered, this, run);
        menu_->setAvailable(item);
    };
    opens(speed_.Btn_Stoffdaten_Wasser, menu_->water, Wasser_Dialog);
    opens(speed_.Btn_Stoffdaten_Fluessigkeiten, menu_->otherFluids, MedienDialog);
    opens(speed_.Btn_Stoffdaten_Luft, menu_->air, LuftDialog);
    opens(speed_.Btn_Stoffdaten_Sattdampf, menu_->saturatedSteam, SattdampfDialog);
    opens(speed_.Btn_Stoffdaten_Gase, menu_->otherGases, StoffwerteGaseNeu);
    opens(speed_.SpeedButton6, menu_->userDatabase, Ben_Daba_Dlg2);
    connect(menu_->editUserDatabase, &QAction::triggered, Ben_Daba_Dlg, &QDialog::exec);
    menu_->setAvailable(menu_->editUserDatabase);

    // F3 from anywhere in the window and from the data windows beside it,
    // where the branch flow or the gas data were typed last.
    for (QWidget* w : std::initializer_list<QWidget*>{this, Gasdaten, ZusatzElementfenster,
                                                      ZusatzVolumenstromfenster})
        w->addAction(menu_->pressureDrop);
    addAction(menu_->helpIndex);
    connect(menu_->pressureDrop, &QAction::triggered, this, &TMyWindow::BerechnungsschalterClick);
    connect(menu_->selectElement, &QAction::triggered, this, &TMyWindow::SpeedButton1Click);
    connect(menu_->exitProgram, &QAction::triggered, this, &QWidget::close);
    connect(menu_->plantCharacteristic, &QAction::triggered, this,
            &TMyWindow::plantCharacteristicClick);
    connect(menu_->zetaDatabase, &QAction::triggered, ZetaDatenbank, &QDialog::exec);
    connect(ZetaDatenbank, &TZetaDatenbank::fittingChosen, this, &TMyWindow::takeChosenFitting);
    menu_->setAvailable(menu_->zetaDatabase);

    connect(menu_->editCopy, &QAction::triggered, this, [this] {
        if (editTarget_ && editTarget_->hasSelectedText())
            services_.clipboard.setText(editTarget_->selectedText().toStdString());
    });
    connect(menu_->editPaste, &QAction::triggered, this, [this] {
        if (editTarget_ && services_.clipboard.hasText())
            editTarget_->insert(QString::fromStdString(services_.clipboard.text()));
    });
    connect(menu_->editDelete, &QAction::triggered, this, [this] {
        if (editTarget_ && editTarget_->hasSelectedText()) editTarget_->del();
    });
    menu_->context = [this] { return menuContext(); };
}

// "&Undo" and "&Redo" name the step they take back or do again; they act
// from the table window as well, where the table's changes are made.
void TMyWindow::wireUndo() {
    undo_ = new TableUndo(session_, this);
    MainMenu& m = *menu_;
    QUndoStack* stack = undo_->stack();
    auto update = [this, stack] {
        MainMenu& menu = *menu_;
        menu.editUndo->setEnabled(stack->canUndo());
        menu.editUndo->setText(stack->canUndo() ? QStringLiteral("&Undo ") + stack->undoText()
                                                : QStringLiteral("&Undo"));
        menu.editRedo->setEnabled(stack->canRedo());
        menu.editRedo->setText(stack->canRedo() ? QStringLiteral("&Redo ") + stack->redoText()
                                                : QStringLiteral("&Redo"));
        // The shortcuts of Save, Print ... act without their menu being
        // opened, so their rules follow every change of the table.
        const MenuContext c = menuContext();
        menu.updateFileMenu(c);
        menu.updateCalculateMenu(c);
        menu.updateTableMenu(c);
    };
    m.setAvailable(m.editUndo);
    m.setAvailable(m.editRedo);
    // A text field takes Ctrl+Z for its own typing; with nothing of its own
    // to undo it leaves the keys to the table's undo.
    for (QWidget* window : std::initializer_list<QWidget*>{
             centralWidget(), Gasdaten, ZusatzElementfenster, ZusatzVolumenstromfenster})
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) edit->installEventFilter(this);
    connect(stack, &QUndoStack::indexChanged, this, update);
    connect(stack, &QUndoStack::cleanChanged, this, update);
    update();
    connect(m.editUndo, &QAction::triggered, undo_, &TableUndo::undo);
    connect(m.editRedo, &QAction::triggered, undo_, &TableUndo::redo);
}

void TMyWindow::wireMedium() {
    connect(Medium_Fenster->ComboBox1, &QComboBox::currentIndexChanged, this,
            &TMyWindow::ComboBox1Change);
    connect(Medium_Fenster->ComboBox4, &QComboBox::currentIndexChanged, this,
            &TMyWindow::ComboBox4Change);
    connect(Medium_Fenster->ComboBox5, &QComboBox::currentIndexChanged, this,
            &TMyWindow::ComboBox5Change);
    // Checking a condition from the program acts like a click on it.
    connect(Medium_Fenster->Radio_Gas, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Radio_GasClick();
    });
    connect(Medium_Fenster->Radio_Gas, &QRadioButton::clicked, this, &TMyWindow::Radio_GasClick);
    connect(Medium_Fenster->Radio_Fluessig, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Radio_FluessigClick();
    });
}

void TMyWindow::buildPropertyDialogs() {
    MessageSink& messages = services_.messages;
    Wasser_Dialog = new TWasser_Dialog(this);
    LuftDialog = new TLuftDialog(messages, this);
    SattdampfDialog = new TSattdampfDialog(this);
    StoffwerteGaseNeu =
        new TStoffwerteGaseNeu(readGasFile(dataFilePath(kGasFileName)), messages, this);
    MedienDialog = new TMedienDialog(readLiquidFile(dataFilePath(kLiquidFileName)), messages, this);
    userDatabase_ = std::make_unique<UserDatabase>(userFilePath(kUserFileName));
    auto metric = [this] { return session_.settings.userDatabaseMetric; };
    Ben_Daba_Dlg = new TBen_Daba_Dlg(*userDatabase_, metric, messages, this);
    Ben_Daba_Dlg2 = new TBen_Daba_Dlg2(*userDatabase_, metric, messages, this);
}

void TMyWindow::applyMedium(const MediumChoice& choice) {
    readForm();
    HandBackMedium(session_.form, choice);
    showForm();
}

void TMyWindow::setTableWindow(TAusgabe_Fenster* table) {
    table_ = table;
    if (table) wireTableMenu();
    if (table) wireChecks();
    setFixedSize(sizeHint());
}

TAusgabe_Fenster* TMyWindow::tableWindow() const { return table_; }

void TMyWindow::setShortDisplay(TKurzAnzeige* shortDisplay) {
    short_ = shortDisplay;
    if (shortDisplay) {
        wireShortDisplay();
        wireShortDisplayUndo();
        refreshChecks();
    }
}

TKurzAnzeige* TMyWindow::shortDisplay() const { return short_; }

void TMyWindow::setPrintService(PrintService* printer) {
    printer_ = printer;
    if (table_) table_->setPrintService(printer_);
    if (short_) short_->setPrintService(printer_);
}

void TMyWindow::wireShortDisplay() {
    MainMenu& m = *menu_;
    short_->setPrintService(printer_);
    m.setAvailable(m.viewShortDisplay);
    m.viewShortDisplay->setChecked(short_->isVisible());
    connect(m.viewShortDisplay, &QAction::triggered, short_, &QWidget::setVisible);
    connect(short_, &TKurzAnzeige::visibilityChanged, m.viewShortDisplay, &QAction::setChecked);
    connect(m.printShortDisplay, &QAction::triggered, short_, &TKurzAnzeige::print);
    m.setAvailable(m.printShortDisplay);
    linkResultWindows();
    m.updateTableMenu(menuContext());
}

// Both windows are views of the session's one table: each shows what the
// other changed.
void TMyWindow::linkResultWindows() {
    if (!table_ || !short_) return;
    connect(table_, &TAusgabe_Fenster::tableChanged, short_, &TKurzAnzeige::refresh,
            Qt::UniqueConnection);
    connect(table_, &TAusgabe_Fenster::specificationEdited, short_, &TKurzAnzeige::refresh,
            Qt::UniqueConnection);
    connect(short_, &TKurzAnzeige::tableChanged, table_, &TAusgabe_Fenster::showTableChanges,
            Qt::UniqueConnection);
}

void TMyWindow::wireChecks() {
    if (!checks_) {
        checks_ = new TChecksWindow(this);
        connect(menu_->viewChecks, &QAction::triggered, checks_, [this](bool on) {
            checks_->setVisible(on);
            if (on) refreshChecks();
        });
        connect(checks_, &TChecksWindow::visibilityChanged, menu_->viewChecks,
                &QAction::setChecked);
        connect(undo_, &TableUndo::restored, this, &TMyWindow::refreshChecks);
        connect(checks_, &TChecksWindow::columnChosen, this, [this](int column) {
            if (!table_) return;
            table_->grid()->selectColumn(column - 1);
            table_->raise();
        });
        checks_->setHelpTopicProperty(kHelpTopicProperty);
        connect(checks_, &TChecksWindow::limitsRequested, this, &TMyWindow::openCheckLimits);
        connect(menu_->checkLimits, &QAction::triggered, this, &TMyWindow::openCheckLimits);
        menu_->setAvailable(menu_->viewChecks);
        menu_->setAvailable(menu_->checkLimits);
    }
    connect(table_, &TAusgabe_Fenster::tableChanged, this, &TMyWindow::refreshChecks,
            Qt::UniqueConnection);
    // Printed and exported tables end with the list of their checks.
    table_->setPrintAppendix([this](PrintCanvas& canvas, const PrintTexts& texts) {
        checks::printChecksAfterTable(checkSession(session_), texts, canvas);
    });
}

TCheckLimitsDialog* TMyWindow::checkLimitsDialog() {
    if (!checkLimits_) {
        checkLimits_ =
            new TCheckLimitsDialog(session_.settings.checkLimits, services_.messages, this);
        connect(checkLimits_, &TCheckLimitsDialog::limitsChanged, this, [this] {
            refreshChecks();
            Q_EMIT checkLimitsChanged();
        });
    }
    return checkLimits_;
}

void TMyWindow::openCheckLimits() { checkLimitsDialog()->open(); }

// A project file does not hold the inlet pressure of its gas columns, so the
// window checks everything but the gas pressures.
void TMyWindow::refreshChecks() {
    const std::vector<checks::Diagnostic> found = checkSession(session_);
    if (checks_ && checks_->isVisible()) {
        checks_->showDiagnostics(found);
        checks_->showSecondOpinion(tableSecondOpinion(session_, {}), session_.settings.output,
                                   session_.settings.decimals);
    }
    if (short_) short_->setChecksSummary(QString::fromStdString(checks::checksSummary(found)));
    if (!table_) return;
    // The heading of every column with a caution or worse is marked.
    std::map<int, CalculationTableModel::ColumnMark> marks;
    for (const checks::Diagnostic& d : found) {
        if (d.column <= 0 || d.severity == checks::Severity::Information) continue;
        CalculationTableModel::ColumnMark& mark = marks[d.column];
        mark.level = std::max(mark.level, static_cast<int>(d.severity));
        if (!mark.tip.isEmpty()) mark.tip += QLatin1Char('\n');
        mark.tip += QString::fromStdString(d.text);
    }
    table_->model()->setColumnMarks(std::move(marks));
}

void TMyWindow::wireShortDisplayUndo() {
    connect(short_, &TKurzAnzeige::tableChanged, undo_,
            [this] { undo_->changed(QStringLiteral("short display change")); });
    connect(undo_, &TableUndo::restored, short_, &TKurzAnzeige::refresh);
    short_->addActions({menu_->editUndo, menu_->editRedo});
}

void TMyWindow::exportTablePdf() {
    if (!table_ || !printer_ || !session_.table.hasValues()) return;
    ExportPdf(table_->printSetup(), table_->printout(), *printer_, services_.files,
              services_.messages);
}

void TMyWindow::exportTable() {
    if (!session_.table.hasValues()) return;
    exports::ExportTable(session_.table, session_.projectName, services_.files, services_.messages);
}

void TMyWindow::wireTableMenu() {
    MainMenu& m = *menu_;
    const std::pair<QAction*, void (TAusgabe_Fenster::*)()> forwarded[] = {
        {m.changeFont, &TAusgabe_Fenster::changeFont},
        {m.zoomIn, &TAusgabe_Fenster::zoomIn},
        {m.zoomOut, &TAusgabe_Fenster::zoomOut},
        {m.changeColumnWidth, &TAusgabe_Fenster::changeColumnWidth},
        {m.fitAllColumns, &TAusgabe_Fenster::fitAllColumns},
        {m.deleteColumn, &TAusgabe_Fenster::deleteSelectedColumn},
        {m.copyToClipboard, &TAusgabe_Fenster::copyToClipboard},
        {m.copyToEditWindows, &TAusgabe_Fenster::copyToEditWindows},
    };
    for (auto [action, slot] : forwarded) {
        connect(action, &QAction::triggered, table_, slot);
        m.setAvailable(action);
    }
    table_->setPrintService(printer_);
    connect(m.printTable, &QAction::triggered, table_, &TAusgabe_Fenster::printTable);
    m.setAvailable(m.printTable);
    connect(m.exportTablePdf, &QAction::triggered, this, &TMyWindow::exportTablePdf);
    m.setAvailable(m.exportTablePdf);
    connect(m.exportTable, &QAction::triggered, this, &TMyWindow::exportTable);
    m.setAvailable(m.exportTable);
    connect(m.printTableCompact, &QAction::triggered, table_, &TAusgabe_Fenster::printTableCompact);
    m.setAvailable(m.printTableCompact);
    linkResultWindows();
    m.setAvailable(m.viewTable);
    connect(m.viewTable, &QAction::triggered, table_, &QWidget::setVisible);
    connect(table_, &TAusgabe_Fenster::visibilityChanged, m.viewTable, &QAction::setChecked);
    connect(table_, &TAusgabe_Fenster::copyToEditWindowsRequested, this,
            &TMyWindow::copyToEditWindows);
    connect(table_, &TAusgabe_Fenster::currentCalculationChanged, this,
            &TMyWindow::showReplaceButton);
    connect(m.replaceColumn, &QAction::triggered, this, &TMyWindow::replaceSelectedColumn);
    connect(speed_.replaceColumn, &QToolButton::clicked, this, &TMyWindow::replaceSelectedColumn);
    connect(m.recalculateAll, &QAction::triggered, this, &TMyWindow::recalculateAll);
    m.setAvailable(m.replaceColumn);
    m.setAvailable(m.recalculateAll);
    table_->addContextActions({m.copyToEditWindows, m.replaceColumn, m.recalculateAll});
    table_->setUndo(undo_);
    // The keys of the table's own commands work in the table window as well.
    table_->addActions({m.editUndo, m.editRedo, m.newProject, m.openProject, m.saveProject,
                        m.saveProjectAs, m.printTable, m.exitProgram});
    m.updateTableMenu(menuContext());
}

MenuContext TMyWindow::menuContext() {
    MenuContext c;
    c.tableHasValues = session_.table.hasValues();
    c.tableColumnIsCalculation = table_ && table_->canCopyToEditWindows();
    c.focus = focusWidget();
    c.clipboardHasText = services_.clipboard.hasText();
    editTarget_ = qobject_cast<QLineEdit*>(c.focus);
    return c;
}

void TMyWindow::showForm() {
    // The branch-flow window always names the flow unit, however the form was filled.
    syncBranchFlowUnit(session_.form);
    binder_->show(session_.form);
}

void TMyWindow::readForm() { binder_->read(session_.form); }

void TMyWindow::focusField(const std::string& objectName) {
    if (objectName.empty()) return;
    const QString name = QString::fromStdString(objectName);
    for (QWidget* window : std::initializer_list<QWidget*>{
             this, Gasdaten, ZusatzVolumenstromfenster, ZusatzElementfenster}) {
        // The main window's own fields first: the data windows are its children too.
        QWidget* w = window == this ? centralWidget()->findChild<QWidget*>(name)
                                    : window->findChild<QWidget*>(name);
        if (!w) continue;
        if (window != this && window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
        w->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
        return;
    }
}

void TMyWindow::BerechnungsschalterClick() {
    readForm();
    const CalculateOutcome outcome = Calculate(session_, services_.messages, asker_);
    showForm();
    focusField(outcome.focus);
    if (outcome.added) undo_->changed(QStringLiteral("new calculation"));
    if (table_ && outcome.added) table_->refresh();
}

void TMyWindow::replaceSelectedColumn() {
    if (!table_ || !table_->canCopyToEditWindows()) return;
    readForm();
    const CalculateOutcome outcome =
        ReplaceColumn(session_, table_->currentColumn(), services_.messages, asker_);
    showForm();
    focusField(outcome.focus);
    if (!outcome.added) return;
    undo_->changed(QStringLiteral("replace column"));
    table_->refresh();
}

void TMyWindow::recalculateAll() {
    readForm();
    if (!session_.table.hasValues()) {
        services_.messages.show(MessageType::Information, kRecalcNothing);
        return;
    }
    TableRecalc recalc = RecalculateTable(session_);
    if (recalc.refusedColumns().size() == recalc.columns.size()) {
        services_.messages.show(MessageType::Error, recalcRefusalText(recalc));
        return;
    }
    if (services_.messages.ask(kRecalcTitle, recalcQuestionText(recalc, session_.form),
                               QuestionButtons::YesNo, Answer::No) != Answer::Yes)
        return;
    session_.table = std::move(recalc.table);
    session_.roughness = recalc.roughness;
    session_.projectSaved = false;
    undo_->changed(QStringLiteral("recalculate all"));
    if (table_) table_->reloadTable();
    if (const std::string notes = recalcNotesText(recalc); !notes.empty())
        services_.messages.show(MessageType::Information, notes);
}

void TMyWindow::showReplaceButton(int tableColumn) {
    speed_.replaceColumnItem->setVisible(tableColumn > 0);
    if (tableColumn > 0)
        speed_.replaceColumn->setText(QStringLiteral("Replace column %1").arg(tableColumn));
    menu_->updateTableMenu(menuContext());
}

void TMyWindow::SpeedButton1Click() {
    if (BtnBottomDlg->exec() != QDialog::Accepted) return;
    readForm();
    chooseElementKind(session_.form, BtnBottomDlg->selectedKind(), diameters_,
                      session_.settings.keepDiameter);
    showForm();
    focusField(field::Va1);
}

void TMyWindow::copyToEditWindows(int tableColumn) {
    readForm();
    if (!CopyToEditWindows(session_.form, session_.table, tableColumn, session_.settings.output,
                           session_.settings.decimals))
        return;
    showForm();
    BtnBottomDlg->setSelectedKind(session_.form.element.kind);
    focusField(field::Va1);
}

void TMyWindow::ComboBox1Change() {
    readForm();
    syncBranchFlowUnit(session_.form);
    showForm();
}

void TMyWindow::ComboBox4Change() {
    readForm();
    setFlowKind(session_.form, session_.form.medium.flowKind);
    syncBranchFlowUnit(session_.form);
    showForm();
}

void TMyWindow::ComboBox5Change() {
    readForm();
    setViscosityKind(session_.form, session_.form.medium.viscosityKind);
    showForm();
}

void TMyWindow::Radio_GasClick() {
    if (!Medium_Fenster->Radio_Gas->isChecked()) return;
    session_.form.medium.gas = true;
    Gasdaten->show();
    Gasdaten->raise();
}

void TMyWindow::Radio_FluessigClick() {
    if (!Medium_Fenster->Radio_Fluessig->isChecked()) return;
    session_.form.medium.gas = false;
    Gasdaten->hide();
}

void TMyWindow::plantCharacteristicClick() { plantCurve_->run(); }

std::vector<QWidget*> TMyWindow::dataWindows() const {
    return {Gasdaten, ZusatzElementfenster, ZusatzVolumenstromfenster};
}

// A data window is placed when it first appears; later it keeps the place
// the user gave it unless that place covers this window or the table window
// or has left the screens.
bool TMyWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undoKey = key->matches(QKeySequence::Undo);
        const bool redoKey =
            key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
        if (edit &&
            ((undoKey && !edit->isUndoAvailable()) || (redoKey && !edit->isRedoAvailable()))) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::Show) {
        auto* w = qobject_cast<QWidget*>(watched);
        const auto all = dataWindows();
        if (w && std::find(all.begin(), all.end(), w) != all.end() &&
            (!placedDataWindows_.contains(w) || inTheWay(w)))
            placeDataWindow(w);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMyWindow::keepDataWindowsClear() {
    for (QWidget* w : dataWindows())
        if (w->isVisible() && inTheWay(w)) placeDataWindow(w);
}

bool TMyWindow::inTheWay(const QWidget* window) const {
    const QMargins guess = marginsLike(this);
    const ScreenRect frame = toScreenRect(expectedFrame(window, guess));
    if (overlaps(frame, toScreenRect(frameGeometry()))) return true;
    if (table_ && table_->isVisible() &&
        overlaps(frame, toScreenRect(expectedFrame(table_, guess))))
        return true;
    return !titleBarReachable(frame, std::max(guess.top(), 1), usableScreens());
}

// Beside this window, clear of the table window and the other data windows.
void TMyWindow::placeDataWindow(QWidget* window) {
    const QMargins guess = marginsLike(this);
    window->adjustSize();
    std::vector<ScreenRect> avoid;
    if (table_ && table_->isVisible()) avoid.push_back(toScreenRect(expectedFrame(table_, guess)));
    for (QWidget* other : dataWindows())
        if (other != window && other->isVisible())
            avoid.push_back(toScreenRect(expectedFrame(other, guess)));
    const QSize size = window->size().grownBy(guess);
    const ScreenRect place = placeBeside(toScreenRect(frameGeometry()), size.width(), size.height(),
                                         avoid, usableScreens());
    putFrameAt(window, {place.left, place.top}, guess);
    placedDataWindows_.insert(window);
}

void TMyWindow::takeChosenFitting(const ZetaCopy& copy, bool withSpecification) {
    readForm();
    applyChosenFitting(session_, copy, withSpecification);
    showForm();
    BtnBottomDlg->setSelectedKind(kResistanceCoefficientKind);
    if (withSpecification) undo_->changed(QStringLiteral("specification"));
    if (withSpecification && table_) table_->refresh();
    focusField(field::Va1);
}

}  // namespace tolvane
