#include "shell/settings_file.h"

#include <charconv>

#include "shell/element_catalogue.h"
#include "shell/element_panel.h"
#include "units/text_file.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

int listSize(UnitList list) { return static_cast<int>(UnitCatalogue::texts(list).size()); }

// A text line keeps its line: line breaks inside a field would shift every later line.
std::string oneLine(std::string text) {
    for (char& ch : text)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return text;
}

std::optional<int> readInteger(const std::string& line) {
    std::size_t begin = line.find_first_not_of(' ');
    std::size_t end = line.find_last_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    const char* first = line.data() + begin;
    const char* last = line.data() + end + 1;
    if (*first == '+') ++first;
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

// Reads the lines in order; the first line that is missing or out of its
// range ends the reading.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    std::optional<std::string> text(int index) const {
        if (index >= static_cast<int>(lines_.size())) return std::nullopt;
        return lines_[static_cast<std::size_t>(index)];
    }
    std::optional<int> integer(int index, int minimum, int maximum) const {
        const auto line = text(index);
        if (!line) return std::nullopt;
        const auto value = readInteger(*line);
        if (!value || *value < minimum || *value > maximum) return std::nullopt;
        return value;
    }
    std::optional<int> anyInteger(int index) const {
        const auto line = text(index);
        return line ? readInteger(*line) : std::nullopt;
    }

private:
    const std::vector<std::string>& lines_;
};

// Lines 2 to 42; false at the first line that cannot be taken. Values taken
// before that line stay.
bool applyStateLines(Session& s, WindowPlaces& places, const LineReader& in) {
    int* const placeFields[] = {&places.mainLeft,   &places.mainTop,    &places.tableLeft,
                                &places.tableTop,   &places.tableWidth, &places.tableHeight,
                                &places.shortLeft,  &places.shortTop,   &places.shortWidth,
                                &places.shortHeight};
    int line = 2;
    for (int* target : placeFields) {
        const auto v = in.anyInteger(line++);
        if (!v) return false;
        *target = *v;
    }
    for (int& width : places.shortColumnWidths) {
        const auto v = in.anyInteger(line++);
        if (!v) return false;
        width = *v;
    }

    const auto decimals = in.integer(16, 0, 6);
    if (!decimals) return false;
    s.settings.decimals = *decimals;

    FormState& form = s.form;
    const auto name = in.text(17);
    if (!name) return false;
    form.medium.name = *name;

    const auto flowKind = in.integer(18, 0, 1);
    if (!flowKind) return false;
    setFlowKind(form, *flowKind);
    const auto flow = in.text(19);
    if (!flow) return false;
    form.medium.flow = *flow;
    const auto flowUnit =
        in.integer(20, 0, listSize(*flowKind == 1 ? UnitList::MassFlow : UnitList::VolumeFlow) - 1);
    if (!flowUnit) return false;
    form.medium.flowUnit.index = *flowUnit;
    syncBranchFlowUnit(form);

    const auto density = in.text(21);
    if (!density) return false;
    form.medium.density = *density;
    const auto densityUnit = in.integer(22, 0, listSize(UnitList::Density) - 1);
    if (!densityUnit) return false;
    form.medium.densityUnit.index = *densityUnit;

    const auto viscosityKind = in.integer(23, 0, 1);
    if (!viscosityKind) return false;
    setViscosityKind(form, *viscosityKind);
    const auto viscosity = in.text(24);
    if (!viscosity) return false;
    form.medium.viscosity = *viscosity;
    const auto viscosityUnit = in.integer(
        25, 0, listSize(*viscosityKind == 1 ? UnitList::KinViscosity : UnitList::AbsViscosity) - 1);
    if (!viscosityUnit) return false;
    form.medium.viscosityUnit.index = *viscosityUnit;

    const auto condition = in.text(26);
    if (!condition) return false;
    form.medium.gas = *condition == "1";

    const int pressureUnits = listSize(UnitList::GasPressure);
    const int temperatureUnits = listSize(UnitList::Temperature);
    const auto pressure = in.text(27);
    if (!pressure) return false;
    form.gas.pressure = *pressure;
    const auto pressureUnit = in.integer(28, 0, pressureUnits - 1);
    if (!pressureUnit) return false;
    form.gas.pressureUnit = *pressureUnit;
    const auto inlet = in.text(29);
    if (!inlet) return false;
    form.gas.inletTemperature = *inlet;
    const auto inletUnit = in.integer(30, 0, temperatureUnits - 1);
    if (!inletUnit) return false;
    form.gas.inletTemperatureUnit = *inletUnit;
    const auto outlet = in.text(31);
    if (!outlet) return false;
    form.gas.outletTemperature = *outlet;
    const auto outletUnit = in.integer(32, 0, temperatureUnits - 1);
    if (!outletUnit) return false;
    form.gas.outletTemperatureUnit = *outletUnit;

    const auto group = in.integer(33, 1, kElementGroupCount);
    if (!group) return false;
    const auto variant = in.integer(34, 1, kVariantsPerGroup[*group - 1]);
    if (!variant) return false;
    for (int r = 0; r < 3; ++r) form.element.rows[static_cast<std::size_t>(r)].unit.index = 0;
    chooseElementKind(form, ElementKind{*group, *variant});

    line = 35;
    for (std::size_t r = 0; r < 3; ++r) {
        const auto rowText = in.text(line++);
        if (!rowText) return false;
        form.element.rows[r].text = *rowText;
        const auto unit = in.integer(line++, 0, 1);
        if (!unit) return false;
        form.element.rows[r].unit.index = *unit;
    }

    const auto roughnessUnit = in.integer(41, 0, 1);
    if (!roughnessUnit) return false;
    s.roughnessQuery.unit = *roughnessUnit;

    const auto databaseUnits = in.integer(42, 0, 1);
    if (!databaseUnits) return false;
    s.settings.userDatabaseMetric = *databaseUnits == 0;
    return true;
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
    session.roughnessQuery.unit = 0;
    session.settings.userDatabaseMetric = true;
}

std::vector<std::string> buildSettingsLines(const Session& s, const WindowPlaces& p) {
    const FormState& form = s.form;
    auto n = [](int v) { return std::to_string(v); };
    std::vector<std::string> lines{
        s.settings.output == OutputSystem::US ? "I" : "M",
        n(s.settings.saveSettings ? 0 : 1),
        n(p.mainLeft),
        n(p.mainTop),
        n(p.tableLeft),
        n(p.tableTop),
        n(p.tableWidth),
        n(p.tableHeight),
        n(p.shortLeft),
        n(p.shortTop),
        n(p.shortWidth),
        n(p.shortHeight),
        n(p.shortColumnWidths[0]),
        n(p.shortColumnWidths[1]),
        n(p.shortColumnWidths[2]),
        n(p.shortColumnWidths[3]),
        n(s.settings.decimals),
        oneLine(form.medium.name),
        n(form.medium.flowKind),
        oneLine(form.medium.flow),
        n(form.medium.flowUnit.index),
        oneLine(form.medium.density),
        n(form.medium.densityUnit.index),
        n(form.medium.viscosityKind),
        oneLine(form.medium.viscosity),
        n(form.medium.viscosityUnit.index),
        form.medium.gas ? "1" : "0",
        oneLine(form.gas.pressure),
        n(form.gas.pressureUnit),
        oneLine(form.gas.inletTemperature),
        n(form.gas.inletTemperatureUnit),
        oneLine(form.gas.outletTemperature),
        n(form.gas.outletTemperatureUnit),
        n(form.element.kind.group),
        n(form.element.kind.variant),
    };
    for (std::size_t r = 0; r < 3; ++r) {
        lines.push_back(oneLine(form.element.rows[r].text));
        lines.push_back(n(form.element.rows[r].unit.index));
    }
    lines.push_back(n(s.roughnessQuery.unit));
    lines.push_back(n(s.settings.userDatabaseMetric ? 0 : 1));
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
    const LineReader in(*lines);

    const auto system = in.text(0);
    if (!system || (*system != "M" && *system != "I")) return damaged();
    session.settings.output = *system == "I" ? OutputSystem::US : OutputSystem::Metric;

    const auto saving = in.integer(1, 0, 1);
    if (!saving) return damaged();
    session.settings.saveSettings = *saving == 0;
    if (!session.settings.saveSettings) {
        applyStandardSettings(session);
        return SettingsRead::Standard;
    }

    if (!applyStateLines(session, places, in)) return damaged();
    return SettingsRead::Restored;
}

SettingsRead ReadSettings(Session& session, WindowPlaces& places, const std::string& path,
                          MessageSink& messages) {
    return applySettingsLines(session, places, readTextLines(path), messages);
}

bool WriteSettings(const Session& session, const WindowPlaces& places, const std::string& path,
                   MessageSink& messages) {
    if (!writeTextLinesAtomically(path, buildSettingsLines(session, places)).empty()) {
        messages.show(MessageType::Warning, kSettingsWriteWarning);
        return false;
    }
    return true;
}

}  // namespace tolvane
