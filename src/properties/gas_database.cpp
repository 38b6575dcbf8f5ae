#include "properties/gas_database.h"

#include <algorithm>

#include "properties/data_lines.h"
#include "properties/property_texts.h"
#include "base/input_number.h"
#include "base/text_file.h"

namespace tolvane {

namespace {

constexpr int kFirstPairField = 5;  // 0-based: after name, text, molar mass, melting, boiling
constexpr int kAbsoluteZeroCelsius = -273;
constexpr double kStartPressureMbar = 1013;  // GasSelection's first pressure

// The density handed to the medium panel at the dialog's first pressure.
std::string startDensityText(double molarMass, int celsius) {
    return densityText(idealGasDensity(molarMass, kStartPressureMbar, celsius));
}

std::optional<GasEntry> parseGasLine(const std::string& line) {
    const auto f = tabFields(line);
    if (f.size() < kFirstPairField + 2 || f[0].empty()) return std::nullopt;
    if (fieldCharacters(f[0]) > kMediumNameField) return std::nullopt;
    GasEntry gas{f[0], f[1], f[2], f[3], f[4], {}};
    const auto molarMass = readDataNumber(gas.molarMass);
    if (!molarMass || *molarMass <= 0) return std::nullopt;
    for (std::size_t i = kFirstPairField; i < f.size() && !f[i].empty(); i += 2) {
        const auto t = readWholeNumber(f[i]);
        if (!t || *t < kAbsoluteZeroCelsius || i + 1 >= f.size()) return std::nullopt;
        const auto eta = readDataNumber(f[i + 1]);
        if (!eta || *eta <= 0 || fieldCharacters(f[i + 1]) > kMediumValueField)
            return std::nullopt;
        if (fieldCharacters(startDensityText(*molarMass, *t)) > kMediumValueField)
            return std::nullopt;
        gas.points.emplace_back(f[i], f[i + 1]);
    }
    if (gas.points.empty()) return std::nullopt;
    return gas;
}

}  // namespace

std::optional<std::vector<GasEntry>> parseGasFile(const std::string& bytes) {
    const auto lines = dataFileLines(bytes);
    if (!lines || lines->empty()) return std::nullopt;
    std::vector<GasEntry> gases;
    for (const std::string& line : *lines) {
        auto gas = parseGasLine(line);
        if (!gas) return std::nullopt;
        gases.push_back(std::move(*gas));
    }
    return gases;
}

std::optional<std::vector<GasEntry>> readGasFile(const std::string& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return parseGasFile(*bytes);
}

double idealGasDensity(double molarMass, double mbar, double celsius) {
    return (molarMass / 22.414) * (mbar / 1013) * 273.15 / (celsius + 273.15);
}

GasSelection::GasSelection(std::vector<GasEntry> gases) : gases_(std::move(gases)) {
    if (!gases_.empty()) selectGas(0);
}

const GasEntry* GasSelection::current() const {
    return gas_ >= 0 && gas_ < static_cast<int>(gases_.size()) ? &gases_[gas_] : nullptr;
}

void GasSelection::selectGas(int index) {
    if (index < 0 || index >= static_cast<int>(gases_.size())) return;
    gas_ = index;
    temperature_ = 0;
}

void GasSelection::selectTemperature(int index) {
    const GasEntry* gas = current();
    if (gas && index >= 0 && index < static_cast<int>(gas->points.size())) temperature_ = index;
}

void GasSelection::setPressure(std::string mbar) { pressure_ = std::move(mbar); }

std::vector<std::string> GasSelection::temperatures() const {
    std::vector<std::string> out;
    if (const GasEntry* gas = current())
        for (const auto& point : gas->points) out.push_back(point.first);
    return out;
}

std::string GasSelection::densityText() const {
    const GasEntry* gas = current();
    if (!gas) return {};
    const double rho = idealGasDensity(
        readDataNumber(gas->molarMass).value_or(0), readNumber(pressure_).value_or(0),
        readWholeNumber(gas->points[temperature_].first).value_or(0));
    std::string text = tolvane::densityText(rho);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string GasSelection::viscosityText() const {
    const GasEntry* gas = current();
    return gas ? gas->points[temperature_].second : std::string();
}

std::string GasSelection::fahrenheitNote() const {
    const GasEntry* gas = current();
    return gas ? tolvane::fahrenheitNote(
                     readWholeNumber(gas->points[temperature_].first).value_or(0))
               : std::string();
}

std::string GasSelection::psiNote() const {
    return tolvane::psiNote(readNumber(pressure_).value_or(0));
}

std::optional<MediumChoice> GasSelection::choice() const {
    const GasEntry* gas = current();
    if (!gas) return std::nullopt;
    MediumChoice c;
    c.name = gas->name;
    c.gas = true;
    c.density = densityText();
    c.viscosity = viscosityText();
    c.gasState = GasStateChoice{pressure_, 1, gas->points[temperature_].first, 0};
    return c;
}

}  // namespace tolvane
