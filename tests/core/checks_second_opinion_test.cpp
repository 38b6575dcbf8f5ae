// The second opinion of a table: the alternatives' drops on each column's
// velocity basis, the line's range, the isothermal gas line against
// python3-fluids (isothermal_gas_golden.inc) and the texts shown.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "checks/isothermal_gas.h"
#include "checks/second_opinion.h"

namespace tolvane::checks {
namespace {

struct Col {
    std::string medium = "water/liq.";
    std::string density = "1000.000";
    std::string velocity = "2.000";
    std::string velocity2 = "";
    std::string reynolds = "100000";
    std::string zeta = "";
    std::string dropMbar = "";
};

CalculationTable tableOf(const std::vector<Col>& cols) {
    std::vector<CalculationColumn> columns;
    for (const Col& c : cols) {
        CalculationColumn column{};
        column[Row::Medium] = c.medium;
        column[Row::Density] = c.density;
        column[Row::Velocity] = c.velocity;
        column[Row::Velocity2] = c.velocity2;
        column[Row::Reynolds] = c.reynolds;
        column[Row::Zeta] = c.zeta;
        column[Row::PressureDrop] = c.dropMbar;
        columns.push_back(column);
    }
    CalculationTable table;
    table.setCalculations(columns);
    return table;
}

OpinionElement element(Kind kind, double va1, double va2 = 0, double va3 = 0, double quantity = 1) {
    OpinionElement e;
    e.element.kind = pairOf(kind);
    e.element.va1 = va1;
    e.element.va2 = va2;
    e.element.va3 = va3;
    e.element.quantity = quantity;
    return e;
}

TEST(SecondOpinion, alternatives_replace_the_coefficient_on_the_columns_velocity) {
    // 1000 kg/m³ at 2 m/s: 20 mbar per unit of ζ.
    const CalculationTable table = tableOf({{.zeta = "0.500", .dropMbar = "10.000"},
                                            {.zeta = "6.500", .dropMbar = "260.000"},
                                            {.zeta = "1.000", .dropMbar = "12.000"}});
    const std::vector<OpinionElement> elements = {element(Kind::SharpEdgedEntrance, 100),
                                                  element(Kind::GlobeValve, 100, 0, 0, 2),
                                                  element(Kind::LyraBend, 100)};
    const SecondOpinion s = secondOpinion(table, OutputSystem::Metric, elements, {});
    ASSERT_EQ(s.columns.size(), 3u);
    const ColumnOpinion& entrance = s.columns[0];
    ASSERT_EQ(entrance.alternatives.size(), 4u);
    EXPECT_EQ(entrance.alternatives[1].source, PublishedSource::Rennels);
    EXPECT_NEAR(entrance.alternatives[1].pressureDrop, 0.57 * 20.0, 1e-9);
    EXPECT_NEAR(entrance.low, 10.0, 1e-9);
    EXPECT_NEAR(entrance.high, 11.4, 1e-9);
    // Two globe valves: the difference of ζ counts twice.
    const ColumnOpinion& globe = s.columns[1];
    ASSERT_EQ(globe.alternatives.size(), 3u);
    EXPECT_NEAR(globe.alternatives[0].pressureDrop,
                260.0 + (globe.alternatives[0].zeta - 6.5) * 20.0 * 2.0, 1e-9);
    // A kind without alternatives keeps its own drop in the range.
    EXPECT_TRUE(s.columns[2].alternatives.empty());
    EXPECT_NEAR(s.total, 282.0, 1e-9);
    EXPECT_NEAR(s.low, entrance.low + globe.low + 12.0, 1e-9);
    EXPECT_NEAR(s.high, entrance.high + globe.high + 12.0, 1e-9);
    EXPECT_EQ(s.pressureUnit, "mbar");
    EXPECT_FALSE(s.gas);
}

TEST(SecondOpinion, sudden_changes_refer_to_the_second_section) {
    // ζ on w2 = 4 m/s: 80 mbar per unit of ζ; the kinetic term stays in the drop.
    const CalculationTable table =
        tableOf({{.velocity = "1.000", .velocity2 = "4.000", .zeta = "0.403", .dropMbar = "107.24"}});
    const SecondOpinion s = secondOpinion(
        table, OutputSystem::Metric, {element(Kind::SuddenContraction, 100, 50)}, {});
    ASSERT_FALSE(s.columns[0].alternatives.empty());
    const Alternative& a = s.columns[0].alternatives[0];
    EXPECT_NEAR(a.pressureDrop, 107.24 + (a.zeta - 0.403) * 80.0, 1e-9);
}

TEST(SecondOpinion, a_coefficient_the_table_does_not_show_comes_from_the_drop) {
    // A combining branch gaining 4 mbar: ζ = -0.2 at 20 mbar per unit, shown as "".
    const CalculationTable table = tableOf({{.zeta = "", .dropMbar = "-4.000"}});
    OpinionElement branch = element(Kind::CombiningBranch, 100, 80, 0);
    branch.element.va4 = 90.0;
    branch.branchRatio = 2.0;
    const SecondOpinion s = secondOpinion(table, OutputSystem::Metric, {branch}, {});
    ASSERT_EQ(s.columns[0].alternatives.size(), 1u);
    EXPECT_NEAR(s.columns[0].zeta, -0.2, 1e-12);
    const Alternative& a = s.columns[0].alternatives[0];
    EXPECT_NEAR(a.pressureDrop, a.zeta * 20.0, 1e-9);
}

TEST(SecondOpinion, us_texts_are_read_in_their_units) {
    // 62.428 lb/ft³ = 1000 kg/m³, 6.5617 ft/s = 2 m/s; 1 lbw./sq.ft. = 47.88 Pa.
    const CalculationTable table =
        tableOf({{.density = "62.428", .velocity = "6.5617", .zeta = "0.500", .dropMbar = "20.885"}});
    const SecondOpinion s =
        secondOpinion(table, OutputSystem::US, {element(Kind::SharpEdgedEntrance, 100)}, {});
    EXPECT_EQ(s.pressureUnit, "lbw./sq.ft.");
    EXPECT_NEAR(s.columns[0].high, 20.885 + 0.07 * 2000.0 / 47.880259, 1e-3);
}

TEST(SecondOpinion, texts_of_a_column_and_of_the_line) {
    ColumnOpinion c;
    c.zeta = 0.175;
    c.alternatives = {{PublishedSource::Crane, 0.23, 0}, {PublishedSource::Rennels, 0.24, 0}};
    EXPECT_EQ(opinionText(c, 2), "ζ 0.17 (this program) — Crane 0.23, Rennels 0.24");
    EXPECT_EQ(opinionText(ColumnOpinion{}, 3), "");
    SecondOpinion s;
    s.total = 1642.0;
    s.low = 1510.0;
    s.high = 2080.0;
    EXPECT_EQ(rangeText(s, OutputSystem::Metric, 3),
              "total 1.642 bar; by the published methods 1.510 … 2.080 bar");
    IsothermalLine choked{5.0, 1.1, std::nullopt, 2};
    EXPECT_EQ(isothermalText(choked, 3),
              "isothermal flow from 5.000 bar chokes in column 2: the line cannot carry this flow");
    IsothermalLine carried{5.0, 4.0, 4.1, 0};
    EXPECT_EQ(isothermalText(carried, 2),
              "isothermal outlet pressure 4.10 bar against 4.00 bar by the columns' correction "
              "(difference 0.10 bar)");
}

struct GasRow {
    double density, fd, p1, length, diameter, massFlow, p2;
};
const GasRow kGas[] = {
#include "isothermal_gas_golden.inc"
};

TEST(IsothermalGas, outlet_pressure_agrees_with_fluids_within_half_a_percent) {
    for (const GasRow& r : kGas) {
        const double area = std::numbers::pi / 4.0 * r.diameter * r.diameter;
        const auto p2 = isothermalOutletPressure(r.p1, r.density, r.massFlow / area,
                                                 r.fd * r.length / r.diameter);
        ASSERT_TRUE(p2) << r.p1;
        EXPECT_NEAR(*p2, r.p2, 0.005 * (r.p1 - r.p2)) << r.p1;
    }
}

TEST(IsothermalGas, a_flow_beyond_choking_has_no_outlet) {
    EXPECT_FALSE(isothermalOutletPressure(5e5, 5.95, 2000.0, 8.0));
    EXPECT_FALSE(isothermalOutletPressure(0.0, 5.95, 100.0, 8.0));
    // No resistance, no flow: the outlet is the inlet.
    EXPECT_NEAR(*isothermalOutletPressure(5e5, 5.95, 0.0, 0.0), 5e5, 1e-3);
}

TEST(SecondOpinion, gas_line_carries_the_pressure_from_column_to_column) {
    // Two equal gas columns of K = 2 at 5 bar, 5.95 kg/m³, 50 m/s.
    const CalculationTable table =
        tableOf({{.medium = "air/gas.", .density = "5.950", .velocity = "50.000", .zeta = "2.000",
                  .dropMbar = "150.000"},
                 {.medium = "air/gas.", .density = "5.950", .velocity = "50.000", .zeta = "2.000",
                  .dropMbar = "150.000"}});
    const std::vector<OpinionElement> elements = {element(Kind::KnownResistance, 50),
                                                  element(Kind::KnownResistance, 50)};
    const SecondOpinion s =
        secondOpinion(table, OutputSystem::Metric, elements, {{5.0, std::nullopt}, {5.0, std::nullopt}});
    ASSERT_TRUE(s.gas);
    EXPECT_DOUBLE_EQ(s.gas->tableOutletBar, 4.7);
    const double flux = 5.95 * 50.0;
    const double first = *isothermalOutletPressure(5e5, 5.95, flux, 2.0);
    const double second = *isothermalOutletPressure(first, 5.95 * first / 5e5, flux, 2.0);
    ASSERT_TRUE(s.gas->outletBar);
    EXPECT_NEAR(*s.gas->outletBar, second / 1e5, 1e-9);
    EXPECT_LT(*s.gas->outletBar, 5.0 - 0.3 + 0.05);
    // Without the inlet pressure there is no isothermal line.
    EXPECT_FALSE(secondOpinion(table, OutputSystem::Metric, elements, {}).gas);
}

}  // namespace
}  // namespace tolvane::checks
