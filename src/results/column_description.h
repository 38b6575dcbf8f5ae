// What one calculation column records of the input panels besides the
// computed values: the medium's name and condition, the element kind's name,
// the quantity, the four value rows with their captions and unit names, and
// the option line. The main window's form fills it in; the column assembly
// and the US conversion of the shown values read nothing else.
#pragma once

#include <array>
#include <string>

#include "engine/element_kind.h"

namespace tolvane {

struct ColumnRow {
    std::string label;         // caption with its closing colon, "Diameter of pipe D:"
    std::string text;          // the field as typed (row 4 only is shown as typed)
    bool unitVisible = false;  // a unit box stands beside the field
    std::string metricUnit;    // "mm", "m²", "m", "degree", "pieces" or ""
    std::string usUnit;        // "in.", "sq.yd.", "ft.", ...
    bool operator==(const ColumnRow&) const = default;
};

struct ColumnDescription {
    ElementKind kind{1, 1};
    std::string kindName;  // the kind's name in the element chooser
    std::string mediumName;
    bool gas = false;
    std::string quantity;  // as typed
    std::array<ColumnRow, 4> rows;
    std::string optionText;  // row 12: the option group's caption and chosen item
    bool operator==(const ColumnDescription&) const = default;
};

}  // namespace tolvane
