// Every reader of the property data survives any bytes: random and cut-short
// files, lines without TABs, non-numbers. A file it does not refuse gives
// values the dialogs can show (finite pressures, densities the medium panel
// reads).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "properties/gas_database.h"
#include "properties/liquid_database.h"
#include "properties/user_database.h"
#include "properties/vapour_pressure.h"
#include "base/input_number.h"
#include "base/text_file.h"

namespace tolvane {
namespace {

std::string randomBytes(std::mt19937& rng, std::size_t size, const std::string& alphabet) {
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string out(size, ' ');
    for (char& c : out) c = alphabet[pick(rng)];
    return out;
}

TEST(PropertyReaders, SurviveRandomBytes) {
    std::mt19937 rng(20261209);
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string tabular = "0123456789.,-e \t\t\t\r\nabc";
    for (int round = 0; round < 400; ++round) {
        const std::string bytes = randomBytes(rng, rng() % 600, round % 2 ? all : tabular);
        if (const auto gases = parseGasFile(bytes)) {
            GasSelection sel(*gases);
            EXPECT_TRUE(readNumber(sel.densityText()));
        }
        if (const auto liquids = parseLiquidFile(bytes)) {
            LiquidSelection sel(*liquids);
            EXPECT_TRUE(readNumber(sel.choice()->density));
        }
        if (const auto substances = parseVapourFile(bytes)) {
            VapourPressureSelection sel(*substances);
            EXPECT_TRUE(readNumber(sel.pressureText()));
        }
        const auto users = decodeUserRecords(bytes);
        EXPECT_EQ(users.records.size(), bytes.size() / kUserRecordSize);
    }
}

TEST(PropertyReaders, CutShortShippedFilesAreRefusedOrWhole) {
    for (const char* name : {kGasFileName, kLiquidFileName, kVapourFileName}) {
        const auto bytes = readFileBytes(name);
        ASSERT_TRUE(bytes) << name;
        for (std::size_t cut = 1; cut < bytes->size(); cut += 97) {
            const std::string part = bytes->substr(0, cut);
            // Whatever is accepted reads back; nothing crashes or hangs.
            if (auto gases = parseGasFile(part)) {
                EXPECT_FALSE(gases->empty());
            }
            if (auto liquids = parseLiquidFile(part)) {
                EXPECT_FALSE(liquids->empty());
            }
            if (auto substances = parseVapourFile(part)) {
                EXPECT_FALSE(substances->empty());
            }
        }
    }
}

}  // namespace
}  // namespace tolvane
