#include "properties/liquid_database.h"

#include "properties/data_lines.h"
#include "properties/property_texts.h"
#include "base/text_file.h"

namespace tolvane {

namespace {

constexpr std::size_t kFirstTripleField = 4;  // 0-based: after name, text, melting, boiling

// A density or viscosity the medium panel can take as it stands.
bool panelValue(const std::string& text) {
    const auto v = readDataNumber(text);
    return v && *v > 0 && fieldCharacters(text) <= kMediumValueField;
}

std::optional<LiquidEntry> parseLiquidLine(const std::string& line) {
    const auto f = tabFields(line);
    if (f.size() < kFirstTripleField + 3 || f[0].empty()) return std::nullopt;
    if (fieldCharacters(f[0]) > kMediumNameField) return std::nullopt;
    LiquidEntry liquid{f[0], f[1], f[2], f[3], {}};
    for (std::size_t i = kFirstTripleField; i < f.size() && !f[i].empty(); i += 3) {
        if (!readWholeNumber(f[i]) || i + 2 >= f.size()) return std::nullopt;
        if (!panelValue(f[i + 1]) || !panelValue(f[i + 2])) return std::nullopt;
        liquid.points.push_back({f[i], f[i + 1], f[i + 2]});
    }
    if (liquid.points.empty()) return std::nullopt;
    return liquid;
}

}  // namespace

std::optional<std::vector<LiquidEntry>> parseLiquidFile(const std::string& bytes) {
    const auto lines = dataFileLines(bytes);
    if (!lines || lines->empty()) return std::nullopt;
    std::vector<LiquidEntry> liquids;
    for (const std::string& line : *lines) {
        auto liquid = parseLiquidLine(line);
        if (!liquid) return std::nullopt;
        liquids.push_back(std::move(*liquid));
    }
    return liquids;
}

std::optional<std::vector<LiquidEntry>> readLiquidFile(const std::string& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return parseLiquidFile(*bytes);
}

LiquidSelection::LiquidSelection(std::vector<LiquidEntry> liquids) : liquids_(std::move(liquids)) {
    if (!liquids_.empty()) selectLiquid(0);
}

const LiquidEntry* LiquidSelection::current() const {
    return liquid_ >= 0 && liquid_ < static_cast<int>(liquids_.size()) ? &liquids_[liquid_]
                                                                       : nullptr;
}

void LiquidSelection::selectLiquid(int index) {
    if (index < 0 || index >= static_cast<int>(liquids_.size())) return;
    liquid_ = index;
    temperature_ = 0;
}

void LiquidSelection::selectTemperature(int index) {
    const LiquidEntry* liquid = current();
    if (liquid && index >= 0 && index < static_cast<int>(liquid->points.size()))
        temperature_ = index;
}

std::vector<std::string> LiquidSelection::temperatures() const {
    std::vector<std::string> out;
    if (const LiquidEntry* liquid = current())
        for (const auto& p : liquid->points) out.push_back(p.celsius);
    return out;
}

const LiquidPoint* LiquidSelection::point() const {
    const LiquidEntry* liquid = current();
    return liquid ? &liquid->points[temperature_] : nullptr;
}

std::string LiquidSelection::fahrenheitNote() const {
    const LiquidPoint* p = point();
    return p ? tolvane::fahrenheitNote(readWholeNumber(p->celsius).value_or(0)) : std::string();
}

std::optional<MediumChoice> LiquidSelection::choice() const {
    const LiquidPoint* p = point();
    if (!p) return std::nullopt;
    MediumChoice c;
    c.name = current()->name;
    c.gas = false;
    c.density = p->density;
    c.viscosity = p->viscosity;
    return c;
}

}  // namespace tolvane
