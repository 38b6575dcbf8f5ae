// Window places on the desktop: a restored window whose title bar would be
// out of reach is pulled back onto a screen, and a data window finds a place
// beside the main window that covers neither it nor the table window.
#include <gtest/gtest.h>

#include "base/window_geometry.h"

namespace tolvane {

void PrintTo(const ScreenRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

namespace {

const ScreenRect kScreen{0, 0, 1600, 1000};
// A second screen to the right, smaller and with a dead area below it.
const std::vector<ScreenRect> kTwoScreens{kScreen, {1600, 0, 1280, 720}};

struct TitleCase {
    const char* name;
    ScreenRect frame;
    std::vector<ScreenRect> screens;
    ScreenRect expected;
};

std::ostream& operator<<(std::ostream& os, const TitleCase& c) { return os << c.name; }

const TitleCase kTitleCases[] = {
    {"on_screen_stays", {80, 40, 990, 290}, {kScreen}, {80, 40, 990, 290}},
    {"at_the_very_top_stays", {80, 0, 990, 290}, {kScreen}, {80, 0, 990, 290}},
    {"climbed_above_the_top", {80, -20, 990, 290}, {kScreen}, {80, 0, 990, 290}},
    {"far_above_the_top", {80, -4000, 990, 290}, {kScreen}, {80, 0, 990, 290}},
    {"bar_below_the_bottom", {80, 990, 990, 290}, {kScreen}, {80, 710, 990, 290}},
    {"grip_left_on_the_right_stays", {1500, 40, 990, 290}, {kScreen}, {1500, 40, 990, 290}},
    {"only_a_sliver_on_the_right", {1560, 40, 990, 290}, {kScreen}, {610, 40, 990, 290}},
    {"off_to_the_left", {-980, 40, 990, 290}, {kScreen}, {0, 40, 990, 290}},
    {"narrow_window_needs_its_whole_bar", {-10, 40, 60, 60}, {kScreen}, {0, 40, 60, 60}},
    {"on_the_second_screen_stays", {2000, 100, 700, 300}, kTwoScreens, {2000, 100, 700, 300}},
    {"in_the_dead_area_below_the_second_screen",
     {2000, 800, 700, 300},
     kTwoScreens,
     {2000, 420, 700, 300}},
    {"beyond_every_screen_goes_to_the_nearest",
     {5000, 100, 700, 300},
     kTwoScreens,
     {2180, 100, 700, 300}},
    {"larger_than_the_screen_keeps_its_corner_on_it",
     {-50, -50, 2000, 1200},
     {kScreen},
     {0, 0, 2000, 1200}},
    {"no_screens_known", {-500, -500, 100, 100}, {}, {-500, -500, 100, 100}},
};

class TitleBarTest : public testing::TestWithParam<TitleCase> {};

TEST_P(TitleBarTest, IsKeptWithinReach) {
    const TitleCase& c = GetParam();
    const ScreenRect placed = keepTitleBarOnScreen(c.frame, 24, c.screens);
    EXPECT_EQ(placed, c.expected);
    if (!c.screens.empty()) {
        EXPECT_TRUE(titleBarReachable(placed, 24, c.screens));
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, TitleBarTest, testing::ValuesIn(kTitleCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// The main window as it opens at the first start, and the table window below it.
const ScreenRect kMain{80, 40, 990, 290};
const ScreenRect kTableBelow{80, 338, 762, 567};

struct BesideCase {
    const char* name;
    ScreenRect anchor;
    std::vector<ScreenRect> avoid;
    std::vector<ScreenRect> screens;
    ScreenRect expected;
};

std::ostream& operator<<(std::ostream& os, const BesideCase& c) { return os << c.name; }

const BesideCase kBesideCases[] = {
    {"right_of_the_main_window", kMain, {kTableBelow}, {kScreen}, {1078, 40, 300, 150}},
    {"below_a_window_already_on_the_right",
     kMain,
     {kTableBelow, {1078, 40, 300, 150}},
     {kScreen},
     {1078, 192, 300, 150}},
    {"left_when_the_right_is_off_the_screen",
     {500, 40, 990, 290},
     {},
     {kScreen},
     {192, 40, 300, 150}},
    {"left_when_the_table_stands_on_the_right",
     {500, 40, 990, 290},
     {{1400, 0, 200, 1000}},
     {kScreen},
     {192, 40, 300, 150}},
    {"below_beside_the_table_on_a_small_screen",
     kMain,
     {kTableBelow},
     {{0, 0, 1366, 768}},
     {848, 338, 300, 150}},
    {"above_when_nothing_else_is_free",
     {80, 300, 990, 290},
     {{0, 598, 1600, 402}},
     {{0, 0, 1100, 1000}},
     {80, 142, 300, 150}},
    {"covering_least_of_the_table_when_nothing_is_free",
     {0, 0, 1000, 290},
     {{0, 290, 700, 710}},
     {{0, 0, 1000, 600}},
     {696, 298, 300, 150}},
    {"pulled_onto_a_screen_too_small",
     {0, 0, 700, 500},
     {},
     {{0, 0, 800, 600}},
     {500, 0, 300, 150}},
};

class BesideTest : public testing::TestWithParam<BesideCase> {};

TEST_P(BesideTest, FindsTheFirstFreePlace) {
    const BesideCase& c = GetParam();
    EXPECT_EQ(placeBeside(c.anchor, 300, 150, c.avoid, c.screens), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Places, BesideTest, testing::ValuesIn(kBesideCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(WindowGeometry, TouchingIsNotOverlapping) {
    EXPECT_FALSE(overlaps({0, 0, 10, 10}, {10, 0, 10, 10}));
    EXPECT_TRUE(overlaps({0, 0, 10, 10}, {9, 9, 10, 10}));
    EXPECT_FALSE(overlaps({0, 0, 0, 10}, {0, 0, 10, 10}));
}

}  // namespace
}  // namespace tolvane
