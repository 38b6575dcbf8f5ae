#include "shell/settings_file.h"

#include <algorithm>
#include <functional>

#include "properties/roughness_query.h"
#include "shell/element_catalogue.h"
#include "shell/element_panel.h"
#include "base/integer_text.h"
#include "base/text_file.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

int listSize(UnitList list) { return static_cast<int>(UnitCatalogue::texts(list).size()); }

// One line of the settings file: how it is written from the state and how a
// read line is taken back. `read` returns false for a line that cannot be
// taken; values taken before that line stay.
struct PendingKind {
    int group = 1;  // the element group, taken with the variant on the next line
};

struct SettingsLine {
    std::function<std::string(const Session&, const WindowPlaces&)> write;
    std::function<bool(const std::string&, Session&, WindowPlaces&, PendingKind&)> read;
};

std::optional<int> integerIn(const std::string& line, int minimum, int maximum) {
    const auto value = readInteger(line, {IntegerBlanks::BothEnds});
    if (!value || *value < minimum || *value > maximum) return std::nullopt;
    return value;
}

// Window places and sizes are pulled into a range far beyond any desktop
// when read, so that a place plus a size always stays inside an int.
constexpr int kFarthestPlace = 1'000'000;

// Any integer, pulled into [lowest, kFarthestPlace].
std::optional<int> pixelsIn(const std::string& line, int lowest) {
    const auto value = readInteger(line, {IntegerBlanks::BothEnds});
    if (!value) return std::nullopt;
    return std::clamp(*value, lowest, kFarthestPlace);
}

// A window place (any integer) or size (not below zero).
SettingsLine placeLine(int WindowPlaces::*field, bool size) {
    return {[field](const Session&, const WindowPlaces& p) { return std::to_string(p.*field); },
            [field, size](const std::string& line, Session&, WindowPlaces& p, PendingKind&) {
                const auto v = pixelsIn(line, size ? 0 : -kFarthestPlace);
                if (v) p.*field = *v;
                return v.has_value();
            }};
}

SettingsLine shortColumnLine(std::size_t i) {
    return {[i](const Session&, const WindowPlaces& p) {
                return std::to_string(p.shortColumnWidths[i]);
            },
            [i](const std::string& line, Session&, WindowPlaces& p, PendingKind&) {
                const auto v = pixelsIn(line, 0);
                if (v) p.shortColumnWidths[i] = *v;
                return v.has_value();
            }};
}

// A text field as typed (kept on its one line).
template <typename Field>
SettingsLine textLine(Field field) {
    return {[field](const Session& s, const WindowPlaces&) { return oneLine(field(s)); },
            [field](const std::string& line, Session& s, WindowPlaces&, PendingKind&) {
                field(s) = line;
                return true;
            }};
}

// A position in a list of `count(session)` items; `take` applies it.
SettingsLine positionLine(std::function<int(const Session&)> written,
                          std::function<int(const Session&)> count,
                          std::function<void(Session&, int)> take) {
    return {[written](const Session& s, const WindowPlaces&) { return std::to_string(written(s)); },
            [count, take](const std::string& line, Session& s, WindowPlaces&, PendingKind&) {
                const auto v = integerIn(line, 0, count(s) - 1);
                if (v) take(s, *v);
                return v.has_value();
            }};
}

std::function<int(const Session&)> listLength(UnitList list) {
    return [list](const Session&) { return listSize(list); };
}

// Each element row's text and unit position.
void addElementRowLines(std::vector<SettingsLine>& lines, std::size_t r) {
    lines.push_back(textLine([r](auto& s) -> auto& { return s.form.element.rows[r].text; }));
    lines.push_back(
        positionLine([r](const Session& s) { return s.form.element.rows[r].unit.index; },
                     [](const Session&) { return 2; },
                     [r](Session& s, int v) { s.form.element.rows[r].unit.index = v; }));
}

// The 43 lines in file order, read and written alike.
const std::vector<SettingsLine>& settingsLines() {
    static const std::vector<SettingsLine> lines = [] {
        std::vector<SettingsLine> l;
        // 0: output system, 1: saving of settings (0 = yes); applySettingsLines
        // judges these two itself.
        l.push_back({[](const Session& s, const WindowPlaces&) {
                         return std::string(s.settings.output == OutputSystem::US ? "I" : "M");
                     },
                     [](const std::string& line, Session& s, WindowPlaces&, PendingKind&) {
                         if (line != "M" && line != "I") return false;
                         s.settings.output = line == "I" ? OutputSystem::US : OutputSystem::Metric;
                         return true;
                     }});
        l.push_back(positionLine([](const Session& s) { return s.settings.saveSettings ? 0 : 1; },
                                 [](const Session&) { return 2; },
                                 [](Session& s, int v) { s.settings.saveSettings = v == 0; }));
        // 2 to 15: window places and the short display's column widths.
        const struct {
            int WindowPlaces::*field;
            bool size;
        } places[] = {{&WindowPlaces::mainLeft, false},    {&WindowPlaces::mainTop, false},
                      {&WindowPlaces::tableLeft, false},   {&WindowPlaces::tableTop, false},
                      {&WindowPlaces::tableWidth, true},   {&WindowPlaces::tableHeight, true},
                      {&WindowPlaces::shortLeft, false},   {&WindowPlaces::shortTop, false},
                      {&WindowPlaces::shortWidth, true},   {&WindowPlaces::shortHeight, true}};
        for (const auto& place : places) l.push_back(placeLine(place.field, place.size));
        for (std::size_t i = 0; i < 4; ++i) l.push_back(shortColumnLine(i));
        // 16: decimals, 17 to 26: the medium panel.
        l.push_back(positionLine([](const Session& s) { return s.settings.decimals; },
                                 [](const Session&) { return 7; },
                                 [](Session& s, int v) { s.settings.decimals = v; }));
        l.push_back(textLine([](auto& s) -> auto& { return s.form.medium.name; }));
        l.push_back(positionLine([](const Session& s) { return s.form.medium.flowKind; },
                                 [](const Session&) { return 2; },
                                 [](Session& s, int v) { setFlowKind(s.form, v); }));
        l.push_back(textLine([](auto& s) -> auto& { return s.form.medium.flow; }));
        l.push_back(positionLine([](const Session& s) { return s.form.medium.flowUnit.index; },
                                 [](const Session& s) {
                                     return listSize(s.form.medium.flowKind == 1
                                                         ? UnitList::MassFlow
                                                         : UnitList::VolumeFlow);
                                 },
                                 [](Session& s, int v) {
                                     s.form.medium.flowUnit.index = v;
                                     syncBranchFlowUnit(s.form);
                                 }));
        l.push_back(textLine([](auto& s) -> auto& { return s.form.medium.density; }));
        l.push_back(positionLine([](const Session& s) { return s.form.medium.densityUnit.index; },
                                 listLength(UnitList::Density),
                                 [](Session& s, int v) { s.form.medium.densityUnit.index = v; }));
        l.push_back(positionLine([](const Session& s) { return s.form.medium.viscosityKind; },
                                 [](const Session&) { return 2; },
                                 [](Session& s, int v) { setViscosityKind(s.form, v); }));
        l.push_back(textLine([](auto& s) -> auto& { return s.form.medium.viscosity; }));
        l.push_back(positionLine([](const Session& s) { return s.form.medium.viscosityUnit.index; },
                                 [](const Session& s) {
                                     return listSize(s.form.medium.viscosityKind == 1
                                                         ? UnitList::KinViscosity
                                                         : UnitList::AbsViscosity);
                                 },
                                 [](Session& s, int v) { s.form.medium.viscosityUnit.index = v; }));
        l.push_back({[](const Session& s, const WindowPlaces&) {
                         return std::string(s.form.medium.gas ? "1" : "0");
                     },
                     [](const std::string& line, Session& s, WindowPlaces&, PendingKind&) {
                         s.form.medium.gas = line == "1";
                         return true;
                     }});
        // 27 to 32: the gas data window.
        l.push_back(textLine([](auto& s) -> auto& { return s.form.gas.pressure; }));
        l.push_back(positionLine([](const Session& s) { return s.form.gas.pressureUnit; },
                                 listLength(UnitList::GasPressure),
                                 [](Session& s, int v) { s.form.gas.pressureUnit = v; }));
        l.push_back(textLine([](auto& s) -> auto& { return s.form.gas.inletTemperature; }));
        l.push_back(positionLine([](const Session& s) { return s.form.gas.inletTemperatureUnit; },
                                 listLength(UnitList::Temperature),
                                 [](Session& s, int v) { s.form.gas.inletTemperatureUnit = v; }));
        l.push_back(textLine([](auto& s) -> auto& { return s.form.gas.outletTemperature; }));
        l.push_back(positionLine([](const Session& s) { return s.form.gas.outletTemperatureUnit; },
                                 listLength(UnitList::Temperature),
                                 [](Session& s, int v) { s.form.gas.outletTemperatureUnit = v; }));
        // 33, 34: the element kind; the panel is laid out for it with its unit
        // boxes at their first position before the rows are read.
        l.push_back({[](const Session& s, const WindowPlaces&) {
                         return std::to_string(s.form.element.kind.group);
                     },
                     [](const std::string& line, Session&, WindowPlaces&, PendingKind& kind) {
                         const auto v = integerIn(line, 1, kElementGroupCount);
                         if (v) kind.group = *v;
                         return v.has_value();
                     }});
        l.push_back({[](const Session& s, const WindowPlaces&) {
                         return std::to_string(s.form.element.kind.variant);
                     },
                     [](const std::string& line, Session& s, WindowPlaces&, PendingKind& kind) {
                         const auto v = integerIn(line, 1, variantCount(kind.group));
                         if (!v) return false;
                         for (std::size_t r = 0; r < 3; ++r) s.form.element.rows[r].unit.index = 0;
                         chooseElementKind(s.form, ElementKind{kind.group, *v});
                         return true;
                     }});
        // 35 to 40: the first three element rows, 41: the roughness query's
        // unit, 42: the units of the user database (0 = metric).
        for (std::size_t r = 0; r < 3; ++r) addElementRowLines(l, r);
        l.push_back(positionLine([](const Session& s) { return s.roughnessQuery.unit; },
                                 [](const Session&) { return 2; },
                                 [](Session& s, int v) {
                                     s.roughnessQuery = {initialRoughnessText(v), v};
                                 }));
        l.push_back(
            positionLine([](const Session& s) { return s.settings.userDatabaseMetric ? 0 : 1; },
                         [](const Session&) { return 2; },
                         [](Session& s, int v) { s.settings.userDatabaseMetric = v == 0; }));
        return l;
    }();
    return lines;
}

}  // namespace

void applyStandardSettings(Session& session) {
    FormState& form = session.form;
    session.settings.decimals = 3;
    form.medium.name = "Water";
    setFlowKind(form, 0);
    form.medium.flow = "1.0";
    form.medium.density = "998.2";
    form.medium.densityUnit.index = 0;
    setViscosityKind(form, 0);
    form.medium.viscosity = "1002";
    form.medium.gas = false;
    form.gas = GasPanel{};
    for (ElementRow& row : form.element.rows) row.unit.index = 0;
    // The third box is hidden unless the current kind has a unit for its third row.
    const RowUnit thirdUnit = kindSpec(form.element.kind).rows[2].unit;
    form.element.rows[2].unit.visible =
        thirdUnit == RowUnit::MM || thirdUnit == RowUnit::M || thirdUnit == RowUnit::Area;
    session.roughnessQuery = {initialRoughnessText(0), 0};
    session.settings.userDatabaseMetric = true;
}

std::vector<std::string> buildSettingsLines(const Session& s, const WindowPlaces& p) {
    std::vector<std::string> lines;
    for (const SettingsLine& line : settingsLines()) lines.push_back(line.write(s, p));
    return lines;
}

SettingsRead applySettingsLines(Session& session, WindowPlaces& places,
                                const std::optional<std::vector<std::string>>& lines,
                                MessageSink& messages) {
    auto damaged = [&] {
        session.settings.output = OutputSystem::Metric;
        applyStandardSettings(session);
        session.settings.saveSettings = true;
        messages.show(MessageType::Warning, kSettingsReadWarning);
        return SettingsRead::Damaged;
    };
    if (!lines) return damaged();
    const std::vector<SettingsLine>& rules = settingsLines();
    PendingKind kind;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (i >= lines->size() || !rules[i].read((*lines)[i], session, places, kind))
            return damaged();
        // Saving switched off: the rest of the file is not used.
        if (i == 1 && !session.settings.saveSettings) {
            applyStandardSettings(session);
            return SettingsRead::Standard;
        }
    }
    return SettingsRead::Restored;
}

SettingsRead ReadSettings(Session& session, WindowPlaces& places, const std::string& path,
                          MessageSink& messages) {
    if (path.empty()) {
        session.settings.output = OutputSystem::Metric;
        applyStandardSettings(session);
        session.settings.saveSettings = true;
        messages.show(MessageType::Warning, kSettingsNotKeptWarning);
        return SettingsRead::NotKept;
    }
    return applySettingsLines(session, places, readTextLines(path), messages);
}

bool WriteSettings(const Session& session, const WindowPlaces& places, const std::string& path,
                   MessageSink& messages) {
    if (path.empty()) return false;  // the user was told at the start
    if (!writeTextLinesAtomically(path, buildSettingsLines(session, places)).empty()) {
        messages.show(MessageType::Warning, kSettingsWriteWarning);
        return false;
    }
    return true;
}

}  // namespace tolvane
