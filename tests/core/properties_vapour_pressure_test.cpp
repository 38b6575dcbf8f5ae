// The vapour-pressure database: the three equations, the saturated-liquid
// density, the range shown, the damaged lines, and the dialog's selection.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "properties/vapour_pressure.h"
#include "base/input_number.h"

namespace tolvane {
namespace {

VapourSubstance substance(int equation, double A, double B, double C, double D) {
    VapourSubstance s;
    s.equation = equation;
    s.A = A, s.B = B, s.C = C, s.D = D;
    s.Tmin = 250, s.Tmax = 400, s.Tc = 500, s.Pc = 40;
    s.rhoR = 0.8, s.TR = 293.15, s.ZRA = 0.26;
    return s;
}

// One DADRU line with the given type and coefficients and range.
std::string line(const std::string& type, const std::string& coefficients, int tmin, int tmax,
                 const std::string& tc = "500") {
    return "Test\tinfo\t78,1\t5,5\t80,1\t" + type + "\t" + coefficients + "\t" +
           std::to_string(tmin) + "\t" + std::to_string(tmax) + "\t" + tc +
           "\t40\t0,8\t293.15\t0.26\r\n";
}

TEST(VapourPressure, AntoineAtItsCentre) {
    EXPECT_NEAR(*vapourPressure(substance(3, 10, 3000, 0, 0), 300), 1.0, 1e-12);
}

TEST(VapourPressure, WagnerAtTcIsPc) {
    const VapourSubstance s = substance(1, -7, 1.4, -2.8, -1.2);
    EXPECT_DOUBLE_EQ(*vapourPressure(s, 500), 40);
    EXPECT_LT(*vapourPressure(s, 400), 40);
    EXPECT_FALSE(vapourPressure(s, 510));  // above Tc: no value rather than NaN
}

TEST(VapourPressure, FrostKalkwarfSolvesItsImplicitForm) {
    // The value found satisfies the implicit equation.
    const VapourSubstance s = substance(2, 50.0, 6000.0, -5.0, 1000.0);
    for (double T : {260.0, 300.0, 353.0}) {
        const auto p = vapourPressure(s, T);
        ASSERT_TRUE(p) << T;
        const double residual =
            s.A - s.B / T + s.C * std::log(T) + s.D * *p / (T * T) - std::log(*p);
        EXPECT_NEAR(residual, 0, 1e-9) << T;
    }
}

TEST(VapourPressure, FrostKalkwarfWithoutSolutionGivesNothing) {
    // D p / T² grows faster than ln p: with a large D the curve never meets.
    EXPECT_FALSE(vapourPressure(substance(2, 60.0, 100.0, 0, 1e7), 300));
}

TEST(VapourPressure, FrostKalkwarfWithAHugeConstantEndsAtOnce) {
    // A damaged line (A = 4.17e10) once walked its bracket in steps of 10 from
    // ln p = 4e10: minutes per degree. Roots beyond e^709 are no pressure.
    EXPECT_FALSE(vapourPressure(substance(2, 41700000743.1, 1.45838, -277.58, -123303), 300));
    EXPECT_FALSE(vapourPressure(substance(2, 1e20, 0, 0, 0), 300));
    EXPECT_FALSE(vapourPressure(substance(2, -1e20, 0, 0, 0), 300));
}

TEST(VapourPressure, UnknownTypeGivesNothing) {
    EXPECT_FALSE(vapourPressure(substance(4, 10, 3000, 0, 0), 300));
}

TEST(SaturatedLiquid, ReferenceDensityAtTR) {
    const VapourSubstance s = substance(3, 10, 3000, 0, 0);
    EXPECT_NEAR(*saturatedLiquidDensity(s, 293.15), 800, 1e-9);
    EXPECT_LT(*saturatedLiquidDensity(s, 350), 800);  // the liquid expands when warmed
    EXPECT_FALSE(saturatedLiquidDensity(s, 501));
}

TEST(ShownRange, InsideTheRangeOfValidity) {
    const struct {
        int tmin, tmax;
        CelsiusRange range;
    } cases[] = {
        {250, 400, {-23, 125}},  // 126 in fives
        {250, 397, {-23, 120}},  // 123
        {91, 190, {-182, -85}},  // -84 rounds down, never up towards Tc
        {200, 236, {-73, -40}},  // -38
        {300, 301, {27, 27}},    // fives would leave nothing: the whole degree
    };
    for (const auto& c : cases) {
        const auto r = shownRange(c.tmin, c.tmax);
        ASSERT_TRUE(r) << c.tmin << " " << c.tmax;
        EXPECT_EQ(*r, c.range) << c.tmin << " " << c.tmax;
        EXPECT_GE(kelvin(r->min), c.tmin);
        EXPECT_LE(kelvin(r->max), c.tmax);
    }
    EXPECT_FALSE(shownRange(300, 300));
}

TEST(VapourFile, ReadsALineWithCommas) {
    const auto s = parseVapourFile(line("3", "23,0\t3000\t0\t0", 250, 400));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->size(), 1u);
    EXPECT_EQ((*s)[0].molarMass, "78.1");
    EXPECT_EQ((*s)[0].meltingPoint, "5.5");
    EXPECT_DOUBLE_EQ((*s)[0].A, 23.0);
    EXPECT_DOUBLE_EQ((*s)[0].rhoR, 0.8);
}

TEST(VapourFile, DamagedLinesRefuseTheFile) {
    const std::string good = line("3", "10\t3000\t0\t0", 250, 400);
    const std::string cases[] = {
        "",
        line("4", "10\t3000\t0\t0", 250, 400),       // unknown equation type
        line("3", "10\t3000\t0\t0", 400, 250),       // Tmin above Tmax
        line("3", "10\t3000\t0\t0", 250, 500),       // Tmax at Tc
        line("1", "-7\t1.4\t-2.8\t-1.2", 250, 520),  // Tmax above Tc
        line("3", "10\t3000\t0\t0", 300, 300),       // empty range
        line("3", "ten\t3000\t0\t0", 250, 400),      // a number that does not read
        line("2", "60\t100\t0\t1e7", 250, 400),      // no solution in the range
        line("3", "10\t3000\t-300\t0", 250, 400),    // pole of the equation inside
        "Test\tinfo\t78\t5\t80\t3\t10\t3000\t0\t0\t250\t400\t500\t40\t0.8\r\n",  // 15 fields
        good + std::string(3, '\0'),
    };
    for (const std::string& bytes : cases) EXPECT_FALSE(parseVapourFile(bytes)) << bytes;
    EXPECT_TRUE(parseVapourFile(good));
}

TEST(VapourSelection, StartsAtTheMinimumAndStaysInRange) {
    VapourPressureSelection sel(*parseVapourFile(line("3", "10\t3000\t0\t0", 250, 400)));
    EXPECT_EQ(sel.temperature(), -23);
    EXPECT_EQ(sel.fahrenheitNote(), "(= -9 °F)");
    sel.setTemperature(27);                  // 300.15 K
    EXPECT_EQ(sel.pressureText(), "1.005");  // exp(10 - 3000 / 300.15); with 274 K it read 1.034
    sel.stepTemperature(1000);
    EXPECT_EQ(sel.temperature(), 125);
    sel.stepTemperature(-1000);
    EXPECT_EQ(sel.temperature(), -23);
    EXPECT_EQ(sel.densityText().empty(), false);
}

TEST(VapourSelection, HeldArrowSteps) {
    int step = 1;
    std::vector<int> steps;
    for (int tick = 0; tick < 6; ++tick) steps.push_back(step = nextHeldStep(step));
    EXPECT_EQ(steps, (std::vector<int>{2, 5, 10, 20, 20, 20}));
}

}  // namespace
}  // namespace tolvane
