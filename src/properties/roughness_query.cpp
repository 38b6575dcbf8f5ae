#include "properties/roughness_query.h"

#include <cmath>

#include "base/input_number.h"
#include "units/unit_catalogue.h"

namespace tolvane {

namespace {
const char* const kRoughnessLabel = "Roughness:";
}

RoughnessQueryOutcome confirmRoughness(const RoughnessQueryState& query, MessageSink& messages) {
    InputCheck check(messages);
    double k = ParseInputNumber(query.text, check);
    if (!check.InputValid) {
        ReportBadInput(check, kRoughnessLabel, kRoughnessField);
        return {std::nullopt, check.focus};
    }
    // A wall cannot be rougher than smooth; zero is the hydraulically smooth pipe.
    CheckRange(check, k, RangeLimits::notNegative(), kRoughnessLabel, kRoughnessField);
    if (!check.ChecksPassed) return {std::nullopt, check.focus};

    const auto& units = UnitCatalogue::texts(UnitList::Diameter);
    if (query.unit > 0 && query.unit < static_cast<int>(units.size()))
        k = ConvertToBase(UnitList::Diameter, units[static_cast<std::size_t>(query.unit)], k);
    if (!std::isfinite(k)) {
        ReportBadInput(check, kRoughnessLabel, kRoughnessField);
        return {std::nullopt, check.focus};
    }
    return {k, ""};
}

std::string initialRoughnessText(int unit) { return unit == 1 ? "0.004" : "0.1"; }

}  // namespace tolvane
