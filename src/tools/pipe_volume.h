// Inner volume of the straight pipes among a range of calculations of the
// calculation table, and the time a given volume flow needs to fill it. The
// pipes are read back from the table's texts: the element name and quantity
// of row 7, the dimensions after the ":" of rows 8 to 10 (inches, feet and
// square yards in US output). Every other element kind adds nothing.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/element_kind.h"
#include "results/calculation_table.h"
#include "base/input_number.h"

namespace tolvane {

// The element kind of a variant name ("circular", "Channel" ...).
using VariantLookup = std::function<std::optional<ElementKind>(const std::string&)>;

struct PipeVolumeInput {
    std::string first = "1";   // Edit1
    std::string last = "1";    // Edit2
    std::string flow = "1,0";  // Edit3
    int flowUnit = 0;          // ComboBox1, volume-flow list position
};

struct PipeVolumeResult {
    bool rangeRead = false;  // both calculation numbers were whole numbers
    std::string volume;      // Label5, "78.54 l"
    // Label7: a new text, or nothing when it keeps its text (a zero or empty
    // volume flow, a flow that does not read).
    std::optional<std::string> fillingTime;
};

namespace pipe_volume_label {
inline constexpr const char* First = "Area: Number of calculation from";
inline constexpr const char* Last = "to";
inline constexpr const char* Flow = "Volume flow:";
}  // namespace pipe_volume_label

// Volume in m³ of the straight pipes of calculation columns first..last (in
// either order; numbers outside the table add nothing).
double straightPipeVolume(const CalculationTable& table, int first, int last, OutputSystem output,
                          const VariantLookup& lookup);

// "Volume of pipe:" text: litres below 0.1 m³, else m³; ft³ in US output.
std::string volumeText(double cubicMetres, OutputSystem output);
// "Filling time:" text for t hours: h from 1 h on, min from 1 min on, else s.
std::string fillingTimeText(double hours);

// One run: the range (whole numbers, else reported by their label), the
// volume, then the filling time.
PipeVolumeResult calculatePipeVolume(const PipeVolumeInput& in, const CalculationTable& table,
                                     OutputSystem output, const VariantLookup& lookup,
                                     InputCheck& check);

// The dialog on opening: the whole table, the first calculation's rate of
// flow (row 2) in "m³/h" (metric) or "gal/min" (US).
struct PipeVolumePreset {
    int maximum = 1;  // the spin buttons' maximum: the number of calculations
    PipeVolumeInput input;
};
PipeVolumePreset pipeVolumePreset(const CalculationTable& table, OutputSystem output);

}  // namespace tolvane
