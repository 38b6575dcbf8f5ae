#include "shell/medium_reading.h"

#include <cmath>

namespace tolvane {

namespace {

const char* const kFlowLabel = "Rate of flow in m³/h:";
const char* const kDensityLabel = "Weight density:";
const char* const kViscosityLabel = "Abs.viscos.in 10^-6 kg/ms:";
const char* const kPressureLabel = "Pressure (incoming):";
const char* const kInletTemperatureLabel = "Temperature (incoming):";
const char* const kOutletTemperatureLabel = "Temperature (leaving):";

std::string unitAt(UnitList list, int index) {
    const auto& texts = UnitCatalogue::texts(list);
    return index >= 0 && index < static_cast<int>(texts.size())
               ? texts[static_cast<std::size_t>(index)]
               : std::string();
}

}  // namespace

MediumValues::MediumValues()
    : flow{0.0, kFlowLabel, field::Flow},
      density{0.0, kDensityLabel, field::Density},
      viscosity{0.0, kViscosityLabel, field::Viscosity},
      pressure{0.0, kPressureLabel, field::GasPressure},
      inletTemperature{0.0, kInletTemperatureLabel, field::GasInletTemperature},
      outletTemperature{0.0, kOutletTemperatureLabel, field::GasOutletTemperature} {}

bool parseFields(InputCheck& check,
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

bool parseMediumFields(const FormState& form, MediumValues& in, InputCheck& check) {
    return parseFields(check, {{&form.medium.flow, &in.flow},
                               {&form.medium.density, &in.density},
                               {&form.medium.viscosity, &in.viscosity}});
}

bool parseGasFields(const FormState& form, MediumValues& in, InputCheck& check) {
    if (!form.medium.gas) return true;
    return parseFields(check, {{&form.gas.pressure, &in.pressure},
                               {&form.gas.inletTemperature, &in.inletTemperature},
                               {&form.gas.outletTemperature, &in.outletTemperature}});
}

void convertMedium(const FormState& form, MediumValues& in) {
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
}

void checkMedium(const FormState& form, const MediumValues& in, bool checkFlow, InputCheck& check) {
    // Without a positive density a mass flow or a kinematic viscosity has no
    // value in base units; they are judged as entered, and the density's own
    // message says what is wrong.
    const bool densityUsable = in.density.value > 0;
    ReadValue flowChecked = in.flow;
    ReadValue viscosityChecked = in.viscosity;
    if (!densityUsable && in.flowList == UnitList::MassFlow) flowChecked.value = in.flowEntered;
    if (!densityUsable && in.viscosityList == UnitList::KinViscosity)
        viscosityChecked.value = in.viscosityEntered;
    const ReadValue* const values[] = {&flowChecked, &in.density, &viscosityChecked};
    for (const ReadValue* v : values) {
        if (v == &flowChecked && !checkFlow) continue;
        CheckRange(check, v->value, RangeLimits::positive(), v->label, v->field);
    }
    if (form.medium.gas) {
        // The gas correction divides by the inlet pressure and both absolute temperatures.
        for (const ReadValue* v : {&in.pressure, &in.inletTemperature, &in.outletTemperature})
            CheckRange(check, v->value, RangeLimits::positive(), v->label, v->field);
    }
}

FlowMedium mediumOf(const FormState& form, const MediumValues& in) {
    FlowMedium medium;
    medium.rateOfFlow = in.flow.value;
    medium.density = in.density.value;
    medium.viscosity = in.viscosity.value;
    medium.condition = form.medium.gas ? MediumCondition::Gas : MediumCondition::Liquid;
    medium.inletPressure = in.pressure.value;
    medium.inletTemperature = in.inletTemperature.value;
    medium.outletTemperature = in.outletTemperature.value;
    return medium;
}

std::optional<FlowMedium> readMedium(const FormState& form, InputCheck& check) {
    MediumValues in;
    if (!parseMediumFields(form, in, check) || !parseGasFields(form, in, check))
        return std::nullopt;
    convertMedium(form, in);
    checkMedium(form, in, false, check);
    if (!check.ChecksPassed) return std::nullopt;
    // A value that passed its checks but overflowed in its unit conversion
    // cannot be calculated with.
    for (const ReadValue* v :
         {&in.density, &in.viscosity, &in.pressure, &in.inletTemperature, &in.outletTemperature}) {
        if (!std::isfinite(v->value)) {
            ReportBadInput(check, v->label, v->field);
            check.ChecksPassed = false;
            return std::nullopt;
        }
    }
    return mediumOf(form, in);
}

}  // namespace tolvane
