#include "shell/calculate_command.h"

#include <cmath>

#include "engine/engine.h"
#include "results/result_column.h"
#include "results/shown_values.h"
#include "shell/column_from_form.h"
#include "shell/element_panel.h"
#include "shell/medium_reading.h"
#include "base/input_number.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {

const char* const kQuantityLabel = "Quantity of elements:";
const char* const kBranchFlowLabel = "volume flow or mass flow of branching pipe:";
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

// Every value one Calculate reads: as typed, then in base units.
struct Inputs {
    std::array<ReadValue, 5> va;  // rows 1 to 4 and the quantity
    ReadValue branch{0.0, kBranchFlowLabel, field::BranchFlow};
    MediumValues medium;
};

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
    parseFields(check, {{&panel.rows[0].text, &in.va[0]},
                        {&panel.rows[1].text, &in.va[1]},
                        {&panel.rows[2].text, &in.va[2]},
                        {&panel.rows[3].text, &in.va[3]},
                        {&panel.quantity, &in.va[4]}});
    if (check.InputValid) parseMediumFields(form, in.medium, check);
    if (check.InputValid && isBranchKind(panel.kind)) {
        parseFields(check, {{&form.extra.branchFlow, &in.branch}});
        // Both flows share the unit of ComboBox1, so they compare as entered.
        // No branch flow at all (or one flowing the wrong way) has no meaning.
        if (check.InputValid && in.branch.value <= 0) {
            ReportBadInput(check, in.branch.label, in.branch.field);
            check.InputValid = false;
        } else if (check.InputValid && in.branch.value >= in.medium.flow.value) {
            ReportCheckFailure(check, kBranchNotSmaller, in.branch.field);
            check.InputValid = false;
        }
    }
    if (check.InputValid) parseGasFields(form, in.medium, check);
    return check.InputValid;
}

// Convert: each value by the unit beside its field; the medium with its
// density first, then the branch flow with the main flow's factors.
void convertToBase(const FormState& form, Inputs& in) {
    const ElementPanel& panel = form.element;
    in.va[0].value = dimensionToBase(panel.rows[0].unit.text(), in.va[0].value);
    for (std::size_t i = 1; i < 3; ++i)
        if (panel.rows[i].unit.visible)
            in.va[i].value = dimensionToBase(panel.rows[i].unit.text(), in.va[i].value);
    convertMedium(form, in.medium);
    if (isBranchKind(panel.kind))
        in.branch.value = ConvertToBase(in.medium.flowList, form.medium.flowUnit.text(),
                                        in.branch.value, in.medium.density.value);
}

// Check: the element's own checks, the quantity, the medium and the gas data.
bool checkValues(const FormState& form, const Inputs& in, InputCheck& check) {
    const auto& va = in.va;
    CheckElement(form, {va[0].value, va[1].value, va[2].value, va[3].value}, check);
    // A quantity may be zero or blank (the column then adds nothing), never negative.
    CheckRange(check, va[4].value, RangeLimits::notNegative(), va[4].label, va[4].field);
    checkMedium(form, in.medium, true, check);
    if (check.ChecksPassed) {
        // A value that passed its checks but overflowed in its unit conversion
        // cannot be calculated with.
        const MediumValues& m = in.medium;
        for (const ReadValue* v :
             {&va[0], &va[1], &va[2], &va[3], &va[4], &m.flow, &m.density, &m.viscosity, &in.branch,
              &m.pressure, &m.inletTemperature, &m.outletTemperature}) {
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
        element.kind == Kind::RectangularBend ? form.extra.surface : form.element.option.selected;
    return element;
}

FlowMedium buildMedium(const FormState& form, const Inputs& in) {
    FlowMedium medium = mediumOf(form, in.medium);
    medium.branchRateOfFlow = in.branch.value;
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
