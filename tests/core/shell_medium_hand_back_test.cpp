// A property dialog's medium into the input panels.
#include <gtest/gtest.h>

#include "shell/form_state.h"
#include "shell/medium_hand_back.h"
#include "units/unit_catalogue.h"

namespace tolvane {
namespace {

TEST(MediumHandBack, LiquidKeepsTheGasWindowAndTheFlow) {
    FormState form;
    form.medium.gas = true;
    form.medium.flow = "12.5";
    setViscosityKind(form, 1);  // kinematic, some unit
    form.medium.viscosityUnit.index = 2;
    form.medium.densityUnit.index = 3;
    const GasPanel gasBefore = form.gas;

    HandBackMedium(form, MediumChoice{"Water", false, "999.8", 0, "1787", 0, std::nullopt});

    EXPECT_EQ(form.medium.name, "Water");
    EXPECT_FALSE(form.medium.gas);
    EXPECT_EQ(form.medium.density, "999.8");
    EXPECT_EQ(form.medium.densityUnit.text(), "kg/m³");
    EXPECT_EQ(form.medium.viscosity, "1787");
    EXPECT_EQ(form.medium.viscosityKind, 0);
    EXPECT_EQ(form.medium.viscosityUnit.items, UnitCatalogue::texts(UnitList::AbsViscosity));
    EXPECT_EQ(form.medium.viscosityUnit.text(), "10-6 kg/ms");
    EXPECT_EQ(form.medium.flow, "12.5");
    EXPECT_EQ(form.gas, gasBefore);
}

TEST(MediumHandBack, GasFillsTheGasWindow) {
    FormState form;
    form.gas.pressureUnit = 0;
    form.gas.inletTemperatureUnit = 1;
    HandBackMedium(
        form, MediumChoice{"air", true, "2.38", 0, "17.98", 0, GasStateChoice{"2000", 1, "20", 0}});
    EXPECT_TRUE(form.medium.gas);
    EXPECT_EQ(form.gas.pressure, "2000");
    EXPECT_EQ(UnitCatalogue::texts(UnitList::GasPressure)[form.gas.pressureUnit], "mbar");
    EXPECT_EQ(form.gas.inletTemperature, "20");
    EXPECT_EQ(form.gas.outletTemperature, "20");
    EXPECT_EQ(form.gas.inletTemperatureUnit, 0);
    EXPECT_EQ(form.gas.outletTemperatureUnit, 0);
}

TEST(MediumHandBack, UsUnitsOfTheUserDatabase) {
    FormState form;
    const int lbft3 = UnitCatalogue::indexOf(UnitList::Density, "lb./cu.ft.");
    const int cP = UnitCatalogue::indexOf(UnitList::AbsViscosity, "cP");
    HandBackMedium(form, MediumChoice{"Oil", false, "54", lbft3, "30", cP, std::nullopt});
    EXPECT_EQ(form.medium.densityUnit.text(), "lb./cu.ft.");
    EXPECT_EQ(form.medium.viscosityUnit.text(), "cP");
}

}  // namespace
}  // namespace tolvane
