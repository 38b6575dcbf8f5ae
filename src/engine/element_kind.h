// The 46 element kinds. Files, settings and the batch tool store a kind as the
// pair (group 1..10, variant from 1); the program names it with `Kind`.
#pragma once

#include <array>
#include <compare>
#include <initializer_list>

namespace tolvane {

struct ElementKind {
    int group = 1;  // ElementGroup
    int variant = 1;
    auto operator<=>(const ElementKind&) const = default;
};

inline constexpr int kElementGroupCount = 10;
inline constexpr int kVariantsPerGroup[kElementGroupCount] = {5, 4, 4, 6, 8, 3, 6, 3, 5, 2};
inline constexpr int kElementKindCount = 46;

// Characters one value field of the element panel takes.
inline constexpr int kElementValueLength = 6;

enum class ElementGroup {
    StraightPipes = 1,
    Entrances,
    ChangesOfSection,
    Bends,
    Branchings,
    Bellows,
    Valves,
    CheckValves,
    NozzlesAndOrifices,
    Diverse,
};

// In the order of the stored pairs: (1, 1) first, (10, 2) last.
enum class Kind {
    CircularPipe,
    RectangularPipe,
    AnnularPipe,
    ChannelPipe,
    OtherFormPipe,
    SharpEdgedEntrance,
    RoundedEntrance,
    AngledSharpEdgedEntrance,
    ProjectingEntrance,
    SuddenEnlargement,
    GradualEnlargement,
    SuddenContraction,
    GradualContraction,
    CircularBend,
    SegmentBend,
    CastIronBend,
    RectangularBend,
    CircularMiterBend,
    RectangularMiterBend,
    SharpEdgedTee,
    GlobularTee,
    RoundedBottomTee,
    RoundedNeckTee,
    DividingBranch,
    CombiningBranch,
    StraightYPipe,
    BentYPipe,
    CorrugatedCompensator,
    LyraBend,
    UBend,
    GlobeValve,
    YPatternGlobeValve,
    AngleValve,
    GateValve,
    Cock,
    SwingValve,
    LiftCheckValve,
    YPatternLiftCheckValve,
    SwingCheckValve,
    StandardOrifice,
    SharpEdgedOrifice,
    ThickEdgedOrifice,
    Nozzle,
    VenturiTube,
    VerticalDifference,
    KnownResistance,
    Unknown,  // a pair that names no kind
};

static_assert(static_cast<int>(Kind::Unknown) == kElementKindCount);

inline constexpr bool isValidGroup(long long group) {
    return group >= 1 && group <= kElementGroupCount;
}

// Number of variants of a valid group.
inline constexpr int variantCount(int group) { return kVariantsPerGroup[group - 1]; }

inline constexpr bool isValidVariant(int group, long long variant) {
    return isValidGroup(group) && variant >= 1 && variant <= variantCount(group);
}

inline constexpr bool isValidKind(ElementKind k) { return isValidVariant(k.group, k.variant); }

// Position in the order of the 46 kinds, from 0.
inline constexpr int kindIndex(ElementKind k) {
    int index = k.variant - 1;
    for (int g = 1; g < k.group; ++g) index += kVariantsPerGroup[g - 1];
    return index;
}

inline constexpr Kind kindOf(ElementKind k) {
    return isValidKind(k) ? static_cast<Kind>(kindIndex(k)) : Kind::Unknown;
}

// The stored pair of a named kind.
inline constexpr ElementKind pairOf(Kind kind) {
    int index = static_cast<int>(kind);
    for (int g = 1; g <= kElementGroupCount; ++g) {
        if (index < kVariantsPerGroup[g - 1]) return ElementKind{g, index + 1};
        index -= kVariantsPerGroup[g - 1];
    }
    return ElementKind{0, 0};
}

inline constexpr bool operator==(ElementKind k, Kind kind) { return k == pairOf(kind); }

// An out-of-range group is kept as it is, so a switch over the groups takes
// its default branch.
inline constexpr ElementGroup groupOf(ElementKind k) { return static_cast<ElementGroup>(k.group); }

inline constexpr bool inGroup(ElementKind k, ElementGroup group) { return groupOf(k) == group; }

inline constexpr bool isAnyOf(ElementKind k, std::initializer_list<Kind> kinds) {
    for (Kind kind : kinds)
        if (k == kind) return true;
    return false;
}

// The kinds that use the turbulent friction factor: every straight pipe, the
// gradual enlargement and contraction and the two miter bends.
inline constexpr bool isFrictionKind(ElementKind k) {
    return inGroup(k, ElementGroup::StraightPipes) ||
           isAnyOf(k, {Kind::GradualEnlargement, Kind::GradualContraction,
                       Kind::CircularMiterBend, Kind::RectangularMiterBend});
}

// "Branch flowing asunder" and "Branch flowing together".
inline constexpr bool isBranchKind(ElementKind k) {
    return isAnyOf(k, {Kind::DividingBranch, Kind::CombiningBranch});
}

// The four tees, which take one diameter.
inline constexpr bool isTeeKind(ElementKind k) {
    return isAnyOf(k, {Kind::SharpEdgedTee, Kind::GlobularTee, Kind::RoundedBottomTee,
                       Kind::RoundedNeckTee});
}

inline constexpr bool isEnlargementKind(ElementKind k) {
    return isAnyOf(k, {Kind::SuddenEnlargement, Kind::GradualEnlargement});
}

// The gradual changes of section, which take an opening angle.
inline constexpr bool isGradualChangeKind(ElementKind k) {
    return isAnyOf(k, {Kind::GradualEnlargement, Kind::GradualContraction});
}

// The bends and miter bends of rectangular section.
inline constexpr bool isRectangularBendKind(ElementKind k) {
    return isAnyOf(k, {Kind::RectangularBend, Kind::RectangularMiterBend});
}

// The three orifices (a nozzle and a venturi tube are not).
inline constexpr bool isOrificeKind(ElementKind k) {
    return isAnyOf(k, {Kind::StandardOrifice, Kind::SharpEdgedOrifice, Kind::ThickEdgedOrifice});
}

// The globe and angle valves, which take only a diameter.
inline constexpr bool isGlobeOrAngleValveKind(ElementKind k) {
    return isAnyOf(k, {Kind::GlobeValve, Kind::YPatternGlobeValve, Kind::AngleValve});
}

// Kinds whose result has a second section (velocity and Reynolds number 2).
inline constexpr bool hasSecondSection(ElementKind k) {
    return inGroup(k, ElementGroup::ChangesOfSection) ||
           inGroup(k, ElementGroup::NozzlesAndOrifices) || isBranchKind(k);
}

}  // namespace tolvane
