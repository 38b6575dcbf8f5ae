#include "properties/user_database.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>
#include <utility>

#include "properties/name_order.h"
#include "base/text_file.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

constexpr std::size_t kTextField = 256;
enum Offset : std::size_t {
    kName = 0,
    kCondition = 256,
    kTemperature = 257,
    kPressure = 513,
    kDensity = 769,
    kViscosity = 1025,
    kRemarks = 1281,
};

std::string readText(const std::string& bytes, std::size_t at) {
    const auto length = static_cast<unsigned char>(bytes[at]);
    return cp1252ToUtf8(bytes.substr(at + 1, length));
}

void writeText(std::string& bytes, std::size_t at, const std::string& text) {
    const std::string stored = utf8ToCp1252(text).substr(0, kUserTextLength);
    bytes[at] = static_cast<char>(stored.size());
    bytes.replace(at + 1, stored.size(), stored);
}

std::string damagedWarning(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    return "The file \"" + name +
           "\" is damaged: its last data record is incomplete and was not read.\r\n"
           "Before the file is saved again, a copy is kept as \"" +
           name + ".bak\".";
}

bool holdsText(const UserRecord& r) {
    for (const std::string* text :
         {&r.name, &r.temperature, &r.pressure, &r.density, &r.viscosity, &r.remarks})
        if (!text->empty()) return true;
    return false;
}

}  // namespace

std::string userFileChangedQuestion(const std::string& fileName) {
    return "The file \"" + fileName +
           "\" was changed by another program after it was read.\r\n"
           "Yes: read it again and apply the changes made here to it.\r\n"
           "No: overwrite it with the data records shown here.\r\n"
           "Cancel: do not save now.";
}

UserFileContent decodeUserRecords(const std::string& bytes) {
    UserFileContent content;
    const std::size_t whole = bytes.size() / kUserRecordSize;
    content.damaged = bytes.size() % kUserRecordSize != 0;
    for (std::size_t i = 0; i < whole; ++i) {
        const std::string record = bytes.substr(i * kUserRecordSize, kUserRecordSize);
        UserRecord r;
        r.name = readText(record, kName);
        r.liquid = record[kCondition] == 1;
        r.temperature = readText(record, kTemperature);
        r.pressure = readText(record, kPressure);
        r.density = readText(record, kDensity);
        r.viscosity = readText(record, kViscosity);
        r.remarks = readText(record, kRemarks);
        content.records.push_back(std::move(r));
    }
    return content;
}

std::string encodeUserRecords(const std::vector<UserRecord>& records) {
    std::string bytes;
    bytes.reserve(records.size() * kUserRecordSize);
    for (const UserRecord& r : records) {
        std::string record(kUserRecordSize, '\0');
        writeText(record, kName, r.name);
        record[kCondition] = r.liquid ? 1 : 0;
        writeText(record, kTemperature, r.temperature);
        writeText(record, kPressure, r.pressure);
        writeText(record, kDensity, r.density);
        writeText(record, kViscosity, r.viscosity);
        writeText(record, kRemarks, r.remarks);
        bytes += record;
    }
    return bytes;
}

std::string cutToStoredText(const std::string& text) {
    return cp1252ToUtf8(utf8ToCp1252(text).substr(0, kUserTextLength));
}

const UserDatabaseLabels& userDatabaseLabels(bool metric) {
    static const UserDatabaseLabels m = {
        "Temperature in °C:", "Pressure in mbar:", "Weight density in kg/m³:",
        "Abs. viscosity in 10^-6 kg/m s:", "Abs.viscosity in 10^-6 kg/m s:"};
    static const UserDatabaseLabels us = {
        "Temperature in °F:", "Pressure in psi:", "Weight density in lb./cu.ft.:",
        "Abs. viscosity in cP:", "Abs. viscosity in cP:"};
    return metric ? m : us;
}

MediumChoice userChoice(const UserRecord& record, bool metric) {
    auto at = [](UnitList list, const char* text) {
        return std::max(0, UnitCatalogue::indexOf(list, text));
    };
    MediumChoice c;
    c.name = record.name;
    c.gas = !record.liquid;
    c.density = record.density;
    c.viscosity = record.viscosity;
    c.densityUnit = metric ? 0 : at(UnitList::Density, "lb./cu.ft.");
    c.viscosityUnit = metric ? 0 : at(UnitList::AbsViscosity, "cP");
    if (c.gas)
        c.gasState =
            GasStateChoice{record.pressure, at(UnitList::GasPressure, metric ? "mbar" : "psi"),
                           record.temperature, at(UnitList::Temperature, metric ? "°C" : "degF")};
    return c;
}

UserDatabase::UserDatabase(std::string path) : path_(std::move(path)) { load(); }

void UserDatabase::load() {
    records_.clear();
    const auto bytes = path_.empty() ? std::nullopt : readFileBytes(path_);
    takeAsRead(bytes);
    records_ = asRead_;
    markAllAsRead();
    position_ = records_.empty() ? 0 : 1;
}

void UserDatabase::takeAsRead(const std::optional<std::string>& bytes) {
    asRead_.clear();
    stamp_ = stampOf(bytes);
    if (!bytes) return;
    UserFileContent content = decodeUserRecords(*bytes);
    asRead_ = std::move(content.records);
    if (content.damaged && !damaged_ && !backupMade_) warning_ = damagedWarning(path_);
    damaged_ = content.damaged;
}

void UserDatabase::markAllAsRead() {
    origin_.resize(records_.size());
    std::iota(origin_.begin(), origin_.end(), 0);
    sorted_ = false;
}

bool UserDatabase::changedOnDisk() const {
    return !path_.empty() && stampOf(readFileBytes(path_)) != stamp_;
}

void UserDatabase::reapplyOnto(const std::vector<UserRecord>& disk, const FileStamp& diskStamp) {
    // Each record as read, found again in the file (equal records pair off in order).
    std::vector<int> inFile(asRead_.size(), -1);
    std::vector<bool> paired(disk.size(), false);
    for (std::size_t o = 0; o < asRead_.size(); ++o)
        for (std::size_t d = 0; d < disk.size(); ++d)
            if (!paired[d] && disk[d] == asRead_[o]) {
                inFile[o] = static_cast<int>(d);
                paired[d] = true;
                break;
            }
    // What this session did with each record as read: -1 deleted, else its index.
    std::vector<int> kept(asRead_.size(), -1);
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (origin_[i] >= 0) kept[static_cast<std::size_t>(origin_[i])] = static_cast<int>(i);
    std::vector<int> mine(disk.size(), -2);  // -2 the file's record, -1 deleted here, else ours
    for (std::size_t o = 0; o < asRead_.size(); ++o)
        if (inFile[o] >= 0) mine[static_cast<std::size_t>(inFile[o])] = kept[o];

    struct Entry {
        UserRecord record;
        int origin;   // index in `disk`, -1 for a record the file does not have
        int session;  // index in records_, -1 for one only the file has
    };
    std::vector<Entry> merged;
    for (std::size_t d = 0; d < disk.size(); ++d) {
        if (mine[d] == -1) continue;
        if (mine[d] == -2)
            merged.push_back({disk[d], static_cast<int>(d), -1});
        else
            merged.push_back(
                {records_[static_cast<std::size_t>(mine[d])], static_cast<int>(d), mine[d]});
    }
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const int o = origin_[i];
        const bool isNew = o < 0;
        const bool editedWhereTheFileChanged = !isNew && inFile[static_cast<std::size_t>(o)] < 0 &&
                                               records_[i] != asRead_[static_cast<std::size_t>(o)];
        if (isNew || editedWhereTheFileChanged)
            merged.push_back({records_[i], -1, static_cast<int>(i)});
    }
    if (sorted_)
        std::stable_sort(merged.begin(), merged.end(), [](const Entry& a, const Entry& b) {
            return nameBefore(a.record.name, b.record.name);
        });

    const int shown = position_ - 1;
    position_ = merged.empty() ? 0 : 1;
    records_.clear();
    origin_.clear();
    for (std::size_t i = 0; i < merged.size(); ++i) {
        if (shown >= 0 && merged[i].session == shown) position_ = static_cast<int>(i) + 1;
        records_.push_back(std::move(merged[i].record));
        origin_.push_back(merged[i].origin);
    }
    asRead_ = disk;
    stamp_ = diskStamp;
}

std::string UserDatabase::takeWarning() { return std::exchange(warning_, std::string()); }

bool UserDatabase::save(MessageSink& messages) {
    namespace fs = std::filesystem;
    const std::string name = fs::path(path_).filename().string();
    const std::optional<std::string> onDisk = readFileBytes(path_);
    if (const FileStamp now = stampOf(onDisk); now != stamp_) {
        const Answer a = messages.ask(kUserFileChangedTitle, userFileChangedQuestion(name),
                                      QuestionButtons::YesNoCancel, Answer::Yes);
        if (a == Answer::Cancel) return false;
        if (a == Answer::Yes) {
            UserFileContent content = decodeUserRecords(onDisk.value_or(std::string()));
            if (content.damaged) damaged_ = true;
            reapplyOnto(content.records, now);
        }
    }
    if (damaged_ && !backupMade_) {
        std::error_code ec;
        fs::copy_file(path_, path_ + ".bak", fs::copy_options::overwrite_existing, ec);
        if (ec) {
            messages.show(MessageType::Error, "The file \"" + name +
                                                  "\" was not saved: no copy of the damaged "
                                                  "file could be kept.\r\n" +
                                                  ec.message());
            return false;
        }
        backupMade_ = true;
    }
    const std::string bytes = encodeUserRecords(records_);
    const std::string error = writeFileAtomically(path_, bytes);
    if (!error.empty()) {
        messages.show(MessageType::Error, "The file \"" + name + "\" could not be saved:\r\n" +
                                              error + "\r\nThe previous file is kept.");
        return false;
    }
    damaged_ = false;
    // What is written is what the next save compares with.
    asRead_ = decodeUserRecords(bytes).records;
    records_ = asRead_;
    markAllAsRead();
    stamp_ = stampOf(bytes);
    return true;
}

const UserRecord* UserDatabase::current() const {
    return position_ >= 1 && position_ <= count() ? &records_[position_ - 1] : nullptr;
}

std::string UserDatabase::counterText() const {
    return "Data record " + std::to_string(current() ? position_ : 0) + " of " +
           std::to_string(count());
}

void UserDatabase::storeTyped(const UserRecord& fields) {
    if (records_.empty() && holdsText(fields)) appendNew(fields.name);
    store(fields);
}

void UserDatabase::store(const UserRecord& fields) {
    if (!current()) return;
    UserRecord& r = records_[position_ - 1];
    r = fields;
    for (std::string* text :
         {&r.name, &r.temperature, &r.pressure, &r.density, &r.viscosity, &r.remarks})
        *text = cutToStoredText(*text);
}

void UserDatabase::backOne() {
    if (position_ > 1) --position_;
}

void UserDatabase::forwardOne() {
    if (position_ < count()) ++position_;
}

void UserDatabase::backFive() {
    if (records_.empty()) return;
    position_ = position_ < 6 ? 1 : position_ - 5;
}

void UserDatabase::forwardFive() {
    if (records_.empty()) return;
    position_ = position_ + 5 > count() ? count() : position_ + 5;
}

void UserDatabase::appendNew(const std::string& name) {
    UserRecord r;
    r.name = cutToStoredText(name);
    records_.push_back(std::move(r));
    origin_.push_back(-1);
    position_ = count();
}

void UserDatabase::removeCurrent() {
    if (!current()) return;
    records_.erase(records_.begin() + (position_ - 1));
    origin_.erase(origin_.begin() + (position_ - 1));
    position_ = records_.empty() ? 0 : std::max(1, position_ - 1);
}

void UserDatabase::sortByName() {
    std::vector<std::size_t> order(records_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return nameBefore(records_[a].name, records_[b].name);
    });
    std::vector<UserRecord> records;
    std::vector<int> origin;
    for (std::size_t i : order) {
        records.push_back(std::move(records_[i]));
        origin.push_back(origin_[i]);
    }
    records_ = std::move(records);
    origin_ = std::move(origin);
    sorted_ = true;
    position_ = records_.empty() ? 0 : 1;
}

int chooserRow(int remembered, int count) { return std::clamp(remembered, 1, std::max(1, count)); }

}  // namespace tolvane
