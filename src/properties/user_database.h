// The user's own media in "USER.DAT": fixed records of 1537 bytes, no header,
// the number of records being the file size / 1537. A record holds six
// length-prefixed texts of 256 bytes (a length byte 0..255 and 255 Windows-1252
// characters) and a condition byte:
//
//   offset    0  medium name          offset  769  density
//           256  condition: 1 liquid,         1025  dynamic viscosity
//                0 gas                        1281  remarks (lines joined by CR LF)
//           257  temperature
//           513  pressure
//
// The values are the texts the user typed, in the units of the setting
// "Units of the user defined database:" (metric °C, mbar, kg/m³,
// 10^-6 kg/m s; US °F, psi, lb./cu.ft., cP); nothing is converted.
//
// UserDatabase is the in-memory list the editor and the chooser share, with
// the editor's position; saving keeps a copy of a damaged file and replaces
// the file atomically. A file that another program changed after it was read
// is not overwritten unasked: the user may have it read again and this
// session's edits applied to it, overwrite it, or not save.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "properties/medium_choice.h"
#include "base/file_stamp.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

inline constexpr const char* kUserFileName = "USER.DAT";
inline constexpr std::size_t kUserRecordSize = 1537;
inline constexpr std::size_t kUserTextLength = 255;

struct UserRecord {
    std::string name;
    bool liquid = false;
    std::string temperature;
    std::string pressure;
    std::string density;
    std::string viscosity;
    std::string remarks;
    bool operator==(const UserRecord&) const = default;
};

struct UserFileContent {
    std::vector<UserRecord> records;
    bool damaged = false;  // bytes left over after the last whole record
};

// Every whole record of the bytes, in order.
UserFileContent decodeUserRecords(const std::string& bytes);
// The records as file bytes; each text cut to 255 characters.
std::string encodeUserRecords(const std::vector<UserRecord>& records);
// A text as it is stored: at most 255 Windows-1252 characters.
std::string cutToStoredText(const std::string& text);

// The labels that depend on the unit setting, and the units handed back.
struct UserDatabaseLabels {
    const char* temperature;
    const char* pressure;
    const char* density;
    const char* editorViscosity;
    const char* chooserViscosity;
};
const UserDatabaseLabels& userDatabaseLabels(bool metric);

// "Copy to &medium window" of the chooser for one record.
MediumChoice userChoice(const UserRecord& record, bool metric);

class UserDatabase {
public:
    explicit UserDatabase(std::string path = {});

    // Reads the file again (at start and on the editor's "&Cancel"). A
    // missing file is an empty list without a message; a file with bytes
    // after its last whole record keeps those records and leaves a warning.
    void load();
    // The warning of a damaged file, once; "" otherwise.
    std::string takeWarning();
    // "&Exit and save": a file changed by another program since it was read
    // brings userFileChangedQuestion (Yes: read it again and apply
    // this session's edits, No: overwrite, Cancel: no save). A damaged file
    // is first copied to USER.DAT.bak, then the file is replaced atomically.
    // A failure is reported and keeps the previous file; returns whether the
    // file was written.
    bool save(MessageSink& messages);
    // Whether the file on the disk differs from the one last read or written.
    bool changedOnDisk() const;
    // The records of `disk` (the file as it is now) with this session's edits
    // applied: records it changed replace their originals, new ones are
    // appended, deleted ones go, a sort is done again. A record this session
    // changed that the other program changed or deleted as well is kept as
    // an additional record, so neither edit is lost.
    void reapplyOnto(const std::vector<UserRecord>& disk, const FileStamp& diskStamp);

    // Another file (read at once).
    void setPath(std::string path) {
        path_ = std::move(path);
        damaged_ = backupMade_ = false;
        warning_.clear();
        load();
    }
    const std::string& path() const { return path_; }
    const std::vector<UserRecord>& records() const { return records_; }
    int count() const { return static_cast<int>(records_.size()); }

    // ---- the editor ----
    int position() const { return position_; }  // 1-based; 0 when empty
    const UserRecord* current() const;
    // "Data record 3 of 6", or "Data record 0 of 0" when there is none.
    std::string counterText() const;
    // The fields into the record at the position (texts cut to 255 characters).
    void store(const UserRecord& fields);
    // The editor's store: as store(), and with no record yet, fields holding
    // any text become record 1, so that what was typed into an empty editor
    // is not thrown away.
    void storeTyped(const UserRecord& fields);
    void backOne();
    void forwardOne();
    void backFive();
    void forwardFive();
    // An empty gas record at the end, named `name`; the position moves there.
    void appendNew(const std::string& name);
    // The record at the position goes; the position moves back one (at least 1).
    void removeCurrent();
    // By name, ascending, letter case ignored; the position goes to 1.
    void sortByName();

private:
    void takeAsRead(const std::optional<std::string>& bytes);
    void markAllAsRead();

    std::string path_;
    std::vector<UserRecord> records_;
    // For each record of records_, its index in asRead_; -1 for a new one.
    std::vector<int> origin_;
    std::vector<UserRecord> asRead_;  // the records as last read or written
    FileStamp stamp_;                 // the file as last read or written
    bool sorted_ = false;             // sorted since then
    int position_ = 0;
    bool damaged_ = false;
    bool backupMade_ = false;
    std::string warning_;
};

inline constexpr const char* kUserFileChangedTitle = "Attention!";
// The question before saving over a file another program changed.
std::string userFileChangedQuestion(const std::string& fileName);

// The chooser's remembered row: kept within 1..count (1 for an empty list).
int chooserRow(int remembered, int count);

}  // namespace tolvane
