// NPSH available at a pump: the absolute pressure on the suction side less
// the vapour pressure of the liquid, as a head of that liquid, in metres and
// feet. The vapour pressure and density may come from the vapour-pressure
// database, which hands them over in bar and kg/m³.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/input_number.h"

namespace tolvane {

struct NpshInput {
    std::string suctionPressure = "1,000";  // Edit1
    int suctionPressureUnit = 0;            // ComboBox1, pressure list position
    std::string vapourPressure = "1,000";   // Edit2
    int vapourPressureUnit = 0;             // ComboBox3
    std::string density;                    // Edit3
    int densityUnit = 0;                    // ComboBox2, density list position
};

// The two result labels; both empty when nothing was calculated.
struct NpshResult {
    bool calculated = false;
    std::string metres;  // Label6, "10.0 m"
    std::string feet;    // Label7, "(= 32.7 ft.)"
};

// "C&alculation": fields read in order, the first that does not read is
// reported by its label; a density of zero or less gives no result and no
// message; a negative head is shown as 0.
NpshResult calculateNpsh(const NpshInput& in, InputCheck& check);

// What the dialog takes from the main window on opening: the density and its
// unit, and the gas window's pressure unit for both pressures.
struct NpshPreset {
    std::string density;
    int densityUnit = 0;
    int pressureUnit = 0;
};

// The captions that name the fields in messages.
namespace npsh_label {
inline constexpr const char* SuctionPressure = "Press.suct.side (abs.):";
inline constexpr const char* VapourPressure = "Vapor pressure:";
inline constexpr const char* Density = "Density:";
inline constexpr const char* FirstColumn = "Suction line: calculations from";
inline constexpr const char* LastColumn = "to";
inline constexpr const char* Level = "Level above the pump:";
}  // namespace npsh_label

// "from the suction line": the suction pressure field is then the suction
// vessel's absolute pressure, and the losses of calculation columns
// first..last at the medium's rate of flow are taken off.
struct NpshSuctionInput {
    std::string firstColumn = "1";  // Edit_SuctionFirst
    std::string lastColumn = "1";   // Edit_SuctionLast
    std::string level = "0";        // Edit_Level, m above the pump (below: negative)
    int levelUnit = 0;              // length list position
};

// The drop in bar of columns first..last at the medium's rate of flow;
// nothing when one of them cannot be computed again.
using SuctionLineDrop = std::function<std::optional<double>(int first, int last)>;

// (p_vessel - p_vapour)/(rho g) + z - losses/(rho g), shown as it is (a
// negative head means the liquid boils at the pump's inlet). The fields are
// read in order, then the columns; a suction line that cannot be computed
// gives kSuctionLineNotComputed.
NpshResult calculateSuctionNpsh(const NpshInput& in, const NpshSuctionInput& suction,
                                const SuctionLineDrop& drop, InputCheck& check);

inline const std::string kSuctionLineNotComputed =
    "The losses of the suction line cannot be computed at the medium's rate of flow.";

}  // namespace tolvane
