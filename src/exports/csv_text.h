// A sheet as CSV (RFC 4180): UTF-8 without a byte-order mark, fields parted
// by commas, records ended by CR LF, the headings (with their units) as the
// first record. Numbers are written with a point in their shortest exact
// form; a column sum as its value. A field holding a comma, a quote, CR or LF
// is quoted, its quotes doubled.
#pragma once

#include <string>

#include "exports/sheet.h"

namespace tolvane::exports {

std::string csvText(const Sheet& sheet);
std::string csvField(const std::string& text);

}  // namespace tolvane::exports
