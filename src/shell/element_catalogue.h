// The 46 element kinds as the user meets them: chooser button and hint,
// variant name, the four input rows (label, default text, unit kind) and the
// option group. Pure data, shared by the element panel, the checks, the
// result texts and copy-back.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/element_kind.h"

namespace tolvane {

// MM = "mm"/"in.", M = "m"/"ft.", Area = "m²"/"sq.yd.", Degree and Pieces are
// fixed labels, None hides the unit.
enum class RowUnit { None, MM, M, Area, Degree, Pieces };

struct RowSpec {
    std::string label;  // "" = row hidden
    std::string defaultText;
    RowUnit unit = RowUnit::None;
};

struct KindSpec {
    ElementKind kind;
    std::string button;       // "SB01" ...
    std::string hint;         // chooser tooltip
    std::string variantName;  // "circular", "Sharpe edged entrance" ...
    std::array<RowSpec, 4> rows;
    std::string optionCaption;  // "" = no option group
    std::array<std::string, 2> optionItems;
};

const std::vector<KindSpec>& elementKinds();  // in chooser order SB01..SB46
const KindSpec& kindSpec(ElementKind kind);
const std::string& groupName(int group);    // "Straight pipes" ... "Diverse"
std::string elementName(ElementKind kind);  // group name, " - ", variant name
int pictureNumber(ElementKind kind);        // 1601 for 1,1 ...
std::optional<ElementKind> kindByVariantName(const std::string& name);

// Unit texts of a row unit kind: metric first, US second ("degree"/"pieces"
// for both of the fixed labels; empty for None).
std::array<std::string, 2> unitNames(RowUnit unit);

}  // namespace tolvane
