// What every engineering tool shares when it reads its fields: the pressure
// list as the tools show it, conversion by a unit's position in its list, one
// field read with the shared parser, and the refusal of inputs whose values
// would make a result overflow (a density of 1e-320 kg/m³, a diameter of
// 1e-200 mm): the field to blame is named in the shared range message.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/input_number.h"
#include "units/unit_catalogue.h"

namespace tolvane {

// The pressure units of the NPSH and head dialogs, in the order of the gas
// pressure list; they write the water inch column "in.wtr.".
const std::vector<std::string>& toolPressureUnits();

// `value` entered in the unit at `position` of `list` brought to the list's
// base unit. The unit is taken by its place, so a list that spells a unit
// differently ("in.wtr." beside "in. wtr.") still converts. A position
// outside the list is taken as the base unit.
double convertAt(UnitList list, int position, double value);

// The text of the unit at `position` of `list` ("" outside it).
std::string unitTextAt(UnitList list, int position);

// A field of a tool: its text, the caption that names it in messages and its
// object name (where the focus goes).
struct ToolField {
    std::string text;
    std::string label;
    std::string name;
};

// Reads a field with the shared parser; on failure reports it with the
// field's label (ReportBadInput) and returns nothing.
std::optional<double> readField(const ToolField& field, InputCheck& check);

// An input of a formula, in its base unit, and whether it multiplies the
// result (a numerator: too large overflows) or divides it (a divisor: too
// small overflows). `power` is how often it enters (2 for a squared diameter).
struct FormulaInput {
    double value = 0.0;
    const ToolField* field = nullptr;
    bool divides = false;
    int power = 1;
};

// Nothing when `result` is finite. Otherwise reports the input that pushed it
// out of range (the largest in powers of ten, on its own side): a divisor by
// the "must be bigger than zero!" message, a factor by "must be smaller than"
// the largest value a tool accepts, and returns false.
bool acceptResult(double result, const std::vector<FormulaInput>& inputs, InputCheck& check);

// The largest magnitude a tool's field is said to accept when its value has
// made a result overflow.
inline constexpr double kLargestToolInput = 1e15;

}  // namespace tolvane
