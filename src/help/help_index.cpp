#include "help/help_index.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

#include "base/text_file.h"

namespace tolvane {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::string collapseSpaces(const std::string& s) {
    std::string out;
    bool space = false;
    for (char c : s) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = true;
            continue;
        }
        if (space && !out.empty()) out += ' ';
        space = false;
        out += c;
    }
    return out;
}


// One tag: its lowercase name ("/p" for a closing tag) and attributes.
struct Tag {
    std::string name;
    std::map<std::string, std::string> attributes;
};

Tag parseTag(const std::string& inner) {
    Tag tag;
    std::size_t i = 0;
    const std::size_t n = inner.size();
    while (i < n && !std::isspace(static_cast<unsigned char>(inner[i])) && inner[i] != '/') ++i;
    if (i == 0 && n > 0 && inner[0] == '/') {
        i = 1;
        while (i < n && !std::isspace(static_cast<unsigned char>(inner[i]))) ++i;
    }
    tag.name = lower(inner.substr(0, i));
    while (i < n) {
        while (i < n && (std::isspace(static_cast<unsigned char>(inner[i])) || inner[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < n && inner[i] != '=' && !std::isspace(static_cast<unsigned char>(inner[i])) &&
               inner[i] != '/')
            ++i;
        if (i == nameStart) {
            ++i;
            continue;
        }
        const std::string name = lower(inner.substr(nameStart, i - nameStart));
        while (i < n && std::isspace(static_cast<unsigned char>(inner[i]))) ++i;
        std::string value;
        if (i < n && inner[i] == '=') {
            ++i;
            while (i < n && std::isspace(static_cast<unsigned char>(inner[i]))) ++i;
            if (i < n && (inner[i] == '"' || inner[i] == '\'')) {
                const char quote = inner[i++];
                const std::size_t end = inner.find(quote, i);
                value = inner.substr(i, end == std::string::npos ? std::string::npos : end - i);
                i = end == std::string::npos ? n : end + 1;
            } else {
                const std::size_t start = i;
                while (i < n && !std::isspace(static_cast<unsigned char>(inner[i]))) ++i;
                value = inner.substr(start, i - start);
            }
        }
        tag.attributes[name] = decodeEntities(value);
    }
    return tag;
}

// Where `lowerNeedle` starts in `text` at or after `from`, letter case
// ignored; npos when nowhere. Nothing is copied: a page with thousands of
// scripts is searched once from start to end.
std::size_t findIgnoringCase(const std::string& text, const std::string& lowerNeedle,
                             std::size_t from) {
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size()));
    const auto it = std::search(begin, text.end(), lowerNeedle.begin(), lowerNeedle.end(),
                                [](char a, char b) {
                                    return std::tolower(static_cast<unsigned char>(a)) == b;
                                });
    return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
}

// Walks an HTML text: onText for the text between tags (entities decoded),
// onTag for each tag. Comments, scripts and styles are skipped.
template <class TextFn, class TagFn>
void walkHtml(const std::string& html, TextFn onText, TagFn onTag) {
    std::size_t i = 0;
    const std::size_t n = html.size();
    while (i < n) {
        const std::size_t lt = html.find('<', i);
        if (lt == std::string::npos) {
            onText(decodeEntities(html.substr(i)));
            return;
        }
        if (lt > i) onText(decodeEntities(html.substr(i, lt - i)));
        if (html.compare(lt, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", lt + 4);
            i = end == std::string::npos ? n : end + 3;
            continue;
        }
        const std::size_t gt = html.find('>', lt);
        if (gt == std::string::npos) return;
        const Tag tag = parseTag(html.substr(lt + 1, gt - lt - 1));
        i = gt + 1;
        if (tag.name == "script" || tag.name == "style") {
            const std::size_t end = findIgnoringCase(html, "</" + tag.name, i);
            const std::size_t close = end == std::string::npos ? end : html.find('>', end);
            i = close == std::string::npos ? n : close + 1;
            continue;
        }
        onTag(tag);
    }
}

bool isExternal(const std::string& link) {
    const std::string l = lower(link);
    return l.rfind("http:", 0) == 0 || l.rfind("https:", 0) == 0 || l.rfind("mailto:", 0) == 0 ||
           l.rfind("ftp:", 0) == 0;
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const kContentsPage = "contents.html";

bool isWordByte(unsigned char c) { return std::isalnum(c) || c >= 0x80; }

}  // namespace

std::string decodeEntities(const std::string& text) {
    static const std::map<std::string, std::string> named = {
        {"amp", "&"},        {"lt", "<"},         {"gt", ">"},          {"quot", "\""},
        {"apos", "'"},       {"nbsp", " "},       {"deg", "\u00B0"},    {"micro", "\u00B5"},
        {"sup2", "\u00B2"},  {"sup3", "\u00B3"},  {"middot", "\u00B7"}, {"times", "\u00D7"},
        {"minus", "\u2212"}, {"ndash", "\u2013"}, {"mdash", "\u2014"},  {"rarr", "\u2192"},
        {"le", "\u2264"},    {"ge", "\u2265"},    {"lambda", "\u03BB"}, {"zeta", "\u03B6"},
        {"rho", "\u03C1"},   {"eta", "\u03B7"},   {"nu", "\u03BD"},     {"pi", "\u03C0"},
        {"Delta", "\u0394"}, {"delta", "\u03B4"}, {"alpha", "\u03B1"},  {"sdot", "\u22C5"},
        {"asymp", "\u2248"}, {"radic", "\u221A"}, {"copy", "\u00A9"},   {"hellip", "\u2026"}};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        // An entity is short: the ';' is looked for among the next ten
        // characters only, so a text full of '&' is still read in one pass.
        const std::size_t found = text.substr(i, 11).find(';');
        const std::size_t semi = found == std::string::npos ? found : i + found;
        if (semi == std::string::npos) {
            out += '&';
            continue;
        }
        const std::string name = text.substr(i + 1, semi - i - 1);
        if (!name.empty() && name[0] == '#') {
            const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
            const std::string digits = name.substr(hex ? 2 : 1);
            char* end = nullptr;
            const unsigned long cp = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
            if (digits.empty() || *end != '\0') {
                out += '&';
                continue;
            }
            if (cp <= 0x10FFFF) appendUtf8(out, static_cast<char32_t>(cp));
        } else if (const auto it = named.find(name); it != named.end()) {
            out += it->second;
        } else {
            out += '&';
            continue;
        }
        i = semi;
    }
    return out;
}

std::string helpSlug(const std::string& name) {
    std::string out;
    bool gap = false;
    for (unsigned char c : name) {
        if (std::isalnum(c)) {
            if (gap && !out.empty()) out += '_';
            gap = false;
            out += static_cast<char>(std::tolower(c));
        } else {
            gap = true;
        }
    }
    return out;
}

std::vector<std::string> helpWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (unsigned char c : text) {
        if (isWordByte(c)) {
            word += static_cast<char>(std::tolower(c));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

HelpPage parseHelpPage(const std::string& path, const std::string& html) {
    HelpPage page;
    page.path = path;
    std::string text;
    std::string title;
    bool inTitle = false;
    walkHtml(
        html,
        [&](const std::string& t) {
            if (inTitle)
                title += t;
            else
                text += t;
        },
        [&](const Tag& tag) {
            if (tag.name == "title") inTitle = true;
            if (tag.name == "/title") inTitle = false;
            const auto attr = [&](const char* name) -> const std::string* {
                const auto it = tag.attributes.find(name);
                return it == tag.attributes.end() ? nullptr : &it->second;
            };
            if (tag.name == "meta") {
                const std::string* name = attr("name");
                const std::string* content = attr("content");
                if (name && content && lower(*name) == "keywords") {
                    std::stringstream s(*content);
                    std::string keyword;
                    while (std::getline(s, keyword, ','))
                        if (!trim(keyword).empty()) page.keywords.push_back(trim(keyword));
                }
            }
            if (const std::string* id = attr("id")) page.anchors.push_back(*id);
            if (tag.name == "a")
                if (const std::string* name = attr("name")) page.anchors.push_back(*name);
            if (tag.name == "a" || tag.name == "link")
                if (const std::string* href = attr("href")) page.links.push_back(*href);
            if (tag.name == "img")
                if (const std::string* src = attr("src")) page.links.push_back(*src);
            // Block tags separate words.
            text += ' ';
        });
    page.title = collapseSpaces(title);
    if (page.title.empty()) page.title = fs::path(path).stem().string();
    page.text = collapseSpaces(text);
    return page;
}

std::vector<ContentsEntry> parseContents(const std::string& html) {
    std::vector<ContentsEntry> entries;
    int depth = -1;
    bool inLink = false;
    ContentsEntry current;
    walkHtml(
        html,
        [&](const std::string& t) {
            if (inLink) current.title += t;
        },
        [&](const Tag& tag) {
            if (tag.name == "ul" || tag.name == "ol") ++depth;
            if (tag.name == "/ul" || tag.name == "/ol") --depth;
            if (depth < 0) return;
            if (tag.name == "a") {
                const auto it = tag.attributes.find("href");
                if (it == tag.attributes.end()) return;
                current = ContentsEntry{depth, "", it->second};
                inLink = true;
            } else if (tag.name == "/a" && inLink) {
                inLink = false;
                current.title = collapseSpaces(current.title);
                entries.push_back(current);
            }
        });
    return entries;
}

std::string resolveHelpLink(const std::string& fromPage, const std::string& link) {
    if (!link.empty() && link[0] == '#') return fromPage + link;
    const fs::path base = fs::path(fromPage).parent_path();
    std::string file = link;
    std::string anchor;
    if (const auto hash = link.find('#'); hash != std::string::npos) {
        file = link.substr(0, hash);
        anchor = link.substr(hash);
    }
    const std::string joined = (base / file).lexically_normal().generic_string();
    return joined + anchor;
}

HelpIndex HelpIndex::load(const std::string& helpDir) {
    HelpIndex index;
    index.dir_ = helpDir;
    std::error_code ec;
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(helpDir, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file(ec) && lower(it->path().extension().string()) == ".html")
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files)
        index.addPage(
            parseHelpPage(fs::relative(file, helpDir, ec).generic_string(), readWholeFile(file)));
    return index;
}

HelpIndex HelpIndex::fromPages(const std::vector<std::pair<std::string, std::string>>& pages) {
    HelpIndex index;
    for (const auto& [path, html] : pages) {
        if (lower(fs::path(path).extension().string()) == ".html")
            index.addPage(parseHelpPage(path, html));
        else
            index.otherFiles_.push_back(path);
    }
    return index;
}

void HelpIndex::addPage(HelpPage page) {
    const std::size_t number = pages_.size();
    auto count = [&](const std::string& text, double weight) {
        for (const std::string& w : helpWords(text)) words_[w][number] += weight;
    };
    count(page.text, 1.0);
    count(page.title, 5.0);
    for (const std::string& k : page.keywords) count(k, 3.0);
    byPath_[page.path] = number;
    pages_.push_back(std::move(page));
}

const HelpPage* HelpIndex::page(const std::string& path) const {
    const auto it = byPath_.find(path);
    return it == byPath_.end() ? nullptr : &pages_[it->second];
}

std::vector<ContentsEntry> HelpIndex::contents() const {
    if (dir_.empty()) return {};
    return parseContents(readWholeFile(fs::path(dir_) / kContentsPage));
}

std::vector<IndexEntry> HelpIndex::keywordIndex() const {
    std::map<std::string, IndexEntry> byKey;  // lowercase keyword -> entry
    for (const HelpPage& p : pages_)
        for (const std::string& k : p.keywords) {
            IndexEntry& e = byKey[lower(k)];
            if (e.keyword.empty()) e.keyword = k;
            if (std::find(e.targets.begin(), e.targets.end(), p.path) == e.targets.end())
                e.targets.push_back(p.path);
        }
    std::vector<IndexEntry> out;
    for (auto& [key, entry] : byKey) out.push_back(std::move(entry));
    return out;
}

std::vector<SearchHit> HelpIndex::search(const std::string& query, std::size_t limit) const {
    const std::vector<std::string> terms = helpWords(query);
    if (terms.empty() || pages_.empty()) return {};
    std::map<std::size_t, double> scores;
    bool first = true;
    for (std::size_t t = 0; t < terms.size(); ++t) {
        // The last word may still be being typed: it matches longer words too.
        const bool prefix = t + 1 == terms.size();
        std::map<std::size_t, double> found;
        if (prefix) {
            for (auto it = words_.lower_bound(terms[t]);
                 it != words_.end() && it->first.rfind(terms[t], 0) == 0; ++it) {
                const double idf =
                    std::log(1.0 + double(pages_.size()) / double(it->second.size()));
                // An exact word counts for more than a longer one it starts.
                const double exact = it->first == terms[t] ? 1.0 : 0.5;
                for (const auto& [pageNo, weight] : it->second)
                    found[pageNo] += exact * idf * (1.0 + std::log(weight));
            }
        } else if (const auto it = words_.find(terms[t]); it != words_.end()) {
            const double idf = std::log(1.0 + double(pages_.size()) / double(it->second.size()));
            for (const auto& [pageNo, weight] : it->second)
                found[pageNo] += idf * (1.0 + std::log(weight));
        }
        if (first) {
            scores = std::move(found);
            first = false;
        } else {
            std::map<std::size_t, double> both;
            for (const auto& [pageNo, score] : scores)
                if (const auto f = found.find(pageNo); f != found.end())
                    both[pageNo] = score + f->second;
            scores = std::move(both);
        }
        if (scores.empty()) return {};
    }
    std::vector<SearchHit> hits;
    for (const auto& [pageNo, score] : scores)
        // The contents name every page: a hit there says nothing.
        if (pages_[pageNo].path != kContentsPage)
            hits.push_back({pages_[pageNo].path, pages_[pageNo].title, score});
    std::stable_sort(hits.begin(), hits.end(),
                     [](const SearchHit& a, const SearchHit& b) { return a.score > b.score; });
    if (hits.size() > limit) hits.resize(limit);
    return hits;
}

bool HelpIndex::fileExists(const std::string& path) const {
    if (byPath_.count(path)) return true;
    if (std::find(otherFiles_.begin(), otherFiles_.end(), path) != otherFiles_.end()) return true;
    if (dir_.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(fs::path(dir_) / path, ec);
}

bool HelpIndex::resolves(const std::string& target) const {
    std::string file = target;
    std::string anchor;
    if (const auto hash = target.find('#'); hash != std::string::npos) {
        file = target.substr(0, hash);
        anchor = target.substr(hash + 1);
    }
    if (file.empty() || file.rfind("../", 0) == 0 || !fileExists(file)) return false;
    if (anchor.empty()) return true;
    const HelpPage* p = page(file);
    return p && std::find(p->anchors.begin(), p->anchors.end(), anchor) != p->anchors.end();
}

std::vector<BrokenLink> HelpIndex::brokenLinks() const {
    std::vector<BrokenLink> broken;
    for (const HelpPage& p : pages_)
        for (const std::string& link : p.links) {
            if (isExternal(link)) continue;
            if (link.empty() || !resolves(resolveHelpLink(p.path, link)))
                broken.push_back({p.path, link});
        }
    return broken;
}

}  // namespace tolvane
