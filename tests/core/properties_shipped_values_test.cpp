// The shipped data files against published values: every substance of the
// vapour-pressure file at the low end, the middle and the high end of the
// range its dialog offers, and liquid densities of the liquids file. The
// references and their origin are named in data/SOURCES.md.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "properties/liquid_database.h"
#include "properties/vapour_pressure.h"
#include "base/input_number.h"

namespace tolvane {
namespace {

constexpr const char* kIapws = "IAPWS-95";
constexpr const char* kTillnerRoth = "Baehr, Tillner-Roth 1995, saturation table";
constexpr const char* kPerry = "Perry 8th ed., Tables 2-8 and 2-32";

struct Saturated {
    const char* substance;
    int celsius;
    double bar;      // vapour pressure
    double density;  // saturated liquid, kg/m³
    const char* source;
};

// Water at 0 °C: the triple point, 0.01 °C.
const Saturated kPublished[] = {
    {"Water", 0, 0.0061165, 999.79, kIapws},
    {"Water", 90, 0.70182, 965.3, kIapws},
    {"Water", 180, 10.028, 887, kIapws},
    {"Methane", -182, 0.12396, 451.47, kPerry},
    {"Methane", -140, 4.4162, 388.39, kPerry},
    {"Methane", -90, 36.438, 262.69, kPerry},
    {"Nitrogen", -209, 0.14991, 866.02, kPerry},
    {"Nitrogen", -180, 4.6741, 728.61, kPerry},
    {"Nitrogen", -150, 29.361, 475.77, kPerry},
    {"Benzene", 6, 0.048872, 891.77, kPerry},
    {"Benzene", 145, 5.2426, 737.49, kPerry},
    {"Benzene", 285, 46.515, 414.8, kPerry},
    {"Ethanol", 0, 0.015965, 807.55, kPerry},
    {"Ethanol", 110, 3.1262, 699.99, kPerry},
    {"Ethanol", 220, 43.018, 505.14, kPerry},
    {"Methanol", 20, 0.12881, 794.38, kPerry},
    {"Methanol", 120, 6.3767, 685.14, kPerry},
    {"Methanol", 220, 58.394, 492.52, kPerry},
    {"Propane", -85, 0.092085, 630.98, kPerry},
    {"Propane", -5, 4.0635, 535.33, kPerry},
    {"Propane", 80, 31.285, 371.85, kPerry},
    {"Toluene", 5, 0.012459, 881.99, kPerry},
    {"Toluene", 150, 2.7538, 736.86, kPerry},
    {"Toluene", 295, 30.69, 496.37, kPerry},
    {"Acetone", -10, 0.05431, 825.24, kPerry},
    {"Acetone", 100, 3.7292, 693.36, kPerry},
    {"Acetone", 215, 35.196, 468.69, kPerry},
    {"n-Pentane", -4, 0.20316, 649.88, kPerry},
    {"n-Pentane", 30, 0.82052, 616.69, kPerry},
    {"n-Pentane", 65, 2.4705, 579.17, kPerry},
    {"n-Hexane", 14, 0.12279, 665.82, kPerry},
    {"n-Hexane", 35, 0.30765, 646.94, kPerry},
    {"n-Hexane", 65, 0.90055, 618.36, kPerry},
    {"n-Heptane", 27, 0.06697, 679.86, kPerry},
    {"n-Heptane", 60, 0.27957, 650.96, kPerry},
    {"n-Heptane", 95, 0.91575, 618.03, kPerry},
    {"Chloroform", -10, 0.044915, 1545.6, kPerry},
    {"Chloroform", 25, 0.26165, 1482.8, kPerry},
    {"Chloroform", 60, 0.9774, 1415.8, kPerry},
    {"Acetic acid", 20, 0.01558, 1047.1, kPerry},
    {"Acetic acid", 85, 0.33075, 977.86, kPerry},
    {"Acetic acid", 150, 2.4917, 898.64, kPerry},
    {"Carbon tetrachloride", 21, 0.12708, 1590.7, kPerry},
    {"Carbon tetrachloride", 45, 0.34526, 1546.2, kPerry},
    {"Carbon tetrachloride", 75, 0.96111, 1487.9, kPerry},
    {"Ammonia", -50, 0.4084, 702.09, kTillnerRoth},
    {"Ammonia", 0, 4.2938, 638.57, kTillnerRoth},
    {"Ammonia", 25, 9.9962, 601.93, kPerry},
    {"Ammonia", 50, 20.34, 562.86, kTillnerRoth},
    {"Ammonia", 100, 62.553, 456.63, kTillnerRoth},
    {"Cyclohexane", 21, 0.10876, 776.73, kPerry},
    {"Cyclohexane", 50, 0.36174, 750.23, kPerry},
    {"Cyclohexane", 80, 0.98963, 721.26, kPerry},
    {"n-Octane", 54, 0.080381, 678.51, kPerry},
    {"n-Octane", 85, 0.2796, 651.29, kPerry},
    {"n-Octane", 125, 0.99397, 613.5, kPerry},
    {"Ethyl acetate", 30, 0.15784, 887.69, kPerry},
    {"Ethyl acetate", 50, 0.37614, 863.37, kPerry},
    {"Ethyl acetate", 75, 0.94167, 831.42, kPerry},
    {"o-Xylene", 64, 0.065102, 843.39, kPerry},
    {"o-Xylene", 100, 0.26547, 811.68, kPerry},
    {"o-Xylene", 140, 0.90317, 774.06, kPerry},
    {"2-Butanone", 43, 0.27171, 779.46, kPerry},
    {"2-Butanone", 60, 0.52415, 759.98, kPerry},
    {"2-Butanone", 85, 1.2099, 730.12, kPerry},
};

constexpr double kPressureTolerance = 0.02;  // above 1 mbar
constexpr double kDensityTolerance = 0.01;

TEST(ShippedVapourFile, AgreesWithPublishedValuesOverItsRange) {
    const auto substances = readVapourFile(kVapourFileName);
    ASSERT_TRUE(substances);
    VapourPressureSelection selection(*substances);
    for (int i = 0; i < static_cast<int>(substances->size()); ++i) {
        selection.selectSubstance(i);
        const VapourSubstance& s = (*substances)[static_cast<std::size_t>(i)];
        const CelsiusRange range = selection.range();
        std::set<int> checked;
        for (const Saturated& ref : kPublished) {
            if (s.name != ref.substance) continue;
            checked.insert(ref.celsius);
            SCOPED_TRACE(s.name + " at " + std::to_string(ref.celsius) + " °C, " + ref.source);
            if (ref.celsius < range.min || ref.celsius > range.max) {
                ADD_FAILURE() << "outside the range " << range.min << " .. " << range.max;
                continue;
            }
            const auto p = vapourPressure(s, kelvin(ref.celsius));
            const auto rho = saturatedLiquidDensity(s, kelvin(ref.celsius));
            if (!p || !rho) {
                ADD_FAILURE() << "no value";
                continue;
            }
            if (ref.bar > 0.001) {
                EXPECT_NEAR(*p / ref.bar, 1.0, kPressureTolerance) << *p;
            }
            EXPECT_NEAR(*rho / ref.density, 1.0, kDensityTolerance) << *rho;
        }
        // Both ends of the range the dialog offers and a point between.
        EXPECT_TRUE(checked.count(range.min)) << s.name << " from " << range.min;
        EXPECT_TRUE(checked.count(range.max)) << s.name << " to " << range.max;
        EXPECT_GE(checked.size(), 3u) << s.name;
    }
    for (const Saturated& ref : kPublished) {
        bool shipped = false;
        for (const VapourSubstance& s : *substances) shipped = shipped || s.name == ref.substance;
        EXPECT_TRUE(shipped) << ref.substance;
    }
}

struct LiquidDensity {
    const char* liquid;
    int celsius;
    double density;  // kg/m³
    const char* source;
};

const LiquidDensity kLiquidDensities[] = {
    {"Diethyl ether", -25, 763.1, kPerry},
    {"Diethyl ether", 0, 736.3, kPerry},
    {"Diethyl ether", 25, 708.0, kPerry},
};

TEST(ShippedLiquidFile, DensitiesAgreeWithPublishedValues) {
    const auto liquids = readLiquidFile(kLiquidFileName);
    ASSERT_TRUE(liquids);
    for (const LiquidDensity& ref : kLiquidDensities) {
        SCOPED_TRACE(std::string(ref.liquid) + " at " + std::to_string(ref.celsius) + " °C, " +
                     ref.source);
        const LiquidPoint* found = nullptr;
        for (const LiquidEntry& l : *liquids)
            if (l.name == ref.liquid)
                for (const LiquidPoint& p : l.points)
                    if (readNumber(p.celsius) == ref.celsius) found = &p;
        ASSERT_TRUE(found);
        EXPECT_NEAR(*readNumber(found->density) / ref.density, 1.0, kDensityTolerance)
            << found->density;
    }
}

}  // namespace
}  // namespace tolvane
