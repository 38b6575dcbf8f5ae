// One run of Tolvane on the desktop: start-up creates every window once, in
// its order, behind the splash screen; when the main window is first shown
// the settings file restores the working state and window places, a project
// named on the command line is loaded and the calculation table window comes
// up beside the main window. Closing the main window ("E&xit" or the close
// box) offers to save an unsaved table, writes the settings file and ends
// the run.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "shell/session.h"
#include "shell/settings_file.h"
#include "help/widgets/help_window.h"
#include "shell/widgets/qt_platform.h"
#include "base/product_version.h"

namespace tolvane {

class ProjectActions;
class TAusgabe_Fenster;
class HelpKeyFilter;
class TEinstellungenDlg;
class TKurzAnzeige;
class TMyWindow;
class TueberBox;

struct StartupOptions {
    std::vector<std::string> arguments;  // after the program's name
    std::string startDirectory;          // the current directory the user started from
    std::string programDirectory;        // made the current directory; "" leaves it
    std::string settingsPath;            // TOLV.INI
    bool splash = true;
};

class TolvaneProgram : public QObject {
    Q_OBJECT
public:
    TolvaneProgram(Session& session, PlatformServices services, StartupOptions options,
                   QObject* parent = nullptr);
    ~TolvaneProgram() override;

    // Creates the windows and shows the main window; the rest of start-up
    // follows its first showing.
    void start();

    TMyWindow* mainWindow() const { return main_.get(); }
    TAusgabe_Fenster* tableWindow() const { return table_.get(); }
    TKurzAnzeige* shortDisplay() const { return short_.get(); }
    TEinstellungenDlg* settingsDialog() const { return settingsDialog_; }
    // Built at its first use (F1, "&Index" or this call).
    HelpWindow* helpWindow() const;
    TueberBox* aboutBox() const { return aboutBox_; }
    ProjectActions* projects() const { return projects_; }
    const WindowPlaces& places() const { return places_; }
    const std::string& helpFile() const { return helpFile_; }
    // Start-up is complete: settings read, project loaded, table window shown.
    bool started() const { return started_; }

    static constexpr const char* kTitle = kProgramTitle;
    // The first help page, found like the data files.
    static constexpr const char* kHelpFile = "help/contents.html";

public Q_SLOTS:
    void SettingsClick();

Q_SIGNALS:
    // Start-up is complete (see started()).
    void startedUp();
    // The main window has closed: the run is over.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mainWindowShowing();
    void finishStartup(const std::vector<Message>& messages);
    void readOptions();
    void writeOptions();
    bool shutdown();
    void placeWindows();
    void keepPlaces();

    Session& session_;
    PlatformServices services_;
    StartupOptions options_;
    WindowPlaces places_;
    std::string helpFile_;
    std::unique_ptr<TMyWindow> main_;
    std::unique_ptr<TAusgabe_Fenster> table_;
    std::unique_ptr<TKurzAnzeige> short_;
    TEinstellungenDlg* settingsDialog_ = nullptr;
    TueberBox* aboutBox_ = nullptr;
    ProjectActions* projects_ = nullptr;
    mutable QPointer<HelpWindow> help_;  // a modal dialog's child while opened from one
    HelpKeyFilter* helpKeys_ = nullptr;
    bool shown_ = false;
    bool started_ = false;
};

}  // namespace tolvane
