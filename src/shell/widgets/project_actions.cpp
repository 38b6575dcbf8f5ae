#include "shell/widgets/project_actions.h"

#include <QAction>

#include "results/widgets/calculation_table_window.h"
#include "results/widgets/table_undo.h"
#include "shell/project_commands.h"
#include "shell/recent_projects.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"

namespace tolvane {

ProjectActions::ProjectActions(TMyWindow& window, TAusgabe_Fenster& table,
                               PlatformServices services, QObject* parent)
    : QObject(parent), window_(window), table_(table), services_(services) {
    MainMenu& m = *window_.menu();
    const std::pair<QAction*, void (ProjectActions::*)()> items[] = {
        {m.newProject, &ProjectActions::NewProjectClick},
        {m.openProject, &ProjectActions::OpenProjectClick},
        {m.saveProject, &ProjectActions::SaveProjectClick},
        {m.saveProjectAs, &ProjectActions::SaveProjectAsClick},
    };
    for (auto [action, slot] : items) {
        connect(action, &QAction::triggered, this, slot);
        m.setAvailable(action);
    }
    for (std::size_t i = 0; i < m.recentProjects.size(); ++i)
        connect(m.recentProjects[i], &QAction::triggered, this,
                [this, i] { OpenRecentClick(static_cast<int>(i)); });
    connect(&table_, &TAusgabe_Fenster::openProjectRequested, this,
            &ProjectActions::OpenProjectClick);
    connect(&table_, &TAusgabe_Fenster::saveProjectRequested, this,
            &ProjectActions::SaveProjectClick);
    if (m.context) m.updateFileMenu(m.context());
}

void ProjectActions::NewProjectClick() {
    apply(NewProject(window_.session(), services_.messages, services_.files));
}

void ProjectActions::OpenProjectClick() {
    apply(OpenProject(window_.session(), services_.messages, services_.files));
}

void ProjectActions::SaveProjectClick() {
    apply(SaveProject(window_.session(), services_.messages, services_.files));
}

void ProjectActions::SaveProjectAsClick() {
    apply(SaveProjectAs(window_.session(), services_.messages, services_.files));
}

void ProjectActions::OpenRecentClick(int index) {
    if (index < 0 || index >= static_cast<int>(recent_.size())) return;
    const std::string path = recent_[static_cast<std::size_t>(index)];
    const ProjectOutcome outcome =
        OpenRecentProject(window_.session(), path, services_.messages, services_.files);
    if (outcome.fileMissing) forgetProject(path);
    apply(outcome);
}

void ProjectActions::setRecentProjectsFile(const QString& iniPath) {
    recentFile_ = iniPath.toStdString();
    recent_ =
        recentFile_.empty() ? std::vector<std::string>{} : readRecentProjectsFile(recentFile_);
    showRecent();
}

void ProjectActions::rememberProject(const std::string& path) {
    changeRecent([&path](std::vector<std::string> list) {
        return withRecentProject(std::move(list), path);
    });
}

void ProjectActions::forgetProject(const std::string& path) {
    changeRecent([&path](std::vector<std::string> list) {
        return withoutRecentProject(std::move(list), path);
    });
}

void ProjectActions::changeRecent(const RecentProjectsChange& change) {
    if (recentFile_.empty()) {
        recent_ = cleanRecentProjects(change(recent_));
    } else {
        RecentProjectsUpdate update = updateRecentProjectsFile(recentFile_, recent_, change);
        recent_ = std::move(update.list);
        // Told once; the list then lives on in memory. A later success
        // makes a new failure worth telling again.
        if (update.error.empty()) {
            recentFailureTold_ = false;
        } else if (!recentFailureTold_) {
            recentFailureTold_ = true;
            services_.messages.show(MessageType::Warning,
                                    recentProjectsNotSavedText(recentFile_, update.error));
        }
    }
    showRecent();
}

void ProjectActions::showRecent() {
    std::vector<std::pair<QString, QString>> entries;
    for (std::size_t i = 0; i < recent_.size(); ++i)
        entries.emplace_back(QString::fromStdString(recentProjectLabel(recent_, i)),
                             QString::fromStdString(recent_[i]));
    window_.menu()->showRecentProjects(entries);
}

void ProjectActions::loadProject(const std::string& path, MessageSink& messages) {
    apply(LoadProject(window_.session(), path, messages), false);
}

bool ProjectActions::offerSaveAtExit() {
    Session& s = window_.session();
    if (s.projectSaved || !s.table.hasValues()) return true;
    if (services_.messages.ask("Attention!", "Save the existing project?", QuestionButtons::YesNo,
                               Answer::Yes) != Answer::Yes)
        return true;
    const ProjectOutcome outcome = SaveProject(s, services_.messages, services_.files);
    apply(outcome);
    return outcome.saved;
}

void ProjectActions::apply(const ProjectOutcome& outcome, bool mayShowTable) {
    MainMenu& m = *window_.menu();
    const Session& s = window_.session();
    TableUndo* undo = window_.tableUndo();
    if (outcome.saved) undo->markSaved();
    // A new or opened table starts a history of its own.
    if (outcome.tableReplaced) undo->startOver();
    // Saved under one name and then opened another (Open's "Save existing
    // project?"): both are listed, the opened one on top.
    if (outcome.saved && !outcome.savedPath.empty()) rememberProject(outcome.savedPath);
    if (outcome.tableReplaced && s.projectName != kNoName) rememberProject(s.projectName);
    if (outcome.tableReplaced) {
        table_.reloadTable();
        if (mayShowTable && m.viewTable->isChecked() && !table_.isVisible()) table_.show();
    } else if (outcome.captionChanged) {
        table_.updateCaption();
    }
    if (m.context) {
        const MenuContext c = m.context();
        m.updateFileMenu(c);
        m.updateCalculateMenu(c);
        m.updateTableMenu(c);
    }
}

}  // namespace tolvane
