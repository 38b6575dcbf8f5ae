// TMyWindow, the main window "Tolvane": the medium panel, the element panel,
// the speed buttons and the main menu. It holds no computation: every command
// copies the fields into the session's FormState (FormBinder), calls the core
// (Calculate, chooseElementKind, setFlowKind ...), shows the FormState that
// comes back and moves the focus to the field the core named.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <memory>
#include <vector>

#include "properties/medium_choice.h"
#include "properties/user_database.h"
#include "properties/zeta_database.h"
#include "results/print_service.h"
#include "shell/calculate_command.h"
#include "shell/diameter_carry.h"
#include "shell/session.h"
#include "shell/widgets/form_binder.h"
#include "shell/widgets/qt_platform.h"
#include "shell/widgets/speed_bar.h"

class QLineEdit;

namespace tolvane {

struct MenuContext;
class ElementPanelWidget;
class MainMenu;
class MediumPanelWidget;
class TAusgabe_Fenster;
class TableUndo;
class TBtnBottomDlg;
class TBen_Daba_Dlg;
class TBen_Daba_Dlg2;
class TGasdaten;
class TLuftDialog;
class TMedienDialog;
class TSattdampfDialog;
class TStoffwerteGaseNeu;
class TWasser_Dialog;
class TKurzAnzeige;
class TChecksWindow;
class TCheckLimitsDialog;
class QtPrintService;
class TRauDialog;
class TZusatzElementfenster;
class TZusatzVolumenstromfenster;
class TZetaDatenbank;
class ToolActions;
class PlantCurveAction;
class PipeSizesAction;
class ReportAction;

class TMyWindow : public QMainWindow {
    Q_OBJECT
public:
    TMyWindow(Session& session, PlatformServices services, QWidget* parent = nullptr);
    ~TMyWindow() override;

    // The calculation table window beside this one: Calculate refreshes it,
    // the "&Table" and "&View" menus drive it.
    void setTableWindow(TAusgabe_Fenster* table);
    TAusgabe_Fenster* tableWindow() const;
    // The short display beside this one: "&View" shows it, it prints from
    // "&Table"; it and the table window show each other's changes.
    void setShortDisplay(TKurzAnzeige* shortDisplay);
    TKurzAnzeige* shortDisplay() const;
    // Where printouts go: the print preview on Qt's printing unless replaced
    // (tests record the requests).
    void setPrintService(PrintService* printer);
    PrintService* printService() const { return printer_; }

    // The roughness query of the calculation; the dialog TRauDialog unless
    // replaced (tests answer it without a window).
    void setRoughnessAsker(RoughnessAsker asker) { asker_ = std::move(asker); }

    // The session's form into the widgets, and the widgets into the form.
    void showForm();
    void readForm();
    // Focus on a field by object name, in this window or its data windows.
    void focusField(const std::string& objectName);

    Session& session() { return session_; }
    MainMenu* menu() const { return menu_; }
    MediumPanelWidget* mediumPanel() const { return Medium_Fenster; }
    ElementPanelWidget* elementPanel() const { return Element_Fenster; }
    TGasdaten* gasWindow() const { return Gasdaten; }
    TBtnBottomDlg* chooser() const { return BtnBottomDlg; }
    TZusatzElementfenster* elementDataWindow() const { return ZusatzElementfenster; }
    TZusatzVolumenstromfenster* flowDataWindow() const { return ZusatzVolumenstromfenster; }
    TRauDialog* roughnessDialog() const { return RauDialog; }
    TZetaDatenbank* zetaDatabase() const { return ZetaDatenbank; }
    const SpeedButtons& speedButtons() const { return speed_; }
    TLuftDialog* airDialog() const { return LuftDialog; }
    UserDatabase& userDatabase() { return *userDatabase_; }
    // The "&Calculate" menu's engineering tools and their dialogs.
    ToolActions* tools() const { return tools_; }
    // "&Extras" > "&Pipe sizes..." and the element panel's pipe-size buttons.
    PipeSizesAction* pipeSizes() const { return pipeSizes_; }
    // Undo and redo of the calculation table ("&Edit" > "&Undo", "&Redo").
    TableUndo* tableUndo() const { return undo_; }
    // "&Extras" > "Check &limits..." and the Checks window's "&Limits...".
    TCheckLimitsDialog* checkLimitsDialog();

Q_SIGNALS:
    // The check limits dialog took new limits (they belong to the options file).
    void checkLimitsChanged();

public Q_SLOTS:
    void BerechnungsschalterClick();
    void SpeedButton1Click();
    void ComboBox1Change();
    void ComboBox4Change();
    void ComboBox5Change();
    void Radio_GasClick();
    void Radio_FluessigClick();
    // A calculation column of the table back into the input fields.
    void copyToEditWindows(int tableColumn);
    // "Replace column N" and "Recalculate all with current medium...".
    void replaceSelectedColumn();
    void recalculateAll();
    void showReplaceButton(int tableColumn);
    // "P&ressure drop = f (rate of flow)...": needs calculations in the table.
    void plantCharacteristicClick();
    // A fitting chosen in the resistance-coefficient database into the
    // element panel (and the next column's specification).
    void takeChosenFitting(const tolvane::ZetaCopy& copy, bool withSpecification);
    // A property dialog's medium into the medium panel and the gas data window.
    void applyMedium(const MediumChoice& choice);
    // The data windows on the screen that cover this window or the table
    // window move beside this window again (after either was placed).
    void keepDataWindowsClear();
    // "Export table as P&DF...": the table printout into a PDF file.
    void exportTablePdf();
    // "&Export table...": the table into a spreadsheet file.
    void exportTable();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanels();
    void wireMenu();
    void wireMedium();
    void wireTableMenu();
    void wireUndo();
    void buildPropertyDialogs();
    void wireShortDisplay();
    void wireShortDisplayUndo();
    void linkResultWindows();
    void wireChecks();
    void refreshChecks();
    void openCheckLimits();
    MenuContext menuContext();
    void placeDataWindow(QWidget* window);
    bool inTheWay(const QWidget* window) const;
    std::vector<QWidget*> dataWindows() const;

    Session& session_;
    PlatformServices services_;
    RoughnessAsker asker_;
    DiameterMemory diameters_;  // for "Keep the diameter" on a kind change

    MainMenu* menu_ = nullptr;
    SpeedButtons speed_;
    MediumPanelWidget* Medium_Fenster = nullptr;
    ElementPanelWidget* Element_Fenster = nullptr;
    TGasdaten* Gasdaten = nullptr;
    TZusatzElementfenster* ZusatzElementfenster = nullptr;
    TZusatzVolumenstromfenster* ZusatzVolumenstromfenster = nullptr;
    TBtnBottomDlg* BtnBottomDlg = nullptr;
    TRauDialog* RauDialog = nullptr;
    TZetaDatenbank* ZetaDatenbank = nullptr;
    TWasser_Dialog* Wasser_Dialog = nullptr;
    TLuftDialog* LuftDialog = nullptr;
    TSattdampfDialog* SattdampfDialog = nullptr;
    TStoffwerteGaseNeu* StoffwerteGaseNeu = nullptr;
    TMedienDialog* MedienDialog = nullptr;
    TBen_Daba_Dlg* Ben_Daba_Dlg = nullptr;
    TBen_Daba_Dlg2* Ben_Daba_Dlg2 = nullptr;
    std::unique_ptr<UserDatabase> userDatabase_;
    FormBinder* binder_ = nullptr;
    ToolActions* tools_ = nullptr;
    PlantCurveAction* plantCurve_ = nullptr;
    PipeSizesAction* pipeSizes_ = nullptr;
    ReportAction* report_ = nullptr;
    TableUndo* undo_ = nullptr;
    QPointer<TAusgabe_Fenster> table_;
    QPointer<QLineEdit> editTarget_;    // the text field the "&Edit" menu acts on
    QSet<QWidget*> placedDataWindows_;  // placed once; the user may move them on
    QPointer<TKurzAnzeige> short_;
    TChecksWindow* checks_ = nullptr;  // View > Checks, beside the table
    TCheckLimitsDialog* checkLimits_ = nullptr;
    std::unique_ptr<QtPrintService> qtPrinter_;
    PrintService* printer_ = nullptr;
};

}  // namespace tolvane
