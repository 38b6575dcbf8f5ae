// Reading a calculation column's texts back as values: the part of a cell
// after or before a mark ("Diameter of pipe D in mm: 100.000" after ":" is
// the value, "circular/2" after "/" the quantity) and a cell's number. Copy
// to edit-windows and the plant curve both read the table this way.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// The text after the first `mark`; "" when there is none.
std::string textAfter(const std::string& text, std::string_view mark);
// The text before the first `mark`; the whole text when there is none.
std::string textBefore(const std::string& text, std::string_view mark);
// A cell read with the shared number reader; an empty cell is 0, and so is
// one that does not read.
double cellNumber(const std::string& text);

}  // namespace tolvane
