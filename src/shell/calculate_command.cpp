#include "shell/calculate_command.h"

#include <cmath>

#include "engine/engine.h"
#include "engine/result_column.h"
#include "engine/us_conversion.h"
#include "shell/element_panel.h"
#include "units/input_number.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

const char* const kQuantityLabel = "Quantity of elements:";
const char* const kFlowLabel = "Rate of flow in m³/h:";
const char* const kDensityLabel = "Weight density:";
const char* const kViscosityLabel = "Abs.viscos.in 10^-6 kg/ms:";
const char* const kBranchFlowLabel = "volume flow or mass flow of branching pipe:";
const char* const kPressureLabel = "Pressure (incoming):";
const char* const kInletTemperatureLabel = "Temperature (incoming):";
const char* const kOutletTemperatureLabel = "Temperature (leaving):";
const char* const kBranchNotSmaller =
    "The flow of the branching pipe must be smaller than the flow of the main pipe!";

const char* const kRowFields[4] = {field::Va1, field::Va2, field::Va3, field::Va4};

// An element dimension in the unit beside its field: "in.", "ft." and
// "sq.yd." are brought to mm, m and m²; the metric units stand as they are.
double dimensionToBase(const std::string& unit, double value) {
    for (UnitList list : {UnitList::Diameter, UnitList::Length, UnitList::Area})
        if (UnitCatalogue::indexOf(list, unit) >= 0) return ConvertToBase(list, unit, value);
    return value;
}

std::string unitAt(UnitList list, int index) {
    const auto& texts = UnitCatalogue::texts(list);
    return index >= 0 && index < static_cast<int>(texts.size())
               ? texts[static_cast<std::size_t>(index)]
               : std::string();
}

// A field whose value has been read, with the label and field a message names.
struct ReadValue {
    double value = 0.0;
    const char* label = "";
    const char* field = "";
};

// Parses the texts in order; stops at the first that does not read.
bool parseAll(InputCheck& check,
              std::initializer_list<std::pair<const std::string*, ReadValue*>> fields) {
    for (auto [text, target] : fields) {
        target->value = ParseInputNumber(*text, check);
        if (!check.InputValid) {
            ReportBadInput(check, target->label, target->field);
            return false;
        }
    }
    return true;
}

// Every value a column shows must be a number: a pressure drop that is finite
// in bar can still overflow as mbar or in lbw./sq.ft., a rate of flow in
// gal/min, a height in ft.
bool shownValuesFinite(const ShownValues& v) {
    for (double x : {v.rateOfFlow, v.density, v.viscosity, v.dims[0], v.dims[1], v.dims[2],
                     v.roughness, v.velocity, v.velocity2, v.pressureDrop, v.pressureDrop * 1000.0,
                     v.pressureDrop2, v.pressureDropPsi, v.pressureDropLbw}) {
        if (!std::isfinite(x)) return false;
    }
    return true;
}

// The value the new column adds to the table's total (row 23).
double totalRowValue(const ShownValues& v, OutputSystem output) {
    return output == OutputSystem::US ? v.pressureDropLbw : v.pressureDrop * 1000.0;
}

}  // namespace

CalculateOutcome Calculate(Session& session, MessageSink& messages,
                           const RoughnessAsker& askRoughness) {
    CalculateOutcome outcome;
    InputCheck check(messages);
    FormState& form = session.form;
    ElementPanel& panel = form.element;
    const ElementKind kind = panel.kind;

    // Element values, parsed in the order of the panel (hidden fields too).
    std::array<ReadValue, 5> va;
    for (std::size_t i = 0; i < 4; ++i) va[i] = {0.0, panel.rows[i].label.c_str(), kRowFields[i]};
    va[4] = {0.0, kQuantityLabel, field::Va5};
    if (parseAll(check, {{&panel.rows[0].text, &va[0]},
                         {&panel.rows[1].text, &va[1]},
                         {&panel.rows[2].text, &va[2]},
                         {&panel.rows[3].text, &va[3]},
                         {&panel.quantity, &va[4]}})) {
        va[0].value = dimensionToBase(panel.rows[0].unit.text(), va[0].value);
        for (std::size_t i = 1; i < 3; ++i)
            if (panel.rows[i].unit.visible)
                va[i].value = dimensionToBase(panel.rows[i].unit.text(), va[i].value);
    }

    // Medium, branch flow and gas data, each stopping at the first bad text.
    ReadValue flow{0.0, kFlowLabel, field::Flow};
    ReadValue density{0.0, kDensityLabel, field::Density};
    ReadValue viscosity{0.0, kViscosityLabel, field::Viscosity};
    ReadValue branch{0.0, kBranchFlowLabel, field::BranchFlow};
    ReadValue pressure{0.0, kPressureLabel, field::GasPressure};
    ReadValue inletTemperature{0.0, kInletTemperatureLabel, field::GasInletTemperature};
    ReadValue outletTemperature{0.0, kOutletTemperatureLabel, field::GasOutletTemperature};
    const bool branchKind = isBranchKind(kind);
    const bool gas = form.medium.gas;

    if (check.InputValid)
        parseAll(check, {{&form.medium.flow, &flow},
                         {&form.medium.density, &density},
                         {&form.medium.viscosity, &viscosity}});
    if (check.InputValid && branchKind) {
        parseAll(check, {{&form.extra.branchFlow, &branch}});
        // Both flows share the unit of ComboBox1, so they compare as entered.
        // No branch flow at all (or one flowing the wrong way) has no meaning.
        if (check.InputValid && branch.value <= 0) {
            ReportBadInput(check, branch.label, branch.field);
            check.InputValid = false;
        } else if (check.InputValid && branch.value >= flow.value) {
            ReportCheckFailure(check, kBranchNotSmaller, branch.field);
            check.InputValid = false;
        }
    }
    if (check.InputValid && gas)
        parseAll(check, {{&form.gas.pressure, &pressure},
                         {&form.gas.inletTemperature, &inletTemperature},
                         {&form.gas.outletTemperature, &outletTemperature}});

    if (!check.InputValid) {
        outcome.focus = check.focus;
        return outcome;
    }

    // Density first: the mass flow and the kinematic viscosity are converted with it.
    const MediumPanel& m = form.medium;
    const UnitList flowList = m.flowKind == 1 ? UnitList::MassFlow : UnitList::VolumeFlow;
    const UnitList viscosityList =
        m.viscosityKind == 1 ? UnitList::KinViscosity : UnitList::AbsViscosity;
    const double flowEntered = flow.value, viscosityEntered = viscosity.value;
    density.value = ConvertToBase(UnitList::Density, m.densityUnit.text(), density.value);
    flow.value = ConvertToBase(flowList, m.flowUnit.text(), flow.value, density.value);
    viscosity.value =
        ConvertToBase(viscosityList, m.viscosityUnit.text(), viscosity.value, density.value);
    if (gas) {
        pressure.value =
            ConvertToBase(UnitList::GasPressure,
                          unitAt(UnitList::GasPressure, form.gas.pressureUnit), pressure.value);
        inletTemperature.value = ConvertToBase(
            UnitList::Temperature, unitAt(UnitList::Temperature, form.gas.inletTemperatureUnit),
            inletTemperature.value);
        outletTemperature.value = ConvertToBase(
            UnitList::Temperature, unitAt(UnitList::Temperature, form.gas.outletTemperatureUnit),
            outletTemperature.value);
    }
    if (branchKind)
        branch.value = ConvertToBase(flowList, m.flowUnit.text(), branch.value, density.value);

    CheckElement(form, {va[0].value, va[1].value, va[2].value, va[3].value}, check);
    {
        // Without a positive density a mass flow or a kinematic viscosity has
        // no value in base units; they are judged as entered, and the
        // density's own message says what is wrong.
        const bool densityUsable = density.value > 0;
        ReadValue flowChecked = flow, viscosityChecked = viscosity;
        if (!densityUsable && flowList == UnitList::MassFlow) flowChecked.value = flowEntered;
        if (!densityUsable && viscosityList == UnitList::KinViscosity)
            viscosityChecked.value = viscosityEntered;
        for (const ReadValue* v : {&flowChecked, &density, &viscosityChecked})
            CheckRange(check, false, false, false, v->value, 0.0, 0.0, v->label, v->field);
    }
    if (gas) {
        // The gas correction divides by the inlet pressure and both absolute temperatures.
        for (const ReadValue* v : {&pressure, &inletTemperature, &outletTemperature})
            CheckRange(check, false, false, false, v->value, 0.0, 0.0, v->label, v->field);
    }
    if (check.ChecksPassed) {
        // A value that passed its checks but overflowed in its unit conversion
        // cannot be calculated with.
        for (const ReadValue* v :
             {&va[0], &va[1], &va[2], &va[3], &va[4], &flow, &density, &viscosity, &branch,
              &pressure, &inletTemperature, &outletTemperature}) {
            if (!std::isfinite(v->value)) {
                ReportBadInput(check, v->label, v->field);
                check.ChecksPassed = false;
                break;
            }
        }
    }
    outcome.focus = check.focus;
    if (!check.ChecksPassed) return outcome;

    PipeElement element;
    element.kind = kind;
    element.va1 = va[0].value;
    element.va2 = va[1].value;
    element.va3 = va[2].value;
    element.va4 = va[3].value;
    element.quantity = va[4].value;
    element.option = kind == ElementKind{4, 4} ? form.extra.surface : panel.option.selected;

    FlowMedium medium;
    medium.rateOfFlow = flow.value;
    medium.branchRateOfFlow = branch.value;
    medium.density = density.value;
    medium.viscosity = viscosity.value;
    medium.condition = gas ? MediumCondition::Gas : MediumCondition::Liquid;
    medium.inletPressure = pressure.value;
    medium.inletTemperature = inletTemperature.value;
    medium.outletTemperature = outletTemperature.value;

    EngineEnv env;
    env.messages = &messages;
    env.silent = false;
    env.roughness = session.roughness;
    env.askRoughness = askRoughness;

    ElementResult result = session.lastResult;
    result.calcError = false;
    result.gasOverflow = false;
    result = computeFlowState(element, medium, result);
    result = computeElementLoss(element, medium, result, env);
    session.roughness = env.roughness;

    const OutputSystem output = session.settings.output;
    const int decimals = session.settings.decimals;
    ShownValues shown = metricShownValues(medium, element, result, session.roughness);
    if (output == OutputSystem::US) shown = toUsShownValues(shown, form);
    if (!result.calcError &&
        (!shownValuesFinite(shown) ||
         !std::isfinite(session.table.total() + totalRowValue(shown, output)))) {
        messages.show(MessageType::Error, kNotPossibleMessage);
        result.calcError = true;
    }
    session.lastResult = result;
    outcome.result = result;
    const ResultTexts texts = formatResults(result, shown, kind, output, decimals);
    if (result.calcError) return outcome;

    appendResultColumn(session.table, form, result, shown, texts, output, decimals, messages);
    session.table.updateTotal(output, decimals);
    session.projectSaved = false;
    outcome.added = true;
    return outcome;
}

}  // namespace tolvane
