#include "cli/pipes_command.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include <nlohmann/json.hpp>

#include "base/input_number.h"
#include "base/number_format.h"
#include "base/text_file.h"
#include "properties/pipe_sizes.h"
#include "shell/app_paths.h"

namespace tolvane::cli {

namespace {

constexpr int kRowsWritten = 0;
constexpr int kNoRow = 1;
constexpr int kBadInput = 2;

struct PipesOptions {
    std::optional<std::string> standard;
    std::optional<std::string> size;
    std::optional<std::string> schedule;
    std::optional<double> minInside;  // --min-inside: the next size of at least this
    bool tsv = false;
    std::optional<std::string> file;
    std::optional<std::string> output;
};

struct PipesUsageError {
    std::string text;
};

PipesOptions parsePipesArguments(const std::vector<std::string>& args) {
    PipesOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw PipesUsageError{a + " needs a value"};
            return args[++i];
        };
        if (a == "--standard")
            o.standard = value();
        else if (a == "--size")
            o.size = value();
        else if (a == "--schedule")
            o.schedule = value();
        else if (a == "--min-inside") {
            const std::string text = value();
            const auto mm = readNumber(text);
            if (text.empty() || !mm || *mm <= 0)
                throw PipesUsageError{"--min-inside needs a diameter in mm above 0, not \"" + text +
                                      "\""};
            o.minInside = *mm;
        } else if (a == "--file")
            o.file = value();
        else if (a == "-o" || a == "--output")
            o.output = value();
        else if (a == "--format") {
            const std::string format = value();
            if (format != "json" && format != "tsv")
                throw PipesUsageError{"unknown format \"" + format + "\" (json or tsv)"};
            o.tsv = format == "tsv";
        } else
            throw PipesUsageError{"pipes takes no \"" + a + "\""};
    }
    return o;
}

bool matches(const PipeRow& row, const PipesOptions& o) {
    return (!o.standard || row.standard == *o.standard) && (!o.size || row.size == *o.size) &&
           (!o.schedule || row.schedule == *o.schedule);
}

std::string tsvText(const std::vector<const PipeRow*>& rows) {
    std::string text = "standard\tsize\tschedule\toutside_mm\twall_mm\tinside_mm\n";
    for (const PipeRow* r : rows)
        text += r->standard + '\t' + r->size + '\t' + r->schedule + '\t' + r->outsideText + '\t' +
                r->wallText + '\t' + r->insideText + '\n';
    return text;
}

std::string jsonText(const std::vector<const PipeRow*>& rows) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PipeRow* r : rows)
        list.push_back({{"standard", r->standard},
                        {"size", r->size},
                        {"schedule", r->schedule},
                        {"outside_mm", r->outsideMm},
                        {"wall_mm", r->wallMm},
                        {"inside_mm", r->insideMm}});
    return list.dump(2) + "\n";
}

std::string noRowText(const PipesOptions& o) {
    std::string text = "no pipe row of";
    text += o.standard ? " standard \"" + *o.standard + "\"" : " any standard";
    if (o.size) text += " with size \"" + *o.size + "\"";
    if (o.schedule) text += " and schedule \"" + *o.schedule + "\"";
    if (o.minInside)
        text += " with an inner diameter of at least " + formatFixed(*o.minInside, 2) + " mm";
    return text;
}

}  // namespace

int runPipesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    PipesOptions o;
    try {
        o = parsePipesArguments(args);
    } catch (const PipesUsageError& e) {
        err << "tolvane-cli: " << e.text << "\nusage: tolvane-cli pipes ...\n" << kPipesUsage;
        return kBadInput;
    }
    const std::string path = o.file ? *o.file : dataFilePath(kPipeSizesFileName);
    const std::string name = std::filesystem::path(path).filename().string();
    const PipeSizesRead read = readPipeSizesFile(path);
    for (const PipeFileFault& fault : read.faults)
        err << "tolvane-cli: " << name << ": " << faultLine(fault) << "\n";
    if (read.table.empty()) {
        if (read.faults.empty()) err << "tolvane-cli: " << name << " holds no pipe row\n";
        return kBadInput;
    }
    std::vector<const PipeRow*> rows;
    if (o.minInside) {
        if (!o.standard) {
            err << "tolvane-cli: --min-inside needs --standard\n";
            return kBadInput;
        }
        if (const PipeRow* next =
                read.table.nextSize(*o.standard, o.schedule.value_or(""), *o.minInside);
            next && matches(*next, o))
            rows.push_back(next);
    } else {
        for (const PipeRow& row : read.table.rows())
            if (matches(row, o)) rows.push_back(&row);
    }
    if (rows.empty()) {
        err << "tolvane-cli: " << noRowText(o) << "\n";
        return kNoRow;
    }
    const std::string text = o.tsv ? tsvText(rows) : jsonText(rows);
    if (o.output) {
        const std::string error = writeFileAtomically(*o.output, text);
        if (!error.empty()) {
            err << "tolvane-cli: cannot write " << *o.output << ": " << error << "\n";
            return kBadInput;
        }
    } else {
        out << text << std::flush;
        if (!out) {
            err << "tolvane-cli: cannot write to standard output\n";
            return kBadInput;
        }
    }
    return kRowsWritten;
}

}  // namespace tolvane::cli
