// JSON string literals for the batch tool's reports, written straight into
// the report: the bytes the JSON library writes for the same text (UTF-8
// kept as it is, control characters escaped, bytes that are not UTF-8
// replaced by U+FFFD), without building a JSON value per cell.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::cli {

// Appends `text` as a quoted JSON string.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace tolvane::cli
