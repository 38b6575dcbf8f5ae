// The property data files; the first byte chooses the reader, the rest is the
// file. GASE.STW and MEDIEN.STW: a file that reads has no empty name and at
// least one point per line. DADRU.DAD: a file that reads gives a finite,
// positive vapour pressure and density at every whole degree of each shown
// range, as the reader promises. USER.DAT: records written and read again
// are the same records.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "properties/gas_database.h"
#include "properties/liquid_database.h"
#include "properties/user_database.h"
#include "properties/vapour_pressure.h"

using namespace tolvane;

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
        case 0:
            if (const auto gases = parseGasFile(bytes))
                for (const GasEntry& g : *gases) require(!g.name.empty() && !g.points.empty());
            break;
        case 1:
            if (const auto liquids = parseLiquidFile(bytes))
                for (const LiquidEntry& l : *liquids) require(!l.name.empty());
            break;
        case 2:
            if (const auto substances = parseVapourFile(bytes)) {
                for (const VapourSubstance& s : *substances) {
                    const auto range = shownRange(s.Tmin, s.Tmax);
                    require(range.has_value());
                    for (int t = range->min; t <= range->max && t < range->min + 2000; ++t) {
                        const auto p = vapourPressure(s, kelvin(t));
                        const auto rho = saturatedLiquidDensity(s, kelvin(t));
                        require(p && std::isfinite(*p) && *p > 0);
                        require(rho && std::isfinite(*rho) && *rho > 0);
                    }
                }
            }
            break;
        default: {
            const UserFileContent content = decodeUserRecords(bytes);
            const std::string written = encodeUserRecords(content.records);
            const UserFileContent again = decodeUserRecords(written);
            require(!again.damaged);
            require(encodeUserRecords(again.records) == written);
            break;
        }
    }
    return 0;
}
