// The gases of "GASE.STW": one gas per line, TAB-separated: name, a short
// text, molar mass in kg/kmol, melting and boiling point in °C, then pairs of
// a whole temperature in °C and the dynamic viscosity there in 10^-6 Pa s,
// ending at the end of the line or at the first empty temperature field.
//
// GasSelection is the gas dialog without its window: the chosen gas and
// temperature, the absolute pressure in mbar, and the density computed for
// the ideal gas.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "properties/medium_choice.h"

namespace tolvane {

inline constexpr const char* kGasFileName = "GASE.STW";
inline constexpr const char* kGasFileBroken =
    "The file \"GASE.STW\" was not found or is defect.\r\n"
    "It is not possible to show the database.";

struct GasEntry {
    std::string name;
    std::string info;
    std::string molarMass;  // kg/kmol as spelled in the file
    std::string meltingPoint;
    std::string boilingPoint;
    std::vector<std::pair<std::string, std::string>> points;  // (°C, 10^-6 Pa s)
    bool operator==(const GasEntry&) const = default;
};

// Nothing when any line cannot be taken apart: fewer than one pair, a
// temperature that is not a whole number or lies below -273 °C, a viscosity
// or molar mass that is not a positive number, an empty name; nor when a
// text the dialog hands to the medium panel would not fit its field: a name
// above 22 characters, a viscosity or a density at 1013 mbar above 10.
std::optional<std::vector<GasEntry>> parseGasFile(const std::string& bytes);
std::optional<std::vector<GasEntry>> readGasFile(const std::string& path);

// Density of an ideal gas in kg/m³: molar mass over the molar volume
// 22.414 m³/kmol at 1013 mbar and 0 °C, brought to `mbar` and `celsius`.
double idealGasDensity(double molarMass, double mbar, double celsius);

class GasSelection {
public:
    explicit GasSelection(std::vector<GasEntry> gases = {});

    void selectGas(int index);  // its first temperature selected
    void selectTemperature(int index);
    void setPressure(std::string mbar);  // the "Change pressure" result

    const std::vector<GasEntry>& gases() const { return gases_; }
    bool empty() const { return gases_.empty(); }
    int gasIndex() const { return gas_; }
    int temperatureIndex() const { return temperature_; }
    const std::string& pressure() const { return pressure_; }
    std::vector<std::string> temperatures() const;

    // Empty while no gas is chosen.
    std::string densityText() const;  // two decimals, decimal comma ("1,25")
    std::string viscosityText() const;
    std::string fahrenheitNote() const;
    std::string psiNote() const;

    // "Copy to &medium window"; nothing while no gas is chosen.
    std::optional<MediumChoice> choice() const;

private:
    const GasEntry* current() const;

    std::vector<GasEntry> gases_;
    int gas_ = -1;
    int temperature_ = -1;
    std::string pressure_ = "1013";
};

}  // namespace tolvane
