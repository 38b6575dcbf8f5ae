// The project commands on the desktop: "&New project", "&Open project...",
// "&Save project" and "Save project &as..." of the main window's "&File" menu
// and the calculation table window's open and save buttons. Each calls the
// core command and then brings the windows in line with its outcome: the
// table window shows the new table under the project's name, and is shown
// only while "Calculation &table" is checked.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "shell/project_file.h"
#include "shell/recent_projects.h"
#include "shell/widgets/qt_platform.h"

namespace tolvane {

class TAusgabe_Fenster;
class TMyWindow;

class ProjectActions : public QObject {
    Q_OBJECT
public:
    // Connects the menu items and the table window's buttons and makes the
    // four menu items available.
    ProjectActions(TMyWindow& window, TAusgabe_Fenster& table, PlatformServices services,
                   QObject* parent = nullptr);

    // The project named on the command line, loaded before start-up shows
    // the table window; its messages go to `messages`.
    void loadProject(const std::string& path, MessageSink& messages);

    // At shutdown: an unsaved table with calculations is offered for saving
    // ("Save the existing project?", Yes/No). False when the user said Yes
    // but nothing was saved (dialog cancelled, write failed): the program
    // then stays open rather than lose the calculations.
    bool offerSaveAtExit();

    // The recently used projects are kept in this INI file and listed in the
    // "&File" menu; without a file the list is not kept. Each change is
    // merged into the list on the disk, which a second program may share;
    // a failure to write it is told once.
    void setRecentProjectsFile(const QString& iniPath);
    std::vector<std::string> recentProjects() const { return recent_; }

public Q_SLOTS:
    void NewProjectClick();
    void OpenProjectClick();
    void SaveProjectClick();
    void SaveProjectAsClick();
    // Entry `index` (0-based) of the recent projects.
    void OpenRecentClick(int index);

private:
    void apply(const ProjectOutcome& outcome, bool mayShowTable = true);
    void rememberProject(const std::string& path);
    void forgetProject(const std::string& path);
    void changeRecent(const RecentProjectsChange& change);
    void showRecent();

    TMyWindow& window_;
    TAusgabe_Fenster& table_;
    PlatformServices services_;
    std::string recentFile_;
    std::vector<std::string> recent_;
    bool recentFailureTold_ = false;
};

}  // namespace tolvane
