// A sheet as an OpenDocument spreadsheet (.ods, ODF 1.2): the zipped package
// of "mimetype", "META-INF/manifest.xml" and "content.xml". The zipped form
// rather than the flat .fods, because the other spreadsheet programs open
// only the zipped one. Number cells carry their value in office:value and the
// table's text as the shown paragraph; a column sum is a SUM formula over the
// data rows with its value.
#pragma once

#include <optional>
#include <string>

#include "exports/sheet.h"

namespace tolvane::exports {

// The content.xml of the sheet.
std::string odsContent(const Sheet& sheet);
// The whole package; nothing when it is too large for a zip without 64-bit extensions.
std::optional<std::string> odsPackage(const Sheet& sheet);

// XML character data of `text`: & < > " escaped, the characters XML 1.0
// forbids (control characters but TAB, LF and CR) left out.
std::string xmlEscaped(const std::string& text);

}  // namespace tolvane::exports
