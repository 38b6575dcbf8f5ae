#include "report/title_block.h"

#include <array>
#include <filesystem>
#include <system_error>

#include <nlohmann/json.hpp>

#include "base/text_file.h"

namespace tolvane::report {

namespace {

struct TextMember {
    const char* name;
    std::string TitleBlock::*field;
};
// One list read by the reader and the writer, in the dialog's order.
constexpr std::array<TextMember, 9> kTextMembers{{
    {"project", &TitleBlock::project},
    {"line", &TitleBlock::line},
    {"documentNumber", &TitleBlock::documentNumber},
    {"revision", &TitleBlock::revision},
    {"preparedBy", &TitleBlock::preparedBy},
    {"checkedBy", &TitleBlock::checkedBy},
    {"approvedBy", &TitleBlock::approvedBy},
    {"date", &TitleBlock::date},
    {"remark", &TitleBlock::remark},
}};

struct SectionMember {
    const char* name;
    bool ReportSections::*field;
};
constexpr std::array<SectionMember, 5> kSectionMembers{{
    {"medium", &ReportSections::medium},
    {"columns", &ReportSections::columns},
    {"checks", &ReportSections::checks},
    {"diagram", &ReportSections::diagram},
    {"sources", &ReportSections::sources},
}};

// A title block's texts are short; a remark runs to a few lines.
constexpr std::size_t kLongestText = 4000;

TitleBlockRead refused(std::string problem) { return {std::nullopt, std::move(problem)}; }

}  // namespace

std::string titleBlockPath(const std::string& projectPath) {
    if (projectPath.empty()) return {};
    return projectPath + ".report.json";
}

TitleBlockRead readTitleBlockText(const std::string& text) {
    if (text.size() > kTitleBlockByteLimit) return refused("the file is larger than 64 KB");
    nlohmann::json doc;
    try {
        doc = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        return refused(std::string("not JSON (") + e.what() + ")");
    }
    if (!doc.is_object()) return refused("not a JSON object");
    ReportSettings s;
    const auto title = doc.find("titleBlock");
    if (title != doc.end()) {
        if (!title->is_object()) return refused("titleBlock: not an object");
        for (const TextMember& m : kTextMembers) {
            const auto v = title->find(m.name);
            if (v == title->end() || v->is_null()) continue;
            const std::string where = std::string("titleBlock.") + m.name;
            if (!v->is_string()) return refused(where + ": not a text");
            std::string value = v->get<std::string>();
            if (value.size() > kLongestText) return refused(where + ": longer than 4000 bytes");
            s.title.*m.field = std::move(value);
        }
    }
    const auto include = doc.find("include");
    if (include != doc.end()) {
        if (!include->is_object()) return refused("include: not an object");
        for (const SectionMember& m : kSectionMembers) {
            const auto v = include->find(m.name);
            if (v == include->end() || v->is_null()) continue;
            if (!v->is_boolean())
                return refused(std::string("include.") + m.name + ": not true or false");
            s.include.*m.field = v->get<bool>();
        }
    }
    return {s, {}};
}

TitleBlockRead readTitleBlockFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) return {ReportSettings{}, {}};
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kTitleBlockByteLimit) return refused("the file is larger than 64 KB");
    const auto bytes = readFileBytes(path);
    if (!bytes) return refused("the file cannot be read");
    return readTitleBlockText(*bytes);
}

std::string titleBlockText(const ReportSettings& s) {
    nlohmann::ordered_json title = nlohmann::ordered_json::object();
    for (const TextMember& m : kTextMembers) title[m.name] = s.title.*m.field;
    nlohmann::ordered_json include = nlohmann::ordered_json::object();
    for (const SectionMember& m : kSectionMembers) include[m.name] = s.include.*m.field;
    nlohmann::ordered_json doc = nlohmann::ordered_json::object();
    doc["titleBlock"] = std::move(title);
    doc["include"] = std::move(include);
    // Text typed into a dialog is UTF-8 already; a stray byte is written as U+FFFD.
    return doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::string writeTitleBlockFile(const std::string& path, const ReportSettings& settings) {
    return writeFileAtomically(path, titleBlockText(settings));
}

}  // namespace tolvane::report
