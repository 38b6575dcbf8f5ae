// The data files the program ships, checked for physical sense rather than
// against their own numbers: vapour pressures at the normal boiling point,
// water against IAPWS, viscosities of gases rising and of liquids falling
// with temperature, molar masses against the atomic weights.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

#include "properties/gas_database.h"
#include "properties/liquid_database.h"
#include "properties/vapour_pressure.h"
#include "base/input_number.h"

namespace tolvane {
namespace {

// The data files are copied beside the test program, its working directory.
TEST(ShippedVapourFile, BoilsAtOneAtmosphere) {
    const auto substances = readVapourFile(kVapourFileName);
    ASSERT_TRUE(substances);
    EXPECT_GE(substances->size(), 20u);
    std::map<int, int> perType;
    for (const VapourSubstance& s : *substances) {
        ++perType[s.equation];
        const double Tb = *readNumber(s.boilingPoint) + 273.15;
        const auto p = vapourPressure(s, Tb);
        ASSERT_TRUE(p) << s.name;
        EXPECT_NEAR(*p / 1.01325, 1.0, 0.03) << s.name;
        EXPECT_NEAR(*saturatedLiquidDensity(s, s.TR), 1000 * s.rhoR, 1e-9) << s.name;
        EXPECT_LT(s.Tmax, s.Tc) << s.name;
        // The liquid is lighter at the top of the range than at the bottom.
        const CelsiusRange r = *shownRange(s.Tmin, s.Tmax);
        EXPECT_GT(*saturatedLiquidDensity(s, kelvin(r.min)),
                  *saturatedLiquidDensity(s, kelvin(r.max)))
            << s.name;
    }
    for (int type : {1, 2, 3}) EXPECT_GE(perType[type], 3) << "equation type " << type;
}

TEST(ShippedVapourFile, WaterAgreesWithIapws) {
    const auto substances = readVapourFile(kVapourFileName);
    ASSERT_TRUE(substances);
    const VapourSubstance* water = nullptr;
    for (const auto& s : *substances)
        if (s.name == "Water") water = &s;
    ASSERT_TRUE(water);
    // IAPWS-95 saturation pressures in bar.
    const struct {
        int celsius;
        double bar;
    } iapws[] = {{20, 0.023393}, {50, 0.12352}, {100, 1.01418}, {150, 4.7617}};
    for (const auto& c : iapws)
        EXPECT_NEAR(*vapourPressure(*water, kelvin(c.celsius)) / c.bar, 1.0, 0.02) << c.celsius;
    EXPECT_NEAR(*saturatedLiquidDensity(*water, kelvin(80)), 971.8, 971.8 * 0.02);
}

double sumOfAtoms(const std::string& formula) {
    static const std::map<std::string, double> weight = {
        {"H", 1.008},   {"C", 12.011},  {"N", 14.007},  {"O", 15.999},
        {"S", 32.06},   {"Cl", 35.45},  {"He", 4.0026}, {"Ne", 20.18},
        {"Ar", 39.948}, {"Kr", 83.798}, {"Xe", 131.29}, {"F", 18.998}};
    double sum = 0;
    const std::regex atom("([A-Z][a-z]?)([0-9]*)");
    for (auto it = std::sregex_iterator(formula.begin(), formula.end(), atom);
         it != std::sregex_iterator(); ++it) {
        const auto w = weight.find((*it)[1]);
        if (w == weight.end()) return NAN;
        sum += w->second * ((*it)[2].length() ? std::stoi((*it)[2]) : 1);
    }
    return sum;
}

TEST(ShippedGasFile, ViscosityRisesAndMolarMassesAdd) {
    const auto gases = readGasFile(kGasFileName);
    ASSERT_TRUE(gases);
    EXPECT_GE(gases->size(), 20u);
    int pure = 0;
    for (const GasEntry& g : *gases) {
        double previousT = -274, previousEta = 0;
        for (const auto& [t, eta] : g.points) {
            EXPECT_GT(*readNumber(t), previousT) << g.name;
            EXPECT_GT(*readNumber(eta), previousEta) << g.name << " " << t;
            previousT = *readNumber(t);
            previousEta = *readNumber(eta);
        }
        // A pure gas names its formula first in its short text ("N2, inert").
        const std::string formula = g.info.substr(0, g.info.find_first_of(", "));
        const double sum = sumOfAtoms(formula);
        if (std::isnan(sum) || sum == 0) continue;
        ++pure;
        EXPECT_NEAR(*readNumber(g.molarMass), sum, 0.01) << g.name;
    }
    EXPECT_GE(pure, 20);
}

TEST(ShippedGasFile, AirAtNormalConditions) {
    const auto gases = readGasFile(kGasFileName);
    ASSERT_TRUE(gases);
    ASSERT_EQ((*gases)[0].name, "Air");
    EXPECT_NEAR(idealGasDensity(*readNumber((*gases)[0].molarMass), 1013.25, 0), 1.293, 0.002);
}

TEST(ShippedLiquidFile, ViscosityFallsWithTemperature) {
    const auto liquids = readLiquidFile(kLiquidFileName);
    ASSERT_TRUE(liquids);
    EXPECT_GE(liquids->size(), 20u);
    for (const LiquidEntry& l : *liquids) {
        double previousT = -274, previousEta = 1e12, previousRho = 1e12;
        for (const LiquidPoint& p : l.points) {
            EXPECT_GT(*readNumber(p.celsius), previousT) << l.name;
            EXPECT_LT(*readNumber(p.viscosity), previousEta) << l.name << " " << p.celsius;
            EXPECT_LT(*readNumber(p.density), previousRho) << l.name << " " << p.celsius;
            previousT = *readNumber(p.celsius);
            previousEta = *readNumber(p.viscosity);
            previousRho = *readNumber(p.density);
        }
    }
}

}  // namespace
}  // namespace tolvane
