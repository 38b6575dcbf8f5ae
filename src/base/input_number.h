// Every number the user types is read here: ParseInputNumber, the parse-error
// message ReportBadInput and the range check CheckRange with its three
// messages. The two program-wide flags InputValid and ChecksPassed live in an
// InputCheck that the caller sets up for one batch of fields; the messages go
// to its MessageSink, and `focus` names (by object name, e.g. "Va1_Edit") the
// field that the last message moved the keyboard focus to.
#pragma once

#include <optional>
#include <string>

#include "base/messages_clipboard_files.h"

namespace tolvane {

struct InputCheck {
    explicit InputCheck(MessageSink& sink) : messages(sink) {}
    MessageSink& messages;
    bool InputValid = true;
    bool ChecksPassed = true;
    std::string focus;  // object name of the field that received the focus last
};

// Strict reading of a typed number: blanks (code 32) removed, comma taken as
// the decimal point; an optional sign, digits, an optional fraction and an
// optional exponent and nothing else. Blank-only text is empty and reads as 0.
// Returns nothing for a text that does not read or whose value is not finite.
std::optional<double> readNumber(const std::string& text);

// Reads like readNumber; a text that does not read clears InputValid and
// returns 0 (the value is then not used by any caller).
double ParseInputNumber(const std::string& text, InputCheck& check);

// "Incorrect input in the input field\r\"<label>\"!" as an error, focus to field.
void ReportBadInput(InputCheck& check, const std::string& label, const std::string& field);

// The limits a range check applies besides "not below zero", e.g.
// RangeLimits::positive().below(90.0) or RangeLimits::notNegative().
struct RangeLimits {
    std::optional<double> minimum;  // refused below it
    std::optional<double> maximum;  // refused at or above it
    bool allowZero = false;

    static RangeLimits positive() { return RangeLimits{}; }
    static RangeLimits notNegative() {
        RangeLimits limits;
        limits.allowZero = true;
        return limits;
    }
    RangeLimits from(double lowest) const {
        RangeLimits limits = *this;
        limits.minimum = lowest;
        return limits;
    }
    RangeLimits below(double limit) const {
        RangeLimits limits = *this;
        limits.maximum = limit;
        return limits;
    }
};

// The four tests in their order: < 0 (zero message), below minimum, at or
// above maximum, zero when not allowed. Each message clears ChecksPassed and
// moves the focus to `field`.
void CheckRange(InputCheck& check, double value, const RangeLimits& limits,
                const std::string& label, const std::string& field);

// Shows an error message with an OK button, clears ChecksPassed and moves the
// focus to `field` (the element checks' own messages).
void ReportCheckFailure(InputCheck& check, const std::string& text, const std::string& field);

}  // namespace tolvane
