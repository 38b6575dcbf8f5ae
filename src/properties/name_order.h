// The order in which media names are sorted: alphabetical without regard to
// case or accents for every letter of Windows-1252 ("äthanol" before
// "Ätzlauge", "Œl" with "oel"), then the plain letter before the accented one
// and the small letter before the capital, so that two different names never
// tie and a sort always gives the same list.
#pragma once

#include <string>

namespace tolvane {

// Less than 0 when UTF-8 name `a` goes before `b`, 0 only for equal texts.
int compareNames(const std::string& a, const std::string& b);

inline bool nameBefore(const std::string& a, const std::string& b) {
    return compareNames(a, b) < 0;
}

}  // namespace tolvane
