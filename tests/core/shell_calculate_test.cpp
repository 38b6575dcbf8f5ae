// The Calculate command on a whole session: which field a bad or out-of-range
// text is reported for, the conversions of the medium, the branch flow and
// the gas data, and that only a calculation that passes every check adds a
// column to the table.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "shell/calculate_command.h"
#include "shell_harness.h"

namespace tolvane::shelltest {
namespace {

RoughnessAsker answer(std::optional<double> k) {
    return [k] { return k; };
}

struct FieldCase {
    const char* name;
    std::function<void(FormState&)> change;
    std::string message;
    std::string focus;
};

std::ostream& operator<<(std::ostream& os, const FieldCase& c) { return os << c.name; }

void gasOn(FormState& f) { f.medium.gas = true; }

const FieldCase kRefusals[] = {
    // Texts that do not read: the first one is reported and reading stops.
    {"row1_text", [](FormState& f) { f.element.rows[0].text = "abc"; },
     badInputMessage("Diameter of pipe D:"), "Va1_Edit"},
    {"row2_text", [](FormState& f) { f.element.rows[1].text = "1.0.0"; },
     badInputMessage("Length of pipe L:"), "Va2_Edit"},
    {"first_bad_text_only",
     [](FormState& f) {
         f.element.rows[0].text = "x";
         f.element.rows[1].text = "y";
         f.medium.flow = "z";
     },
     badInputMessage("Diameter of pipe D:"), "Va1_Edit"},
    {"hidden_row_text", [](FormState& f) { f.element.rows[2].text = "?"; }, badInputMessage(""),
     "Va3_Edit"},
    {"quantity_text", [](FormState& f) { f.element.quantity = "1x"; },
     badInputMessage("Quantity of elements:"), "Va5_Edit"},
    {"negative_quantity", [](FormState& f) { f.element.quantity = "-2"; },
     zeroMessage("Quantity of elements:"), "Va5_Edit"},
    {"flow_text", [](FormState& f) { f.medium.flow = "1..0"; },
     badInputMessage("Rate of flow in m³/h:"), "Eingabe_Volumenstrom"},
    {"density_text", [](FormState& f) { f.medium.density = "heavy"; },
     badInputMessage("Weight density:"), "Eingabe_Dichte"},
    {"viscosity_text", [](FormState& f) { f.medium.viscosity = "1e"; },
     badInputMessage("Abs.viscos.in 10^-6 kg/ms:"), "Eingabe_Viskositaet"},
    {"gas_pressure_text",
     [](FormState& f) {
         gasOn(f);
         f.gas.pressure = "p";
     },
     badInputMessage("Pressure (incoming):"), "Edit_Eingangsdruck"},
    {"gas_inlet_text",
     [](FormState& f) {
         gasOn(f);
         f.gas.inletTemperature = "t";
     },
     badInputMessage("Temperature (incoming):"), "Edit_Eingangstemperatur"},
    {"gas_outlet_text",
     [](FormState& f) {
         gasOn(f);
         f.gas.outletTemperature = "--1";
     },
     badInputMessage("Temperature (leaving):"), "Edit_Ausgangstemperatur"},
    {"gas_text_ignored_for_liquid_but_flow_blank",
     [](FormState& f) {
         f.gas.pressure = "p";
         f.medium.flow = "";
     },
     zeroMessage("Rate of flow in m³/h:"), "Eingabe_Volumenstrom"},
    // Values out of range.
    {"blank_flow", [](FormState& f) { f.medium.flow = " "; }, zeroMessage("Rate of flow in m³/h:"),
     "Eingabe_Volumenstrom"},
    {"zero_density", [](FormState& f) { f.medium.density = "0"; }, zeroMessage("Weight density:"),
     "Eingabe_Dichte"},
    {"negative_viscosity", [](FormState& f) { f.medium.viscosity = "-1"; },
     zeroMessage("Abs.viscos.in 10^-6 kg/ms:"), "Eingabe_Viskositaet"},
    {"element_check", [](FormState& f) { f.element.rows[0].text = "0"; },
     zeroMessage("Diameter of pipe D:"), "Va1_Edit"},
    {"gas_pressure_zero",
     [](FormState& f) {
         gasOn(f);
         f.gas.pressure = "0";
     },
     zeroMessage("Pressure (incoming):"), "Edit_Eingangsdruck"},
    {"gas_inlet_absolute_zero",
     [](FormState& f) {
         gasOn(f);
         f.gas.inletTemperatureUnit = 1;  // K
         f.gas.inletTemperature = "0";
     },
     zeroMessage("Temperature (incoming):"), "Edit_Eingangstemperatur"},
    {"gas_inlet_at_absolute_zero_celsius",
     [](FormState& f) {
         gasOn(f);
         f.gas.inletTemperatureUnit = 0;  // °C
         f.gas.inletTemperature = "-273.15";
     },
     zeroMessage("Temperature (incoming):"), "Edit_Eingangstemperatur"},
    {"gas_outlet_below_absolute_zero",
     [](FormState& f) {
         gasOn(f);
         f.gas.outletTemperatureUnit = 1;  // K
         f.gas.outletTemperature = "-5";
     },
     zeroMessage("Temperature (leaving):"), "Edit_Ausgangstemperatur"},
    {"dimension_overflows_in_its_unit",
     [](FormState& f) {
         chooseElementKind(f, {10, 2});     // no range check on a known resistance coefficient
         f.element.rows[0].unit.index = 1;  // in.
         f.element.rows[0].text = "9e307";
     },
     badInputMessage("Diameter of element D:"), "Va1_Edit"},
};

class CalculateRefusalTest : public testing::TestWithParam<FieldCase> {};

TEST_P(CalculateRefusalTest, NamesTheFieldAndLeavesTheTableAlone) {
    Session session;
    RecordingMessageSink first;
    ASSERT_TRUE(Calculate(session, first, answer(0.1)).added);
    const CalculationTable before = session.table;
    session.projectSaved = true;

    GetParam().change(session.form);
    const FormState formBefore = session.form;
    RecordingMessageSink sink;
    bool asked = false;
    const auto outcome = Calculate(session, sink, [&] {
        asked = true;
        return std::optional<double>(0.1);
    });
    EXPECT_FALSE(outcome.added);
    EXPECT_FALSE(asked);
    EXPECT_EQ(texts(sink), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(outcome.focus, GetParam().focus);
    EXPECT_EQ(session.table.ColCount(), before.ColCount());
    for (int c = 0; c < before.ColCount(); ++c)
        EXPECT_EQ(session.table.column(c), before.column(c));
    EXPECT_TRUE(session.projectSaved);
    EXPECT_EQ(session.form, formBefore);
}

INSTANTIATE_TEST_SUITE_P(Fields, CalculateRefusalTest, testing::ValuesIn(kRefusals),
                         [](const auto& tp) { return std::string(tp.param.name); });

// Runs one calculation on a fresh session after `change`; the column it added.
CalculationColumn calculated(const std::function<void(Session&)>& change) {
    Session session;
    change(session);
    RecordingMessageSink sink;
    const auto outcome = Calculate(session, sink, answer(0.1));
    EXPECT_TRUE(outcome.added) << testing::PrintToString(texts(sink));
    EXPECT_EQ(outcome.focus, "");
    return session.table.column(1);
}

TEST(Calculate, MassFlowIsConvertedWithTheConvertedDensity) {
    const auto mass = calculated([](Session& s) {
        setFlowKind(s.form, 1);  // kg/h
        s.form.medium.flow = "998.2";
        s.form.medium.density = "998.2";
    });
    const auto volume = calculated([](Session& s) { s.form.medium.flow = "1"; });
    EXPECT_EQ(mass[Row::RateOfFlow], "1.000");
    EXPECT_EQ(mass, volume);

    // 100 kg/h with 1 kg/l: 0.1 m³/h.
    const auto perLitre = calculated([](Session& s) {
        setFlowKind(s.form, 1);
        s.form.medium.flow = "100";
        s.form.medium.density = "1";
        s.form.medium.densityUnit.index = 1;  // kg/l
        s.form.medium.viscosity = "1000";
    });
    EXPECT_EQ(perLitre[Row::RateOfFlow], "0.100");
    EXPECT_EQ(perLitre[Row::Density], "1000.000");
}

TEST(Calculate, KinematicViscosityIsMultipliedByTheDensity) {
    const auto kinematic = calculated([](Session& s) {
        s.form.medium.density = "1000";
        setViscosityKind(s.form, 1);
        s.form.medium.viscosityUnit.index = 2;  // mm²/s
        s.form.medium.viscosity = "1";
    });
    const auto absolute = calculated([](Session& s) {
        s.form.medium.density = "1000";
        s.form.medium.viscosity = "1000";
    });
    EXPECT_EQ(kinematic[Row::Viscosity], "1000.000");
    EXPECT_EQ(kinematic, absolute);
}

TEST(Calculate, DimensionsAreConvertedByTheUnitBesideThem) {
    const auto inches = calculated([](Session& s) {
        s.form.element.rows[0].unit.index = 1;
        s.form.element.rows[0].text = "4";
        s.form.element.rows[1].unit.index = 1;
        s.form.element.rows[1].text = "10";
    });
    const auto metric = calculated([](Session& s) {
        s.form.element.rows[0].text = "101.6";
        s.form.element.rows[1].text = "3.048";
    });
    for (int r : {13, 14, 19, 23, 24})
        EXPECT_EQ(inches[static_cast<std::size_t>(r)], metric[static_cast<std::size_t>(r)]) << r;
}

TEST(Calculate, ChecksTheElementInMillimetresWhateverItsUnit) {
    const std::string castIron =
        "Incorrect input in the input field!\rThe diameter of pipe must be in the following "
        "range:\r"
        "Maximal value: 500 mm = 19 in.\rMinimal value:  50 mm = 1.9 in.";
    for (const auto& [text, message] :
         {std::pair<std::string, std::string>{"2", ""}, {"1.9", castIron}}) {
        Session session;
        chooseElementKind(session.form, {4, 3});
        session.form.element.rows[0].unit.index = 1;  // in.
        session.form.element.rows[0].text = text;
        session.form.medium.flow = "10";
        RecordingMessageSink sink;
        const auto outcome = Calculate(session, sink, answer(0.1));
        EXPECT_EQ(outcome.added, message.empty()) << text;
        EXPECT_EQ(texts(sink),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
    }
}

TEST(Calculate, BlankQuantityIsAcceptedWithNoPressureDrop) {
    const auto column = calculated([](Session& s) { s.form.element.quantity = ""; });
    EXPECT_EQ(column[Row::Element], "circular/");
    EXPECT_EQ(readNumber(column[Row::PressureDrop]).value_or(-1), 0.0);
}

TEST(Calculate, ZeroQuantityIsAcceptedWithNoPressureDrop) {
    const auto column = calculated([](Session& s) { s.form.element.quantity = "0"; });
    EXPECT_EQ(readNumber(column[Row::PressureDrop]).value_or(-1), 0.0);
}

// The quantity is checked after the element and before the medium: with
// all three wrong, the messages come in that order.
TEST(Calculate, QuantityIsCheckedBetweenElementAndMedium) {
    Session session;
    session.form.element.rows[0].text = "0";
    session.form.element.quantity = "-1";
    session.form.medium.density = "0";
    RecordingMessageSink sink;
    const auto outcome = Calculate(session, sink, answer(0.1));
    EXPECT_FALSE(outcome.added);
    EXPECT_EQ(texts(sink), (std::vector<std::string>{zeroMessage("Diameter of pipe D:"),
                                                     zeroMessage("Quantity of elements:"),
                                                     zeroMessage("Weight density:")}));
    EXPECT_EQ(outcome.focus, "Eingabe_Dichte");
}

TEST(Calculate, TwoCalculationsAddTwoNumberedColumns) {
    Session session;
    RecordingMessageSink sink;
    EXPECT_TRUE(Calculate(session, sink, answer(0.1)).added);
    EXPECT_TRUE(Calculate(session, sink, answer(0.1)).added);
    ASSERT_EQ(session.table.ColCount(), 4);
    EXPECT_EQ(session.table.cell(1, Row::Number), "1");
    EXPECT_EQ(session.table.cell(2, Row::Number), "2");
    for (int r = 1; r < kTableRows; ++r)
        EXPECT_EQ(session.table.cell(1, r), session.table.cell(2, r)) << r;
    EXPECT_FALSE(session.projectSaved);
    EXPECT_NEAR(session.table.total(),
                2 * readNumber(session.table.cell(1, Row::PressureDrop)).value(), 1e-9);
}

TEST(Calculate, CancelledRoughnessQueryAddsNothing) {
    Session session;
    session.form.medium.flow = "10";  // turbulent in D 100
    RecordingMessageSink sink;
    const auto outcome = Calculate(session, sink, answer(std::nullopt));
    EXPECT_FALSE(outcome.added);
    EXPECT_TRUE(outcome.result.calcError);
    EXPECT_EQ(session.table.ColCount(), 2);
    EXPECT_TRUE(session.projectSaved);
    EXPECT_EQ(session.roughness, 0.1);
}

TEST(Calculate, ConfirmedRoughnessStaysForTheRun) {
    Session session;
    session.form.medium.flow = "10";
    RecordingMessageSink sink;
    ASSERT_TRUE(Calculate(session, sink, answer(0.25)).added);
    EXPECT_EQ(session.roughness, 0.25);
    EXPECT_EQ(session.table.cell(1, Row::Roughness), "0.250");
}

struct BranchCase {
    const char* branchFlow;
    std::string message;
};

TEST(Calculate, BranchFlowMustBePositiveAndSmallerThanTheMainFlow) {
    const std::string notSmaller =
        "The flow of the branching pipe must be smaller than the flow of the main pipe!";
    const std::string bad = badInputMessage("volume flow or mass flow of branching pipe:");
    const BranchCase cases[] = {
        {"", bad},          {"0", bad},           {"-1", bad},  {"q", bad},
        {"10", notSmaller}, {"10.5", notSmaller}, {"9.99", ""},
    };
    for (ElementKind kind : {ElementKind{5, 5}, ElementKind{5, 6}}) {
        for (const BranchCase& c : cases) {
            SCOPED_TRACE(std::string(c.branchFlow) + " kind 5," + std::to_string(kind.variant));
            Session session;
            chooseElementKind(session.form, kind);
            session.form.medium.flow = "10";
            session.form.extra.branchFlow = c.branchFlow;
            RecordingMessageSink sink;
            const auto outcome = Calculate(session, sink, answer(0.1));
            if (c.message.empty()) {
                EXPECT_TRUE(outcome.added);
                continue;
            }
            EXPECT_FALSE(outcome.added);
            EXPECT_EQ(texts(sink), std::vector<std::string>{c.message});
            EXPECT_EQ(outcome.focus, "Edit_abzwVolumenstrom");
            EXPECT_EQ(session.table.ColCount(), 2);
        }
    }
}

TEST(Calculate, BranchFlowIsComparedAsEnteredInTheMainFlowUnit) {
    Session session;
    chooseElementKind(session.form, {5, 5});
    session.form.medium.flow = "2";
    session.form.medium.flowUnit.index = 1;  // m³/min
    session.form.extra.branchFlow = "1";
    RecordingMessageSink sink;
    ASSERT_TRUE(Calculate(session, sink, answer(0.1)).added) << testing::PrintToString(texts(sink));
    // 1 m³/min in the branch of D2 = 50 mm.
    EXPECT_NEAR(session.lastResult.velocity2, 60.0 / 3600.0 / (3.14159265358979 * 0.05 * 0.05 / 4),
                1e-9);
}

TEST(Calculate, GasDataAreConvertedBeforeTheEngine) {
    const auto kelvin = calculated([](Session& s) {
        s.form.medium.gas = true;
        s.form.medium.density = "1.2";
        s.form.medium.viscosity = "18";
        s.form.medium.flow = "100";
        s.form.gas.pressure = "2000";
        s.form.gas.pressureUnit = 1;  // mbar
        s.form.gas.inletTemperatureUnit = 1;
        s.form.gas.inletTemperature = "293.15";
        s.form.gas.outletTemperatureUnit = 1;
        s.form.gas.outletTemperature = "283.15";
    });
    const auto celsius = calculated([](Session& s) {
        s.form.medium.gas = true;
        s.form.medium.density = "1.2";
        s.form.medium.viscosity = "18";
        s.form.medium.flow = "100";
        s.form.gas.pressure = "2";
        s.form.gas.inletTemperature = "20";
        s.form.gas.outletTemperature = "10";
    });
    EXPECT_EQ(kelvin[Row::Medium], "water/gas.");
    EXPECT_EQ(kelvin, celsius);
}

// Results that are numbers in bar but overflow where the column shows them:
// as mbar, or in US units.
struct OverflowCase {
    const char* name;
    std::function<void(Session&)> change;
};

std::ostream& operator<<(std::ostream& os, const OverflowCase& c) { return os << c.name; }

const OverflowCase kShownOverflows[] = {
    {"pressure_drop_in_mbar",
     [](Session& s) {
         chooseElementKind(s.form, {10, 2});
         s.form.element.rows[1].text = "1e308";  // the known resistance coefficient: 1e306 bar
         s.form.medium.flow = "40";
         s.form.medium.viscosity = "100";
     }},
    {"pressure_drop_in_lbw_per_sq_ft",
     [](Session& s) {
         s.settings.output = OutputSystem::US;
         chooseElementKind(s.form, {10, 2});
         s.form.element.rows[1].text = "15e306";  // 1.5e308 mbar, 3.1e308 lbw./sq.ft.
         s.form.medium.flow = "40";
         s.form.medium.viscosity = "100";
     }},
    {"rate_of_flow_in_gal_per_min",
     [](Session& s) {
         s.settings.output = OutputSystem::US;
         chooseElementKind(s.form, {10, 1});  // does not depend on the rate of flow
         s.form.medium.flow = "1e308";
     }},
    {"height_in_ft",
     [](Session& s) {
         s.settings.output = OutputSystem::US;
         chooseElementKind(s.form, {10, 1});
         s.form.element.rows[0].text = "6e307";
         s.form.medium.density = "1e-5";
     }},
};

class CalculateShownOverflowTest : public testing::TestWithParam<OverflowCase> {};

TEST_P(CalculateShownOverflowTest, IsRefusedAndAddsNothing) {
    Session session;
    GetParam().change(session);
    RecordingMessageSink sink;
    const auto outcome = Calculate(session, sink, answer(0.1));
    EXPECT_FALSE(outcome.added);
    EXPECT_TRUE(outcome.result.calcError);
    EXPECT_EQ(texts(sink),
              std::vector<std::string>{"A calculation with the specified data is not possible!"});
    EXPECT_EQ(session.table.ColCount(), 2);
    EXPECT_TRUE(session.projectSaved);
}

INSTANTIATE_TEST_SUITE_P(Values, CalculateShownOverflowTest, testing::ValuesIn(kShownOverflows),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(Calculate, TotalThatWouldOverflowIsRefused) {
    Session session;
    chooseElementKind(session.form, {10, 2});
    session.form.element.rows[1].text = "1e307";  // about 1e308 mbar per column
    session.form.medium.flow = "40";
    session.form.medium.viscosity = "100";
    RecordingMessageSink sink;
    ASSERT_TRUE(Calculate(session, sink, answer(0.1)).added) << testing::PrintToString(texts(sink));
    ASSERT_TRUE(std::isfinite(session.table.total()));
    const auto second = Calculate(session, sink, answer(0.1));
    EXPECT_FALSE(second.added);
    EXPECT_EQ(texts(sink),
              std::vector<std::string>{"A calculation with the specified data is not possible!"});
    EXPECT_EQ(session.table.ColCount(), 3);
    EXPECT_TRUE(std::isfinite(session.table.total()));
}

// A density that is not positive cannot convert a mass flow or a kinematic
// viscosity; only what is really wrong is reported.
struct DensityCase {
    const char* name;
    std::function<void(FormState&)> change;
    std::vector<std::string> messages;
    std::string focus;
};

TEST(Calculate, UnusableDensityIsReportedAloneForMassFlowAndKinematicViscosity) {
    const std::string density = zeroMessage("Weight density:");
    const std::string flow = zeroMessage("Rate of flow in m³/h:");
    const std::string viscosity = zeroMessage("Abs.viscos.in 10^-6 kg/ms:");
    const auto mass = [](FormState& f) {
        setFlowKind(f, 1);
        f.medium.flow = "998.2";
    };
    const auto kinematic = [](FormState& f) {
        setViscosityKind(f, 1);
        f.medium.viscosity = "1";
    };
    const DensityCase cases[] = {
        {"mass_flow_zero_density",
         [&](FormState& f) {
             mass(f);
             f.medium.density = "0";
         },
         {density},
         "Eingabe_Dichte"},
        {"mass_flow_blank_density",
         [&](FormState& f) {
             mass(f);
             f.medium.density = "";
         },
         {density},
         "Eingabe_Dichte"},
        {"mass_flow_negative_density",
         [&](FormState& f) {
             mass(f);
             f.medium.density = "-1";
         },
         {density},
         "Eingabe_Dichte"},
        {"blank_mass_flow_zero_density",
         [&](FormState& f) {
             mass(f);
             f.medium.flow = "";
             f.medium.density = "0";
         },
         {flow, density},
         "Eingabe_Dichte"},
        {"kinematic_zero_density",
         [&](FormState& f) {
             kinematic(f);
             f.medium.density = "0";
         },
         {density},
         "Eingabe_Dichte"},
        {"kinematic_negative_viscosity_zero_density",
         [&](FormState& f) {
             kinematic(f);
             f.medium.viscosity = "-1";
             f.medium.density = "0";
         },
         {density, viscosity},
         "Eingabe_Viskositaet"},
    };
    for (const DensityCase& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        c.change(session.form);
        RecordingMessageSink sink;
        const auto outcome = Calculate(session, sink, answer(0.1));
        EXPECT_FALSE(outcome.added);
        EXPECT_EQ(texts(sink), c.messages);
        EXPECT_EQ(outcome.focus, c.focus);
    }
}

}  // namespace
}  // namespace tolvane::shelltest
