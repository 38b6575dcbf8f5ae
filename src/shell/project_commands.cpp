#include "shell/project_commands.h"

#include <filesystem>
#include <system_error>

#include "shell/recent_projects.h"

namespace tolvane {

namespace {

// "plant" becomes "plant.tlv"; a name that has an extension keeps it.
std::string withProjectExtension(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', nameStart) == std::string::npos) return path + ".tlv";
    return path;
}

void merge(ProjectOutcome& into, const ProjectOutcome& from) {
    into.tableReplaced |= from.tableReplaced;
    into.captionChanged |= from.captionChanged;
    into.outputSystemChanged |= from.outputSystemChanged;
    into.saved |= from.saved;
    if (!from.savedPath.empty()) into.savedPath = from.savedPath;
    into.refreshShortDisplay |= from.refreshShortDisplay;
    into.fileMissing |= from.fileMissing;
}

// The question before a table with calculations is given up. False when the
// command must stop: Cancel, or Yes with a save that did not happen (so the
// calculations are never lost unsaved).
bool offerToSave(Session& session, MessageSink& messages, FileDialogs& dialogs,
                 const std::string& title, const std::string& text, ProjectOutcome& out) {
    if (!session.table.hasValues()) return true;
    Answer a = messages.ask(title, text, QuestionButtons::YesNoCancel, Answer::No);
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes) {
        ProjectOutcome saved = SaveProject(session, messages, dialogs);
        merge(out, saved);
        return saved.saved;
    }
    return true;
}

}  // namespace

void ClearProject(Session& session) {
    session.table = CalculationTable();
    session.table.writeHeadings(session.settings.output, session.settings.decimals);
    session.projectName = kNoName;
}

ProjectOutcome NewProject(Session& session, MessageSink& messages, FileDialogs& dialogs) {
    ProjectOutcome out;
    out.refreshShortDisplay = true;
    if (!session.table.hasValues()) return out;
    if (!offerToSave(session, messages, dialogs, "Attention!", "Save the existing project?", out)) {
        return out;
    }
    ClearProject(session);
    out.tableReplaced = true;
    out.captionChanged = true;
    return out;
}

ProjectOutcome OpenProject(Session& session, MessageSink& messages, FileDialogs& dialogs) {
    ProjectOutcome out;
    if (!offerToSave(session, messages, dialogs, "attention!", "Save existing project?", out)) {
        return out;
    }
    auto path = dialogs.openFile(kProjectFilter, kProjectExtension);
    if (!path) return out;
    merge(out, LoadProject(session, *path, messages));
    return out;
}

ProjectOutcome OpenRecentProject(Session& session, const std::string& path, MessageSink& messages,
                                 FileDialogs& dialogs) {
    ProjectOutcome out;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        // Put together by appending: GCC 12 warns falsely (-Wrestrict) on replace.
        const std::string pattern = kRecentProjectMissing;
        const std::size_t at = pattern.find("%1");
        std::string text = pattern.substr(0, at);
        text.append(path);
        text.append(pattern, at + 2, std::string::npos);
        messages.show(MessageType::Warning, text);
        out.fileMissing = true;
        return out;
    }
    if (!offerToSave(session, messages, dialogs, "attention!", "Save existing project?", out)) {
        return out;
    }
    merge(out, LoadProject(session, path, messages));
    return out;
}

ProjectOutcome SaveProject(Session& session, MessageSink& messages, FileDialogs& dialogs) {
    ProjectOutcome out;
    if (!session.table.hasValues()) {
        messages.show(MessageType::Information,
                      "In the project are no values, saving is not necessary!");
        return out;
    }
    if (session.projectName == kNoName) return SaveProjectAs(session, messages, dialogs);
    out.saved = WriteProject(session, session.projectName, messages);
    if (out.saved) out.savedPath = session.projectName;
    return out;
}

ProjectOutcome SaveProjectAs(Session& session, MessageSink& messages, FileDialogs& dialogs) {
    ProjectOutcome out;
    auto chosen = dialogs.saveFile(kProjectFilter, kProjectExtension, session.projectName);
    if (!chosen || chosen->empty()) return out;
    std::string path = withProjectExtension(*chosen);
    if (!WriteProject(session, path, messages)) return out;
    session.projectName = path;
    out.saved = true;
    out.savedPath = path;
    out.captionChanged = true;
    return out;
}

}  // namespace tolvane
