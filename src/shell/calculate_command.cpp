#include "shell/calculate_command.h"

#include <cmath>

#include "engine/engine.h"
#include "results/result_column.h"
#include "results/shown_values.h"
#include "shell/column_from_form.h"
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

// Every value one Calculate reads: as typed, then in base units.
struct Inputs {
    std::array<ReadValue, 5> va;  // rows 1 to 4 and the quantity
    ReadValue flow{0.0, kFlowLabel, field::Flow};
    ReadValue density{0.0, kDensityLabel, field::Density};
    ReadValue viscosity{0.0, kViscosityLabel, field::Viscosity};
    ReadValue branch{0.0, kBranchFlowLabel, field::BranchFlow};
    ReadValue pressure{0.0, kPressureLabel, field::GasPressure};
    ReadValue inletTemperature{0.0, kInletTemperatureLabel, field::GasInletTemperature};
    ReadValue outletTemperature{0.0, kOutletTemperatureLabel, field::GasOutletTemperature};
    // The flow and viscosity as entered, before the density converted them.
    double flowEntered = 0.0;
    double viscosityEntered = 0.0;
    UnitList flowList = UnitList::VolumeFlow;
    UnitList viscosityList = UnitList::AbsViscosity;
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

// The value the new column adds to the table's total (Row::PressureDrop).
double totalRowValue(const ShownValues& v, OutputSystem output) {
    return output == OutputSystem::US ? v.pressureDropLbw : v.pressureDrop * 1000.0;
}

// Read: every field of the form in the order of the panels, each batch
// stopping at the first text that does not read.
bool readFields(const FormState& form, Inputs& in, InputCheck& check) {
    const ElementPanel& panel = form.element;
    for (std::size_t i = 0; i < 4; ++i)
        in.va[i] = {0.0, panel.rows[i].label.c_str(), kRowFields[i]};
    in.va[4] = {0.0, kQuantityLabel, field::Va5};
    // Element values, hidden fields too.
    parseAll(check, {{&panel.rows[0].text, &in.va[0]},
                     {&panel.rows[1].text, &in.va[1]},
                     {&panel.rows[2].text, &in.va[2]},
                     {&panel.rows[3].text, &in.va[3]},
                     {&panel.quantity, &in.va[4]}});
    if (check.InputValid)
        parseAll(check, {{&form.medium.flow, &in.flow},
                         {&form.medium.density, &in.density},
                         {&form.medium.viscosity, &in.viscosity}});
    if (check.InputValid && isBranchKind(panel.kind)) {
        parseAll(check, {{&form.extra.branchFlow, &in.branch}});
        // Both flows share the unit of ComboBox1, so they compare as entered.
        // No branch flow at all (or one flowing the wrong way) has no meaning.
        if (check.InputValid && in.branch.value <= 0) {
            ReportBadInput(check, in.branch.label, in.branch.field);
            check.InputValid = false;
        } else if (check.InputValid && in.branch.value >= in.flow.value) {
            ReportCheckFailure(check, kBranchNotSmaller, in.branch.field);
            check.InputValid = false;
        }
    }
    if (check.InputValid && form.medium.gas)
        parseAll(check, {{&form.gas.pressure, &in.pressure},
                         {&form.gas.inletTemperature, &in.inletTemperature},
                         {&form.gas.outletTemperature, &in.outletTemperature}});
    return check.InputValid;
}

// Convert: each value by the unit beside its field. Density first: the mass
// flow and the kinematic viscosity are converted with it.
void convertToBase(const FormState& form, Inputs& in) {
    const ElementPanel& panel = form.element;
    in.va[0].value = dimensionToBase(panel.rows[0].unit.text(), in.va[0].value);
    for (std::size_t i = 1; i < 3; ++i)
        if (panel.rows[i].unit.visible)
            in.va[i].value = dimensionToBase(panel.rows[i].unit.text(), in.va[i].value);

    const MediumPanel& m = form.medium;
    in.flowList = m.flowKind == 1 ? UnitList::MassFlow : UnitList::VolumeFlow;
    in.viscosityList = m.viscosityKind == 1 ? UnitList::KinViscosity : UnitList::AbsViscosity;
    in.flowEntered = in.flow.value;
    in.viscosityEntered = in.viscosity.value;
    in.density.value = ConvertToBase(UnitList::Density, m.densityUnit.text(), in.density.value);
    in.flow.value = ConvertToBase(in.flowList, m.flowUnit.text(), in.flow.value, in.density.value);
    in.viscosity.value = ConvertToBase(in.viscosityList, m.viscosityUnit.text(), in.viscosity.value,
                                       in.density.value);
    if (m.gas) {
        const GasPanel& g = form.gas;
        in.pressure.value =
            ConvertToBase(UnitList::GasPressure, unitAt(UnitList::GasPressure, g.pressureUnit),
                          in.pressure.value);
        in.inletTemperature.value = ConvertToBase(
            UnitList::Temperature, unitAt(UnitList::Temperature, g.inletTemperatureUnit),
            in.inletTemperature.value);
        in.outletTemperature.value = ConvertToBase(
            UnitList::Temperature, unitAt(UnitList::Temperature, g.outletTemperatureUnit),
            in.outletTemperature.value);
    }
    if (isBranchKind(panel.kind))
        in.branch.value =
            ConvertToBase(in.flowList, m.flowUnit.text(), in.branch.value, in.density.value);
}

// Check: the element's own checks, the quantity, the medium and the gas data.
bool checkValues(const FormState& form, const Inputs& in, InputCheck& check) {
    const auto& va = in.va;
    CheckElement(form, {va[0].value, va[1].value, va[2].value, va[3].value}, check);
    // A quantity may be zero or blank (the column then adds nothing), never negative.
    CheckRange(check, va[4].value, RangeLimits::notNegative(), va[4].label, va[4].field);
    {
        // Without a positive density a mass flow or a kinematic viscosity has
        // no value in base units; they are judged as entered, and the
        // density's own message says what is wrong.
        const bool densityUsable = in.density.value > 0;
        ReadValue flowChecked = in.flow;
        ReadValue viscosityChecked = in.viscosity;
        if (!densityUsable && in.flowList == UnitList::MassFlow) flowChecked.value = in.flowEntered;
        if (!densityUsable && in.viscosityList == UnitList::KinViscosity)
            viscosityChecked.value = in.viscosityEntered;
        for (const ReadValue* v : {static_cast<const ReadValue*>(&flowChecked), &in.density,
                                   static_cast<const ReadValue*>(&viscosityChecked)})
            CheckRange(check, v->value, RangeLimits::positive(), v->label, v->field);
    }
    if (form.medium.gas) {
        // The gas correction divides by the inlet pressure and both absolute temperatures.
        for (const ReadValue* v : {&in.pressure, &in.inletTemperature, &in.outletTemperature})
            CheckRange(check, v->value, RangeLimits::positive(), v->label, v->field);
    }
    if (check.ChecksPassed) {
        // A value that passed its checks but overflowed in its unit conversion
        // cannot be calculated with.
        for (const ReadValue* v :
             {&va[0], &va[1], &va[2], &va[3], &va[4], &in.flow, &in.density, &in.viscosity,
              &in.branch, &in.pressure, &in.inletTemperature, &in.outletTemperature}) {
            if (!std::isfinite(v->value)) {
                ReportBadInput(check, v->label, v->field);
                check.ChecksPassed = false;
                break;
            }
        }
    }
    return check.ChecksPassed;
}

// Build: the element and the medium in base units, as the engine reads them.
PipeElement buildElement(const FormState& form, const Inputs& in) {
    PipeElement element;
    element.kind = form.element.kind;
    element.va1 = in.va[0].value;
    element.va2 = in.va[1].value;
    element.va3 = in.va[2].value;
    element.va4 = in.va[3].value;
    element.quantity = in.va[4].value;
    element.option =
        element.kind == ElementKind{4, 4} ? form.extra.surface : form.element.option.selected;
    return element;
}

FlowMedium buildMedium(const FormState& form, const Inputs& in) {
    FlowMedium medium;
    medium.rateOfFlow = in.flow.value;
    medium.branchRateOfFlow = in.branch.value;
    medium.density = in.density.value;
    medium.viscosity = in.viscosity.value;
    medium.condition = form.medium.gas ? MediumCondition::Gas : MediumCondition::Liquid;
    medium.inletPressure = in.pressure.value;
    medium.inletTemperature = in.inletTemperature.value;
    medium.outletTemperature = in.outletTemperature.value;
    return medium;
}

// Run: flow state and loss; the roughness confirmed on the way stays the
// run's roughness.
ElementResult runEngine(Session& session, const PipeElement& element, const FlowMedium& medium,
                        MessageSink& messages, const RoughnessAsker& askRoughness) {
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
    return result;
}

// Append: the shown values in the output system, refused when one of them or
// the new total would not be a number; otherwise the new column and total.
bool appendColumn(Session& session, const PipeElement& element, const FlowMedium& medium,
                  ElementResult& result, MessageSink& messages) {
    const OutputSystem output = session.settings.output;
    const int decimals = session.settings.decimals;
    const ColumnDescription column = describeColumn(session.form);
    ShownValues shown = metricShownValues(medium, element, result, session.roughness);
    if (output == OutputSystem::US) shown = toUsShownValues(shown, column);
    if (!result.calcError &&
        (!shownValuesFinite(shown) ||
         !std::isfinite(session.table.total() + totalRowValue(shown, output)))) {
        messages.show(MessageType::Error, kNotPossibleMessage);
        result.calcError = true;
    }
    session.lastResult = result;
    if (result.calcError) return false;

    const ResultTexts texts = formatResults(result, shown, element.kind, output, decimals);
    appendResultColumn(session.table, column, result, shown, texts, output, decimals, messages);
    session.table.updateTotal(output, decimals);
    session.projectSaved = false;
    return true;
}

}  // namespace

CalculateOutcome Calculate(Session& session, MessageSink& messages,
                           const RoughnessAsker& askRoughness) {
    CalculateOutcome outcome;
    InputCheck check(messages);
    Inputs in;
    const bool read = readFields(session.form, in, check);
    if (read) {
        convertToBase(session.form, in);
        checkValues(session.form, in, check);
    }
    outcome.focus = check.focus;
    if (!read || !check.ChecksPassed) return outcome;

    const PipeElement element = buildElement(session.form, in);
    const FlowMedium medium = buildMedium(session.form, in);
    outcome.result = runEngine(session, element, medium, messages, askRoughness);
    outcome.added = appendColumn(session, element, medium, outcome.result, messages);
    return outcome;
}

}  // namespace tolvane
