#include "cli/batch_input.h"

#include <initializer_list>
#include <nlohmann/json.hpp>

namespace tolvane::cli {
namespace {

using nlohmann::json;

std::string describe(const json& j) {
    switch (j.type()) {
        case json::value_t::null: return "null";
        case json::value_t::boolean: return "true/false";
        case json::value_t::number_integer:
        case json::value_t::number_unsigned: return "a whole number";
        case json::value_t::number_float: return "a number with a fraction";
        case json::value_t::string: return "a text";
        case json::value_t::array: return "an array";
        case json::value_t::object: return "an object";
        default: return "something else";
    }
}

[[noreturn]] void wrongType(const std::string& path, const std::string& expected,
                            const json& found) {
    throw InputError(path, "expected " + expected + ", found " + describe(found));
}

std::string member(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
}

std::string element(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

std::string quote(const std::string& text) {
    return json(text).dump(-1, ' ', false, json::error_handler_t::replace);
}

// An object holding only the named members.
void expectObject(const json& j, const std::string& path,
                  std::initializer_list<const char*> members) {
    if (!j.is_object()) wrongType(path.empty() ? "the document" : path, "an object", j);
    for (const auto& [key, value] : j.items()) {
        bool known = false;
        for (const char* m : members) known = known || key == m;
        if (!known) {
            std::string list;
            for (const char* m : members) list += std::string(list.empty() ? "" : ", ") + m;
            throw InputError(member(path, key), "unknown member (known here: " + list + ")");
        }
    }
}

const json* find(const json& obj, const char* key) {
    auto it = obj.find(key);
    return it == obj.end() ? nullptr : &*it;
}

std::string text(const json& j, const std::string& path, std::size_t maxLength) {
    if (!j.is_string()) wrongType(path, "a text (a JSON string, values are given as typed)", j);
    std::string s = j.get<std::string>();
    // The field takes at most maxLength characters; count UTF-8 characters.
    std::size_t characters = 0;
    for (unsigned char c : s) characters += (c & 0xC0) != 0x80;
    if (characters > maxLength)
        throw InputError(path, quote(s) + " is longer than the field takes (" +
                                   std::to_string(maxLength) + " characters)");
    return s;
}

// A text that can be taken as it is has its path named only when it cannot.
bool plainText(const json& j, std::size_t maxLength) {
    if (!j.is_string()) return false;
    if (maxLength == std::string::npos) return true;
    const auto& s = j.get_ref<const std::string&>();
    std::size_t characters = 0;
    for (unsigned char c : s) characters += (c & 0xC0) != 0x80;
    return characters <= maxLength;
}

std::optional<std::string> optText(const json& obj, const std::string& path, const char* key,
                                   std::size_t maxLength = std::string::npos) {
    const json* j = find(obj, key);
    if (!j) return std::nullopt;
    if (plainText(*j, maxLength)) return j->get<std::string>();
    return text(*j, member(path, key), maxLength);
}

// A text from a fixed set of choices; returns its position.
std::optional<int> optChoice(const json& obj, const std::string& path, const char* key,
                             std::initializer_list<const char*> choices) {
    const json* j = find(obj, key);
    if (!j) return std::nullopt;
    if (j->is_string()) {
        int index = 0;
        for (const char* c : choices) {
            if (j->get_ref<const std::string&>() == c) return index;
            ++index;
        }
    }
    std::string list;
    for (const char* c : choices) list += std::string(list.empty() ? "" : " or ") + quote(c);
    if (!j->is_string()) wrongType(member(path, key), list, *j);
    throw InputError(member(path, key),
                     "expected " + list + ", found " + quote(j->get<std::string>()));
}

int integer(const json& j, const std::string& path, int minimum, int maximum) {
    // Within the range (the JSON reader keeps 0 and up as unsigned).
    if (j.is_number_unsigned() && minimum <= 0 &&
        j.get<std::uint64_t>() <= static_cast<std::uint64_t>(maximum))
        return j.get<int>();
    if (j.is_number_integer() && !j.is_number_unsigned() && j.get<std::int64_t>() >= minimum &&
        j.get<std::int64_t>() <= maximum)
        return j.get<int>();
    const std::string range =
        "a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum);
    if (!j.is_number_integer()) wrongType(path, range, j);
    if (j.is_number_unsigned()
            ? j.get<std::uint64_t>() > static_cast<std::uint64_t>(maximum)
            : (j.get<std::int64_t>() < minimum || j.get<std::int64_t>() > maximum))
        throw InputError(path, "expected " + range + ", found " + j.dump());
    return j.get<int>();
}

std::optional<int> optInteger(const json& obj, const std::string& path, const char* key,
                              int minimum, int maximum) {
    const json* j = find(obj, key);
    if (!j) return std::nullopt;
    return integer(*j, member(path, key), minimum, maximum);
}

std::optional<RoughnessAnswer> roughness(const json& j, const std::string& path) {
    if (j.is_null()) return std::nullopt;
    expectObject(j, path, {"text", "unit"});
    RoughnessAnswer answer;
    answer.text = optText(j, path, "text").value_or("");
    answer.unit = optChoice(j, path, "unit", {"mm", "in."}).value_or(0);
    return answer;
}

MediumInput medium(const json& j, const std::string& path) {
    expectObject(j, path,
                 {"name", "condition", "flowKind", "flow", "flowUnit", "density", "densityUnit",
                  "viscosityKind", "viscosity", "viscosityUnit"});
    MediumInput m;
    m.name = optText(j, path, "name", kMediumNameLength);
    if (auto c = optChoice(j, path, "condition", {"liquid", "gas"})) m.gas = *c == 1;
    m.flowKind = optChoice(j, path, "flowKind", {"Volume flow:", "Mass flow:"});
    m.flow = optText(j, path, "flow", kMediumFieldLength);
    m.flowUnit = optText(j, path, "flowUnit");
    m.density = optText(j, path, "density", kMediumFieldLength);
    m.densityUnit = optText(j, path, "densityUnit");
    m.viscosityKind = optChoice(j, path, "viscosityKind", {"Abs.viscos.", "Kin.viscos."});
    m.viscosity = optText(j, path, "viscosity", kMediumFieldLength);
    m.viscosityUnit = optText(j, path, "viscosityUnit");
    return m;
}

GasInput gas(const json& j, const std::string& path) {
    expectObject(j, path,
                 {"pressure", "pressureUnit", "inletTemperature", "inletTemperatureUnit",
                  "outletTemperature", "outletTemperatureUnit"});
    GasInput g;
    g.pressure = optText(j, path, "pressure");
    g.pressureUnit = optText(j, path, "pressureUnit");
    g.inletTemperature = optText(j, path, "inletTemperature");
    g.inletTemperatureUnit = optText(j, path, "inletTemperatureUnit");
    g.outletTemperature = optText(j, path, "outletTemperature");
    g.outletTemperatureUnit = optText(j, path, "outletTemperatureUnit");
    return g;
}

ElementKind kind(const json& j, const std::string& path) {
    const char* expected = "an array of two whole numbers [group, variant]";
    if (!j.is_array() || j.size() != 2 || !j[0].is_number_integer() || !j[1].is_number_integer())
        wrongType(path, expected, j);
    const auto group = j[0].get<std::int64_t>();
    const auto variant = j[1].get<std::int64_t>();
    if (!isValidGroup(group))
        throw InputError(path, "element group " + j[0].dump() + " does not exist (groups 1 to " +
                                   std::to_string(kElementGroupCount) + ")");
    const int variants = variantCount(static_cast<int>(group));
    if (!isValidVariant(static_cast<int>(group), variant))
        throw InputError(path, "element group " + j[0].dump() + " has no variant " + j[1].dump() +
                                   " (variants 1 to " + std::to_string(variants) + ")");
    return ElementKind{static_cast<int>(group), static_cast<int>(variant)};
}

ElementInput elementInput(const json& j, const std::string& path) {
    expectObject(j, path,
                 {"kind", "fields", "units", "quantity", "option", "surface", "branchFlow"});
    ElementInput e;
    if (const json* k = find(j, "kind")) e.kind = kind(*k, member(path, "kind"));
    if (const json* fields = find(j, "fields")) {
        const std::string p = member(path, "fields");
        if (!fields->is_array() || fields->size() > e.fields.size())
            wrongType(p, "an array of at most 4 texts (or null)", *fields);
        for (std::size_t i = 0; i < fields->size(); ++i)
            if (const json& f = (*fields)[i]; !f.is_null())
                e.fields[i] = plainText(f, kElementFieldLength)
                                  ? f.get<std::string>()
                                  : text(f, element(p, i), kElementFieldLength);
    }
    if (const json* units = find(j, "units")) {
        const std::string p = member(path, "units");
        if (!units->is_array() || units->size() > e.units.size())
            wrongType(p, "an array of at most 3 unit texts (or null)", *units);
        for (std::size_t i = 0; i < units->size(); ++i) {
            if ((*units)[i].is_null()) continue;
            const json& unit = (*units)[i];
            std::string u = unit.is_string() ? unit.get<std::string>()
                                             : text(unit, element(p, i), std::string::npos);
            if (!u.empty()) e.units[i] = std::move(u);
        }
    }
    e.quantity = optText(j, path, "quantity", kQuantityLength);
    e.option = optInteger(j, path, "option", 0, 1);
    e.surface = optInteger(j, path, "surface", 0, 1);
    e.branchFlow = optText(j, path, "branchFlow");
    return e;
}

StepInput step(const json& j, const std::string& path) {
    expectObject(j, path, {"medium", "gas", "element", "roughness", "specification"});
    StepInput s;
    if (const json* m = find(j, "medium")) s.medium = medium(*m, member(path, "medium"));
    if (const json* g = find(j, "gas")) s.gas = gas(*g, member(path, "gas"));
    if (const json* e = find(j, "element")) s.element = elementInput(*e, member(path, "element"));
    if (const json* r = find(j, "roughness"))
        s.roughness = roughness(*r, member(path, "roughness"));
    s.specification = optText(j, path, "specification");
    return s;
}

}  // namespace

namespace {

// Follows the parser from member to member, so that a value the parser
// refuses (a number beyond the range of a double) is named by its place.
class PathTracker {
public:
    bool operator()(int, json::parse_event_t event, json& parsed) {
        switch (event) {
            case json::parse_event_t::key:
                if (!frames_.empty()) frames_.back().key = parsed.get<std::string>();
                break;
            case json::parse_event_t::object_start:
            case json::parse_event_t::array_start: {
                std::string path = next();
                countElement();
                frames_.push_back({event == json::parse_event_t::array_start, 0, path, {}});
                break;
            }
            case json::parse_event_t::object_end:
            case json::parse_event_t::array_end:
                if (!frames_.empty()) frames_.pop_back();
                break;
            case json::parse_event_t::value: countElement(); break;
        }
        return true;
    }
    // The member whose value comes next (or was read last).
    std::string next() const {
        if (frames_.empty()) return {};
        const Frame& f = frames_.back();
        return f.array ? element(f.path, f.count) : member(f.path, f.key);
    }

private:
    struct Frame {
        bool array;
        std::size_t count;  // elements of an array read so far
        std::string path;
        std::string key;
    };
    void countElement() {
        if (!frames_.empty() && frames_.back().array) ++frames_.back().count;
    }
    std::vector<Frame> frames_;
};

// The tracker's parse, which names where a value fails to read.
json parseTracked(const std::string& jsonText) {
    json doc;
    PathTracker tracker;
    try {
        doc = json::parse(jsonText, std::ref(tracker));
    } catch (const json::exception& e) {
        // A syntax error or a value beyond the range the reader holds.
        std::string what = e.what();
        // Drop the library's "[json.exception.parse_error.101] " prefix.
        if (auto end = what.find("] ");
            what.rfind("[json.exception", 0) == 0 && end != std::string::npos)
            what.erase(0, end + 2);
        if (dynamic_cast<const json::parse_error*>(&e))
            throw InputError("", "not valid JSON: " + what);
        throw InputError(tracker.next(), "not a value that can be read: " + what);
    }

    return doc;
}

// A document that reads is parsed without the tracker: the library's parser
// with a callback looks through the enclosing array at the end of every
// object, which makes a long list of steps quadratic. Only a document that
// fails is read again with the tracker, for its message.
json parseDocument(const std::string& jsonText) {
    try {
        return json::parse(jsonText);
    } catch (const json::exception&) {
        return parseTracked(jsonText);
    }
}

} // namespace

BatchInput readBatchInput(const std::string& jsonText) {
    const json doc = parseDocument(jsonText);
    expectObject(doc, "", {"output", "decimals", "keep_diameter", "roughness", "steps"});
    BatchInput input;
    if (auto o = optChoice(doc, "", "output", {"metric", "US"}))
        input.output = *o == 1 ? OutputSystem::US : OutputSystem::Metric;
    input.decimals = optInteger(doc, "", "decimals", 0, 6).value_or(3);
    if (const json* k = find(doc, "keep_diameter")) {
        if (!k->is_boolean()) wrongType("keep_diameter", "true or false", *k);
        input.keepDiameter = k->get<bool>();
    }
    if (const json* r = find(doc, "roughness")) input.roughness = roughness(*r, "roughness");
    if (const json* steps = find(doc, "steps")) {
        if (!steps->is_array()) wrongType("steps", "an array of steps", *steps);
        input.steps.reserve(steps->size());
        for (std::size_t i = 0; i < steps->size(); ++i)
            input.steps.push_back(step((*steps)[i], element("steps", i)));
    }
    return input;
}

StepInput readMediumStep(const std::string& jsonText) {
    const json doc = parseDocument(jsonText);
    expectObject(doc, "", {"medium", "gas"});
    return step(doc, "");
}

}  // namespace tolvane::cli
