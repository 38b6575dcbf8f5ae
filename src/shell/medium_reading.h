// Reading the medium panel and the gas data window as Calculate reads them:
// parse the rate of flow, density and viscosity (and, for a gas, inlet
// pressure and both temperatures) in this order, convert them to base units
// with the density first, and range-check them. Calculate reads the element
// and the branch flow around these steps; the plant curve reads the medium
// alone.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "engine/flow_types.h"
#include "shell/form_state.h"
#include "base/input_number.h"
#include "units/unit_catalogue.h"

namespace tolvane {

// A field whose value has been read, with the label and field a message names.
struct ReadValue {
    double value = 0.0;
    const char* label = "";
    const char* field = "";
};

// Parses the texts in order; stops at the first that does not read and
// reports it by the field's label.
bool parseFields(InputCheck& check,
                 std::initializer_list<std::pair<const std::string*, ReadValue*>> fields);

struct MediumValues {
    ReadValue flow, density, viscosity;
    ReadValue pressure, inletTemperature, outletTemperature;  // gas only
    // The flow and viscosity as entered, before the density converted them.
    double flowEntered = 0.0;
    double viscosityEntered = 0.0;
    UnitList flowList = UnitList::VolumeFlow;
    UnitList viscosityList = UnitList::AbsViscosity;
    MediumValues();
};

// Rate of flow, density, viscosity.
bool parseMediumFields(const FormState& form, MediumValues& in, InputCheck& check);
// The gas window's three fields (nothing to read for a liquid).
bool parseGasFields(const FormState& form, MediumValues& in, InputCheck& check);
// Density first: the mass flow and the kinematic viscosity are converted with it.
void convertMedium(const FormState& form, MediumValues& in);
// Density, viscosity (and the rate of flow when `checkFlow`) and the gas data
// neither negative nor zero.
void checkMedium(const FormState& form, const MediumValues& in, bool checkFlow, InputCheck& check);
FlowMedium mediumOf(const FormState& form, const MediumValues& in);

// The whole reading for a tool that sets its own rates of flow: parse,
// convert, check density, viscosity and gas data. Nothing after a message.
std::optional<FlowMedium> readMedium(const FormState& form, InputCheck& check);

}  // namespace tolvane
