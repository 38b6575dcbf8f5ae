// The published methods against python3-fluids at the same inputs
// (published_methods_golden.inc, written by
// scripts/checks/published_methods_golden.py), and the rules of the table.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "engine/published_methods.h"

namespace tolvane {
namespace {

struct GoldenRow {
    ElementKind kind;
    double va[4];
    int option;
    double reynolds, reynolds2, roughness, branchRatio;
    const char* method;
    const char* fluidsCall;
    double value;
};

const GoldenRow kGolden[] = {
#include "published_methods_golden.inc"
};

PublishedInput inputOf(const GoldenRow& row) {
    PublishedInput in;
    in.element.kind = row.kind;
    in.element.va1 = row.va[0];
    in.element.va2 = row.va[1];
    in.element.va3 = row.va[2];
    in.element.va4 = row.va[3];
    in.element.option = row.option;
    in.reynolds = row.reynolds;
    in.reynolds2 = row.reynolds2;
    in.roughness = row.roughness;
    in.branchRatio = row.branchRatio;
    return in;
}

TEST(PublishedMethods, agree_with_fluids_within_half_a_percent) {
    ASSERT_GT(std::size(kGolden), 150u);
    for (const GoldenRow& row : kGolden) {
        SCOPED_TRACE(std::string(row.method) + ": " + row.fluidsCall + " kind " +
                     std::to_string(row.kind.group) + "/" + std::to_string(row.kind.variant) +
                     " va " + std::to_string(row.va[0]) + " " + std::to_string(row.va[1]) + " " +
                     std::to_string(row.va[2]));
        const PublishedZetas zetas = publishedZetas(inputOf(row));
        const PublishedZeta* found = nullptr;
        for (const PublishedZeta& z : zetas)
            if (std::string(publishedSourceName(z.source)) == row.method) found = &z;
        ASSERT_NE(found, nullptr);
        EXPECT_NEAR(found->zeta, row.value, 0.005 * std::fabs(row.value) + 1e-12);
    }
}

TEST(PublishedMethods, every_method_of_a_kind_comes_from_a_different_source) {
    std::set<std::pair<int, int>> seen;
    for (const PublishedMethod& m : publishedMethods()) {
        EXPECT_TRUE(seen.insert({static_cast<int>(m.kind), static_cast<int>(m.source)}).second)
            << publishedSourceName(m.source);
        EXPECT_NE(std::string(m.constants), "");
        EXPECT_NE(std::string(m.reference), "");
    }
}

TEST(PublishedMethods, leave_out_what_their_sources_do_not_cover) {
    struct Case {
        const char* name;
        Kind kind;
        double va1, va2, va3;
        int option;
        double reynolds;
        int expected;  // methods that apply
    };
    const Case cases[] = {
        {"gate valve fully open", Kind::GateValve, 100, 100, 0, 0, 1e5, 3},
        {"gate valve half open", Kind::GateValve, 100, 50, 0, 0, 1e5, 0},
        {"cock open", Kind::Cock, 100, 0, 0, 0, 1e5, 2},
        {"cock at 20 degree", Kind::Cock, 100, 20, 0, 0, 1e5, 0},
        {"sharp entrance", Kind::SharpEdgedEntrance, 100, 0, 0, 0, 1e5, 4},
        {"crushed entrance", Kind::SharpEdgedEntrance, 100, 0, 0, 1, 1e5, 0},
        {"bend 90 degree r/D 1", Kind::CircularBend, 100, 100, 90, 0, 1e5, 4},
        {"bend 70 degree r/D 3", Kind::CircularBend, 100, 300, 70, 0, 1e5, 2},
        {"miter bend 120 degree", Kind::CircularMiterBend, 100, 120, 0, 0, 1e5, 1},
        {"miter bend 90 degree, Re 3e5", Kind::CircularMiterBend, 100, 90, 0, 0, 3e5, 5},
        {"miter bend 20 degree, Re 3e5", Kind::CircularMiterBend, 100, 20, 0, 0, 3e5, 2},
        {"straight pipe", Kind::CircularPipe, 100, 1, 0, 0, 1e5, 0},
        {"globe valve laminar", Kind::GlobeValve, 100, 0, 0, 0, 2000, 0},
        {"lyra bend", Kind::LyraBend, 100, 0, 0, 0, 1e5, 0},
    };
    for (const Case& c : cases) {
        PublishedInput in;
        in.element.kind = pairOf(c.kind);
        in.element.va1 = c.va1;
        in.element.va2 = c.va2;
        in.element.va3 = c.va3;
        in.element.option = c.option;
        in.reynolds = c.reynolds;
        EXPECT_EQ(publishedZetas(in).count, c.expected) << c.name;
    }
}

TEST(PublishedMethods, lowest_and_highest_of_the_spread) {
    PublishedInput in;
    in.element.kind = pairOf(Kind::SharpEdgedEntrance);
    in.element.va1 = 100;
    in.reynolds = 1e5;
    const PublishedZetas z = publishedZetas(in);
    EXPECT_DOUBLE_EQ(z.lowest(), 0.5);
    EXPECT_DOUBLE_EQ(z.highest(), 0.57);
    EXPECT_DOUBLE_EQ(PublishedZetas{}.lowest(), 0.0);
}

TEST(PublishedMethods, crane_friction_factor_of_clean_steel) {
    // fT = 0.25 / log10(0.04572 / (3.7 D))^2.
    const struct {
        double d, fT;
    } rows[] = {{25.0, 0.25 / std::pow(std::log10(0.04572 / 92.5), 2)},
                {100.0, 0.25 / std::pow(std::log10(0.04572 / 370.0), 2)}};
    for (const auto& r : rows) EXPECT_NEAR(craneFrictionFactor(r.d), r.fT, 1e-15);
    EXPECT_GT(craneFrictionFactor(25.0), craneFrictionFactor(100.0));
}

TEST(PublishedMethods, second_section_basis_of_the_sudden_changes) {
    EXPECT_TRUE(zetaOnSecondSection(pairOf(Kind::SuddenEnlargement)));
    EXPECT_TRUE(zetaOnSecondSection(pairOf(Kind::SuddenContraction)));
    EXPECT_TRUE(zetaOnSecondSection(pairOf(Kind::GradualContraction)));
    EXPECT_FALSE(zetaOnSecondSection(pairOf(Kind::GradualEnlargement)));
    EXPECT_FALSE(zetaOnSecondSection(pairOf(Kind::GlobeValve)));
}

}  // namespace
}  // namespace tolvane
