// The fixed tables of water, air and saturated steam, the notes and density
// texts the property dialogs share, and the "Change pressure" entry.
#include <gtest/gtest.h>

#include <cmath>

#include "properties/air_properties.h"
#include "properties/property_texts.h"
#include "properties/steam_properties.h"
#include "properties/water_properties.h"
#include "base/input_number.h"

namespace tolvane {
namespace {

TEST(PropertyNotes, FahrenheitRoundsHalfToEven) {
    const struct {
        double celsius;
        const char* note;
    } cases[] = {{0, "(= 32 °F)"},       {300, "(= 572 °F)"}, {-180, "(= -292 °F)"},
                 {100, "(= 212 °F)"},    {-17.5, "(= 0 °F)"},  // 0.5 -> 0
                 {-16.9444, "(= 2 °F)"}, {2.5, "(= 36 °F)"}};  // 36.5 -> 36
    for (const auto& c : cases) EXPECT_EQ(fahrenheitNote(c.celsius), c.note) << c.celsius;
}

TEST(PropertyNotes, PsiOfMbar) {
    EXPECT_EQ(psiNote(1013), "(= 15 psi)");
    EXPECT_EQ(psiNote(1000), "(= 15 psi)");
    EXPECT_EQ(psiNote(2000), "(= 29 psi)");
    EXPECT_EQ(psiNote(3000), "(= 44 psi)");
}

TEST(DensityText, TwoDecimalsOrThreeSignificantDigits) {
    const struct {
        double rho;
        const char* text;
    } cases[] = {{1.2754, "1.28"},   {2.3762, "2.38"},      {998.2, "998.20"},  {0.7356, "0.736"},
                 {0.0191, "0.0191"}, {0.002734, "0.00273"}, {0.09996, "0.100"}, {0.9996, "1.00"},
                 {0, "0.00"},        {-1.2754, "-1.28"}};
    for (const auto& c : cases) EXPECT_EQ(densityText(c.rho), c.text) << c.rho;
    EXPECT_EQ(densityText(NAN), "");
}

TEST(DensityText, EveryTextReadsBackWithinHalfAPerCent) {
    for (double rho = 1e-5; rho < 1e4; rho *= 1.37) {
        const auto back = readNumber(densityText(rho));
        ASSERT_TRUE(back);
        EXPECT_NEAR(*back / rho, 1.0, 0.005) << rho;
    }
}

TEST(ChangePressure, UnitsToWholeMbar) {
    RecordingMessageSink sink;
    EXPECT_EQ(changedPressureMbar("2", 1, airPressureUnits(), sink), "2000");
    EXPECT_EQ(changedPressureMbar("43.51", 7, gasPressureUnits(), sink), "3000");  // psi
    EXPECT_EQ(changedPressureMbar("1", 3, gasPressureUnits(), sink), "1013");      // atm
    EXPECT_EQ(changedPressureMbar("1,5", 0, gasPressureUnits(), sink), "2");       // 1.5 mbar
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(airPressureUnits().size(), 11u);
    EXPECT_EQ(gasPressureUnits().size(), 10u);
    for (const auto& u : gasPressureUnits()) EXPECT_STRNE(u.text, "bar");
}

TEST(ChangePressure, TakesEveryPressureThatCanBeComputed) {
    // The "(max. 250 bar)" note is advice: far higher, zero and negative
    // pressures are all taken as whole mbar.
    const struct {
        const char* entry;
        int unit;  // in the air list: 0 mbar, 1 bar
        const char* mbar;
    } cases[] = {{"300", 1, "300000"},
                 {"2e12", 0, "2000000000000"},
                 {"1e20", 0, "100000000000000000000"},
                 {"0", 1, "0"},
                 {"-1", 1, "-1000"}};
    for (const auto& c : cases) {
        RecordingMessageSink sink;
        EXPECT_EQ(changedPressureMbar(c.entry, c.unit, airPressureUnits(), sink), c.mbar)
            << c.entry;
        EXPECT_TRUE(sink.messages.empty()) << c.entry;
    }
    RecordingMessageSink sink;
    const auto largest = changedPressureMbar("1e305", 1, airPressureUnits(), sink);
    ASSERT_TRUE(largest);
    EXPECT_NEAR(*readNumber(*largest) / 1e308, 1.0, 1e-12);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(ChangePressure, RefusesWhatIsNoNumberOrCannotBeHeld) {
    const struct {
        const char* entry;
        int unit;
    } cases[] = {{"abc", 0}, {"1.2.3", 0}, {"1e400", 0}, {"1e306", 1}, {"-1e306", 1}};
    for (const auto& c : cases) {
        RecordingMessageSink sink;
        EXPECT_FALSE(changedPressureMbar(c.entry, c.unit, airPressureUnits(), sink)) << c.entry;
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0], (Message{MessageType::Error, "Incorrect input!", {}}));
    }
}

TEST(WaterTable, HandsOnTheTextsAsStored) {
    ASSERT_EQ(waterTable().size(), 37u);
    const MediumChoice first = waterChoice(0);
    EXPECT_EQ(first.name, "Water");
    EXPECT_FALSE(first.gas);
    EXPECT_EQ(first.density, "999.8");
    EXPECT_EQ(first.viscosity, "1787");
    EXPECT_FALSE(first.gasState);
    EXPECT_EQ(waterChoice(2).density, "1000");  // 4 °C, no decimals
}

TEST(WaterTable, MakesPhysicalSense) {
    // Densest near 4 °C; viscosity falls all the way; 20 °C is 998.2 kg/m³, 1.002 mPa s.
    double previousEta = 1e9;
    for (const WaterRow& r : waterTable()) {
        const double rho = *readNumber(r.density), eta = *readNumber(r.viscosity);
        EXPECT_LE(rho, 1000.0);
        EXPECT_LT(eta, previousEta) << r.celsius;
        previousEta = eta;
    }
    EXPECT_EQ(std::string(waterTable()[10].celsius), "20");
    EXPECT_NEAR(*readNumber(waterTable()[10].density), 998.2, 0.1);
    EXPECT_NEAR(*readNumber(waterTable()[10].viscosity), 1002, 5);
}

TEST(AirSelection, TableTextAt1000MbarComputedOtherwise) {
    AirSelection air;
    EXPECT_EQ(air.densityText(), "3.8515");
    EXPECT_EQ(air.fahrenheitNote(), "(= -292 °F)");
    EXPECT_EQ(air.psiNote(), "(= 15 psi)");
    air.selectRow(9);  // 0 °C
    EXPECT_EQ(air.densityText(), "1.2754");
    air.setPressure("1000");  // after a pressure change: computed, also at 1000 mbar
    EXPECT_EQ(air.densityText(), "1.28");
    air.setPressure("2000");
    air.selectRow(10);  // 20 °C
    EXPECT_EQ(air.densityText(), "2.38");
    EXPECT_EQ(air.psiNote(), "(= 29 psi)");
}

TEST(AirSelection, LightStatesKeepThreeDigits) {
    AirSelection air;
    air.setPressure("10");
    air.selectRow(30);  // 1000 °C at 10 mbar: 0.002734 kg/m³, not "0.00"
    EXPECT_EQ(air.densityText(), "0.00273");
}

TEST(AirSelection, ChoiceIsGasWithItsState) {
    AirSelection air;
    air.setPressure("2000");
    air.selectRow(10);
    const MediumChoice c = air.choice();
    EXPECT_EQ(c.name, "air");
    EXPECT_TRUE(c.gas);
    EXPECT_EQ(c.density, "2.38");
    EXPECT_EQ(c.viscosity, "17.98");
    ASSERT_TRUE(c.gasState);
    EXPECT_EQ(*c.gasState, (GasStateChoice{"2000", 1, "20", 0}));
}

TEST(AirTable, MakesPhysicalSense) {
    // rho T is nearly constant for an ideal gas at 1000 mbar (p M / R = 348.4 kg K/m³);
    // near its boiling point air is a little denser.
    double previousEta = 0;
    for (const AirRow& r : airTable()) {
        const double T = *readNumber(r.celsius) + 273.15;
        EXPECT_NEAR(*readNumber(r.density) * T / 348.4, 1.0, 0.035) << r.celsius;
        const double eta = *readNumber(r.viscosity);
        EXPECT_GT(eta, previousEta);
        previousEta = eta;
    }
}

TEST(SteamTable, HundredDegreesIsOneAtmosphere) {
    const MediumChoice c = steamChoice(10);
    EXPECT_EQ(c.name, "Saturated steam");
    EXPECT_TRUE(c.gas);
    EXPECT_EQ(c.density, "0.5974");
    EXPECT_EQ(c.viscosity, "12.02");
    ASSERT_TRUE(c.gasState);
    EXPECT_EQ(*c.gasState, (GasStateChoice{"1013.2", 1, "100", 0}));
    EXPECT_EQ(steamTable().size(), 31u);
}

}  // namespace
}  // namespace tolvane
