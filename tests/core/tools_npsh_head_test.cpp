#include <gtest/gtest.h>

#include "results/calculation_table.h"
#include "tools/npsh.h"
#include "tools/pump_head.h"
#include "tools/tool_input.h"

using namespace tolvane;

namespace {

struct ToolRun {
    RecordingMessageSink sink;
    InputCheck check{sink};
};

const std::string kBigger = "must be bigger than zero!";

std::string badInput(const std::string& label) {
    return "Incorrect input in the input field\r\"" + label + "\"!";
}

NpshInput npsh(const std::string& ps, const std::string& pv, const std::string& rho) {
    NpshInput in;
    in.suctionPressure = ps;
    in.vapourPressure = pv;
    in.density = rho;
    return in;
}

}  // namespace

TEST(ToolInput, ConvertsByThePositionNotTheText) {
    // The tools write "in.wtr.", the unit library "in. wtr.": same unit.
    ASSERT_EQ(toolPressureUnits()[10], "in.wtr.");
    EXPECT_NE(toolPressureUnits()[10], UnitCatalogue::texts(UnitList::GasPressure)[10]);
    EXPECT_DOUBLE_EQ(convertAt(UnitList::GasPressure, 10, 1000.0), 2.490889);
    EXPECT_DOUBLE_EQ(convertAt(UnitList::GasPressure, 8, 1.0), 0.068947581976);
    EXPECT_DOUBLE_EQ(convertAt(UnitList::GasPressure, 99, 5.0), 5.0);  // no such unit: as bar
    EXPECT_DOUBLE_EQ(convertAt(UnitList::GasPressure, -1, 5.0), 5.0);
    EXPECT_DOUBLE_EQ(ConvertToBaseAt(UnitList::MassFlow, 0, 998.2, 998.2), 1.0);
    for (std::size_t i = 0; i < toolPressureUnits().size(); ++i)
        EXPECT_EQ(ConvertToBase(UnitList::GasPressure,
                                UnitCatalogue::texts(UnitList::GasPressure)[i], 3.0),
                  convertAt(UnitList::GasPressure, static_cast<int>(i), 3.0));
}

TEST(Npsh, HeadOfTheSuctionPressureAboveTheVapourPressure) {
    ToolRun r;
    NpshResult res = calculateNpsh(npsh("1", "0.0234", "998"), r.check);
    EXPECT_EQ(res.metres, "10.0 m");
    EXPECT_EQ(res.feet, "(= 32.7 ft.)");
    res = calculateNpsh(npsh("1", "2", "998"), r.check);  // would cavitate: shown as 0
    EXPECT_EQ(res.metres, "0.0 m");
    EXPECT_EQ(res.feet, "(= 0.0 ft.)");
    res = calculateNpsh(npsh("1,000", "0,5", "1000"), r.check);  // the preset texts with commas
    EXPECT_EQ(res.metres, "5.1 m");
    EXPECT_TRUE(r.sink.messages.empty());
}

TEST(Npsh, WaterColumnInchesAreConverted) {
    ToolRun r;
    NpshInput in = npsh("1000", "0", "1000");
    in.suctionPressureUnit = 10;  // "in.wtr.": 2.490889 bar
    EXPECT_EQ(calculateNpsh(in, r.check).metres, "25.4 m");
    in = npsh("1", "100", "1000");
    in.vapourPressureUnit = 10;  // 0.249 bar
    EXPECT_EQ(calculateNpsh(in, r.check).metres, "7.7 m");
    in = npsh("1", "0", "62.4");
    in.densityUnit = 8;  // lb./cu.ft.: 999.6 kg/m³
    EXPECT_EQ(calculateNpsh(in, r.check).metres, "10.2 m");
}

TEST(Npsh, NamesTheFirstFieldThatDoesNotRead) {
    struct Case {
        NpshInput in;
        const char* label;
        const char* field;
    } cases[] = {
        {npsh("abc", "x", "y"), npsh_label::SuctionPressure, "Edit1"},
        {npsh("1", "1e400", "y"), npsh_label::VapourPressure, "Edit2"},
        {npsh("1", "0", "1..0"), npsh_label::Density, "Edit3"},
    };
    for (const Case& c : cases) {
        ToolRun r;
        EXPECT_FALSE(calculateNpsh(c.in, r.check).calculated);
        ASSERT_EQ(r.sink.messages.size(), 1u);
        EXPECT_EQ(r.sink.messages[0].text, badInput(c.label));
        EXPECT_EQ(r.check.focus, c.field);
        EXPECT_FALSE(r.check.InputValid);
    }
}

TEST(Npsh, ExtremeValuesAreRefusedByTheFieldToBlame) {
    for (const char* rho : {"0", "-5", ""}) {  // no result, no message
        ToolRun r;
        EXPECT_FALSE(calculateNpsh(npsh("1", "0", rho), r.check).calculated);
        EXPECT_TRUE(r.sink.messages.empty());
    }
    ToolRun tiny;
    EXPECT_FALSE(calculateNpsh(npsh("1", "0", "1e-320"), tiny.check).calculated);
    ASSERT_EQ(tiny.sink.messages.size(), 1u);
    EXPECT_NE(tiny.sink.messages[0].text.find(">> Density: <<"), std::string::npos);
    EXPECT_NE(tiny.sink.messages[0].text.find(kBigger), std::string::npos);
    EXPECT_EQ(tiny.check.focus, "Edit3");

    ToolRun huge;
    EXPECT_FALSE(calculateNpsh(npsh("1.7e308", "-1.7e308", "1000"), huge.check).calculated);
    ASSERT_EQ(huge.sink.messages.size(), 1u);
    EXPECT_NE(huge.sink.messages[0].text.find(">> Press.suct.side (abs.): <<"), std::string::npos);
    EXPECT_NE(huge.sink.messages[0].text.find("must be smaller than"), std::string::npos);
}

TEST(Npsh, AnyVapourPressureAboveTheSuctionPressureGivesZero) {
    struct Case {
        const char* vapour;
        int unit;
        const char* density;
    } cases[] = {
        {"1.7e308", 6, "998"},  // m WS: 1.7e307 bar, the head far below -1e308 m
        {"1.7e308", 4, "998"},  // atm: beyond a double in bar
        {"2", 0, "1e-306"},     // a light liquid makes the negative head huge
    };
    for (const Case& c : cases) {
        ToolRun r;
        NpshInput in = npsh("1", c.vapour, c.density);
        in.vapourPressureUnit = c.unit;
        const NpshResult res = calculateNpsh(in, r.check);
        EXPECT_TRUE(res.calculated) << c.vapour;
        EXPECT_EQ(res.metres, "0.0 m");
        EXPECT_EQ(res.feet, "(= 0.0 ft.)");
        EXPECT_TRUE(r.sink.messages.empty());
    }
}

TEST(PumpHead, HeadOfAPressureDrop) {
    ToolRun r;
    PumpHeadResult res = calculatePumpHead({"1", 0, "1000", 0}, r.check);
    EXPECT_EQ(res.metres, "10.2 m");
    EXPECT_EQ(res.feet, "(= 33.4 ft.)");
    EXPECT_EQ(calculatePumpHead({"0.1", 0, "1000", 0}, r.check).metres, " 1.0 m");
    EXPECT_EQ(calculatePumpHead({"0,5", 0, "1000", 0}, r.check).metres, " 5.1 m");
    EXPECT_EQ(calculatePumpHead({"-1", 0, "1000", 0}, r.check).metres, "-10.2 m");
    EXPECT_EQ(calculatePumpHead({"1000", 10, "1000", 0}, r.check).metres, "25.4 m");  // in.wtr.
    EXPECT_EQ(calculatePumpHead({"14.5", 8, "62.4", 8}, r.check).metres, "10.2 m");  // psi, lb/ft³
    EXPECT_TRUE(r.sink.messages.empty());
}

TEST(PumpHead, RefusesBadAndImpossibleInput) {
    ToolRun bad;
    EXPECT_FALSE(calculatePumpHead({"1", 0, "heavy", 0}, bad.check).calculated);
    ASSERT_EQ(bad.sink.messages.size(), 1u);
    EXPECT_EQ(bad.sink.messages[0].text, badInput("Weight density:"));
    EXPECT_EQ(bad.check.focus, "Edit_Dichte");

    ToolRun zero;
    EXPECT_FALSE(calculatePumpHead({"1", 0, "0", 0}, zero.check).calculated);
    EXPECT_TRUE(zero.sink.messages.empty());

    ToolRun tiny;
    EXPECT_FALSE(calculatePumpHead({"1", 0, "1e-320", 0}, tiny.check).calculated);
    ASSERT_EQ(tiny.sink.messages.size(), 1u);
    EXPECT_NE(tiny.sink.messages[0].text.find(">> Weight density: <<"), std::string::npos);
    EXPECT_NE(tiny.sink.messages[0].text.find(kBigger), std::string::npos);

    // Positive as typed, 0 kg/m³ once converted: the density is named.
    for (const char* drop : {"1", "0"}) {
        ToolRun underflow;
        EXPECT_FALSE(calculatePumpHead({drop, 0, "5e-324", 3}, underflow.check).calculated);
        ASSERT_EQ(underflow.sink.messages.size(), 1u) << drop;
        EXPECT_NE(underflow.sink.messages[0].text.find(">> Weight density: <<"), std::string::npos);
        EXPECT_NE(underflow.sink.messages[0].text.find(kBigger), std::string::npos);
        EXPECT_EQ(underflow.check.focus, "Edit_Dichte");
    }

    ToolRun huge;
    EXPECT_FALSE(calculatePumpHead({"1e308", 0, "1e-10", 0}, huge.check).calculated);
    ASSERT_EQ(huge.sink.messages.size(), 1u);
    EXPECT_NE(huge.sink.messages[0].text.find(">> Pressure drop: <<"), std::string::npos);
    EXPECT_EQ(huge.check.focus, "Edit_Druck");
}

TEST(PumpHead, PresetFromTheTablesTotal) {
    CalculationColumn column{};
    column[Row::Element] = "circular/1";
    column[Row::PressureDrop] = "1234.000";
    CalculationTable table;
    table.setCalculations({column});
    table.updateTotal(OutputSystem::Metric, 3);
    PumpHeadPreset p = pumpHeadPreset(table, OutputSystem::Metric, "998.2", 2);
    EXPECT_EQ(p.input.pressureDrop, "1.234");
    EXPECT_EQ(p.input.pressureUnit, 0);
    EXPECT_EQ(p.input.density, "998.2");
    EXPECT_EQ(p.input.densityUnit, 2);
    EXPECT_TRUE(p.calculateNow);

    table.updateTotal(OutputSystem::US, 2);  // 1234 lbw./sq.ft. = 8.57 psi
    p = pumpHeadPreset(table, OutputSystem::US, "x", 0);
    EXPECT_EQ(p.input.pressureDrop, "8.57");
    EXPECT_EQ(p.input.pressureUnit, 8);
    EXPECT_FALSE(p.calculateNow);

    EXPECT_EQ(secondTotalNumber("12345.000 mbar or 12.345 bar"), "12.345");
    EXPECT_EQ(secondTotalNumber("1.00 mbar or  1.23E+0004 bar"), " 1.23E+0004");
    EXPECT_EQ(pumpHeadPreset(CalculationTable{}, OutputSystem::Metric, "1", 0).input.pressureDrop,
              "0.00");
}

TEST(Npsh, FromTheSuctionLineTakesTheLossesOfTheChosenColumnsOff) {
    // (1.013 - 0.0234 - 0.05) bar of water at 998.2 kg/m³, 2 m below the pump;
    // the callback answers 0.05 bar for columns 2..3 only.
    const SuctionLineDrop drop = [](int first, int last) {
        return first == 2 && last == 3 ? std::optional<double>(0.05) : std::nullopt;
    };
    struct Case {
        NpshSuctionInput suction;
        const char* metres;  // formatted to two decimals by hand from the formula
        const char* field;   // where a refusal puts the focus
    } const cases[] = {
        {{"2", "3", "-2", 0}, "7.60 m", ""},
        {{"2", "3", "-6.5616", 1}, "7.60 m", ""},  // -2 m in ft.
        {{"0", "3", "0", 0}, "", "Edit_SuctionFirst"},
        {{"2", "2,5", "0", 0}, "", "Edit_SuctionLast"},
        {{"2", "3", "low", 0}, "", "Edit_Level"},
    };
    for (const Case& c : cases) {
        ToolRun r;
        const NpshResult out =
            calculateSuctionNpsh(npsh("1,013", "0,0234", "998.2"), c.suction, drop, r.check);
        EXPECT_EQ(out.metres, c.metres) << c.suction.firstColumn << c.suction.level;
        EXPECT_EQ(r.check.focus, c.field);
        EXPECT_EQ(r.sink.messages.size(), std::string(c.field).empty() ? 0u : 1u);
    }
    ToolRun refused;
    EXPECT_FALSE(calculateSuctionNpsh(npsh("1,013", "0,0234", "998.2"), {"1", "3", "0", 0}, drop,
                                      refused.check)
                     .calculated);
    ASSERT_EQ(refused.sink.messages.size(), 1u);
    EXPECT_EQ(refused.sink.messages[0].text, kSuctionLineNotComputed);
}
