#include "base/input_number.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "base/number_format.h"

namespace tolvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape [sign] (digits [. digits*] | . digits) [e|E [sign] digits]
// and finds the power of ten of the first significant digit, for telling an
// underflow from an overflow.
struct NumberShape {
    bool ok = false;
    long exponent = 0;          // written exponent, held within +-100000
    long decimalMagnitude = 0;  // power of ten of the first significant digit, exponent aside
    bool allZero = true;
};

NumberShape inspect(const std::string& s) {
    NumberShape shape;
    std::size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t intStart = i;
    while (i < n && isDigit(s[i])) ++i;
    std::size_t intDigits = i - intStart;
    std::size_t fracStart = i, fracDigits = 0;
    if (i < n && s[i] == '.') {
        ++i;
        fracStart = i;
        while (i < n && isDigit(s[i])) ++i;
        fracDigits = i - fracStart;
    }
    if (intDigits + fracDigits == 0) return shape;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        std::size_t expStart = i;
        while (i < n && isDigit(s[i])) {
            if (shape.exponent < 100000) shape.exponent = shape.exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (i == expStart) return shape;
        if (negativeExponent) shape.exponent = -shape.exponent;
    }
    if (i != n) return shape;
    shape.ok = true;

    // Position of the first non-zero digit relative to the decimal point.
    for (std::size_t k = intStart; k < intStart + intDigits; ++k) {
        if (s[k] != '0') {
            shape.allZero = false;
            shape.decimalMagnitude = static_cast<long>(intStart + intDigits - k) - 1;
            return shape;
        }
    }
    for (std::size_t k = fracStart; k < fracStart + fracDigits; ++k) {
        if (s[k] != '0') {
            shape.allZero = false;
            shape.decimalMagnitude = -static_cast<long>(k - fracStart) - 1;
            return shape;
        }
    }
    return shape;
}

std::string fixedOneDecimal(double x) { return formatFixed(x, 1); }

void fail(InputCheck& check, const std::string& text, const std::string& field) {
    check.ChecksPassed = false;
    check.messages.show(MessageType::Error, text);
    check.focus = field;
}

std::string zeroMessage(const std::string& label) {
    return "The input in the input field \r>> " + label + " << " + "\r" +
           "must be bigger than zero!";
}

std::string limitMessage(const std::string& label, const char* relation, double limit) {
    return "The input in the input field \r>> " + label + " << " + "\r" + relation + "\r" + ">> " +
           fixedOneDecimal(limit) + " << " + "\r" + "! Please correct it!";
}

}  // namespace

std::optional<double> readNumber(const std::string& text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c == ' ') continue;
        s.push_back(c == ',' ? '.' : c);
    }
    if (s.empty()) return 0.0;

    NumberShape shape = inspect(s);
    if (!shape.ok) return std::nullopt;

    bool negative = s[0] == '-';
    std::size_t start = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    double value = 0.0;
    const char* first = s.data() + start;
    const char* last = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold does not read.
        if (shape.allZero || shape.decimalMagnitude + shape.exponent < 0) {
            value = 0.0;
        } else {
            return std::nullopt;
        }
    } else if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    if (negative) value = -value;
    if (value == 0.0) value = 0.0;  // "-0" reads as plain zero
    return value;
}

double ParseInputNumber(const std::string& text, InputCheck& check) {
    std::optional<double> v = readNumber(text);
    if (!v) {
        check.InputValid = false;
        return 0.0;
    }
    return *v;
}

void ReportBadInput(InputCheck& check, const std::string& label, const std::string& field) {
    check.messages.show(MessageType::Error,
                        "Incorrect input in the input field\r\"" + label + "\"!");
    check.focus = field;
}

void CheckRange(InputCheck& check, double value, const RangeLimits& limits,
                const std::string& label, const std::string& field) {
    bool reported = false;
    if (value < 0) {
        fail(check, zeroMessage(label), field);
        reported = true;
    }
    if (limits.minimum && value < *limits.minimum) {
        fail(check, limitMessage(label, "must be bigger than", *limits.minimum), field);
        reported = true;
    }
    if (limits.maximum && value >= *limits.maximum) {
        fail(check, limitMessage(label, "must be smaller than", *limits.maximum), field);
        reported = true;
    }
    if (value == 0 && !limits.allowZero) {
        fail(check, zeroMessage(label), field);
        reported = true;
    }
    // A value that is not a number at all (a division by a zero density
    // upstream) must never pass unnoticed.
    if (!reported && !std::isfinite(value)) fail(check, zeroMessage(label), field);
}

void ReportCheckFailure(InputCheck& check, const std::string& text, const std::string& field) {
    fail(check, text, field);
}

}  // namespace tolvane
