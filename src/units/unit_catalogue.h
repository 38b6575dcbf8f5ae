// The unit lists shown beside every field, each with the factors that bring a
// value to the engine's base unit. A selection is a list position (0 = base
// unit); conversion matches the selected entry's text against the list, and a
// text that matches nothing is taken as the base unit.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

enum class UnitList {
    VolumeFlow,    // base m³/h
    MassFlow,      // to m³/h with the converted density
    Density,       // base kg/m³
    AbsViscosity,  // base 10^-6 kg/(m s)
    KinViscosity,  // to 10^-6 kg/(m s) with the converted density
    Diameter,      // "mm" / "in."          base mm
    Length,        // "m" / "ft."           base m
    Area,          // "m²" / "sq.yd."       base m²
    GasPressure,   // base bar
    Temperature,   // base K
};

class UnitCatalogue {
public:
    // The unit texts of a list, in their order (UTF-8).
    static const std::vector<std::string>& texts(UnitList list);
    // Position of a text in a list, or -1.
    static int indexOf(UnitList list, const std::string& text);
};

// Brings `value`, entered in the unit `selectedText` of `list`, to the list's
// base unit. `density` (kg/m³, already converted) is used by the mass-flow and
// kinematic-viscosity lists only.
double ConvertToBase(UnitList list, const std::string& selectedText, double value,
                     double density = 0.0);

// The same for the unit at `position` of `list`, for lists shown with other
// spellings of the same units; a position outside the list is the base unit.
double ConvertToBaseAt(UnitList list, int position, double value, double density = 0.0);

}  // namespace tolvane
