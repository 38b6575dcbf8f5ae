// The 46 element kinds as the pair (group 1..10, variant from 1); the
// numbering is shared by every part of the program and by the settings file.
#pragma once

#include <compare>

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

inline bool isValidKind(ElementKind k) {
    return k.group >= 1 && k.group <= kElementGroupCount && k.variant >= 1 &&
           k.variant <= kVariantsPerGroup[k.group - 1];
}

// The kinds that use the turbulent friction factor: every straight pipe, the
// gradual enlargement and contraction and the two miter bends.
inline bool isFrictionKind(ElementKind k) {
    return k.group == 1 || (k.group == 3 && (k.variant == 2 || k.variant == 4)) ||
           (k.group == 4 && (k.variant == 5 || k.variant == 6));
}

// "Branch flowing asunder" and "Branch flowing together".
inline bool isBranchKind(ElementKind k) {
    return k.group == 5 && (k.variant == 5 || k.variant == 6);
}

}  // namespace tolvane
