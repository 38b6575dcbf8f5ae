#include "shell/medium_hand_back.h"

#include <algorithm>

namespace tolvane {

namespace {

int within(const UnitBox& box, int index) {
    return std::clamp(index, 0, std::max(0, static_cast<int>(box.items.size()) - 1));
}

}  // namespace

void HandBackMedium(FormState& form, const MediumChoice& choice) {
    MediumPanel& m = form.medium;
    m.name = choice.name;
    m.density = choice.density;
    m.densityUnit.index = within(m.densityUnit, choice.densityUnit);
    m.viscosity = choice.viscosity;
    setViscosityKind(form, 0);
    m.viscosityUnit.index = within(m.viscosityUnit, choice.viscosityUnit);
    m.gas = choice.gas;
    if (choice.gasState) {
        GasPanel& g = form.gas;
        g.pressure = choice.gasState->pressure;
        g.pressureUnit = choice.gasState->pressureUnit;
        g.inletTemperature = choice.gasState->temperature;
        g.outletTemperature = choice.gasState->temperature;
        g.inletTemperatureUnit = choice.gasState->temperatureUnit;
        g.outletTemperatureUnit = choice.gasState->temperatureUnit;
    }
}

}  // namespace tolvane
