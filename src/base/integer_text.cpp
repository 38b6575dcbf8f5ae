#include "base/integer_text.h"

#include <charconv>

namespace tolvane {

namespace {

std::optional<int> readDigits(const char* first, const char* last, int maxDigits) {
    bool negative = false;
    if (*first == '-' || *first == '+') negative = *first++ == '-';
    if (first == last || last - first > maxDigits) return std::nullopt;
    int value = 0;
    for (; first < last; ++first) {
        if (*first < '0' || *first > '9') return std::nullopt;
        value = value * 10 + (*first - '0');
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<int> readInteger(std::string_view text, IntegerRule rule) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    if (rule.blanks != IntegerBlanks::None)
        while (begin < end && text[begin] == ' ') ++begin;
    if (rule.blanks == IntegerBlanks::BothEnds)
        while (end > begin && text[end - 1] == ' ') --end;
    if (begin == end) return std::nullopt;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    if (rule.maxDigits > 0) return readDigits(first, last, rule.maxDigits);
    if (*first == '+') ++first;
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

}  // namespace tolvane
