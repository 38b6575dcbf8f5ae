// Small pieces the property dialogs share: the Fahrenheit and psi notes, the
// density text of a computed density, and the pressure lists of the two
// "Change pressure" dialogs with the reading of their entry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/messages_clipboard_files.h"

namespace tolvane {

inline constexpr const char* kIncorrectInput = "Incorrect input!";

// "(= 32 °F)" for t = 0 °C.
std::string fahrenheitNote(double celsius);
// "(= 15 psi)" for 1013 mbar.
std::string psiNote(double mbar);

// A computed density: two decimals ("1.28"), but three significant digits
// where two decimals would keep fewer ("0.736", "0.0191"), so that light gases
// and low pressures never collapse to "0.00". Zero stays "0.00"; a value that
// is not finite gives "".
std::string densityText(double rho);

// Reads an integer text as the property tables and data files spell it
// ("-180", " 20"); nothing for anything else.
std::optional<int> readWholeNumber(const std::string& text);

// A reading of a number as the data files spell it: "." or "," as the decimal
// point, nothing else around it.
std::optional<double> readDataNumber(const std::string& text);

struct PressureUnit {
    const char* text;
    double factorToBar;
};

// The unit lists of the air and of the gas "Change pressure" dialogs (the
// second has no "bar").
const std::vector<PressureUnit>& airPressureUnits();
const std::vector<PressureUnit>& gasPressureUnits();

// "&OK" of a "Change pressure" dialog: the entry in the unit at `unitIndex`
// of `units` as whole mbar ("2" bar -> "2000"). Every number is taken, zero
// and negative ones too; a text that is not a number, or one whose mbar
// value is beyond the range of a double, shows "Incorrect input!" and gives
// nothing.
std::optional<std::string> changedPressureMbar(const std::string& entry, int unitIndex,
                                               const std::vector<PressureUnit>& units,
                                               MessageSink& messages);

}  // namespace tolvane
