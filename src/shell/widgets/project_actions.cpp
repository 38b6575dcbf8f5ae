#include "shell/widgets/project_actions.h"

#include <QAction>

#include "results/widgets/calculation_table_window.h"
#include "shell/project_commands.h"
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
