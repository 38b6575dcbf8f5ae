#include "results/result_column.h"

#include <algorithm>

#include "base/number_format.h"

namespace tolvane {

namespace {

constexpr double kTransitionalFrom = 2200.0;  // Reynolds number
constexpr std::size_t kPressureWidth = 11;
constexpr std::size_t kReynoldsWidth = 11;
constexpr std::size_t kVelocityWidth = 10;
constexpr std::size_t kFrictionWidth = 10;
constexpr std::size_t kElementNameWidth = 40;

constexpr const char* kTransitionalFlowMessage =
    "The flow is in the range laminar to turbulent. An error of calculation is possible!";

std::string withoutLastCharacter(const std::string& label) {
    if (label.empty()) return label;
    // The last character of a caption is its colon; never split a UTF-8 sequence.
    std::size_t i = label.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(label[i]) & 0xC0) == 0x80) --i;
    return label.substr(0, i);
}

std::string dimensionText(const ColumnRow& row, OutputSystem system, double value, int decimals) {
    const std::string& unit = system == OutputSystem::US ? row.usUnit : row.metricUnit;
    return withoutLastCharacter(row.label) + " in " + unit + ": " + formatFixed(value, decimals);
}

}  // namespace

std::string fixedResultText(double x, int decimals, std::size_t width) {
    std::string text = formatFixed(x, decimals);
    std::size_t integerPart = std::min(text.find('.'), text.size());
    if (integerPart <= width) return cutTo(text, width);
    // Too many digits before the point for the width: the exponent form.
    std::string e = formatExponent(x);
    if (width < e.size() && e[0] == ' ') e.erase(0, 1);
    // A negative value has no blank to give up: one mantissa digit fewer.
    if (width < e.size()) e = formatExponent(x, 1);
    return e;
}

std::string pressureText(double x, int decimals) {
    if (x <= 9999) return fixedResultText(x, decimals, kPressureWidth);
    return cutTo(formatExponent(x), kPressureWidth);
}

std::string reynoldsText(double x) {
    std::string text = x <= 9999 ? fixedResultText(x, 0, kReynoldsWidth)
                                 : cutTo(formatExponent(x), kReynoldsWidth);
    std::size_t blank = text.find(' ');
    if (blank != std::string::npos) text.erase(blank, 1);
    return text;
}

ResultTexts formatResults(const ElementResult& result, const ShownValues& shown, ElementKind kind,
                          OutputSystem system, int decimals, const ResultTexts& previous) {
    ResultTexts t = previous;
    t.reynolds = reynoldsText(result.reynolds);
    t.reynolds2 = reynoldsText(result.reynolds2);
    t.velocity = fixedResultText(shown.velocity, decimals, kVelocityWidth);
    t.velocity2 = fixedResultText(shown.velocity2, decimals, kVelocityWidth);
    t.zeta = result.zeta > 0 ? formatFixed(result.zeta, decimals) : std::string();
    if (isBranchKind(kind)) {
        t.zeta2 = formatFixed(result.zeta2, decimals);
        t.pressureDrop2 = fixedResultText(shown.pressureDrop2, decimals, kPressureWidth);
    }
    t.pressureDropBar = pressureText(shown.pressureDrop, decimals);
    t.pressureDropMbar = pressureText(shown.pressureDrop * 1000.0, decimals);
    if (system == OutputSystem::US) {
        t.pressureDropPsi = fixedResultText(shown.pressureDropPsi, decimals, kPressureWidth);
        t.pressureDropLbw = fixedResultText(shown.pressureDropLbw, decimals, kPressureWidth);
    }
    if (isFrictionKind(kind)) {
        t.frictionFactor = fixedResultText(result.frictionFactor, decimals, kFrictionWidth);
    }
    return t;
}

void appendResultColumn(CalculationTable& table, const ColumnDescription& column,
                        const ElementResult& result, const ShownValues& shown,
                        const ResultTexts& texts, OutputSystem system, int decimals,
                        MessageSink& messages) {
    if (result.reynolds >= kTransitionalFrom && result.reynolds <= kTurbulentFrom) {
        messages.show(MessageType::Information, kTransitionalFlowMessage);
    }
    const ElementKind kind = column.kind;
    const auto& rows = column.rows;
    const int c = table.trailingColumn();
    auto set = [&](int row, std::string text) { table.setCell(c, row, std::move(text)); };

    set(Row::Number, std::to_string(c));
    set(Row::Medium, column.mediumName + (column.gas ? "/gas." : "/liq."));
    set(Row::RateOfFlow, formatFixed(shown.rateOfFlow, decimals));
    set(Row::Density, formatFixed(shown.density, decimals));
    set(Row::Viscosity, formatFixed(shown.viscosity, decimals));
    set(Row::Element, cutTo(column.kindName, kElementNameWidth) + "/" + column.quantity);
    set(Row::Dimension1, dimensionText(rows[0], system, shown.dims[0], decimals));
    if (!rows[1].label.empty()) {
        if (kind == Kind::KnownResistance) {
            set(Row::Dimension2,
                withoutLastCharacter(rows[1].label) + ": " + formatFixed(shown.dims[1], decimals));
        } else {
            set(Row::Dimension2, dimensionText(rows[1], system, shown.dims[1], decimals));
        }
    }
    if (!rows[2].label.empty())
        set(Row::Dimension3, dimensionText(rows[2], system, shown.dims[2], decimals));
    set(Row::Field4, rows[3].label + " " + rows[3].text);
    set(Row::Option, column.optionText);

    if (kind != Kind::VerticalDifference) {
        set(Row::Velocity, texts.velocity);
        set(Row::Reynolds, texts.reynolds);
        if (hasSecondSection(kind)) {
            set(Row::Velocity2, texts.velocity2);
            set(Row::Reynolds2, texts.reynolds2);
        }
        set(Row::Regime, result.isLaminar ? "laminar" : "turbulent");
        if (isFrictionKind(kind)) {
            if (!result.isLaminar) set(Row::Roughness, formatFixed(shown.roughness, decimals));
            set(Row::FrictionFactor, texts.frictionFactor);
        }
        set(Row::Zeta, texts.zeta);
    }
    if (system == OutputSystem::US) {
        set(Row::PressureDrop, texts.pressureDropLbw);
        set(Row::PressureDropLarge, texts.pressureDropPsi);
    } else {
        set(Row::PressureDrop, texts.pressureDropMbar);
        set(Row::PressureDropLarge, texts.pressureDropBar);
    }
    if (isBranchKind(kind)) {
        set(Row::Zeta2, texts.zeta2);
        set(Row::PressureDrop2, texts.pressureDrop2);
    }
    table.addTrailingColumn();
}

}  // namespace tolvane
