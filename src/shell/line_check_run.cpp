#include "shell/line_check_run.h"

#include <cstdio>

#include "base/input_number.h"
#include "shell/element_catalogue.h"
#include "tools/plant_curve.h"

namespace tolvane {

namespace {

std::string numberText(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

// The limit behind each key; the gas drops are fractions kept as percent.
enum LimitIndex : std::size_t {
    LiquidVelocity,
    GasVelocity,
    GasDropCaution,
    GasDropWarning,
    MachCaution,
    MachWarning,
    Kappa,
    LineInletPressure,
    VapourPressure,
};
static_assert(VapourPressure + 1 == kCheckLimitCount);

double* plainLimit(checks::CheckLimits& l, std::size_t index) {
    switch (index) {
        case LiquidVelocity: return &l.liquidVelocity;
        case GasVelocity: return &l.gasVelocity;
        case GasDropCaution: return &l.gasDropCaution;
        case GasDropWarning: return &l.gasDropWarning;
        case MachCaution: return &l.machCaution;
        case MachWarning: return &l.machWarning;
        case Kappa: return &l.kappa;
        default: return nullptr;
    }
}

std::optional<double>* pressureLimit(checks::CheckLimits& l, std::size_t index) {
    if (index == LineInletPressure) return &l.lineInletPressureBar;
    if (index == VapourPressure) return &l.vapourPressureBar;
    return nullptr;
}

double shownFactor(std::size_t index) {
    return index == GasDropCaution || index == GasDropWarning ? 100.0 : 1.0;
}

}  // namespace

std::vector<checks::ColumnConditions> columnConditions(
    const CalculationTable& table, OutputSystem system,
    const std::vector<std::optional<double>>& inletPressures) {
    const KindByName byName = [](const std::string& name) { return kindByVariantName(name); };
    std::vector<checks::ColumnConditions> conditions;
    for (int col = 1; col <= table.calculationCount(); ++col) {
        checks::ColumnConditions c;
        const std::size_t k = static_cast<std::size_t>(col) - 1;
        if (k < inletPressures.size()) c.inletPressureBar = inletPressures[k];
        if (const auto read = readCurveColumn(table.column(col), system, byName))
            c.element = read->element;
        conditions.push_back(c);
    }
    return conditions;
}

std::vector<checks::Diagnostic> checkSession(
    const Session& session, const std::vector<std::optional<double>>& inletPressures) {
    const OutputSystem system = session.settings.output;
    return checks::checkTable(session.table, system,
                              columnConditions(session.table, system, inletPressures),
                              session.settings.checkLimits);
}

std::string checkLimitText(const checks::CheckLimits& limits, std::size_t index) {
    checks::CheckLimits l = limits;
    if (double* v = plainLimit(l, index)) return numberText(*v * shownFactor(index));
    if (std::optional<double>* p = pressureLimit(l, index)) return *p ? numberText(**p) : "";
    return {};
}

bool setCheckLimit(checks::CheckLimits& limits, std::size_t index, const std::string& text) {
    if (std::optional<double>* p = pressureLimit(limits, index)) {
        if (text.find_first_not_of(' ') == std::string::npos) {
            p->reset();
            return true;
        }
        const auto value = readNumber(text);
        if (!value) return false;
        *p = *value;
        return true;
    }
    double* v = plainLimit(limits, index);
    const auto value = readNumber(text);
    if (!v || !value || text.find_first_not_of(' ') == std::string::npos) return false;
    *v = *value / shownFactor(index);
    return true;
}

checks::CheckLimits readCheckLimits(
    const std::function<std::optional<std::string>(const char* key)>& valueOf) {
    checks::CheckLimits limits;
    for (std::size_t i = 0; i < kCheckLimitCount; ++i)
        if (const auto text = valueOf(kCheckLimitKeys[i].key)) setCheckLimit(limits, i, *text);
    if (!checks::limitsProblem(limits).empty()) return {};
    return limits;
}

}  // namespace tolvane
