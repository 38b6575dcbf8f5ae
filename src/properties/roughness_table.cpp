#include "properties/roughness_table.h"

namespace tolvane {

const std::vector<RoughnessRow>& roughnessTable() {
    static const std::vector<RoughnessRow> rows = {
        {"Aluminium drawn/pressed", "new", "0.0013 - 0.0015 mm or 0.00005 - 0.00006 in.", "0.0015",
         "0.00006"},
        {"Aluminium drawn/pressed", "used", "to 0.03 mm or to 0.001 in.", "0.03", "0.001"},
        {"Asbestos-cement", "new, smooth", "0.03 - 0.1 mm or 0.001 - 0.004 in.", "0.1", "0.004"},
        {"Brass, drawn/pressed", "new", "0.0013 - 0.0014 mm or 0.00005 - 0.00006 in.", "0.0014",
         "0.00006"},
        {"Brass, drawn/pressed", "used", "to 0.03 mm or to 0.001 in.", "0.03", "0.001"},
        {"Cast Iron", "average city severage", "1.2 mm or 0.05 in.", "1.2", "0.05"},
        {"Cast Iron", "incrusted", "to 3.0 mm or to 0.1 in.", "3.0", "0.1"},
        {"Cast Iron", "new, bituminized", "0.10 - 0.13 mm or 0.004 - 0.005 in.", "0.13", "0.005"},
        {"Cast Iron", "new, with skin", "0.2 - 0.6 mm or 0.008 - 0.02 in.", "0.6", "0.02"},
        {"Cast Iron", "operating sev.years, cleaned", "1.5 mm or 0.06 in.", "1.5", "0.06"},
        {"Cast Iron", "slightly rusty", "1.0 - 1.5 mm or 0.04 - 0.06 in.", "1.5", "0.06"},
        {"Clay", "new, clay tile", "9.0 mm or 0.35 in.", "9.0", "0.35"},
        {"Clay, Drainage-pipe", "new, calcined", "0.7 mm or 0.03 in.", "0.7", "0.03"},
        {"Concrete", "new, medium rough", "1.0 - 2.0 mm or 0.04 - 0.08 in.", "2.0", "0.08"},
        {"Concrete", "new, rough", "2.0 - 3.0 mm or 0.08 - 0.1 in.", "3.0", "0.1"},
        {"Concrete", "new, smooth", "0.3 - 0.8 mm or 0.01 - 0.03 in.", "0.8", "0.03"},
        {"Concrete", "operating several years", "0.2 - 0.3 mm or 0.008 - 0.01 in.", "0.3", "0.01"},
        {"Concrete, Centrifugal-", "new, smooth plastered", "0.1 - 0.15 mm or 0.004 - 0.006 in.",
         "0.15", "0.006"},
        {"Concrete, Centrifugal-", "new, without plaster", "0.2 - 0.8 mm or 0.008 - 0.03 in.",
         "0.8", "0.03"},
        {"Concrete, Steel-", "new, smooth", "0.1 - 0.15 mm or 0.004 - 0.006 in.", "0.15", "0.006"},
        {"Copper, drawn/pressed", "new", "0.0013 - 0.0015 mm or 0.00005 - 0.00006 in.", "0.0015",
         "0.00006"},
        {"Copper, drawn/pressed", "used", "to 0.03 mm or to 0.001 in.", "0.03", "0.001"},
        {"Glass, drawn/pressed", "new", "0.0013 - 0.0015 mm or 0.00005 - 0.00006 in.", "0.0015",
         "0.00006"},
        {"Glass, drawn/pressed", "used", "to 0.03 mm or to 0.001 in.", "0.03", "0.001"},
        {"Plastic, drawn/pressed", "new", "0.0013 - 0.0015 mm or 0.00005 - 0.00006 in.", "0.0015",
         "0.00006"},
        {"Plastic, drawn/pressed", "used", "to 0.03 mm or to 0.001 in.", "0.03", "0.001"},
        {"Rubber", "new, smooth", "0.0016 mm or 0.00006 in.", "0.0016", "0.00006"},
        {"Steel", "after long operation cleaned", "0.15 - 0.20 mm or 0.006 - 0.008 in.", "0.2",
         "0.008"},
        {"Steel", "homogeneous corrosion pits", "0.15 mm or 0.006 in.", "0.15", "0.006"},
        {"Steel", "intensely incrusted", "2.0 - 4.0 mm or 0.08 - 0.16 in.", "4.0", "0.16"},
        {"Steel", "slightly rusty, slightly incrusted", "0.15 - 0.40 mm or 0.006 - 0.02 in.", "0.4",
         "0.02"},
        {"Steel, longitudinal welded", "new, bituminized", "0.01 - 0.05 mm or 0.0004 - 0.002 in.",
         "0.05", "0.002"},
        {"Steel, longitudinal welded", "new, galvanized", "0.008 mm or 0.0003 in.", "0.008",
         "0.0003"},
        {"Steel, longitudinal welded", "new, rolling skin", "0.04 - 0.1 mm or 0.002 - 0.004 in.",
         "0.1", "0.004"},
        {"Steel, weldless", "new, comm.size galvanized", "0.10 - 0.16 mm or 0.004 - 0.006 in.",
         "0.16", "0.006"},
        {"Steel, weldless", "new, neatly galvanized", "0.07 - 0.10 mm or 0.003 - 0.004 in.", "0.10",
         "0.004"},
        {"Steel, weldless", "new, pickled", "0.03 - 0.04 mm or 0.001 - 0.002 in.", "0.04", "0.002"},
        {"Steel, weldless", "new, rolling skin", "0.02 - 0.06 mm or 0.0008 - 0.002 in.", "0.06",
         "0.002"},
        {"Steel, weldless", "new, unpickled", "0.03 - 0.06 mm or 0.001 - 0.002 in.", "0.06",
         "0.002"},
        {"Stoneware", "", "0.25 mm or 0.01 in.", "0.25", "0.01"},
        {"Wood", "after long operating", "0.1 mm or 0.004 in.", "0.1", "0.004"},
        {"Wood", "new", "0.2 - 1.0 mm or 0.008 - 0.04 in.", "1.0", "0.04"},
    };
    return rows;
}

std::string roughnessCopyValue(int row, int queryUnit) {
    const auto& rows = roughnessTable();
    if (row < 0 || row >= static_cast<int>(rows.size())) return "";
    const RoughnessRow& r = rows[static_cast<std::size_t>(row)];
    return queryUnit == kRoughnessUnitIn ? r.copyIn : r.copyMm;
}

std::string roughnessListLine(int row) {
    const auto& rows = roughnessTable();
    if (row < 0 || row >= static_cast<int>(rows.size())) return "";
    const RoughnessRow& r = rows[static_cast<std::size_t>(row)];
    std::string mm = r.range, in;
    auto split = r.range.find(" or ");
    if (split != std::string::npos) {
        mm = r.range.substr(0, split);
        in = r.range.substr(split + 4);
    }
    return r.material + "\t" + r.condition + "\t" + mm + "\tor\t" + in;
}

}  // namespace tolvane
