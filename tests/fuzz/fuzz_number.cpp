// The number reader agrees with strtod on every text it accepts, and accepts
// only finite numbers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/input_number.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = readNumber(text);
    if (!value) return 0;
    if (!std::isfinite(*value)) std::abort();
    // What strtod reads of the same text with blanks dropped and the comma as point.
    std::string plain;
    for (char c : text) {
        if (c == ' ') continue;
        plain += c == ',' ? '.' : c;
    }
    if (plain.empty()) {
        if (*value != 0.0) std::abort();
        return 0;
    }
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    if (end != plain.c_str() + plain.size() || expected != *value) std::abort();
    return 0;
}
