#include "properties/name_order.h"

#include <vector>

namespace tolvane {

namespace {

// Bytes that are no UTF-8 keep a place of their own, above every character.
constexpr char32_t kStrayByte = 0x110000;

// Bytes of the UTF-8 sequence that `lead` starts; 0 for no lead byte.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return lead < 0xF5 ? 4 : 0;
}

// The characters of a UTF-8 text; a byte that starts no well-formed character
// stands for itself.
std::u32string characters(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = sequenceLength(b);
        char32_t c = static_cast<char32_t>(length == 1 ? b : b & (0xFF >> (length + 1)));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = i + k < n ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((next & 0xC0) != 0x80) {
                length = 0;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are strays too.
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (length > 1 && (c < smallest[length] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF))
            length = 0;
        if (length == 0) {
            out.push_back(kStrayByte + b);
            ++i;
        } else {
            out.push_back(c);
            i += length;
        }
    }
    return out;
}

// The small letter of a capital of Windows-1252; anything else unchanged.
char32_t smallLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À..Þ without ×
    switch (c) {
        case 0x160: return 0x161;  // Š
        case 0x152: return 0x153;  // Œ
        case 0x17D: return 0x17E;  // Ž
        case 0x178: return 0xFF;   // Ÿ
        default: return c;
    }
}

// A small letter without its accent; ligatures and ß as the letters they
// stand for.
std::u32string plainLetters(char32_t small) {
    // à..ÿ; ÷ (0xF7) is no letter and stays itself.
    static const char32_t* const latin[] = {
        U"a", U"a",  U"a", U"a", U"a", U"a", U"ae", U"c", U"e", U"e", U"e", U"e",
        U"i", U"i",  U"i", U"i", U"d", U"n", U"o",  U"o", U"o", U"o", U"o", U"\u00F7",
        U"o", U"u",  U"u", U"u", U"u", U"y", U"th", U"y"};
    if (small >= 0xE0 && small <= 0xFF) return latin[small - 0xE0];
    switch (small) {
        case 0xDF: return U"ss";
        case 0x161: return U"s";
        case 0x153: return U"oe";
        case 0x17E: return U"z";
        case 0x192: return U"f";  // ƒ
        case 0xAA: return U"a";   // ª
        case 0xBA: return U"o";   // º
        default: return std::u32string(1, small);
    }
}

struct NameKey {
    std::u32string plain;  // small letters without accents
    std::u32string small;  // small letters with their accents
    std::vector<bool> capitals;
};

NameKey keyOf(const std::string& name) {
    NameKey key;
    for (char32_t c : characters(name)) {
        const char32_t small = smallLetter(c);
        key.plain += plainLetters(small);
        key.small += small;
        key.capitals.push_back(small != c);
    }
    return key;
}

template <class Sequence>
int compareSequences(const Sequence& a, const Sequence& b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

}  // namespace

int compareNames(const std::string& a, const std::string& b) {
    if (a == b) return 0;
    const NameKey ka = keyOf(a), kb = keyOf(b);
    if (int c = compareSequences(ka.plain, kb.plain)) return c;
    if (int c = compareSequences(ka.small, kb.small)) return c;
    // The same letters: small before capital. Each capital has one small
    // letter, so different names differ here at the latest.
    if (int c = compareSequences(ka.capitals, kb.capitals)) return c;
    return compareSequences(a, b);
}

}  // namespace tolvane
