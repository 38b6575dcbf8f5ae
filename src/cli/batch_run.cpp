#include "cli/batch_run.h"

#include "shell/medium_reading.h"

#include <algorithm>

#include "properties/roughness_query.h"
#include "shell/calculate_command.h"
#include "shell/element_panel.h"
#include "shell/settings_file.h"
#include "units/unit_catalogue.h"

namespace tolvane::cli {
namespace {

int position(const std::vector<std::string>& items, const std::string& text) {
    auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

std::string listed(const std::vector<std::string>& items) {
    std::string list;
    for (const auto& item : items) list += (list.empty() ? "\"" : ", \"") + item + "\"";
    return list;
}

// Selects `text` in a unit list that shows `items`; a text the list does not
// hold is malformed input.
int select(const std::vector<std::string>& items, const std::string& text,
           const std::string& path) {
    const int index = position(items, text);
    if (index < 0)
        throw InputError(
            path, "unit \"" + text + "\" is not in the list shown here (" + listed(items) + ")");
    return index;
}

void applyMedium(FormState& form, const MediumInput& m, const std::string& path) {
    MediumPanel& panel = form.medium;
    if (m.name) panel.name = *m.name;
    if (m.gas) panel.gas = *m.gas;
    // A change of kind refills the unit list first; the unit is chosen in the new list.
    if (m.flowKind) setFlowKind(form, *m.flowKind);
    if (m.flowUnit) {
        panel.flowUnit.index = select(panel.flowUnit.items, *m.flowUnit, path + ".flowUnit");
        syncBranchFlowUnit(form);
    }
    if (m.flow) panel.flow = *m.flow;
    if (m.densityUnit)
        panel.densityUnit.index =
            select(panel.densityUnit.items, *m.densityUnit, path + ".densityUnit");
    if (m.density) panel.density = *m.density;
    if (m.viscosityKind) setViscosityKind(form, *m.viscosityKind);
    if (m.viscosityUnit)
        panel.viscosityUnit.index =
            select(panel.viscosityUnit.items, *m.viscosityUnit, path + ".viscosityUnit");
    if (m.viscosity) panel.viscosity = *m.viscosity;
}

void applyGas(GasPanel& panel, const GasInput& g, const std::string& path) {
    const auto& pressures = UnitCatalogue::texts(UnitList::GasPressure);
    const auto& temperatures = UnitCatalogue::texts(UnitList::Temperature);
    if (g.pressure) panel.pressure = *g.pressure;
    if (g.pressureUnit)
        panel.pressureUnit = select(pressures, *g.pressureUnit, path + ".pressureUnit");
    if (g.inletTemperature) panel.inletTemperature = *g.inletTemperature;
    if (g.inletTemperatureUnit)
        panel.inletTemperatureUnit =
            select(temperatures, *g.inletTemperatureUnit, path + ".inletTemperatureUnit");
    if (g.outletTemperature) panel.outletTemperature = *g.outletTemperature;
    if (g.outletTemperatureUnit)
        panel.outletTemperatureUnit =
            select(temperatures, *g.outletTemperatureUnit, path + ".outletTemperatureUnit");
}

// The chooser's OK for a named kind, then the texts typed into the laid-out
// panel; without a kind the panel stays as it is and only the texts change.
// Rows, unit boxes, the option group and the additional data windows that the
// kind hides cannot be typed into; what the input gives for them is ignored.
void applyElement(FormState& form, const ElementInput& e, const std::string& path,
                  DiameterMemory& diameters, bool keepDiameter) {
    if (e.kind) chooseElementKind(form, *e.kind, diameters, keepDiameter);
    ElementPanel& panel = form.element;
    for (std::size_t i = 0; i < e.fields.size(); ++i)
        if (e.fields[i] && panel.rows[i].fieldVisible) panel.rows[i].text = *e.fields[i];
    for (std::size_t i = 0; i < e.units.size(); ++i) {
        UnitBox& box = panel.rows[i].unit;
        if (e.units[i] && box.visible)
            box.index = select(box.items, *e.units[i], path + ".units[" + std::to_string(i) + "]");
    }
    if (e.quantity) panel.quantity = *e.quantity;
    if (e.option && panel.option.visible) panel.option.selected = *e.option;
    if (e.surface && form.extra.elementWindowVisible) form.extra.surface = *e.surface;
    if (e.branchFlow && form.extra.flowWindowVisible) form.extra.branchFlow = *e.branchFlow;
}

// The roughness query answered with `answer` and closed with OK. An answer
// that does not read shows the query's message; nobody can type again, so the
// query ends as cancelled.
std::optional<double> answerRoughness(Session& session,
                                      const std::optional<RoughnessAnswer>& answer,
                                      MessageSink& messages) {
    if (!answer) return std::nullopt;
    session.roughnessQuery.text = answer->text;
    session.roughnessQuery.unit = answer->unit;
    return confirmRoughness(session.roughnessQuery, messages).k;
}

}  // namespace

bool BatchRun::allAdded() const {
    return std::all_of(steps.begin(), steps.end(), [](const StepOutcome& s) { return s.added; });
}

void applyStep(Session& session, const StepInput& step, const std::string& path,
               DiameterMemory& diameters) {
    if (step.medium) applyMedium(session.form, *step.medium, path + ".medium");
    if (step.gas) applyGas(session.form.gas, *step.gas, path + ".gas");
    if (step.element)
        applyElement(session.form, *step.element, path + ".element", diameters,
                     session.settings.keepDiameter);
    if (step.specification)
        session.table.setCell(session.table.trailingColumn(), Row::Specification,
                              *step.specification);
}

BatchRun runBatch(const BatchInput& input) {
    BatchRun run;
    Session& session = run.session;
    // The program's first start without a settings file, with the run's output choice.
    applyStandardSettings(session);
    session.settings.output = input.output;
    session.settings.decimals = input.decimals;
    session.settings.keepDiameter = input.keepDiameter;
    session.table.writeHeadings(input.output, input.decimals);

    std::optional<RoughnessAnswer> roughness = input.roughness;
    DiameterMemory diameters;
    run.steps.reserve(input.steps.size());
    for (std::size_t i = 0; i < input.steps.size(); ++i) {
        const StepInput& step = input.steps[i];
        applyStep(session, step, "steps[" + std::to_string(i) + "]", diameters);
        if (step.roughness) roughness = *step.roughness;

        RecordingMessageSink messages;
        const CalculateOutcome outcome = Calculate(
            session, messages, [&]() { return answerRoughness(session, roughness, messages); });
        run.steps.push_back({outcome.added, std::move(messages.messages), {}});
        if (outcome.added && session.form.medium.gas) {
            RecordingMessageSink unshown;
            InputCheck check(unshown);
            if (const auto medium = readMedium(session.form, check))
                run.steps.back().inletPressureBar = medium->inletPressure;
        }
    }
    return run;
}

}  // namespace tolvane::cli
