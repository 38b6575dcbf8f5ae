// The fixed table of absolute wall roughness that the roughness query offers
// through its "&Database" button: 42 pipe materials and conditions, each with
// the range shown in the list and the value copied into the query (the upper
// end of the range) in millimetres and in inches.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct RoughnessRow {
    std::string material;
    std::string condition;  // may be empty
    std::string range;      // as the list shows it: "<mm range> mm or <in. range> in."
    std::string copyMm;     // copied when the query's unit is "mm"
    std::string copyIn;     // copied when the query's unit is "in."
};

const std::vector<RoughnessRow>& roughnessTable();

// The roughness query's units: position 0 "mm", position 1 "in.".
inline constexpr int kRoughnessUnitMm = 0;
inline constexpr int kRoughnessUnitIn = 1;

// The text "C&opy to calculation" puts into the query for `row` ("" for a
// row that does not exist).
std::string roughnessCopyValue(int row, int queryUnit);

// One list line with its tab stops: material, condition, range in mm, "or",
// range in inches.
std::string roughnessListLine(int row);

}  // namespace tolvane
