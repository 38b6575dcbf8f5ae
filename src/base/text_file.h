// The program's data files are Windows-1252 text with CR LF line ends; inside
// the program every text is UTF-8. Saving writes a temporary file beside the
// target and renames it over the target only when everything was written, so
// a failed save never destroys the previous file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvane {

// Appends the UTF-8 form of a code point; one beyond U+10FFFF appends nothing.
void appendUtf8(std::string& out, char32_t c);

std::string utf8ToCp1252(const std::string& utf8);  // unmappable characters become '?'
std::string cp1252ToUtf8(const std::string& cp1252);

// Lines of a Windows-1252 file, converted to UTF-8; CR LF, LF and a lone CR
// all end a line, and a final line end does not start another line. Nothing
// when the file cannot be opened or read.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);
// The same for bytes already read.
std::vector<std::string> textLinesOf(const std::string& bytes);

// A value kept on one line of a line-per-value file: CR and LF become blanks,
// since a line break inside it would shift every later line.
std::string oneLine(std::string text);

// Writes the lines in Windows-1252, each followed by CR LF, through a
// temporary file renamed over `path`. Returns an error text, or "" on success.
std::string writeTextLinesAtomically(const std::string& path,
                                     const std::vector<std::string>& lines);

// Whole file as bytes (no conversion); nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::string& path);
// Writes bytes atomically as above. Returns an error text, or "" on success.
std::string writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace tolvane
