// The element pictures: one for every element kind under its number, each a
// valid 105 x 105 bitmap that shows walls, the flow and the dimensions its
// input fields ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/element_kind.h"
#include "shapes.h"

namespace tolvane::pictures {
namespace {

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

int count(const Canvas& c, Colour colour) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) == colour) ++n;
    return n;
}

TEST(ElementPictures, one_picture_per_kind_under_its_number) {
    const int base[kElementGroupCount] = {1600, 1700, 1800, 2100, 2200,
                                          2300, 2400, 2500, 2600, 2800};
    std::set<int> expected;
    for (int g = 0; g < kElementGroupCount; ++g)
        for (int v = 1; v <= kVariantsPerGroup[g]; ++v) expected.insert(base[g] + v);
    std::multiset<int> drawn;
    for (const Picture& p : elementPictures()) drawn.insert(p.number);
    EXPECT_EQ(drawn.size(), static_cast<std::size_t>(kElementKindCount));
    EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()), expected);
}

// The letters of the dimensions each kind's input fields ask for.
const std::map<int, std::set<std::string>> kLetters = {
    {1601, {"D", "L"}},
    {1602, {"B", "H", "L"}},
    {1603, {"D", "Di", "L"}},
    {1604, {"B", "H", "L"}},
    {1605, {"A", "U", "L"}},
    {1701, {"D"}},
    {1702, {"D"}},
    {1703, {"D", "w"}},
    {1704, {"D"}},
    {1801, {"D1", "D2"}},
    {1802, {"D1", "D2", "w"}},
    {1803, {"D1", "D2"}},
    {1804, {"D1", "D2", "w"}},
    {2101, {"D", "R", "w"}},
    {2102, {"D", "w"}},
    {2103, {"D", "CI"}},
    {2104, {"B", "H", "R", "w"}},
    {2105, {"D", "w"}},
    {2106, {"B", "H", "w"}},
    {2201, {"D"}},
    {2202, {"D"}},
    {2203, {"D"}},
    {2204, {"D"}},
    {2205, {"D1", "D2", "R", "w"}},
    {2206, {"D1", "D2", "R", "w"}},
    {2207, {"D", "w"}},
    {2208, {"D", "R"}},
    {2301, {"D", "n"}},
    {2302, {"D"}},
    {2303, {"D", "L"}},
    {2401, {"D"}},
    {2402, {"D"}},
    {2403, {"D"}},
    {2404, {"D", "H"}},
    {2405, {"D", "w"}},
    {2406, {"D", "w"}},
    {2501, {"D"}},
    {2502, {"D"}},
    {2503, {"D"}},
    {2601, {"D1", "D2"}},
    {2602, {"D1", "D2"}},
    {2603, {"D1", "D2", "L"}},
    {2604, {"D1", "D2"}},
    {2605, {"D1", "D2"}},
    {2801, {"H"}},
    {2802, {"D", "z"}},
};

class EachPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(EachPicture, shows_walls_flow_and_its_dimensions) {
    Canvas c(105, 105);
    GetParam().draw(c);
    EXPECT_EQ(c.missingGlyphs(), 0);
    std::set<std::string> letters(c.texts().begin(), c.texts().end());
    ASSERT_TRUE(kLetters.count(GetParam().number));
    EXPECT_EQ(letters, kLetters.at(GetParam().number));
    EXPECT_GT(count(c, kWall), 150);      // pipe walls
    EXPECT_GT(count(c, kFluid), 600);     // the medium inside
    EXPECT_GT(count(c, kFlow), 15);       // a flow arrow
    EXPECT_GT(count(c, kDimension), 30);  // dimension lines and letters
    EXPECT_GT(count(c, kWhite), 105 * 105 / 5);
}

TEST_P(EachPicture, is_a_24_bit_bitmap_of_105_by_105) {
    Canvas c(105, 105);
    GetParam().draw(c);
    std::vector<std::uint8_t> b = c.bmp();
    const std::size_t row = 316;  // 105 x 3 bytes padded to a multiple of four
    ASSERT_EQ(b.size(), 54 + row * 105);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 14), 40u);
    EXPECT_EQ(le32(b, 18), 105u);
    EXPECT_EQ(le32(b, 22), 105u);
    EXPECT_EQ(b[26] | (b[27] << 8), 1);
    EXPECT_EQ(b[28] | (b[29] << 8), 24);
    EXPECT_EQ(le32(b, 30), 0u);
    for (std::size_t y = 0; y < 105; ++y) EXPECT_EQ(b[54 + y * row + 315], 0) << y;
    // rows are stored bottom-up, colours as blue, green, red
    Colour topLeft = c.at(0, 0), bottomRight = c.at(104, 104);
    std::size_t first = 54 + 104 * row, last = 54 + 104 * 3;
    EXPECT_EQ((Colour{b[first + 2], b[first + 1], b[first]}), topLeft);
    EXPECT_EQ((Colour{b[last + 2], b[last + 1], b[last]}), bottomRight);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EachPicture, ::testing::ValuesIn(elementPictures()),
                         [](const auto& p) { return std::to_string(p.param.number); });

TEST(Canvas, fills_and_draws_exact_pixels) {
    struct {
        const char* name;
        void (*draw)(Canvas&);
        int pixels;
    } cases[] = {
        {"rectangle",
         [](Canvas& c) {
             c.fillRect({10, 10}, {20, 15}, kWall);
         },
         50},
        {"triangle",
         [](Canvas& c) {
             c.fillPolygon({{0, 0}, {10, 0}, {0, 10}}, kWall);
         },
         55},
        {"thin_line",
         [](Canvas& c) {
             c.line({2, 3}, {12, 3}, 1, kWall);
         },
         11},
        {"outside_is_clipped",
         [](Canvas& c) {
             c.fillRect({-5, -5}, {5, 5}, kWall);
         },
         25},
        {"letter_L", [](Canvas& c) { c.text(0, 0, "L", kWall); }, 11},
        {"unknown_letter", [](Canvas& c) { c.text(0, 0, "#", kWall); }, 0},
    };
    for (const auto& k : cases) {
        Canvas c(30, 30);
        k.draw(c);
        EXPECT_EQ(count(c, kWall), k.pixels) << k.name;
    }
    Canvas c(30, 30);
    c.text(0, 0, "#?", kWall);
    EXPECT_EQ(c.missingGlyphs(), 2);
}

}  // namespace
}  // namespace tolvane::pictures
