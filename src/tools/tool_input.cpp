#include "tools/tool_input.h"

#include <cmath>

namespace tolvane {

const std::vector<std::string>& toolPressureUnits() {
    static const std::vector<std::string> units = {
        "bar",  "mbar",        "Torr", "ata",     "atm",     "at",
        "m WS", "lbw./sq.ft.", "psi",  "ft.wtr.", "in.wtr.",
    };
    return units;
}

std::string unitTextAt(UnitList list, int position) {
    const std::vector<std::string>& texts = UnitCatalogue::texts(list);
    if (position < 0 || position >= static_cast<int>(texts.size())) return {};
    return texts[static_cast<std::size_t>(position)];
}

double convertAt(UnitList list, int position, double value) {
    return ConvertToBaseAt(list, position, value);
}

std::optional<double> readField(const ToolField& field, InputCheck& check) {
    const bool before = check.InputValid;
    check.InputValid = true;
    const double value = ParseInputNumber(field.text, check);
    if (!check.InputValid) {
        ReportBadInput(check, field.label, field.name);
        return std::nullopt;
    }
    check.InputValid = before;
    return value;
}

bool acceptResult(double result, const std::vector<FormulaInput>& inputs, InputCheck& check) {
    if (std::isfinite(result)) return true;
    const FormulaInput* blamed = nullptr;
    double worst = -1.0;
    for (const FormulaInput& in : inputs) {
        const double magnitude = std::fabs(in.value);
        // Powers of ten on the side that overflows: large factors, small divisors.
        double excess = 0.0;
        if (!std::isfinite(magnitude))
            excess = 1e6;
        else if (magnitude == 0.0)
            excess = in.divides ? 1e6 : 0.0;
        else
            excess = (in.divides ? -std::log10(magnitude) : std::log10(magnitude)) * in.power;
        if (excess > worst) {
            worst = excess;
            blamed = &in;
        }
    }
    if (blamed == nullptr || blamed->field == nullptr) {
        check.ChecksPassed = false;
        return false;
    }
    const ToolField& f = *blamed->field;
    if (blamed->divides)
        CheckRange(check, 0.0, RangeLimits::positive(), f.label, f.name);
    else
        CheckRange(check, kLargestToolInput, RangeLimits::notNegative().below(kLargestToolInput),
                   f.label, f.name);
    return false;
}

}  // namespace tolvane
