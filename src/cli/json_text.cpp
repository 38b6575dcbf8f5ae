#include "cli/json_text.h"

#include <nlohmann/json.hpp>

namespace tolvane::cli {
namespace {

// Length of the well-formed UTF-8 sequence at `i` (Unicode's table 3-7: no
// overlong forms, no surrogates, nothing above U+10FFFF), or 0.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u;
    };
    const auto continuation = [&](std::size_t k) { return (byte(k) & 0xC0u) == 0x80u; };
    const unsigned lead = byte(i);
    const unsigned second = byte(i + 1);
    if (lead >= 0xC2 && lead <= 0xDF) return continuation(i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const bool ok = lead == 0xE0   ? second >= 0xA0 && second <= 0xBF
                        : lead == 0xED ? second >= 0x80 && second <= 0x9F
                                       : continuation(i + 1);
        return ok && continuation(i + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const bool ok = lead == 0xF0   ? second >= 0x90 && second <= 0xBF
                        : lead == 0xF4 ? second >= 0x80 && second <= 0x8F
                                       : continuation(i + 1);
        return ok && continuation(i + 2) && continuation(i + 3) ? 4 : 0;
    }
    return 0;
}

bool wellFormed(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = sequenceLength(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    // The replacement of broken bytes follows the library's own rules.
    if (!wellFormed(text)) {
        out += nlohmann::json(std::string(text))
                   .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        return;
    }
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t plain = 0;  // start of the run not yet copied
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(text.data() + plain, i - plain);
        plain = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\f': out += "\\f"; break;
            case '\r': out += "\\r"; break;
            default:
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
        }
    }
    out.append(text.data() + plain, text.size() - plain);
    out += '"';
}

}  // namespace tolvane::cli
