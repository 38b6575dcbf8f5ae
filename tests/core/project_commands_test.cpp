// New, Open, Save and Save as with the questions answered and the file
// dialogs scripted.
#include <gtest/gtest.h>

#include <optional>

#include "project_test_support.h"
#include "shell/project_commands.h"
#include "base/text_file.h"

namespace tolvane {
namespace {

using testing_support::addCalculations;
using testing_support::ScratchFolder;

constexpr const char* kDialogFile = "@dialog";  // stands for a file in the scratch folder

struct CommandCase {
    const char* name;
    int calculations;  // in the table before the command
    bool named;        // the project already has a file name
    std::vector<Answer> answers;
    std::vector<std::optional<std::string>> dialogReplies;  // names in the scratch folder
    // expected:
    int questions;
    bool tableCleared;
    bool fileWritten;  // the save dialog's file or the named file
    int dialogsUsed;
};

Session sessionFor(const CommandCase& c, const ScratchFolder& dir) {
    Session s;
    s.settings.output = OutputSystem::US;
    addCalculations(s, c.calculations);
    s.projectSaved = false;
    if (c.named) s.projectName = dir.file("named.tlv");
    return s;
}

void script(const CommandCase& c, const ScratchFolder& dir, RecordingMessageSink& messages,
            ScriptedFileDialogs& dialogs) {
    for (Answer a : c.answers) messages.answers.push_back(a);
    for (const auto& r : c.dialogReplies) {
        dialogs.replies.push_back(r ? std::optional<std::string>(dir.file(*r)) : std::nullopt);
    }
}

class NewProjectCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(NewProjectCommand, AsksSavesAndClears) {
    const CommandCase& c = GetParam();
    ScratchFolder dir;
    Session s = sessionFor(c, dir);
    const std::string nameBefore = s.projectName;
    RecordingMessageSink messages;
    ScriptedFileDialogs dialogs;
    script(c, dir, messages, dialogs);

    ProjectOutcome out = NewProject(s, messages, dialogs);

    EXPECT_TRUE(out.refreshShortDisplay);
    ASSERT_EQ(static_cast<int>(messages.questions.size()), c.questions);
    if (c.questions) {
        EXPECT_EQ(messages.questions[0].title, "Attention!");
        EXPECT_EQ(messages.questions[0].text, "Save the existing project?");
    }
    EXPECT_EQ(static_cast<int>(c.dialogReplies.size() - dialogs.replies.size()), c.dialogsUsed);
    if (c.tableCleared) {
        EXPECT_TRUE(out.tableReplaced);
        EXPECT_FALSE(s.table.hasValues());
        EXPECT_EQ(s.table.totalText(), "0.00 psi");
        EXPECT_EQ(s.projectName, "NONAME.TLV");
    } else {
        EXPECT_FALSE(out.tableReplaced);
        EXPECT_EQ(s.table.calculationCount(), c.calculations);
    }
    std::string written = c.named ? nameBefore : dir.file("saved.tlv");
    EXPECT_EQ(readFileBytes(written).has_value(), c.fileWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Projects, NewProjectCommand,
    ::testing::Values(
        CommandCase{"EmptyTableAsksNothing", 0, false, {}, {}, 0, false, false, 0},
        CommandCase{
            "CancelKeepsEverything", 2, false, {Answer::Cancel}, {"saved.tlv"}, 1, false, false, 0},
        CommandCase{"NoClears", 2, false, {Answer::No}, {"saved.tlv"}, 1, true, false, 0},
        CommandCase{
            "YesSavesAsThenClears", 2, false, {Answer::Yes}, {"saved.tlv"}, 1, true, true, 1},
        CommandCase{"YesSavesUnderItsNameThenClears", 2, true, {Answer::Yes}, {}, 1, true, true, 0},
        CommandCase{"YesButSaveCancelledKeepsTheTable",
                    2,
                    false,
                    {Answer::Yes},
                    {std::nullopt},
                    1,
                    false,
                    false,
                    1},
        CommandCase{"NoAnswerMeansDefaultNo", 1, false, {}, {}, 1, true, false, 0}),
    [](const auto& p) { return std::string(p.param.name); });

class OpenProjectCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(OpenProjectCommand, AsksThenOpensTheChosenFile) {
    const CommandCase& c = GetParam();
    ScratchFolder dir;
    // The file to open: one calculation, metric.
    {
        Session other;
        other.settings.output = OutputSystem::Metric;
        addCalculations(other, 1);
        RecordingMessageSink quiet;
        ASSERT_TRUE(WriteProject(other, dir.file("other.tlv"), quiet));
    }
    Session s = sessionFor(c, dir);
    RecordingMessageSink messages;
    ScriptedFileDialogs dialogs;
    script(c, dir, messages, dialogs);

    ProjectOutcome out = OpenProject(s, messages, dialogs);

    ASSERT_EQ(static_cast<int>(messages.questions.size()), c.questions);
    if (c.questions) {
        EXPECT_EQ(messages.questions[0].title, "attention!");
        EXPECT_EQ(messages.questions[0].text, "Save existing project?");
    }
    EXPECT_EQ(static_cast<int>(c.dialogReplies.size() - dialogs.replies.size()), c.dialogsUsed);
    EXPECT_TRUE(messages.messages.empty());
    if (c.tableCleared) {  // here: replaced by the opened file
        EXPECT_TRUE(out.tableReplaced);
        EXPECT_EQ(s.projectName, dir.file("other.tlv"));
        EXPECT_EQ(s.table.calculationCount(), 1);
        EXPECT_EQ(s.settings.output, OutputSystem::Metric);
    } else {
        EXPECT_FALSE(out.tableReplaced);
        EXPECT_EQ(s.table.calculationCount(), c.calculations);
        EXPECT_EQ(s.settings.output, OutputSystem::US);
    }
    EXPECT_EQ(readFileBytes(dir.file("saved.tlv")).has_value(), c.fileWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Projects, OpenProjectCommand,
    ::testing::Values(
        CommandCase{
            "EmptyTableOpensWithoutQuestion", 0, false, {}, {"other.tlv"}, 0, true, false, 1},
        CommandCase{
            "CancelOpensNothing", 2, false, {Answer::Cancel}, {"other.tlv"}, 1, false, false, 0},
        CommandCase{"NoOpens", 2, false, {Answer::No}, {"other.tlv"}, 1, true, false, 1},
        CommandCase{
            "YesSavesFirst", 2, false, {Answer::Yes}, {"saved.tlv", "other.tlv"}, 1, true, true, 2},
        CommandCase{"YesWithSaveCancelledStops",
                    2,
                    false,
                    {Answer::Yes},
                    {std::nullopt, "other.tlv"},
                    1,
                    false,
                    false,
                    1},
        CommandCase{
            "OpenDialogCancelled", 2, false, {Answer::No}, {std::nullopt}, 1, false, false, 1}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SaveProject, EmptyTableNeedsNoSaving) {
    Session s;
    RecordingMessageSink messages;
    ScriptedFileDialogs dialogs;
    dialogs.replies.push_back("/tmp/never.tlv");
    ProjectOutcome out = SaveProject(s, messages, dialogs);
    EXPECT_FALSE(out.saved);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              (Message{MessageType::Information,
                       "In the project are no values, saving is not necessary!", ""}));
    EXPECT_EQ(dialogs.replies.size(), 1u);
}

struct SaveAsCase {
    const char* chosen;  // relative to the scratch folder
    const char* stored;  // the name the file gets
};

class SaveAsNames : public ::testing::TestWithParam<SaveAsCase> {};

TEST_P(SaveAsNames, NoNameGoesThroughSaveAsAndGetsAnExtension) {
    ScratchFolder dir;
    std::filesystem::create_directories(dir.path() / "v1.2");
    Session s;
    addCalculations(s, 2);
    s.projectSaved = false;
    RecordingMessageSink messages;
    ScriptedFileDialogs dialogs;
    dialogs.replies.push_back(dir.file(GetParam().chosen));
    ProjectOutcome out = SaveProject(s, messages, dialogs);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(out.saved);
    EXPECT_TRUE(out.captionChanged);
    EXPECT_TRUE(s.projectSaved);
    EXPECT_EQ(s.projectName, dir.file(GetParam().stored));
    EXPECT_TRUE(readFileBytes(dir.file(GetParam().stored)).has_value());
}

INSTANTIATE_TEST_SUITE_P(Projects, SaveAsNames,
                         ::testing::Values(SaveAsCase{"plant", "plant.tlv"},
                                           SaveAsCase{"plant.TLV", "plant.TLV"},
                                           SaveAsCase{"plant.txt", "plant.txt"},
                                           SaveAsCase{"v1.2/plant", "v1.2/plant.tlv"}));

TEST(SaveProject, NamedProjectIsWrittenWithoutDialog) {
    ScratchFolder dir;
    Session s;
    addCalculations(s, 1);
    s.projectName = dir.file("line.tlv");
    s.projectSaved = false;
    RecordingMessageSink messages;
    ScriptedFileDialogs dialogs;
    ProjectOutcome out = SaveProject(s, messages, dialogs);
    EXPECT_TRUE(out.saved);
    EXPECT_FALSE(out.captionChanged);
    EXPECT_TRUE(s.projectSaved);
    auto lines = readTextLines(s.projectName);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 12u + 25u);
}

TEST(SaveProject, FailedWriteKeepsFlagAndName) {
    ScratchFolder dir;
    for (bool viaSaveAs : {false, true}) {
        Session s;
        addCalculations(s, 1);
        s.projectSaved = false;
        std::string target = dir.file("no such folder/line.tlv");
        ScriptedFileDialogs dialogs;
        if (viaSaveAs) {
            dialogs.replies.push_back(target);
        } else {
            s.projectName = target;
        }
        const std::string nameBefore = s.projectName;
        RecordingMessageSink messages;
        ProjectOutcome out = SaveProject(s, messages, dialogs);
        EXPECT_FALSE(out.saved);
        EXPECT_FALSE(out.captionChanged);
        EXPECT_FALSE(s.projectSaved);
        EXPECT_EQ(s.projectName, nameBefore);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].type, MessageType::Error);
    }
}

// Records what the dialogs were opened with; every dialog is cancelled.
struct RecordingDialogs : FileDialogs {
    std::vector<std::string> calls;
    std::optional<std::string> openFile(const std::string& filter,
                                        const std::string& ext) override {
        calls.push_back("open " + filter + " " + ext);
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string& filter, const std::string& ext,
                                        const std::string& suggested) override {
        calls.push_back("save " + filter + " " + ext + " " + suggested);
        return std::nullopt;
    }
};

TEST(ProjectDialogs, UseTheProjectFilterAndCancelChangesNothing) {
    Session s;
    addCalculations(s, 1);
    s.projectSaved = false;
    RecordingMessageSink messages;
    messages.answers = {Answer::No};
    RecordingDialogs dialogs;
    EXPECT_FALSE(SaveProjectAs(s, messages, dialogs).saved);
    EXPECT_FALSE(OpenProject(s, messages, dialogs).tableReplaced);
    EXPECT_EQ(dialogs.calls,
              (std::vector<std::string>{"save Projektdateien (*.tlv)|*.tlv TLV NONAME.TLV",
                                        "open Projektdateien (*.tlv)|*.tlv TLV"}));
    EXPECT_FALSE(s.projectSaved);
    EXPECT_EQ(s.projectName, "NONAME.TLV");
    EXPECT_EQ(s.table.calculationCount(), 1);
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace tolvane
