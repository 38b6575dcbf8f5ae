// Whole-number rounding: halves to the even neighbour whatever the
// floating-point rounding mode, and halves away from zero.
#include <gtest/gtest.h>

#include <cfenv>

#include "base/number_rounding.h"

namespace tolvane {
namespace {

struct RoundingCase {
    double x;
    double halfEven;
    int halfAway;
};

constexpr RoundingCase kCases[] = {
    {2.5, 2.0, 3},
    {3.5, 4.0, 4},
    {5.5, 6.0, 6},
    {5.4, 5.0, 5},
    {5.6, 6.0, 6},
    {0.5, 0.0, 1},
    {-0.5, -0.0, -1},
    {-2.5, -2.0, -3},
    {-3.5, -4.0, -4},
    {-2.4, -2.0, -2},
    {-2.6, -3.0, -3},
    {0.0, 0.0, 0},
    {10000.5, 10000.0, 10001},
    {1e9 + 0.5, 1e9, 1000000001},
};

TEST(RoundHalfEven, halves_go_to_the_even_neighbour) {
    for (const RoundingCase& c : kCases) EXPECT_EQ(roundHalfEven(c.x), c.halfEven) << c.x;
}

TEST(RoundHalfEven, ignores_the_rounding_mode) {
    for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        for (const RoundingCase& c : kCases) EXPECT_EQ(roundHalfEven(c.x), c.halfEven) << c.x;
    }
    std::fesetround(FE_TONEAREST);
}

TEST(RoundInt, halves_go_away_from_zero) {
    for (const RoundingCase& c : kCases) EXPECT_EQ(roundInt(c.x), c.halfAway) << c.x;
}

}  // namespace
}  // namespace tolvane
