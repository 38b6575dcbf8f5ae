// Resistance-coefficient files: a file that reads gives fittings whose texts
// hold no control characters and whose diameters and coefficients fit the
// element fields they are copied into.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/element_kind.h"
#include "properties/zeta_database.h"

using namespace tolvane;

namespace {
bool clean(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto fittings = parseZetaFile(bytes);
    if (!fittings) return 0;
    for (const ZetaFitting& f : *fittings) {
        if (f.points.empty() || !clean(f.specification)) std::abort();
        for (const auto& [diameter, zeta] : f.points) {
            if (!clean(diameter) || !clean(zeta)) std::abort();
            if (diameter.size() > static_cast<std::size_t>(kElementValueLength) ||
                zeta.size() > static_cast<std::size_t>(kElementValueLength))
                std::abort();
        }
    }
    return 0;
}
