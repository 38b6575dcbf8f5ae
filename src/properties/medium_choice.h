// What a property dialog hands to the main window's medium panel: the medium's
// name and condition, its density and absolute viscosity as texts with the
// positions of their units, and for a gas the state for the gas data window.
// The texts are the dialog's own (a table's spelling, a computed density, the
// user's typing); the main window reads them with its own parser at the next
// Calculate.
#pragma once

#include <optional>
#include <string>

namespace tolvane {

// The medium panel's fields take at most so many characters: the name, and
// each of the rate of flow, the density and the viscosity.
inline constexpr std::size_t kMediumNameField = 22;
inline constexpr std::size_t kMediumValueField = 10;

// Characters of a UTF-8 text, as a field counts them.
inline std::size_t fieldCharacters(const std::string& utf8) {
    std::size_t characters = 0;
    for (unsigned char c : utf8) characters += (c & 0xC0) != 0x80;
    return characters;
}

struct GasStateChoice {
    std::string pressure;     // into Edit_Eingangsdruck
    int pressureUnit = 1;     // position in the gas pressure list (1 = "mbar")
    std::string temperature;  // into Edit_Eingangstemperatur and Edit_Ausgangstemperatur
    int temperatureUnit = 0;  // position in the temperature list (0 = "°C")
    bool operator==(const GasStateChoice&) const = default;
};

struct MediumChoice {
    std::string name;
    bool gas = false;
    std::string density;
    int densityUnit = 0;  // position in the density list (0 = "kg/m³")
    std::string viscosity;
    int viscosityUnit = 0;  // position in the absolute viscosity list (0 = "10-6 kg/ms")
    std::optional<GasStateChoice> gasState;  // gases only
    bool operator==(const MediumChoice&) const = default;
};

}  // namespace tolvane
