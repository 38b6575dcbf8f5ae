#include "tools/pump_table.h"

#include <nlohmann/json.hpp>

#include "base/input_number.h"
#include "base/number_format.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

using nlohmann::json;

// Six decimals without the zeros that follow them.
std::string trimmed(double x) {
    std::string text = formatFixed(x, 6);
    if (text.find('.') == std::string::npos) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string optionalText(const std::optional<double>& x, double factor) {
    return x ? trimmed(*x / factor) : std::string();
}

// The reader names members "points[3].flow"; the editor's rows count from 1:
// "point 4, flow".
std::string byRow(std::string problem) {
    const std::string prefix = "points[";
    for (std::size_t at = problem.find(prefix); at != std::string::npos;
         at = problem.find(prefix, at)) {
        const std::size_t close = problem.find(']', at);
        if (close == std::string::npos) break;
        const int index = std::stoi(problem.substr(at + prefix.size(), close - at - prefix.size()));
        std::string row = "point " + std::to_string(index + 1);
        std::size_t after = close + 1;
        if (after < problem.size() && problem[after] == '.') {
            row += ", ";
            ++after;
        }
        problem.replace(at, after - at, row);
        at += row.size();
    }
    return problem;
}

// A cell as the reader takes it: blank is null, a number its value, any
// other text stays a text (which the reader refuses by name).
json cell(const std::string& text) {
    if (text.find_first_not_of(" \t") == std::string::npos) return nullptr;
    if (const auto x = readNumber(text)) return *x;
    return text;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        parts.push_back(
            line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return parts;
        from = tab + 1;
    }
}

}  // namespace

PumpTable pumpTableOf(const PumpFile& file) {
    PumpTable t;
    const PumpData& p = file.pump;
    t.name = p.name;
    t.speed = trimmed(p.speedRpm);
    t.impeller = trimmed(p.impellerMm);
    t.flowUnit = file.flowUnit;
    t.headUnit = file.headUnit;
    const double flow = ConvertToBase(UnitList::VolumeFlow, file.flowUnit, 1.0);
    const double head = ConvertToBase(UnitList::Length, file.headUnit, 1.0);
    for (const PumpPoint& pt : p.points)
        t.rows.push_back({trimmed(pt.flow / flow), trimmed(pt.head / head),
                          optionalText(pt.efficiency, 1.0), optionalText(pt.npshr, head),
                          optionalText(pt.power, 1.0)});
    return t;
}

PumpFileOutcome pumpFileOfTable(const PumpTable& t) {
    json j;
    j["name"] = t.name;
    j["speed_rpm"] = cell(t.speed);
    j["impeller_mm"] = cell(t.impeller);
    j["flowUnit"] = t.flowUnit;
    j["headUnit"] = t.headUnit;
    j["points"] = json::array();
    for (const PumpTableRow& r : t.rows)
        j["points"].push_back({{"flow", cell(r.flow)},
                               {"head", cell(r.head)},
                               {"efficiency", cell(r.efficiency)},
                               {"npshr", cell(r.npshr)},
                               {"power_kw", cell(r.power)}});
    // A blank flow or head is missing, not null.
    for (json& p : j["points"])
        for (const char* key : {"flow", "head"})
            if (p[key].is_null()) p.erase(key);
    PumpFileOutcome out = readPumpText(j.dump(-1, ' ', false, json::error_handler_t::replace));
    out.problem = byRow(out.problem);
    return out;
}

PastedRows rowsFromClipboard(const std::string& text) {
    PastedRows out;
    std::size_t from = 0;
    int number = 0;
    while (from <= text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        std::vector<std::string> parts = splitTabs(line);
        if (parts.size() < 2 || parts.size() > 5) {
            out.rows.clear();
            out.problem = "Line " + std::to_string(number) + " of the clipboard has " +
                          std::to_string(parts.size()) +
                          " columns; two to five TAB-separated columns are pasted (rate of "
                          "flow, head, efficiency, NPSH required, shaft power).";
            return out;
        }
        parts.resize(5);
        out.rows.push_back({parts[0], parts[1], parts[2], parts[3], parts[4]});
    }
    return out;
}

}  // namespace tolvane
