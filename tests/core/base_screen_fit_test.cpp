// A window fitted to a screen's usable area: shrunk to the area where it is
// larger, moved in as little as it takes, left alone when already inside.
#include <gtest/gtest.h>

#include "base/screen_fit.h"

namespace tolvane {
namespace {

// A usable area that does not start at the origin (a panel on the left and
// at the top), 1000 pixels high.
const ScreenRect kArea{60, 30, 1540, 970};

struct FitCase {
    const char* name;
    ScreenRect frame;
    ScreenRect expected;
};

std::ostream& operator<<(std::ostream& os, const FitCase& c) { return os << c.name; }

const FitCase kFitCases[] = {
    {"inside_stays", {100, 100, 980, 680}, {100, 100, 980, 680}},
    {"bottom_off_moves_up", {300, 330, 980, 710}, {300, 290, 980, 710}},
    {"right_off_moves_left", {1000, 100, 980, 680}, {620, 100, 980, 680}},
    {"above_and_left_move_in", {-500, -40, 980, 680}, {60, 30, 980, 680}},
    {"too_high_shrinks_to_the_area", {300, 330, 980, 1200}, {300, 30, 980, 970}},
    {"too_wide_shrinks_to_the_area", {0, 0, 2000, 500}, {60, 30, 1540, 500}},
    {"on_another_screen_comes_over", {2500, 1200, 980, 680}, {620, 320, 980, 680}},
    {"touching_the_edges_stays", {60, 30, 1540, 970}, {60, 30, 1540, 970}},
};

class FitInside : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitInside, LiesWithinTheArea) {
    const FitCase& c = GetParam();
    const ScreenRect fitted = fitInside(c.frame, kArea);
    EXPECT_EQ(fitted, c.expected);
    EXPECT_GE(fitted.left, kArea.left);
    EXPECT_GE(fitted.top, kArea.top);
    EXPECT_LE(fitted.right(), kArea.right());
    EXPECT_LE(fitted.bottom(), kArea.bottom());
}

INSTANTIATE_TEST_SUITE_P(Frames, FitInside, ::testing::ValuesIn(kFitCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(CentredIn, StandsInTheMiddleOfTheArea) {
    EXPECT_EQ(centredIn(980, 680, kArea), (ScreenRect{340, 175, 980, 680}));
}

TEST(CentredIn, ALargerWindowFillsTheArea) {
    EXPECT_EQ(centredIn(980, 1200, {0, 0, 800, 600}), (ScreenRect{0, 0, 800, 600}));
}

}  // namespace
}  // namespace tolvane
