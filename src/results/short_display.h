// The short display as data: one line per calculation of the table (its
// number, element and quantity, the user's specification and the pressure
// drop in bar or psi) and the total below. It holds nothing of its own:
// every line is read from the calculation table and every change (a line
// moved up or down, deleted, a specification typed) is made on the table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "results/calculation_table.h"

namespace tolvane {

inline constexpr const char* kShortDisplayCaption = "Calculation short display";
inline constexpr int kShortDisplayColumns = 4;

struct ShortDisplayLine {
    std::array<std::string, kShortDisplayColumns> cells;  // No., element/quantity, spec., dp
    bool operator==(const ShortDisplayLine&) const = default;
};

// "No.", "Element/quant.", "Specification", "dp/bar" (metric) or "dp/psi" (US).
std::array<std::string, kShortDisplayColumns> shortDisplayHeadings(OutputSystem system);
// Line k (1..n) mirrors calculation column k: its number, rows 7, 6 and 24.
std::vector<ShortDisplayLine> shortDisplayLines(const CalculationTable& table);
// "Total pressure drop: " and the table's total text.
std::string shortDisplayTotal(const CalculationTable& table);

// The medium of each calculation (row 1: name and "/liq." or "/gas."), shown
// beside the short display's own columns.
std::vector<std::string> shortDisplayMedia(const CalculationTable& table);
// The media of the table's calculations, each once, in the order they first
// appear; and the note shown beside a total that adds more than one of them
// ("" when all calculations share one medium).
std::vector<std::string> tableMedia(const CalculationTable& table);
std::string mixedMediaNote(const CalculationTable& table);
inline constexpr const char* kShortDisplayMediumHeading = "Medium";

// Line `line` (1..n) one place up or down; returns the line that is current
// afterwards (`line` itself when nothing moved).
int moveLineUp(CalculationTable& table, int line);
int moveLineDown(CalculationTable& table, int line);
// Deletes the calculation of `line`; false when there is none.
bool deleteLine(CalculationTable& table, int line, OutputSystem system, int decimals);
// The specification of `line` := text (row 6 of its column); false when
// there is no such line.
bool setLineSpecification(CalculationTable& table, int line, std::string text);

}  // namespace tolvane
