// The recent projects of the "&File" menu, the folder the file dialogs open
// in, and opening a recent project that is gone.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "project_test_support.h"
#include "shell/dialog_folder.h"
#include "shell/project_commands.h"
#include "shell/recent_projects.h"
#include "base/text_file.h"

namespace tolvane {
namespace {

using List = std::vector<std::string>;
using testing_support::addCalculations;
using testing_support::ScratchFolder;

TEST(RecentProjects, NewestFirstEachFileOnceAtMostEight) {
    struct Case {
        const char* name;
        List before;
        std::string added;
        List after;
    };
    const Case cases[] = {
        {"into an empty list", {}, "/p/a.tlv", {"/p/a.tlv"}},
        {"newest first", {"/p/a.tlv"}, "/p/b.tlv", {"/p/b.tlv", "/p/a.tlv"}},
        {"again moves to the top",
         {"/p/a.tlv", "/p/b.tlv", "/p/c.tlv"},
         "/p/c.tlv",
         {"/p/c.tlv", "/p/a.tlv", "/p/b.tlv"}},
        {"same file by another spelling", {"/p/a.tlv"}, "/p/x/../a.tlv", {"/p/a.tlv"}},
        {"ninth pushes out the oldest",
         {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
         "/9",
         {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
        {"empty name adds nothing", {"/p/a.tlv"}, "", {"/p/a.tlv"}},
    };
    for (const Case& c : cases) EXPECT_EQ(withRecentProject(c.before, c.added), c.after) << c.name;
}

TEST(RecentProjects, RemovedAndCleaned) {
    EXPECT_EQ(withoutRecentProject({"/a", "/b", "/a"}, "/a"), (List{"/b"}));
    EXPECT_EQ(withoutRecentProject({"/a"}, "/c"), (List{"/a"}));
    EXPECT_EQ(cleanRecentProjects({"", "/a", "/b", "/a", "/c", "/d", "/e", "/f", "/g", "/h", "/i"}),
              (List{"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h"}));
}

TEST(RecentProjects, MenuTextsNumberedWithTheFolderOnlyWhenNamesClash) {
    const List list{"/home/u/plant.tlv", "/home/u/old/plant.tlv", "/home/u/R&D.tlv"};
    EXPECT_EQ(recentProjectLabel(list, 0), "&1 plant.tlv  [/home/u]");
    EXPECT_EQ(recentProjectLabel(list, 1), "&2 plant.tlv  [/home/u/old]");
    EXPECT_EQ(recentProjectLabel(list, 2), "&3 R&&D.tlv");
    EXPECT_EQ(recentProjectLabel(list, 3), "");
}

TEST(RecentProjects, KeptBesideTheSettingsFile) {
    EXPECT_EQ(recentProjectsFilePath("/opt/tolvane/TOLV.INI"), "/opt/tolvane/tolvane-recent.ini");
    EXPECT_EQ(recentProjectsFilePath("/home/u/.config/Tolvane/TOLV.INI"),
              "/home/u/.config/Tolvane/tolvane-recent.ini");
}

TEST(RecentProjects, AFileThatIsGoneIsReportedWithoutAQuestion) {
    ScratchFolder folder;
    Session s;
    addCalculations(s, 2);
    s.projectSaved = false;
    RecordingMessageSink sink;
    ScriptedFileDialogs dialogs;
    const std::string gone = folder.file("gone.tlv");
    const ProjectOutcome out = OpenRecentProject(s, gone, sink, dialogs);
    EXPECT_TRUE(out.fileMissing);
    EXPECT_FALSE(out.tableReplaced);
    EXPECT_TRUE(sink.questions.empty());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].type, MessageType::Warning);
    EXPECT_NE(sink.messages[0].text.find(gone), std::string::npos);
    EXPECT_EQ(s.table.calculationCount(), 2);
}

TEST(RecentProjects, AnExistingFileIsOpenedAfterTheSaveQuestion) {
    ScratchFolder folder;
    Session source;
    addCalculations(source, 3);
    const std::string path = folder.file("plant.tlv");
    ASSERT_EQ(writeProjectFile(path, source.table, OutputSystem::Metric), "");

    Session s;
    addCalculations(s, 1);
    RecordingMessageSink sink;
    sink.answers.push_back(Answer::No);
    ScriptedFileDialogs dialogs;
    const ProjectOutcome out = OpenRecentProject(s, path, sink, dialogs);
    EXPECT_TRUE(out.tableReplaced);
    EXPECT_EQ(sink.questions.size(), 1u);
    EXPECT_EQ(s.projectName, path);
    EXPECT_EQ(s.table.calculationCount(), 3);
}

TEST(RecentProjects, OpenSavingFirstNamesTheSavedFileToo) {
    ScratchFolder folder;
    Session source;
    addCalculations(source, 1);
    const std::string other = folder.file("other.tlv");
    ASSERT_EQ(writeProjectFile(other, source.table, OutputSystem::Metric), "");

    Session s;
    addCalculations(s, 2);  // unsaved, "NONAME.TLV"
    RecordingMessageSink sink;
    sink.answers.push_back(Answer::Yes);  // "Save existing project?"
    ScriptedFileDialogs dialogs;
    dialogs.replies = {folder.file("pump line"), other};
    const ProjectOutcome out = OpenProject(s, sink, dialogs);
    EXPECT_TRUE(out.saved);
    EXPECT_EQ(out.savedPath, folder.file("pump line.tlv"));
    EXPECT_TRUE(std::filesystem::exists(out.savedPath));
    EXPECT_EQ(s.projectName, other);
}

// Texts as the settings class writes them, so that lists kept by earlier
// versions of the program read the same.
TEST(RecentProjectsFile, ReadsAndWritesTheSettingsClassForm) {
    struct Case {
        const char* name;
        List list;
        std::string text;
    };
    const Case cases[] = {
        {"empty", {}, "[General]\nprojects=@Invalid()\n"},
        {"one", {"/p/a.tlv"}, "[General]\nprojects=/p/a.tlv\n"},
        {"two", {"/p/a.tlv", "/p/b.tlv"}, "[General]\nprojects=/p/a.tlv, /p/b.tlv\n"},
        {"comma quoted",
         {"/p/a,b.tlv", "/p/c.tlv"},
         "[General]\nprojects=\"/p/a,b.tlv\", /p/c.tlv\n"},
        {"blank at the end quoted", {"/p/a.tlv "}, "[General]\nprojects=\"/p/a.tlv \"\n"},
        {"quote and backslash escaped",
         {"/p/\"x\"\\y.tlv"},
         "[General]\nprojects=/p/\\\"x\\\"\\\\y.tlv\n"},
        {"letters beyond ASCII as UTF-8",
         {"/p/Übersicht.tlv"},
         "[General]\nprojects=/p/Übersicht.tlv\n"},
        {"tab escaped", {"/p/a\tb.tlv"}, "[General]\nprojects=/p/a\\tb.tlv\n"},
        {"leading @ doubled", {"/@p.tlv", "@q.tlv"}, "[General]\nprojects=/@p.tlv, @@q.tlv\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(recentProjectsFileText(c.list), c.text) << c.name;
        EXPECT_EQ(recentProjectsFromFileText(c.text), c.list) << c.name;
    }
}

TEST(RecentProjectsFile, ToleratesOtherKeysSectionsAndLineEnds) {
    EXPECT_EQ(recentProjectsFromFileText("[Other]\r\nprojects=/x.tlv\r\n[General]\r\n"
                                         "size=3\r\nprojects = /a.tlv ,  \" /b.tlv\"\r\n"),
              (List{"/a.tlv", " /b.tlv"}));
    EXPECT_EQ(recentProjectsFromFileText("projects=/a.tlv, /a.tlv, , /b.tlv"),
              (List{"/a.tlv", "/b.tlv"}));
    EXPECT_EQ(recentProjectsFromFileText("\\x41\n"), List{});
    EXPECT_EQ(recentProjectsFromFileText("projects=/\\x41\\x3b.tlv"), List{"/A;.tlv"});
    EXPECT_EQ(recentProjectsFromFileText(""), List{});
}

TEST(RecentProjectsFile, AChangeIsMergedIntoTheListOnTheDisk) {
    ScratchFolder folder;
    const std::string path = folder.file(kRecentProjectsFileName);
    auto add = [](const std::string& p) {
        return [p](List list) { return withRecentProject(std::move(list), p); };
    };
    // No file yet: the list in memory is the one changed.
    EXPECT_EQ(updateRecentProjectsFile(path, {"/m.tlv"}, add("/a.tlv")).list,
              (List{"/a.tlv", "/m.tlv"}));
    // A second program, started earlier, knows only its own list; it adds
    // to the list on the disk.
    EXPECT_EQ(updateRecentProjectsFile(path, {"/x.tlv"}, add("/b.tlv")).list,
              (List{"/b.tlv", "/a.tlv", "/m.tlv"}));
    const RecentProjectsUpdate gone = updateRecentProjectsFile(
        path, {}, [](List list) { return withoutRecentProject(std::move(list), "/a.tlv"); });
    EXPECT_EQ(gone.error, "");
    EXPECT_EQ(gone.list, (List{"/b.tlv", "/m.tlv"}));
    EXPECT_EQ(readRecentProjectsFile(path), (List{"/b.tlv", "/m.tlv"}));
}

TEST(RecentProjectsFile, ShortWriteKeepsTheOldFileAndSaysWhy) {
    ScratchFolder folder;
    const std::string path = folder.file(kRecentProjectsFileName);
    ASSERT_EQ(updateRecentProjectsFile(path, {}, [](List) { return List{"/a.tlv"}; }).error, "");
    const auto before = readFileBytes(path);
    RecentProjectsUpdate update;
    {
        testing_support::FileSizeLimit limit(before->size() + 4);
        ASSERT_TRUE(limit.active());
        update = updateRecentProjectsFile(path, {}, [](List list) {
            return withRecentProject(std::move(list), "/a/much/longer/name.tlv");
        });
    }
    EXPECT_NE(update.error.find(std::strerror(EFBIG)), std::string::npos);
    EXPECT_EQ(update.list, (List{"/a/much/longer/name.tlv", "/a.tlv"}));  // kept in memory
    EXPECT_EQ(readFileBytes(path), before);
    const std::string text = recentProjectsNotSavedText(path, update.error);
    EXPECT_NE(text.find(path), std::string::npos);
    EXPECT_NE(text.find(update.error), std::string::npos);
}

TEST(DialogFolder, TheProjectsFolderElseDocumentsElseHome) {
    ScratchFolder folder;
    const std::string projects = folder.file("projects");
    const std::string documents = folder.file("Documents");
    std::filesystem::create_directories(projects);
    std::filesystem::create_directories(documents);
    const std::string home = folder.path().string();
    struct Case {
        const char* name;
        std::string project, documents, expected;
    };
    const Case cases[] = {
        {"saved project", projects + "/plant.tlv", documents, projects},
        {"unsaved project", "NONAME.TLV", documents, documents},
        {"project folder removed since", folder.file("removed") + "/plant.tlv", documents,
         documents},
        {"no documents folder", "NONAME.TLV", folder.file("no such folder"), home},
        {"documents unknown", "NONAME.TLV", "", home},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileDialogFolder(c.project, c.documents, home), c.expected) << c.name;
}

}  // namespace
}  // namespace tolvane
