// The named kinds against the stored pairs and the catalogue's variant names,
// and every kind predicate against the kinds it must pick.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/element_kind.h"
#include "shell/element_catalogue.h"

namespace tolvane {
namespace {

struct NamedKind {
    Kind kind;
    ElementKind pair;
    const char* variantName;
};

const std::vector<NamedKind> kNamed = {
    {Kind::CircularPipe, {1, 1}, "circular"},
    {Kind::RectangularPipe, {1, 2}, "rectangular"},
    {Kind::AnnularPipe, {1, 3}, "Circular ring"},
    {Kind::ChannelPipe, {1, 4}, "Channel"},
    {Kind::OtherFormPipe, {1, 5}, "Other form"},
    {Kind::SharpEdgedEntrance, {2, 1}, "Sharpe edged entrance"},
    {Kind::RoundedEntrance, {2, 2}, "Rounded entrance"},
    {Kind::AngledSharpEdgedEntrance, {2, 3}, "Sharpe edged entrance with angle"},
    {Kind::ProjectingEntrance, {2, 4}, "Inward projecting pipe entrance"},
    {Kind::SuddenEnlargement, {3, 1}, "Sudden enlargement"},
    {Kind::GradualEnlargement, {3, 2}, "Gradual enlargement"},
    {Kind::SuddenContraction, {3, 3}, "Sudden contraction"},
    {Kind::GradualContraction, {3, 4}, "Gradual contraction"},
    {Kind::CircularBend, {4, 1}, "Circular bend"},
    {Kind::SegmentBend, {4, 2}, "Bend of segments"},
    {Kind::CastIronBend, {4, 3}, "Cast iron bend"},
    {Kind::RectangularBend, {4, 4}, "Rectangular bend"},
    {Kind::CircularMiterBend, {4, 5}, "Miter bend, circular"},
    {Kind::RectangularMiterBend, {4, 6}, "Miter bend, rectangular"},
    {Kind::SharpEdgedTee, {5, 1}, "Tee, sharp edged"},
    {Kind::GlobularTee, {5, 2}, "Tee, globular"},
    {Kind::RoundedBottomTee, {5, 3}, "Tee, rounded bottom plain"},
    {Kind::RoundedNeckTee, {5, 4}, "Tee, globular neck rounded"},
    {Kind::DividingBranch, {5, 5}, "Branch flowing asunder"},
    {Kind::CombiningBranch, {5, 6}, "Branch flowing together"},
    {Kind::StraightYPipe, {5, 7}, "Y-pipe straight"},
    {Kind::BentYPipe, {5, 8}, "Y-pipe bent"},
    {Kind::CorrugatedCompensator, {6, 1}, "Compensator corrugated tube"},
    {Kind::LyraBend, {6, 2}, "Lyra-bend"},
    {Kind::UBend, {6, 3}, "U-bend"},
    {Kind::GlobeValve, {7, 1}, "Globe valve"},
    {Kind::YPatternGlobeValve, {7, 2}, "Globe valve Y-pattern"},
    {Kind::AngleValve, {7, 3}, "Angle valve"},
    {Kind::GateValve, {7, 4}, "Gate valve"},
    {Kind::Cock, {7, 5}, "Cock"},
    {Kind::SwingValve, {7, 6}, "Swing valve"},
    {Kind::LiftCheckValve, {8, 1}, "Check valve globe lift"},
    {Kind::YPatternLiftCheckValve, {8, 2}, "Check valve, Y-pattern globe lift"},
    {Kind::SwingCheckValve, {8, 3}, "Check valve swing"},
    {Kind::StandardOrifice, {9, 1}, "Orifice DIN 1952"},
    {Kind::SharpEdgedOrifice, {9, 2}, "Orifice sharp-edged"},
    {Kind::ThickEdgedOrifice, {9, 3}, "Orifice thick-edged"},
    {Kind::Nozzle, {9, 4}, "Nozzle"},
    {Kind::VenturiTube, {9, 5}, "Venturi tube"},
    {Kind::VerticalDifference, {10, 1}, "Vertical difference"},
    {Kind::KnownResistance, {10, 2}, "Resistance coefficient"},
};

TEST(ElementKindNames, name_the_stored_pair_and_the_catalogue_variant) {
    ASSERT_EQ(kNamed.size(), static_cast<std::size_t>(kElementKindCount));
    for (const NamedKind& n : kNamed) {
        SCOPED_TRACE(n.variantName);
        EXPECT_EQ(pairOf(n.kind), n.pair);
        EXPECT_EQ(kindOf(n.pair), n.kind);
        EXPECT_TRUE(n.pair == n.kind);
        EXPECT_EQ(kindSpec(n.pair).variantName, n.variantName);
    }
}

TEST(ElementKindNames, pairs_outside_the_catalogue_name_no_kind) {
    for (const ElementKind& k : std::vector<ElementKind>{
             {0, 1}, {1, 0}, {1, 6}, {4, 7}, {5, 9}, {10, 3}, {11, 1}, {-1, -1}}) {
        EXPECT_FALSE(isValidKind(k)) << k.group << "/" << k.variant;
        EXPECT_EQ(kindOf(k), Kind::Unknown) << k.group << "/" << k.variant;
    }
    EXPECT_FALSE(isValidKind(pairOf(Kind::Unknown)));
}

struct PredicateCase {
    const char* name;
    bool (*picks)(ElementKind);
    std::set<Kind> expected;
};

TEST(ElementKindPredicates, pick_exactly_their_kinds) {
    const std::vector<PredicateCase> cases = {
        {"friction",
         isFrictionKind,
         {Kind::CircularPipe, Kind::RectangularPipe, Kind::AnnularPipe, Kind::ChannelPipe,
          Kind::OtherFormPipe, Kind::GradualEnlargement, Kind::GradualContraction,
          Kind::CircularMiterBend, Kind::RectangularMiterBend}},
        {"branch", isBranchKind, {Kind::DividingBranch, Kind::CombiningBranch}},
        {"tee",
         isTeeKind,
         {Kind::SharpEdgedTee, Kind::GlobularTee, Kind::RoundedBottomTee, Kind::RoundedNeckTee}},
        {"enlargement", isEnlargementKind, {Kind::SuddenEnlargement, Kind::GradualEnlargement}},
        {"gradual change",
         isGradualChangeKind,
         {Kind::GradualEnlargement, Kind::GradualContraction}},
        {"rectangular bend",
         isRectangularBendKind,
         {Kind::RectangularBend, Kind::RectangularMiterBend}},
        {"orifice",
         isOrificeKind,
         {Kind::StandardOrifice, Kind::SharpEdgedOrifice, Kind::ThickEdgedOrifice}},
        {"globe or angle valve",
         isGlobeOrAngleValveKind,
         {Kind::GlobeValve, Kind::YPatternGlobeValve, Kind::AngleValve}},
        {"second section",
         hasSecondSection,
         {Kind::SuddenEnlargement, Kind::GradualEnlargement, Kind::SuddenContraction,
          Kind::GradualContraction, Kind::DividingBranch, Kind::CombiningBranch,
          Kind::StandardOrifice, Kind::SharpEdgedOrifice, Kind::ThickEdgedOrifice, Kind::Nozzle,
          Kind::VenturiTube}},
    };
    for (const PredicateCase& c : cases) {
        std::set<Kind> picked;
        for (const NamedKind& n : kNamed)
            if (c.picks(n.pair)) picked.insert(n.kind);
        EXPECT_EQ(picked, c.expected) << c.name;
    }
}

TEST(ElementKindPredicates, groups_follow_the_stored_group) {
    for (const NamedKind& n : kNamed)
        EXPECT_EQ(static_cast<int>(groupOf(n.pair)), n.pair.group) << n.variantName;
    EXPECT_TRUE(inGroup(pairOf(Kind::Cock), ElementGroup::Valves));
    EXPECT_FALSE(inGroup(pairOf(Kind::SwingCheckValve), ElementGroup::Valves));
}

}  // namespace
}  // namespace tolvane
