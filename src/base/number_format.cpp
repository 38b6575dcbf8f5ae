#include "base/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tolvane {

namespace {

// Non-finite values never come out of a sound calculation; they are written
// as "nan", "inf" or "-inf" rather than as a number that looks valid.
std::string nonFinite(double x) {
    if (std::isnan(x)) return "nan";
    return x < 0 ? "-inf" : "inf";
}

// A text that rounds to zero carries no sign: -0.0004 with 3 decimals is "0.000".
void dropSignOfZero(std::string& s) {
    if (s.empty() || s[0] != '-') return;
    bool allZero = std::all_of(s.begin() + 1, s.end(), [](char c) { return c == '0' || c == '.'; });
    if (allZero) s.erase(0, 1);
}

}  // namespace

std::string formatFixed(double x, int decimals) {
    if (!std::isfinite(x)) return nonFinite(x);
    decimals = std::clamp(decimals, 0, 17);
    char buf[400];  // 309 integer digits, sign, point and 17 decimals
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return nonFinite(x);
    std::string s(buf, ptr);
    dropSignOfZero(s);
    return s;
}

std::string formatExponent(double x, int mantissaDecimals) {
    if (!std::isfinite(x)) {
        std::string s = nonFinite(x);
        const std::size_t width = static_cast<std::size_t>(9 + mantissaDecimals);
        return std::string(width > s.size() ? width - s.size() : 0, ' ') + s;
    }
    if (x == 0.0) x = 0.0;  // no sign for a negative zero
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(x),
                                   std::chars_format::scientific, mantissaDecimals);
    std::string s(buf, ec == std::errc() ? ptr : buf);
    // s is "d.dde+XX" or "d.dde-XXX"
    std::size_t e = s.find('e');
    if (e == std::string::npos)
        return std::string(static_cast<std::size_t>(9 + mantissaDecimals), ' ');
    std::string mantissa = s.substr(0, e);
    char expSign = s[e + 1];
    int exponent = std::atoi(s.c_str() + e + 2);
    std::string expDigits = std::to_string(exponent);
    expDigits.insert(0, 4 - std::min<std::size_t>(4, expDigits.size()), '0');
    return std::string(1, x < 0 ? '-' : ' ') + mantissa + 'E' + expSign + expDigits;
}

std::string cutTo(const std::string& text, std::size_t width) {
    // Counted in characters, so a UTF-8 sequence is never split.
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80) {
            if (chars == width) return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

}  // namespace tolvane
