#include "properties/pipe_sizes.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "base/input_number.h"
#include "base/number_format.h"
#include "base/text_file.h"
#include "properties/data_lines.h"

namespace tolvane {

namespace {

constexpr std::size_t kFieldCount = 5;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> rowFields(const std::string& line) {
    if (line.find('\t') != std::string::npos) return tabFields(line);
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = line.find(';', start);
        fields.push_back(line.substr(start, semicolon - start));
        if (semicolon == std::string::npos) break;
        start = semicolon + 1;
    }
    return fields;
}

// The number's digits after its decimal point or comma (none in an exponent form).
int decimalsOf(const std::string& text) {
    const auto point = text.find_first_of(".,");
    if (point == std::string::npos) return 0;
    int decimals = 0;
    for (std::size_t i = point + 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') break;
        ++decimals;
    }
    return decimals;
}

std::string withPoint(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

struct Reading {
    std::optional<PipeRow> row;
    std::string fault;
};

Reading readNumberField(const std::string& field, const char* what, double& value) {
    const auto number = field.empty() ? std::nullopt : readNumber(field);
    if (!number)
        return {std::nullopt, std::string("the ") + what + " \"" + field + "\" is not a number"};
    if (*number <= 0) return {std::nullopt, std::string("the ") + what + " must be above 0 mm"};
    value = *number;
    return {};
}

Reading readRow(const std::string& line) {
    std::vector<std::string> fields = rowFields(line);
    if (fields.size() != kFieldCount)
        return {std::nullopt,
                "5 fields expected (standard, size, schedule, outside mm, wall mm), found " +
                    std::to_string(fields.size())};
    for (std::string& field : fields) field = trimmed(field);
    if (fields[0].empty() || fields[1].empty() || fields[2].empty())
        return {std::nullopt, "the standard, size or schedule is empty"};
    PipeRow row;
    row.standard = fields[0];
    row.size = fields[1];
    row.schedule = fields[2];
    row.outsideText = withPoint(fields[3]);
    row.wallText = withPoint(fields[4]);
    if (Reading bad = readNumberField(fields[3], "outside diameter", row.outsideMm);
        !bad.fault.empty())
        return bad;
    if (Reading bad = readNumberField(fields[4], "wall", row.wallMm); !bad.fault.empty())
        return bad;
    if (row.wallMm * 2 >= row.outsideMm)
        return {std::nullopt, "the wall " + row.wallText +
                                  " mm is not below half the outside diameter " + row.outsideText +
                                  " mm"};
    const int decimals = std::max(decimalsOf(fields[3]), decimalsOf(fields[4]));
    row.insideText = formatFixed(row.outsideMm - 2 * row.wallMm, decimals);
    row.insideMm = readNumber(row.insideText).value_or(0);
    return {std::move(row), {}};
}

void addOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

auto keyOf(const PipeRow& row) {
    return std::tuple<std::string_view, std::string_view, std::string_view>(row.standard, row.size,
                                                                            row.schedule);
}

}  // namespace

PipeSizeTable::PipeSizeTable(std::vector<PipeRow> rows) : rows_(std::move(rows)) {
    sorted_.resize(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) sorted_[i] = i;
    std::stable_sort(sorted_.begin(), sorted_.end(), [&](std::size_t a, std::size_t b) {
        return keyOf(rows_[a]) < keyOf(rows_[b]);
    });
}

std::vector<std::string> PipeSizeTable::standards() const {
    std::vector<std::string> names;
    for (const PipeRow& row : rows_) addOnce(names, row.standard);
    return names;
}

std::vector<std::string> PipeSizeTable::sizes(std::string_view standard) const {
    std::vector<std::string> names;
    for (const PipeRow& row : rows_)
        if (row.standard == standard) addOnce(names, row.size);
    return names;
}

std::vector<std::string> PipeSizeTable::schedules(std::string_view standard,
                                                  std::string_view size) const {
    std::vector<std::string> names;
    for (const PipeRow& row : rows_)
        if (row.standard == standard && row.size == size) addOnce(names, row.schedule);
    return names;
}

const PipeRow* PipeSizeTable::find(std::string_view standard, std::string_view size,
                                   std::string_view schedule) const {
    const auto key = std::make_tuple(standard, size, schedule);
    const auto at =
        std::lower_bound(sorted_.begin(), sorted_.end(), key,
                         [&](std::size_t i, const auto& k) { return keyOf(rows_[i]) < k; });
    if (at == sorted_.end() || keyOf(rows_[*at]) != key) return nullptr;
    return &rows_[*at];
}

const PipeRow* PipeSizeTable::nextSize(std::string_view standard, std::string_view schedule,
                                       double minInsideMm) const {
    const PipeRow* best = nullptr;
    for (const PipeRow& row : rows_) {
        if (row.standard != standard || (!schedule.empty() && row.schedule != schedule)) continue;
        if (row.insideMm < minInsideMm) continue;
        if (!best || row.insideMm < best->insideMm) best = &row;
    }
    return best;
}

PipeSizesRead parsePipeSizes(const std::string& bytes) {
    PipeSizesRead read;
    const auto lines = numberedDataFileLines(bytes);
    if (!lines) {
        read.faults.push_back({0, "the file is no text table"});
        return read;
    }
    std::vector<PipeRow> rows;
    std::map<std::tuple<std::string, std::string, std::string>, int> seen;
    for (const NumberedLine& line : *lines) {
        if (trimmed(line.text).rfind('#', 0) == 0) continue;
        Reading reading = readRow(line.text);
        if (!reading.row) {
            read.faults.push_back({line.number, reading.fault});
            continue;
        }
        const PipeRow& row = *reading.row;
        const auto [at, added] =
            seen.emplace(std::make_tuple(row.standard, row.size, row.schedule), line.number);
        if (!added) {
            read.faults.push_back({line.number, "the same standard, size and schedule as line " +
                                                    std::to_string(at->second)});
            continue;
        }
        rows.push_back(std::move(*reading.row));
    }
    read.table = PipeSizeTable(std::move(rows));
    return read;
}

PipeSizesRead readPipeSizesFile(const std::string& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        PipeSizesRead read;
        read.faults.push_back({0, "the file cannot be read"});
        return read;
    }
    return parsePipeSizes(*bytes);
}

std::string faultLine(const PipeFileFault& fault) {
    if (fault.line == 0) return fault.text;
    return "line " + std::to_string(fault.line) + ": " + fault.text;
}

}  // namespace tolvane
