#include "tools/pump_file.h"

#include <cmath>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "base/text_file.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

using nlohmann::json;

struct Refusal {
    std::string text;
};

[[noreturn]] void refuse(const std::string& where, const std::string& what) {
    throw Refusal{where + ": " + what};
}

double number(const json& j, const std::string& where) {
    if (!j.is_number()) refuse(where, "not a number");
    const double x = j.get<double>();
    if (!std::isfinite(x)) refuse(where, "not a finite number");
    return x;
}

double positive(const json& object, const char* key, const std::string& where) {
    if (!object.contains(key)) refuse(where + key, "missing");
    const double x = number(object[key], where + key);
    if (!(x > 0.0)) refuse(where + key, "must be greater than 0");
    return x;
}

std::string unitText(const json& object, const char* key, UnitList list) {
    if (!object.contains(key)) refuse(key, "missing");
    if (!object[key].is_string()) refuse(key, "not a text");
    const std::string unit = object[key].get<std::string>();
    if (UnitCatalogue::indexOf(list, unit) < 0) refuse(key, "unknown unit \"" + unit + "\"");
    return unit;
}

// A value that stays finite in the base unit (1e308 l/s does not).
double inBaseUnit(double x, double factor, const std::string& where) {
    if (!std::isfinite(x * factor)) refuse(where, "too large");
    return x * factor;
}

// An optional value of a point: null or absent, or a number in its range.
std::optional<double> optionalValue(const json& point, const char* key, const std::string& where,
                                    double factor, bool zeroAllowed, double highest) {
    if (!point.contains(key) || point[key].is_null()) return std::nullopt;
    const double x = number(point[key], where + key);
    if (x < 0.0 || (!zeroAllowed && x == 0.0) || x > highest) refuse(where + key, "out of range");
    return inBaseUnit(x, factor, where + key);
}

PumpFile parse(const json& j) {
    if (!j.is_object()) refuse("pump", "not a JSON object");
    PumpFile file;
    PumpData& pump = file.pump;
    if (j.contains("name")) {
        if (!j["name"].is_string()) refuse("name", "not a text");
        pump.name = j["name"].get<std::string>();
    }
    pump.speedRpm = positive(j, "speed_rpm", "");
    pump.impellerMm = positive(j, "impeller_mm", "");
    file.flowUnit = unitText(j, "flowUnit", UnitList::VolumeFlow);
    file.headUnit = unitText(j, "headUnit", UnitList::Length);
    const double flowFactor = ConvertToBase(UnitList::VolumeFlow, file.flowUnit, 1.0);
    const double headFactor = ConvertToBase(UnitList::Length, file.headUnit, 1.0);

    if (!j.contains("points") || !j["points"].is_array()) refuse("points", "not a list");
    const json& points = j["points"];
    if (points.size() < 3) refuse("points", "fewer than 3 points");
    if (points.size() >= kPumpPointLimit)
        refuse("points", std::to_string(points.size()) + " points, fewer than " +
                             std::to_string(kPumpPointLimit) + " are read");
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::string where = "points[" + std::to_string(i) + "].";
        const json& p = points[i];
        if (!p.is_object()) refuse("points[" + std::to_string(i) + "]", "not a JSON object");
        PumpPoint point;
        if (!p.contains("flow")) refuse(where + "flow", "missing");
        if (!p.contains("head")) refuse(where + "head", "missing");
        point.flow = inBaseUnit(number(p["flow"], where + "flow"), flowFactor, where + "flow");
        point.head = inBaseUnit(number(p["head"], where + "head"), headFactor, where + "head");
        if (point.flow < 0.0) refuse(where + "flow", "negative");
        if (point.head < 0.0) refuse(where + "head", "negative");
        if (i > 0 && !(point.flow > pump.points.back().flow))
            refuse(where + "flow",
                   "not greater than the flow of points[" + std::to_string(i - 1) + "]");
        point.efficiency = optionalValue(p, "efficiency", where, 1.0, true, 100.0);
        point.npshr = optionalValue(p, "npshr", where, headFactor, true, HUGE_VAL);
        point.power = optionalValue(p, "power_kw", where, 1.0, true, HUGE_VAL);
        pump.points.push_back(point);
    }
    // A column is stated at every point or at none.
    const auto everyOrNone = [&](std::optional<double> PumpPoint::*member, const char* key) {
        const bool first = pump.points.front().*member ? true : false;
        for (std::size_t i = 1; i < pump.points.size(); ++i)
            if ((pump.points[i].*member ? true : false) != first)
                refuse("points[" + std::to_string(i) + "]." + key,
                       "given at some points only (all or none)");
    };
    everyOrNone(&PumpPoint::efficiency, "efficiency");
    everyOrNone(&PumpPoint::npshr, "npshr");
    everyOrNone(&PumpPoint::power, "power_kw");
    return file;
}

}  // namespace

PumpFileOutcome readPumpText(const std::string& text) {
    if (text.size() > kPumpFileByteLimit) return {std::nullopt, "file: larger than 1 MB"};
    json j;
    try {
        j = json::parse(text);
    } catch (const json::exception& e) {
        return {std::nullopt, std::string("file: not JSON (") + e.what() + ")"};
    }
    try {
        return {parse(j), ""};
    } catch (const Refusal& r) {
        return {std::nullopt, r.text};
    } catch (const json::exception& e) {
        return {std::nullopt, std::string("file: ") + e.what()};
    }
}

PumpFileOutcome readPumpFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kPumpFileByteLimit) return {std::nullopt, "file: larger than 1 MB"};
    const auto bytes = readFileBytes(path);
    if (!bytes) return {std::nullopt, "file: cannot be read"};
    return readPumpText(*bytes);
}

std::string pumpFileText(const PumpFile& file) {
    const double flowFactor = ConvertToBase(UnitList::VolumeFlow, file.flowUnit, 1.0);
    const double headFactor = ConvertToBase(UnitList::Length, file.headUnit, 1.0);
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    j["name"] = file.pump.name;
    j["speed_rpm"] = file.pump.speedRpm;
    j["impeller_mm"] = file.pump.impellerMm;
    j["flowUnit"] = file.flowUnit;
    j["headUnit"] = file.headUnit;
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    const auto value = [](std::optional<double> x, double factor) {
        return x ? nlohmann::ordered_json(*x / factor) : nlohmann::ordered_json(nullptr);
    };
    for (const PumpPoint& p : file.pump.points)
        points.push_back({{"flow", p.flow / flowFactor},
                          {"head", p.head / headFactor},
                          {"efficiency", value(p.efficiency, 1.0)},
                          {"npshr", value(p.npshr, headFactor)},
                          {"power_kw", value(p.power, 1.0)}});
    j["points"] = points;
    return j.dump(2) + "\n";
}

std::string writePumpFile(const std::string& path, const PumpFile& file) {
    return writeFileAtomically(path, pumpFileText(file));
}

}  // namespace tolvane
