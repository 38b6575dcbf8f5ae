// The one reader of integer texts. The files and dialogs differ only in the
// blanks they allow around the number and in how strict the digits are; each
// caller names its rule.
#pragma once

#include <optional>
#include <string_view>

namespace tolvane {

enum class IntegerBlanks { None, Leading, BothEnds };

struct IntegerRule {
    IntegerBlanks blanks = IntegerBlanks::None;
    // 0: any int, as the platform conversion reads it ("+" may precede its
    // own "-", so "+-5" is -5); otherwise one optional sign and at most this
    // many digits.
    int maxDigits = 0;
};

// Blanks are spaces only; blank text reads as nothing.
std::optional<int> readInteger(std::string_view text, IntegerRule rule);

}  // namespace tolvane
