#include "properties/zeta_database.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/text_file.h"
#include "engine/element_kind.h"
#include "properties/data_lines.h"

namespace tolvane {

namespace {

bool isBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

bool hasZtaExtension(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".ZTA";
}

bool isValidUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        std::size_t length = b < 0x80             ? 1
                             : (b & 0xE0) == 0xC0 ? 2
                             : (b & 0xF0) == 0xE0 ? 3
                             : (b & 0xF8) == 0xF0 ? 4
                                                  : 0;
        if (length == 0 || (length == 2 && b < 0xC2) || i + length > s.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// A text of the file as shown: control characters (C0, DEL and the C1 range
// that undefined Windows-1252 bytes map to) become blanks.
std::string shownText(const std::string& cp1252) {
    std::string text = cp1252ToUtf8(cp1252);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x20 || b == 0x7F) {
            out += ' ';
        } else if (b == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            out += ' ';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A diameter or coefficient goes into an element field: no longer than it.
bool fitsElementField(const std::string& text) {
    return text.size() <= static_cast<std::size_t>(kElementValueLength);
}

}  // namespace

std::optional<std::vector<ZetaFitting>> parseZetaFile(const std::string& raw) {
    std::string bytes = raw;
    if (!bytes.empty() && bytes.back() == '\x1A') bytes.pop_back();  // DOS end-of-file mark
    const auto lines = bytes.empty() ? std::nullopt : rawTableLines(bytes, kFittingLineLimit);
    if (!lines) return std::nullopt;

    std::vector<ZetaFitting> fittings;
    for (const std::string& line : *lines) {
        if (isBlank(line)) continue;
        std::vector<std::string> fields = tabFields(line);
        if (fields.size() < 2) return std::nullopt;
        ZetaFitting fitting;
        fitting.specification = shownText(fields[0]);
        for (std::size_t i = 1; i < fields.size() && !fields[i].empty(); i += 2) {
            if (i + 1 >= fields.size() || fields[i + 1].empty()) return std::nullopt;
            std::string diameter = shownText(fields[i]), zeta = shownText(fields[i + 1]);
            if (!fitsElementField(diameter) || !fitsElementField(zeta)) return std::nullopt;
            fitting.points.emplace_back(std::move(diameter), std::move(zeta));
        }
        if (fitting.points.empty()) return std::nullopt;
        fittings.push_back(std::move(fitting));
    }
    if (fittings.empty()) return std::nullopt;
    return fittings;
}

std::vector<std::string> listZetaFiles(const std::string& directory) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        std::string name = it->path().filename().string();
        if (hasZtaExtension(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string manufacturerName(const std::string& fileName) {
    std::string name = fileName;
    std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    std::size_t dot = name.find('.');
    if (dot != std::string::npos) name.erase(dot);
    // A name copied over from a Windows disk may still be in its code page.
    return isValidUtf8(name) ? name : cp1252ToUtf8(name);
}

ZetaSelection::ZetaSelection(std::string directory, MessageSink& messages)
    : directory_(std::move(directory)), messages_(messages) {}

void ZetaSelection::clearLists() {
    content_.clear();
    fittingIndex_ = -1;
    diameterIndex_ = -1;
    zetaText_.clear();
}

void ZetaSelection::show() {
    files_ = listZetaFiles(directory_);
    fileIndex_ = -1;
    clearLists();
    if (files_.empty()) {
        messages_.show(MessageType::Warning, kZetaDatabaseBroken);
        return;
    }
    selectFile(0);
}

void ZetaSelection::selectFile(int index) {
    clearLists();
    if (index < 0 || index >= static_cast<int>(files_.size())) {
        fileIndex_ = -1;
        return;
    }
    fileIndex_ = index;
    std::filesystem::path path =
        std::filesystem::path(directory_) / files_[static_cast<std::size_t>(index)];
    std::optional<std::string> bytes = readFileBytes(path.string());
    std::optional<std::vector<ZetaFitting>> parsed;
    if (bytes) parsed = parseZetaFile(*bytes);
    if (!parsed) {
        messages_.show(MessageType::Warning, kZetaDatabaseBroken);
        return;
    }
    content_ = std::move(*parsed);
    selectFitting(0);
}

void ZetaSelection::selectFitting(int index) {
    if (index < 0 || index >= static_cast<int>(content_.size())) return;
    fittingIndex_ = index;
    selectDiameter(0);
}

void ZetaSelection::selectDiameter(int index) {
    if (fittingIndex_ < 0) return;
    const auto& points = content_[static_cast<std::size_t>(fittingIndex_)].points;
    if (index < 0 || index >= static_cast<int>(points.size())) return;
    diameterIndex_ = index;
    zetaText_ = points[static_cast<std::size_t>(index)].second;
}

std::vector<std::string> ZetaSelection::fittings() const {
    std::vector<std::string> names;
    for (const ZetaFitting& f : content_) names.push_back(f.specification);
    return names;
}

std::vector<std::string> ZetaSelection::diameters() const {
    std::vector<std::string> texts;
    if (fittingIndex_ < 0) return texts;
    for (const auto& p : content_[static_cast<std::size_t>(fittingIndex_)].points)
        texts.push_back(p.first);
    return texts;
}

std::optional<ZetaCopy> ZetaSelection::copyToElementWindow() const {
    if (fileIndex_ < 0 || fittingIndex_ < 0 || diameterIndex_ < 0) return std::nullopt;
    const ZetaFitting& f = content_[static_cast<std::size_t>(fittingIndex_)];
    ZetaCopy copy;
    copy.diameter = f.points[static_cast<std::size_t>(diameterIndex_)].first;
    copy.zeta = zetaText_;
    copy.specification =
        manufacturerName(files_[static_cast<std::size_t>(fileIndex_)]) + " " + f.specification;
    return copy;
}

}  // namespace tolvane
