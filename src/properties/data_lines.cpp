#include "properties/data_lines.h"

#include <utility>

#include "base/text_file.h"

namespace tolvane {

namespace {

// Generous limits for a hand-written table; anything beyond is not one.
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

bool looksBinary(const std::string& bytes) {
    std::size_t controls = 0;
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b == 0) return true;
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n') ++controls;
    }
    return controls * 20 > bytes.size();
}

}  // namespace

std::optional<std::vector<std::string>> rawTableLines(const std::string& bytes,
                                                      std::size_t lineLimit) {
    if (bytes.size() > kMaxFileBytes || looksBinary(bytes)) return std::nullopt;
    std::vector<std::string> lines;
    std::size_t start = 0;
    auto take = [&](std::size_t end) -> bool {
        if (end - start > lineLimit) return false;
        lines.push_back(bytes.substr(start, end - start));
        return true;
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        if (!take(i)) return std::nullopt;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size() && !take(bytes.size())) return std::nullopt;
    return lines;
}

std::optional<std::vector<NumberedLine>> numberedDataFileLines(const std::string& bytes) {
    auto raw = rawTableLines(bytes, kPropertyLineLimit);
    if (!raw) return std::nullopt;
    std::vector<NumberedLine> lines;
    int number = 0;
    for (const std::string& line : *raw) {
        ++number;
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines.push_back({number, cp1252ToUtf8(line)});
    }
    return lines;
}

std::optional<std::vector<std::string>> dataFileLines(const std::string& bytes) {
    auto numbered = numberedDataFileLines(bytes);
    if (!numbered) return std::nullopt;
    std::vector<std::string> lines;
    lines.reserve(numbered->size());
    for (NumberedLine& line : *numbered) lines.push_back(std::move(line.text));
    return lines;
}

std::vector<std::string> tabFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

std::optional<std::vector<std::string>> readDataFile(const std::string& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return dataFileLines(*bytes);
}

}  // namespace tolvane
