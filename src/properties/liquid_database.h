// The liquids of "MEDIEN.STW": one liquid per line, TAB-separated: name, a
// short text, melting and boiling point in °C, then triples of a whole
// temperature in °C, the density there in kg/m³ and the dynamic viscosity in
// 10^-6 Pa s, ending at the end of the line or at the first empty temperature
// field. Nothing is computed: the texts are shown and handed on as spelled.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "properties/medium_choice.h"

namespace tolvane {

inline constexpr const char* kLiquidFileName = "MEDIEN.STW";
inline constexpr const char* kLiquidFileBroken =
    "The file \"MEDIEN.STW\" was not found or is defect.\r\n"
    "It is not possible to show the database of liquids.";

struct LiquidPoint {
    std::string celsius;
    std::string density;    // kg/m³
    std::string viscosity;  // 10^-6 Pa s
    bool operator==(const LiquidPoint&) const = default;
};

struct LiquidEntry {
    std::string name;
    std::string info;
    std::string meltingPoint;
    std::string boilingPoint;
    std::vector<LiquidPoint> points;
    bool operator==(const LiquidEntry&) const = default;
};

// Nothing when any line cannot be taken apart: no triple, a temperature that
// is not a whole number, a density or viscosity that is not a positive number
// (the medium panel could not read it), an empty name; nor when a name above
// 22 characters, or a density or viscosity above 10, would not fit the
// medium panel's field it is handed to.
std::optional<std::vector<LiquidEntry>> parseLiquidFile(const std::string& bytes);
std::optional<std::vector<LiquidEntry>> readLiquidFile(const std::string& path);

class LiquidSelection {
public:
    explicit LiquidSelection(std::vector<LiquidEntry> liquids = {});

    void selectLiquid(int index);  // its first temperature selected
    void selectTemperature(int index);

    const std::vector<LiquidEntry>& liquids() const { return liquids_; }
    bool empty() const { return liquids_.empty(); }
    int liquidIndex() const { return liquid_; }
    int temperatureIndex() const { return temperature_; }
    std::vector<std::string> temperatures() const;
    // The selected point; nothing while no liquid is chosen.
    const LiquidPoint* point() const;
    std::string fahrenheitNote() const;

    // "Copy to &medium window"; nothing while no liquid is chosen.
    std::optional<MediumChoice> choice() const;

private:
    const LiquidEntry* current() const;

    std::vector<LiquidEntry> liquids_;
    int liquid_ = -1;
    int temperature_ = -1;
};

}  // namespace tolvane
