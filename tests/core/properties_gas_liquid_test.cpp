// The gas and liquid databases: taking GASE.STW and MEDIEN.STW apart,
// refusing whatever is not such a file, and what the two dialogs show and
// hand on for a choice.
#include <gtest/gtest.h>

#include <string>

#include "properties/gas_database.h"
#include "properties/liquid_database.h"
#include "base/input_number.h"
#include "base/text_file.h"

namespace tolvane {
namespace {

const std::string kTwoGases =
    "Nitrogen\tinert\t28.013\t-210\t-195.8\t0\t16.6\t100\t20.9\r\n"
    "Hydrogen\tlight\t2.016\t-259.2\t-252.9\t27\t8.9\t\t\r\n";

TEST(GasFile, TakesLinesApart) {
    const auto gases = parseGasFile(kTwoGases);
    ASSERT_TRUE(gases);
    ASSERT_EQ(gases->size(), 2u);
    EXPECT_EQ((*gases)[0].name, "Nitrogen");
    EXPECT_EQ((*gases)[0].info, "inert");
    EXPECT_EQ((*gases)[0].boilingPoint, "-195.8");
    EXPECT_EQ((*gases)[0].points,
              (std::vector<std::pair<std::string, std::string>>{{"0", "16.6"}, {"100", "20.9"}}));
    // The trailing TABs end the pairs like the end of the line.
    EXPECT_EQ((*gases)[1].points.size(), 1u);
}

TEST(GasFile, RefusesBrokenFiles) {
    const std::string cases[] = {
        "",
        "\r\n\r\n",
        std::string("N2\tx\t28\t-210\t-196\t0\t16.6\0\r\n", 27),  // binary
        "N2\tx\t28\t-210\t-196\r\n",                              // no pair
        "N2\tx\t28\t-210\t-196\t0\r\n",                           // temperature without viscosity
        "N2\tx\t28\t-210\t-196\t0.5\t16.6\r\n",                   // not a whole temperature
        "N2\tx\t28\t-210\t-196\t-300\t16.6\r\n",                  // below absolute zero
        "N2\tx\tabc\t-210\t-196\t0\t16.6\r\n",                    // molar mass
        "N2\tx\t0\t-210\t-196\t0\t16.6\r\n",                      // molar mass zero
        "N2\tx\t28\t-210\t-196\t0\tfast\r\n",                     // viscosity the panel cannot read
        "\tx\t28\t-210\t-196\t0\t16.6\r\n",                       // no name
        "N2 28 -210 -196 0 16.6\r\n",                             // no TAB at all
        "N2\tx\t28\t-210\t-196\t0\t16.6\t" + std::string(20000, '1') + "\r\n",
        kTwoGases + "garbage line\r\n",
    };
    for (const std::string& bytes : cases) EXPECT_FALSE(parseGasFile(bytes)) << bytes;
}

// A text the dialog hands on must fit the medium panel's field (name 22
// characters, density and viscosity 10); a line that breaks this is damaged
// like any other, and the file is refused.
TEST(GasFile, TextsTooLongForTheMediumPanelAreDamage) {
    const struct {
        std::string line;
        bool taken;
    } cases[] = {
        {"Twenty-two characters.\tx\t28\t-210\t-196\t0\t16.6\r\n", true},
        {"Twenty-three characters\tx\t28\t-210\t-196\t0\t16.6\r\n", false},
        {"Ölige Dämpfe äöü ÄÖÜ ß\tx\t28\t-210\t-196\t0\t16.6\r\n", true},  // 22 letters
        {"N2\tx\t28\t-210\t-196\t0\t16.6000001\r\n", true},
        {"N2\tx\t28\t-210\t-196\t0\t16.60000001\r\n", false},  // viscosity, 11
        {"N2\tx\t2.2e8\t-210\t-196\t0\t16.6\r\n", true},        // 9815294.01 kg/m³
        {"N2\tx\t2.3e8\t-210\t-196\t0\t16.6\r\n", false},       // 10261443.74 kg/m³
        {"N2\tx\t1e300\t-210\t-196\t0\t16.6\r\n", false},       // a 300-digit density
        {"N2\tx\t2.2e8\t-210\t-196\t100\t20\t-100\t12\r\n", false},  // only the cold one
    };
    for (const auto& c : cases) {
        const std::string cp1252 = utf8ToCp1252(c.line);
        EXPECT_EQ(parseGasFile(cp1252).has_value(), c.taken) << c.line;
        EXPECT_EQ(parseGasFile(utf8ToCp1252(kTwoGases) + cp1252).has_value(), c.taken) << c.line;
    }
}

TEST(GasSelection, IdealGasDensityWithDecimalComma) {
    GasSelection sel(*parseGasFile("N2\tx\t28.013\t-210\t-196\t0\t16.6\t100\t20.9\r\n"));
    EXPECT_EQ(sel.densityText(), "1,25");  // 28.013 / 22.414
    EXPECT_EQ(sel.viscosityText(), "16.6");
    EXPECT_EQ(sel.fahrenheitNote(), "(= 32 °F)");
    EXPECT_EQ(sel.psiNote(), "(= 15 psi)");
    sel.selectTemperature(1);
    EXPECT_EQ(sel.viscosityText(), "20.9");
    EXPECT_EQ(sel.fahrenheitNote(), "(= 212 °F)");
    EXPECT_EQ(sel.densityText(), "0,915");  // 1.2498 * 273.15 / 373.15
    sel.setPressure("3000");
    EXPECT_EQ(sel.psiNote(), "(= 44 psi)");
    EXPECT_EQ(sel.densityText(), "2,71");
}

TEST(GasSelection, ChoiceCarriesTheGasState) {
    GasSelection sel(*parseGasFile(kTwoGases));
    sel.selectGas(1);
    sel.setPressure("2500");
    const auto c = sel.choice();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->name, "Hydrogen");
    EXPECT_TRUE(c->gas);
    EXPECT_EQ(c->viscosity, "8.9");
    ASSERT_TRUE(c->gasState);
    EXPECT_EQ(*c->gasState, (GasStateChoice{"2500", 1, "27", 0}));
    // The medium panel reads the density with its own parser.
    EXPECT_NEAR(*readNumber(c->density), 2.016 / 22.414 * 2500 / 1013 * 273.15 / 300.15, 0.001);
}

TEST(GasSelection, EmptyOffersNothing) {
    GasSelection sel;
    EXPECT_TRUE(sel.empty());
    EXPECT_FALSE(sel.choice());
    EXPECT_EQ(sel.densityText(), "");
    sel.selectGas(0);
    sel.selectTemperature(3);
    EXPECT_FALSE(sel.choice());
}

TEST(IdealGas, AirAtNormalConditions) {
    EXPECT_NEAR(idealGasDensity(28.96, 1013.25, 0), 1.293, 0.002);
}

const std::string kTwoLiquids =
    "Ethanol\talcohol\t-114.1\t78.3\t0\t806.3\t1786\t25\t785,1\t1074\r\n"
    "Mercury\tmetal\t-38.8\t356.7\t25\t13534\t1526\r\n";

TEST(LiquidFile, TakesLinesApart) {
    const auto liquids = parseLiquidFile(kTwoLiquids);
    ASSERT_TRUE(liquids);
    ASSERT_EQ(liquids->size(), 2u);
    EXPECT_EQ((*liquids)[0].points.size(), 2u);
    EXPECT_EQ((*liquids)[0].meltingPoint, "-114.1");
}

TEST(LiquidFile, RefusesBrokenFiles) {
    const std::string cases[] = {
        "",
        "Oil\tx\t-10\t300\r\n",                  // no triple
        "Oil\tx\t-10\t300\t20\t870\r\n",         // triple cut short
        "Oil\tx\t-10\t300\tabc\t870\t100\r\n",   // temperature
        "Oil\tx\t-10\t300\t20\t870\tthick\r\n",  // viscosity
        "Oil\tx\t-10\t300\t20\t-870\t100\r\n",   // negative density
        std::string("Oil\tx\t-10\t300\t20\t870\t1\0", 23),
    };
    for (const std::string& bytes : cases) EXPECT_FALSE(parseLiquidFile(bytes)) << bytes;
}

TEST(LiquidFile, TextsTooLongForTheMediumPanelAreDamage) {
    const struct {
        std::string line;
        bool taken;
    } cases[] = {
        {"Twenty-two characters.\tx\t-10\t300\t20\t870\t100\r\n", true},
        {"Twenty-three characters\tx\t-10\t300\t20\t870\t100\r\n", false},
        {"Äthylenglykol 50 % ÄÖÜ\tx\t-10\t300\t20\t870\t100\r\n", true},  // 22 letters
        {"Oil\tx\t-10\t300\t20\t870,123456\t100\r\n", true},
        {"Oil\tx\t-10\t300\t20\t870,1234567\t100\r\n", false},  // density, 11
        {"Oil\tx\t-10\t300\t20\t870\t1234567890\r\n", true},
        {"Oil\tx\t-10\t300\t20\t870\t12345678901\r\n", false},  // viscosity, 11
        {"Oil\tx\t-10\t300\t20\t870\t100\t40\t860,1234567\t90\r\n", false},  // 2nd triple
    };
    for (const auto& c : cases) {
        const std::string cp1252 = utf8ToCp1252(c.line);
        EXPECT_EQ(parseLiquidFile(cp1252).has_value(), c.taken) << c.line;
        EXPECT_EQ(parseLiquidFile(utf8ToCp1252(kTwoLiquids) + cp1252).has_value(), c.taken)
            << c.line;
    }
}

TEST(LiquidSelection, SecondTemperatureShowsItsTriple) {
    LiquidSelection sel(*parseLiquidFile(kTwoLiquids));
    EXPECT_EQ(sel.fahrenheitNote(), "(= 32 °F)");
    sel.selectTemperature(1);
    ASSERT_TRUE(sel.point());
    EXPECT_EQ(sel.point()->density, "785,1");  // handed on with its comma
    EXPECT_EQ(sel.point()->viscosity, "1074");
    const auto c = sel.choice();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->name, "Ethanol");
    EXPECT_FALSE(c->gas);
    EXPECT_FALSE(c->gasState);
    EXPECT_EQ(c->density, "785,1");
    sel.selectLiquid(1);
    EXPECT_EQ(sel.temperatureIndex(), 0);
    EXPECT_EQ(sel.temperatures(), std::vector<std::string>{"25"});
}

}  // namespace
}  // namespace tolvane
