// The title block of a calculation report and what the report includes,
// kept per project beside the project file as "NAME.tlv.report.json" (the
// project file's format stays as it is). Reading checks the whole file
// before anything is taken, so a damaged file is refused as a whole with
// the reason; a project without one starts empty.
#pragma once

#include <optional>
#include <string>

namespace tolvane::report {

struct TitleBlock {
    std::string project;
    std::string line;  // line or tag
    std::string documentNumber;
    std::string revision;
    std::string preparedBy;
    std::string checkedBy;
    std::string approvedBy;
    std::string date;
    std::string remark;
    bool operator==(const TitleBlock&) const = default;
};

// The report's optional sections.
struct ReportSections {
    bool medium = true;
    bool columns = true;
    bool checks = true;
    bool diagram = true;
    bool sources = true;
    bool operator==(const ReportSections&) const = default;
};

struct ReportSettings {
    TitleBlock title;
    ReportSections include;
    bool operator==(const ReportSettings&) const = default;
};

// More bytes than this are refused unread.
inline constexpr std::size_t kTitleBlockByteLimit = 1 << 16;

// "/work/a/pump.tlv" -> "/work/a/pump.tlv.report.json"; "" for a project never saved.
std::string titleBlockPath(const std::string& projectPath);

struct TitleBlockRead {
    std::optional<ReportSettings> settings;  // nothing when refused
    std::string problem;                     // "checkedBy: not a text" when refused
};

TitleBlockRead readTitleBlockText(const std::string& text);
// A missing file reads as an empty title block; an unreadable or damaged one is refused.
TitleBlockRead readTitleBlockFile(const std::string& path);

// UTF-8 JSON, every member written.
std::string titleBlockText(const ReportSettings& settings);
// Written atomically; an error text, or "" on success.
std::string writeTitleBlockFile(const std::string& path, const ReportSettings& settings);

}  // namespace tolvane::report
