// USER.DAT: the fixed 1537-byte records, the editor's paging, new, delete
// and sort, the damaged file that is kept aside, and the hand-back units.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "file_size_limit.h"
#include "project_test_support.h"
#include "properties/user_database.h"
#include "base/text_file.h"
#include "units/unit_catalogue.h"

namespace tolvane {
namespace {

using testing_support::FileSizeLimit;
using testing_support::ScratchFolder;
using Names = std::vector<std::string>;

UserRecord record(const std::string& name, bool liquid = true) {
    return {name, liquid, "20", "1013", "998,2", "1002", "line one\r\nline two"};
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(UserRecords, LayoutOfOneRecord) {
    UserRecord r = record("Öl");
    r.liquid = true;
    const std::string bytes = encodeUserRecords({r});
    ASSERT_EQ(bytes.size(), 1537u);
    EXPECT_EQ(bytes[0], 2);                  // length byte
    EXPECT_EQ(bytes.substr(1, 2), "\xD6l");  // Windows-1252
    EXPECT_EQ(bytes[256], 1);
    EXPECT_EQ(bytes[257], 2);
    EXPECT_EQ(bytes.substr(258, 2), "20");
    EXPECT_EQ(bytes.substr(514, 4), "1013");
    EXPECT_EQ(bytes.substr(770, 5), "998,2");
    EXPECT_EQ(bytes.substr(1026, 4), "1002");
    EXPECT_EQ(bytes.substr(1282, 18), "line one\r\nline two");
    EXPECT_EQ(decodeUserRecords(bytes).records, std::vector<UserRecord>{r});
}

TEST(UserRecords, TextsAreCutTo255) {
    UserRecord r = record(std::string(300, 'x'));
    const auto back = decodeUserRecords(encodeUserRecords({r})).records;
    EXPECT_EQ(back[0].name, std::string(255, 'x'));
}

TEST(UserRecords, SizeGivesTheCount) {
    const std::string two = encodeUserRecords({record("a"), record("b", false)});
    EXPECT_EQ(two.size(), 3074u);
    const auto content = decodeUserRecords(two);
    EXPECT_EQ(content.records.size(), 2u);
    EXPECT_FALSE(content.damaged);
    EXPECT_FALSE(content.records[1].liquid);
    const auto cut = decodeUserRecords(two + "xyz");
    EXPECT_EQ(cut.records.size(), 2u);
    EXPECT_TRUE(cut.damaged);
}

TEST(UserDatabase, MissingFileIsEmptyWithoutWarning) {
    ScratchFolder dir;
    UserDatabase db(dir.file("USER.DAT"));
    EXPECT_EQ(db.count(), 0);
    EXPECT_EQ(db.takeWarning(), "");
    EXPECT_EQ(db.counterText(), "Data record 0 of 0");
    db.appendNew("Brine");
    EXPECT_EQ(db.counterText(), "Data record 1 of 1");
    EXPECT_EQ(db.current()->name, "Brine");
    EXPECT_FALSE(db.current()->liquid);
}

TEST(UserDatabase, PagingByOneAndByFive) {
    UserDatabase db;
    for (const char* n : {"a", "b", "c", "d", "e", "f"}) db.appendNew(n);
    db.backFive();
    EXPECT_EQ(db.position(), 1);
    db.backOne();
    EXPECT_EQ(db.position(), 1);
    db.forwardOne();
    db.forwardOne();
    EXPECT_EQ(db.position(), 3);
    db.forwardFive();
    EXPECT_EQ(db.position(), 6);
    db.forwardOne();
    EXPECT_EQ(db.position(), 6);
    db.backOne();
    db.backOne();
    EXPECT_EQ(db.position(), 4);
    db.backFive();
    EXPECT_EQ(db.position(), 1);
    db.forwardFive();
    EXPECT_EQ(db.position(), 6);
    db.backFive();
    EXPECT_EQ(db.position(), 1);
}

TEST(UserDatabase, StoreThenSortListsTheNewName) {
    UserDatabase db;
    db.appendNew("m");
    db.appendNew("");
    db.store(record("Ammonia"));  // typed after "New data record"
    db.sortByName();
    EXPECT_EQ(db.position(), 1);
    EXPECT_EQ(db.current()->name, "Ammonia");
    EXPECT_EQ(db.records()[1].name, "m");
}

TEST(UserDatabase, SortIgnoresLetterCase) {
    UserDatabase db;
    for (const char* n : {"beta", "Alpha", "gamma", "Delta"}) db.appendNew(n);
    db.sortByName();
    std::vector<std::string> names;
    for (const auto& r : db.records()) names.push_back(r.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma"}));
}

TEST(UserDatabase, DeleteToTheEmptyState) {
    UserDatabase db;
    db.appendNew("a");
    db.appendNew("b");
    db.removeCurrent();
    EXPECT_EQ(db.position(), 1);
    EXPECT_EQ(db.counterText(), "Data record 1 of 1");
    db.removeCurrent();
    EXPECT_EQ(db.current(), nullptr);
    EXPECT_EQ(db.counterText(), "Data record 0 of 0");
    db.store(record("ignored"));  // nothing to store into
    EXPECT_EQ(db.count(), 0);
}

TEST(UserDatabase, SaveAndLoadAgain) {
    ScratchFolder dir;
    RecordingMessageSink sink;
    UserDatabase db(dir.file("USER.DAT"));
    db.appendNew("");
    db.store(record("Glycol 30 %"));
    ASSERT_TRUE(db.save(sink));
    EXPECT_EQ(std::filesystem::file_size(dir.file("USER.DAT")), 1537u);
    db.appendNew("unsaved");
    db.load();  // "&Cancel"
    EXPECT_EQ(db.count(), 1);
    EXPECT_EQ(db.current()->name, "Glycol 30 %");
    EXPECT_TRUE(sink.messages.empty());
}

TEST(UserDatabase, DamagedFileIsReadWarnedAndKeptAside) {
    ScratchFolder dir;
    const std::string path = dir.file("USER.DAT");
    const std::string original = encodeUserRecords({record("a"), record("b")}) + "partial";
    writeBytes(path, original);
    RecordingMessageSink sink;
    UserDatabase db(path);
    EXPECT_EQ(db.count(), 2);
    const std::string warning = db.takeWarning();
    EXPECT_NE(warning.find("USER.DAT.bak"), std::string::npos);
    EXPECT_EQ(db.takeWarning(), "");  // once
    db.load();
    EXPECT_EQ(db.takeWarning(), "");

    db.removeCurrent();
    ASSERT_TRUE(db.save(sink));
    EXPECT_EQ(readFileBytes(path + ".bak"), original);
    EXPECT_EQ(std::filesystem::file_size(path), 1537u);
    // A second save does not overwrite the copy of the damaged file.
    db.removeCurrent();
    ASSERT_TRUE(db.save(sink));
    EXPECT_EQ(readFileBytes(path + ".bak"), original);
}

TEST(UserDatabase, FailedSaveSaysSoAndKeepsTheFile) {
    ScratchFolder dir;
    const std::string path = dir.file("sub/USER.DAT");  // its folder does not exist
    RecordingMessageSink sink;
    UserDatabase db(path);
    db.appendNew("x");
    EXPECT_FALSE(db.save(sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].type, MessageType::Error);
    EXPECT_NE(sink.messages[0].text.find("could not be saved"), std::string::npos);
}

TEST(UserDatabase, TypedIntoAnEmptyEditorBecomesRecordOne) {
    UserDatabase db;
    db.storeTyped(UserRecord{});  // nothing typed: still no record
    EXPECT_EQ(db.count(), 0);
    UserRecord typed{"", true, "", "", "870", "", ""};  // only a density
    db.storeTyped(typed);
    ASSERT_EQ(db.count(), 1);
    EXPECT_EQ(db.counterText(), "Data record 1 of 1");
    EXPECT_EQ(*db.current(), typed);
    typed.name = "Oil";
    db.storeTyped(typed);  // with a record it is an ordinary store
    EXPECT_EQ(db.count(), 1);
    EXPECT_EQ(db.current()->name, "Oil");
}

TEST(UserDatabase, ShortWriteKeepsTheOldFileAndSaysWhy) {
    ScratchFolder dir;
    const std::string path = dir.file("USER.DAT");
    const std::string before = encodeUserRecords({record("a")});
    writeBytes(path, before);
    UserDatabase db(path);
    db.appendNew("b");
    RecordingMessageSink sink;
    {
        FileSizeLimit limit(2000);  // one record fits, two do not
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(db.save(sink));
    }
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].type, MessageType::Error);
    EXPECT_NE(sink.messages[0].text.find(std::strerror(EFBIG)), std::string::npos);
    EXPECT_NE(sink.messages[0].text.find("previous file is kept"), std::string::npos);
    EXPECT_EQ(db.count(), 2);  // nothing typed is lost; it can be saved once there is room
    EXPECT_TRUE(db.save(sink));
    EXPECT_EQ(decodeUserRecords(*readFileBytes(path)).records.size(), 2u);
}

Names namesIn(const std::string& path) {
    Names names;
    for (const UserRecord& r : decodeUserRecords(readFileBytes(path).value_or("")).records)
        names.push_back(r.name);
    return names;
}

// Two programs share USER.DAT: both read it, `first` edits and saves, then
// `second` edits and saves with `answer` to the question.
struct TwoProgramsCase {
    const char* name;
    Names file;
    std::function<void(UserDatabase&)> first;
    std::function<void(UserDatabase&)> second;
    Answer answer;
    Names saved;        // the file's names afterwards
    std::string shown;  // the record the second editor stands on afterwards
};

void rename(UserDatabase& db, int position, const std::string& name) {
    while (db.position() > position) db.backOne();
    while (db.position() < position) db.forwardOne();
    UserRecord r = *db.current();
    r.name = name;
    db.store(r);
}

TEST(UserDatabase, TwoProgramsSavingAskBeforeOverwriting) {
    auto add = [](const char* n) { return [n](UserDatabase& db) { db.appendNew(n); }; };
    const TwoProgramsCase cases[] = {
        {"both add, read again", {"a"}, add("x"), add("y"), Answer::Yes, {"a", "x", "y"}, "y"},
        {"both add, overwrite", {"a"}, add("x"), add("y"), Answer::No, {"a", "y"}, "y"},
        {"both add, cancel", {"a"}, add("x"), add("y"), Answer::Cancel, {"a", "x"}, "y"},
        {"changed here, deleted there",
         {"a", "b", "c"},
         [](UserDatabase& db) {
             db.forwardOne();
             db.removeCurrent();
         },
         [](UserDatabase& db) { rename(db, 3, "c2"); },
         Answer::Yes,
         {"a", "c2"},
         "c2"},
        {"deleted here, added there",
         {"a", "b"},
         add("x"),
         [](UserDatabase& db) { db.removeCurrent(); },
         Answer::Yes,
         {"b", "x"},
         "b"},
        {"the same record changed in both: both kept",
         {"a", "b"},
         [](UserDatabase& db) { rename(db, 2, "b-first"); },
         [](UserDatabase& db) { rename(db, 2, "b-second"); },
         Answer::Yes,
         {"a", "b-first", "b-second"},
         "b-second"},
        {"sorted here, reordered and added there",
         {"c", "a"},
         [](UserDatabase& db) {
             db.appendNew("b");
             db.sortByName();
             db.removeCurrent();  // "a"
         },
         [](UserDatabase& db) {
             db.appendNew("d");
             db.sortByName();
         },
         Answer::Yes,
         {"b", "c", "d"},
         "b"},
    };
    for (const TwoProgramsCase& c : cases) {
        ScratchFolder dir;
        const std::string path = dir.file("USER.DAT");
        std::vector<UserRecord> records;
        for (const std::string& n : c.file) records.push_back(record(n));
        writeBytes(path, encodeUserRecords(records));
        UserDatabase first(path), second(path);
        RecordingMessageSink sink;
        c.first(first);
        ASSERT_TRUE(first.save(sink)) << c.name;
        EXPECT_TRUE(sink.questions.empty()) << c.name;  // nobody changed it meanwhile
        c.second(second);
        EXPECT_TRUE(second.changedOnDisk()) << c.name;
        sink.answers.push_back(c.answer);
        EXPECT_EQ(second.save(sink), c.answer != Answer::Cancel) << c.name;
        ASSERT_EQ(sink.questions.size(), 1u) << c.name;
        EXPECT_EQ(sink.questions[0].title, "Attention!");
        EXPECT_EQ(sink.questions[0].text, userFileChangedQuestion("USER.DAT"));
        EXPECT_EQ(namesIn(path), c.saved) << c.name;
        ASSERT_NE(second.current(), nullptr) << c.name;
        EXPECT_EQ(second.current()->name, c.shown) << c.name;
        if (c.answer == Answer::Cancel) continue;
        // Saved, the file is the second program's again: no question next time.
        EXPECT_FALSE(second.changedOnDisk()) << c.name;
        EXPECT_TRUE(second.save(sink));
        EXPECT_EQ(sink.questions.size(), 1u) << c.name;
    }
}

TEST(UserDatabase, AFileMadeByAnotherProgramIsNotOverwrittenUnasked) {
    ScratchFolder dir;
    const std::string path = dir.file("USER.DAT");
    UserDatabase mine(path);  // no file yet
    writeBytes(path, encodeUserRecords({record("theirs")}));
    mine.appendNew("mine");
    RecordingMessageSink sink;  // the default answer reads the file again
    EXPECT_TRUE(mine.save(sink));
    EXPECT_EQ(sink.questions.size(), 1u);
    EXPECT_EQ(namesIn(path), (Names{"theirs", "mine"}));
}

TEST(UserDatabase, AFileTouchedButUnchangedIsNoConflict) {
    ScratchFolder dir;
    const std::string path = dir.file("USER.DAT");
    const std::string bytes = encodeUserRecords({record("a")});
    writeBytes(path, bytes);
    UserDatabase db(path);
    writeBytes(path, bytes);  // written again with the same records
    EXPECT_FALSE(db.changedOnDisk());
    writeBytes(path, encodeUserRecords({record("b")}));
    EXPECT_TRUE(db.changedOnDisk());
}

TEST(UserChoice, UnitsFollowTheSetting) {
    UserRecord gas = record("Biogas", false);
    const MediumChoice metric = userChoice(gas, true);
    EXPECT_TRUE(metric.gas);
    EXPECT_EQ(metric.densityUnit, 0);
    EXPECT_EQ(metric.viscosityUnit, 0);
    ASSERT_TRUE(metric.gasState);
    EXPECT_EQ(UnitCatalogue::texts(UnitList::GasPressure)[metric.gasState->pressureUnit], "mbar");
    EXPECT_EQ(UnitCatalogue::texts(UnitList::Temperature)[metric.gasState->temperatureUnit], "°C");

    const MediumChoice us = userChoice(gas, false);
    EXPECT_EQ(UnitCatalogue::texts(UnitList::Density)[us.densityUnit], "lb./cu.ft.");
    EXPECT_EQ(UnitCatalogue::texts(UnitList::AbsViscosity)[us.viscosityUnit], "cP");
    EXPECT_EQ(UnitCatalogue::texts(UnitList::GasPressure)[us.gasState->pressureUnit], "psi");
    EXPECT_EQ(UnitCatalogue::texts(UnitList::Temperature)[us.gasState->temperatureUnit], "degF");
    EXPECT_EQ(us.gasState->pressure, "1013");
    EXPECT_EQ(us.gasState->temperature, "20");

    EXPECT_FALSE(userChoice(record("Oil"), true).gasState);
}

TEST(ChooserRow, StaysWithinTheList) {
    EXPECT_EQ(chooserRow(1, 0), 1);
    EXPECT_EQ(chooserRow(0, 3), 1);
    EXPECT_EQ(chooserRow(5, 3), 3);
    EXPECT_EQ(chooserRow(2, 3), 2);
}

}  // namespace
}  // namespace tolvane
