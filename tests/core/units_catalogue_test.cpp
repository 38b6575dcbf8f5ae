// Unit lists: order of the texts and every factor, each checked against a
// value worked out by hand from the published factor (2.5 units in, density
// 800 kg/m³ where the list needs one).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "units/unit_catalogue.h"

namespace tolvane {
namespace {

struct Conversion {
    UnitList list;
    int position;
    const char* text;
    double expected;  // of 2.5 in that unit, in the list's base unit
};

std::ostream& operator<<(std::ostream& os, const Conversion& c) { return os << c.text; }

class UnitConversion : public ::testing::TestWithParam<Conversion> {};

TEST_P(UnitConversion, brings_value_to_base_unit) {
    const Conversion& c = GetParam();
    ASSERT_EQ(UnitCatalogue::indexOf(c.list, c.text), c.position);
    double got = ConvertToBase(c.list, c.text, 2.5, 800.0);
    EXPECT_NEAR(got, c.expected, std::fabs(c.expected) * 1e-9);
}

const Conversion kConversions[] = {
    {UnitList::VolumeFlow, 0, "m³/h", 2.5},
    {UnitList::VolumeFlow, 1, "m³/min", 150},
    {UnitList::VolumeFlow, 2, "m³/s", 9000},
    {UnitList::VolumeFlow, 3, "l/min", 0.15},
    {UnitList::VolumeFlow, 4, "l/s", 9},
    {UnitList::VolumeFlow, 5, "cu.ft./hr", 0.07079211648},
    {UnitList::VolumeFlow, 6, "cu.ft./min", 4.2475269888},
    {UnitList::VolumeFlow, 7, "cu.ft./s", 254.851619328},
    {UnitList::VolumeFlow, 8, "petr.bl./hr", 0.3974675},
    {UnitList::VolumeFlow, 9, "petr.bl./day", 0.0165611458333},
    {UnitList::VolumeFlow, 10, "gal/hr", 0.00946351190476},
    {UnitList::VolumeFlow, 11, "gal/min", 0.567810714286},
    {UnitList::VolumeFlow, 12, "gal/s", 34.0686428571},

    {UnitList::MassFlow, 0, "kg/h", 0.003125},
    {UnitList::MassFlow, 1, "kg/min", 0.1875},
    {UnitList::MassFlow, 2, "kg/s", 11.25},
    {UnitList::MassFlow, 3, "lb./hr", 0.0014175},
    {UnitList::MassFlow, 4, "lb./min", 0.085048875},
    {UnitList::MassFlow, 5, "lb./s", 5.1029145},
    {UnitList::MassFlow, 6, "oz./min", 0.005315625},
    {UnitList::MassFlow, 7, "oz./s", 0.318931875},

    {UnitList::Density, 0, "kg/m³", 2.5},
    {UnitList::Density, 1, "kg/l", 2500},
    {UnitList::Density, 2, "g/l", 2.5},
    {UnitList::Density, 3, "gr./cu.ft.", 0.005721},
    {UnitList::Density, 4, "gr./gal.", 0.042795},
    {UnitList::Density, 5, "oz./cu.ft.", 2.50288525},
    {UnitList::Density, 6, "oz./cu.in.", 4324.98567825},
    {UnitList::Density, 7, "oz./gal.", 18.72276925},
    {UnitList::Density, 8, "lb./cu.ft.", 40.04616375},
    {UnitList::Density, 9, "lb./cu.in.", 69199.77085275},
    {UnitList::Density, 10, "lb./gal.", 299.56430825},

    {UnitList::AbsViscosity, 0, "10-6 kg/ms", 2.5},
    {UnitList::AbsViscosity, 1, "10-6 g/cm s", 0.25},
    {UnitList::AbsViscosity, 2, "10-6 Pa s", 2.5},
    {UnitList::AbsViscosity, 3, "mPa s", 2500},
    {UnitList::AbsViscosity, 4, "10-6 Ns/m²", 2.5},
    {UnitList::AbsViscosity, 5, "cP", 2500},
    {UnitList::AbsViscosity, 6, "lb.av./ft.hr", 1033.5},
    {UnitList::AbsViscosity, 7, "lb.av./ft.s", 3720410.25},
    {UnitList::AbsViscosity, 8, "Lb.s/sq.ft.", 119700663.25},

    {UnitList::KinViscosity, 0, "10-6 m²/s", 2000},
    {UnitList::KinViscosity, 1, "cm²/s", 200000},
    {UnitList::KinViscosity, 2, "mm²/s", 2000},
    {UnitList::KinViscosity, 3, "cSt", 2000},
    {UnitList::KinViscosity, 4, "sq.ft./hr", 51600},
    {UnitList::KinViscosity, 5, "sq.ft/s", 185806000},

    {UnitList::Diameter, 0, "mm", 2.5},
    {UnitList::Diameter, 1, "in.", 63.5},
    {UnitList::Length, 0, "m", 2.5},
    {UnitList::Length, 1, "ft.", 0.762},
    {UnitList::Area, 0, "m²", 2.5},
    {UnitList::Area, 1, "sq.yd.", 2.0903185},

    {UnitList::GasPressure, 0, "bar", 2.5},
    {UnitList::GasPressure, 1, "mbar", 0.0025},
    {UnitList::GasPressure, 2, "Torr", 0.00333305921},
    {UnitList::GasPressure, 3, "ata", 2.4516625},
    {UnitList::GasPressure, 4, "atm", 2.533125},
    {UnitList::GasPressure, 5, "at", 2.4516625},
    {UnitList::GasPressure, 6, "m WS", 0.24516625},
    {UnitList::GasPressure, 7, "lbw./sq.ft.", 0.0011970066325},
    {UnitList::GasPressure, 8, "psi", 0.17236895494},
    {UnitList::GasPressure, 9, "ft.wtr.", 0.074726673},
    {UnitList::GasPressure, 10, "in. wtr.", 0.0062272225},

    {UnitList::Temperature, 0, "°C", 275.65},
    {UnitList::Temperature, 1, "K", 2.5},
    {UnitList::Temperature, 2, "degF", 256.7689},
    {UnitList::Temperature, 3, "°R", 276.275},
};

INSTANTIATE_TEST_SUITE_P(EveryEntry, UnitConversion, ::testing::ValuesIn(kConversions));

TEST(UnitCatalogue, lists_have_every_entry_in_order) {
    struct {
        UnitList list;
        std::size_t size;
    } sizes[] = {{UnitList::VolumeFlow, 13},  {UnitList::MassFlow, 8},
                 {UnitList::Density, 11},     {UnitList::AbsViscosity, 9},
                 {UnitList::KinViscosity, 6}, {UnitList::Diameter, 2},
                 {UnitList::Length, 2},       {UnitList::Area, 2},
                 {UnitList::GasPressure, 11}, {UnitList::Temperature, 4}};
    for (const auto& s : sizes) EXPECT_EQ(UnitCatalogue::texts(s.list).size(), s.size);
    for (const Conversion& c : kConversions)
        EXPECT_EQ(UnitCatalogue::texts(c.list).at(static_cast<std::size_t>(c.position)), c.text);
}

// Worked examples from the unit tables.
TEST(UnitCatalogue, worked_examples) {
    EXPECT_NEAR(ConvertToBase(UnitList::VolumeFlow, "cu.ft./min", 10), 16.99, 0.005);
    double rho = ConvertToBase(UnitList::Density, "kg/l", 1);
    EXPECT_DOUBLE_EQ(rho, 1000.0);
    EXPECT_NEAR(ConvertToBase(UnitList::MassFlow, "kg/h", 100, rho), 0.1, 1e-15);
    EXPECT_NEAR(ConvertToBase(UnitList::KinViscosity, "sq.ft/s", 1, 1000), 92903000, 1e-6);
    EXPECT_NEAR(ConvertToBase(UnitList::GasPressure, "in. wtr.", 1), 0.002490889, 1e-15);
    EXPECT_NEAR(ConvertToBase(UnitList::Temperature, "°R", 1), 274.4, 1e-12);
    EXPECT_NEAR(ConvertToBase(UnitList::MassFlow, "kg/h", 998.2, 998.2), 1.0, 1e-15);
    EXPECT_NEAR(ConvertToBase(UnitList::KinViscosity, "mm²/s", 1.0, 1000), 1000, 1e-12);
}

TEST(UnitCatalogue, unknown_text_is_taken_as_base_unit) {
    const char* unknown[] = {"", "furlongs", "M³/H", "mm "};
    for (const char* u : unknown) {
        EXPECT_EQ(UnitCatalogue::indexOf(UnitList::VolumeFlow, u), -1) << u;
        EXPECT_EQ(ConvertToBase(UnitList::VolumeFlow, u, 7.25), 7.25) << u;
        EXPECT_EQ(ConvertToBase(UnitList::Temperature, u, 7.25), 7.25) << u;
        EXPECT_EQ(ConvertToBase(UnitList::MassFlow, u, 7.25, 1000), 7.25) << u;
    }
}

TEST(UnitCatalogue, mass_flow_with_zero_density_is_not_finite) {
    // The caller's range check must see it; it is never a plausible number.
    EXPECT_FALSE(std::isfinite(ConvertToBase(UnitList::MassFlow, "kg/h", 10, 0)));
}

}  // namespace
// A temperature typed at absolute zero converts to exactly zero, so the
// range check names the field instead of a later division by a residue.
TEST(TemperatureOffsets, AbsoluteZeroIsExactlyZero) {
    EXPECT_EQ(ConvertToBase(UnitList::Temperature, "°C", -273.15), 0.0);
    EXPECT_LE(ConvertToBase(UnitList::Temperature, "°R", -218.52), 0.0);
    EXPECT_GT(ConvertToBase(UnitList::Temperature, "°C", -273.14), 0.009);
    EXPECT_NEAR(ConvertToBase(UnitList::Temperature, "°C", 20.0), 293.15, 1e-12);
}

}  // namespace tolvane
