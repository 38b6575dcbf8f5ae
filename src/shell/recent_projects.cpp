#include "shell/recent_projects.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "base/text_file.h"

namespace tolvane {

namespace {

std::string normalised(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().string();
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string escapedAmpersands(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '&') out += '&';
        out += ch;
    }
    return out;
}

constexpr const char* kSection = "[General]";
constexpr const char* kKey = "projects";
constexpr const char* kEmptyList = "@Invalid()";

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// One name as the settings class escapes it.
void appendEscaped(std::string& out, const std::string& name) {
    const std::size_t start = out.size();
    bool quote = false;
    bool afterHex = false;  // a hex escape must not run into a following digit
    std::string text = name;
    if (!text.empty() && text[0] == '@') text.insert(0, 1, '@');
    for (char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == ';' || ch == ',' || ch == '=') quote = true;
        if (afterHex && isHexDigit(ch)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%x", u);
            out += hex;
            continue;
        }
        afterHex = false;
        switch (ch) {
            case '\0':
                out += "\\0";
                afterHex = true;
                break;
            case '\a': out += "\\a"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\v': out += "\\v"; break;
            case '"':
            case '\\':
                out += '\\';
                out += ch;
                break;
            default:
                if (u <= 0x1F) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%x", u);
                    out += hex;
                    afterHex = true;
                } else {
                    out += ch;  // UTF-8 bytes pass as they are
                }
        }
    }
    if (quote || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, 1, '"');
        out += '"';
    }
}


// The names of one "projects=" value: separated by commas outside quotes;
// blanks around an unquoted piece dropped.
std::vector<std::string> unescapedList(const std::string& value) {
    std::vector<std::string> names;
    std::string current;
    std::size_t keep = 0;  // current's length up to its last quoted or escaped character
    bool quoted = false;
    bool started = false;
    auto finish = [&] {
        if (!quoted) current.erase(std::max(keep, current.find_last_not_of(' ') + 1));
        names.push_back(current);
        current.clear();
        keep = 0;
        started = false;
    };
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char ch = value[i];
        if (ch == '"') {
            quoted = !quoted;
            started = true;
            keep = current.size();
        } else if (ch == '\\' && i + 1 < value.size()) {
            const char e = value[++i];
            started = true;
            switch (e) {
                case 'a': current += '\a'; break;
                case 'b': current += '\b'; break;
                case 'f': current += '\f'; break;
                case 'n': current += '\n'; break;
                case 'r': current += '\r'; break;
                case 't': current += '\t'; break;
                case 'v': current += '\v'; break;
                case '0': current += '\0'; break;
                case 'x': {
                    unsigned long cp = 0;
                    while (i + 1 < value.size() && isHexDigit(value[i + 1]))
                        cp = cp * 16 + std::stoul(std::string(1, value[++i]), nullptr, 16);
                    if (cp <= 0x10FFFF) appendUtf8(current, static_cast<char32_t>(cp));
                    break;
                }
                default: current += e;
            }
            keep = current.size();
        } else if (ch == ',' && !quoted) {
            finish();
        } else if (ch == ' ' && !quoted && !started) {
            continue;
        } else {
            current += ch;
            started = true;
            if (quoted) keep = current.size();
        }
    }
    finish();
    for (std::string& n : names)
        if (n.size() > 1 && n[0] == '@' && n[1] == '@') n.erase(0, 1);
    return names;
}

}  // namespace

std::vector<std::string> withRecentProject(std::vector<std::string> list, const std::string& path) {
    if (path.empty()) return cleanRecentProjects(list);
    list = withoutRecentProject(std::move(list), path);
    list.insert(list.begin(), normalised(path));
    return cleanRecentProjects(list);
}

std::vector<std::string> withoutRecentProject(std::vector<std::string> list,
                                              const std::string& path) {
    const std::string gone = normalised(path);
    std::erase_if(list, [&gone](const std::string& p) { return normalised(p) == gone; });
    return list;
}

std::vector<std::string> cleanRecentProjects(const std::vector<std::string>& list) {
    std::vector<std::string> out;
    for (const std::string& p : list) {
        if (p.empty()) continue;
        const std::string n = normalised(p);
        if (std::find(out.begin(), out.end(), n) != out.end()) continue;
        out.push_back(n);
        if (out.size() == kRecentProjectCount) break;
    }
    return out;
}

std::string recentProjectLabel(const std::vector<std::string>& list, std::size_t index) {
    if (index >= list.size()) return {};
    const std::string name = fileName(list[index]);
    const bool nameTwice = std::count_if(list.begin(), list.end(), [&name](const std::string& p) {
                               return fileName(p) == name;
                           }) > 1;
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "&" + text.
    std::string label = "&";
    label += std::to_string(index + 1);
    label += ' ';
    label += escapedAmpersands(name);
    if (nameTwice) {
        const std::string folder = std::filesystem::path(list[index]).parent_path().string();
        label += "  [" + escapedAmpersands(folder) + "]";
    }
    return label;
}

std::string recentProjectsFilePath(const std::string& settingsPath) {
    return (std::filesystem::path(settingsPath).parent_path() / kRecentProjectsFileName).string();
}

std::string recentProjectsFileText(const std::vector<std::string>& list) {
    std::string text = std::string(kSection) + "\n" + kKey + "=";
    if (list.empty()) text += kEmptyList;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ", ";
        appendEscaped(text, list[i]);
    }
    return text + "\n";
}

std::vector<std::string> recentProjectsFromFileText(const std::string& text) {
    bool inGeneral = true;  // keys before any section belong to it
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        line.erase(0, first);
        if (line[0] == '[') {
            inGeneral = line.rfind(kSection, 0) == 0;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inGeneral || eq == std::string::npos) continue;
        std::string key = line.substr(0, eq);
        key.erase(key.find_last_not_of(" \t") + 1);
        if (key != kKey) continue;
        std::string value = line.substr(eq + 1);
        value.erase(0, value.find_first_not_of(" \t") == std::string::npos
                           ? value.size()
                           : value.find_first_not_of(" \t"));
        if (value == kEmptyList) return {};
        return cleanRecentProjects(unescapedList(value));
    }
    return {};
}

std::vector<std::string> readRecentProjectsFile(const std::string& path) {
    const auto bytes = readFileBytes(path);
    return bytes ? recentProjectsFromFileText(*bytes) : std::vector<std::string>{};
}

RecentProjectsUpdate updateRecentProjectsFile(const std::string& path,
                                              const std::vector<std::string>& current,
                                              const RecentProjectsChange& change) {
    RecentProjectsUpdate update;
    const auto bytes = readFileBytes(path);
    update.list = cleanRecentProjects(change(bytes ? recentProjectsFromFileText(*bytes) : current));
    update.error = writeFileAtomically(path, recentProjectsFileText(update.list));
    return update;
}

std::string recentProjectsNotSavedText(const std::string& path, const std::string& error) {
    std::string text = "The list of recent projects could not be saved in the file\r\"";
    text += path;
    text += "\":\r";
    text += error;
    text += "\rThe list is kept until the end of the program.";
    return text;
}

}  // namespace tolvane
