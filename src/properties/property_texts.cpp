#include "properties/property_texts.h"

#include <cmath>

#include "base/input_number.h"
#include "base/integer_text.h"
#include "base/number_format.h"
#include "base/number_rounding.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

std::string wholeText(double x) { return formatFixed(roundHalfEven(x), 0); }

}  // namespace

std::string fahrenheitNote(double celsius) {
    return "(= " + wholeText(celsius * 1.8 + 32) + " °F)";
}

std::string psiNote(double mbar) { return "(= " + wholeText(mbar / kBarPerPsi / 1000) + " psi)"; }

std::string densityText(double rho) {
    if (!std::isfinite(rho)) return {};
    const double magnitude = std::fabs(rho);
    if (magnitude == 0 || magnitude >= 0.995) return formatFixed(rho, 2);
    // Three significant digits: decimals = 2 - floor(log10 |rho|), checked
    // after rounding (0.09996 becomes 0.100, not 0.0100).
    int decimals = 2 - static_cast<int>(std::floor(std::log10(magnitude)));
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(magnitude * scale) / scale;
    if (rounded > 0 && static_cast<int>(std::floor(std::log10(rounded))) >
                           static_cast<int>(std::floor(std::log10(magnitude))))
        --decimals;
    return formatFixed(rho, std::min(decimals, 17));
}

std::optional<int> readWholeNumber(const std::string& text) {
    return readInteger(text, {IntegerBlanks::BothEnds, 9});
}

std::optional<double> readDataNumber(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
    return readNumber(text);
}

const std::vector<PressureUnit>& airPressureUnits() {
    static const std::vector<PressureUnit> units = {
        {"mbar", 1.0 / 1000},     {"bar", 1},
        {"Torr", 0.001333223684}, {"ata", 0.980665},
        {"atm", 1.01325},         {"at", 0.980665},
        {"m WS", 0.0980665},      {"lbw./sq.ft.", 0.000478802653},
        {"psi", kBarPerPsi},      {"ft.wtr.", 0.0298906692},
        {"in.wtr.", 0.002490889},
    };
    return units;
}

const std::vector<PressureUnit>& gasPressureUnits() {
    static const std::vector<PressureUnit> units = [] {
        std::vector<PressureUnit> u = airPressureUnits();
        u.erase(u.begin() + 1);  // no "bar" in this list
        return u;
    }();
    return units;
}

std::optional<std::string> changedPressureMbar(const std::string& entry, int unitIndex,
                                               const std::vector<PressureUnit>& units,
                                               MessageSink& messages) {
    const auto value = readNumber(entry);
    const bool unitOk = unitIndex >= 0 && unitIndex < static_cast<int>(units.size());
    // Any number is taken (the "(max. 250 bar)" note is advice); only a value
    // whose conversion to mbar leaves the range of a double cannot be used.
    const double mbar = value && unitOk ? *value * units[unitIndex].factorToBar * 1000 : 0;
    if (!value || !unitOk || !std::isfinite(mbar)) {
        messages.show(MessageType::Error, kIncorrectInput);
        return std::nullopt;
    }
    return wholeText(mbar);
}

}  // namespace tolvane
