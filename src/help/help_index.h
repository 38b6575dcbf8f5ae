// The help pages as the help window needs them: each page's title, index
// keywords, anchors and links, its text for the full-text search, and the
// table of contents. The pages are plain UTF-8 HTML files in the help
// directory; keywords come from <meta name="keywords" content="a, b, c">.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tolvane {

struct HelpPage {
    std::string path;   // relative to the help directory, "/"-separated
    std::string title;  // the <title>, else the file name
    std::vector<std::string> keywords;
    std::vector<std::string> anchors;  // id="..." and <a name="...">
    std::vector<std::string> links;    // href and src values as written
    std::string text;                  // the visible words
};

struct ContentsEntry {
    int level = 0;       // 0 for the outermost list
    std::string title;   // the link text
    std::string target;  // "page.html" or "page.html#anchor"
};

struct IndexEntry {
    std::string keyword;
    std::vector<std::string> targets;  // pages carrying the keyword
};

struct SearchHit {
    std::string path;
    std::string title;
    double score = 0.0;
};

struct BrokenLink {
    std::string page;
    std::string link;
};

// Pieces of one HTML page.
HelpPage parseHelpPage(const std::string& path, const std::string& html);
std::vector<ContentsEntry> parseContents(const std::string& html);
// "&amp;" and friends, "&#176;" and "&#xB0;" into UTF-8.
std::string decodeEntities(const std::string& text);

// The file name of an element kind's page: the variant name lowercased, each
// run of other characters than letters and digits one "_", none at the ends.
std::string helpSlug(const std::string& name);

class HelpIndex {
public:
    // Every *.html file below helpDir.
    static HelpIndex load(const std::string& helpDir);
    // For tests: pages given as (path, html).
    static HelpIndex fromPages(const std::vector<std::pair<std::string, std::string>>& pages);

    const std::string& directory() const { return dir_; }
    const std::vector<HelpPage>& pages() const { return pages_; }
    const HelpPage* page(const std::string& path) const;

    // The entries of contents.html, in their order.
    std::vector<ContentsEntry> contents() const;
    // All keywords, sorted without regard to case; a keyword on several
    // pages lists each of them.
    std::vector<IndexEntry> keywordIndex() const;
    // Pages holding every word of the query (the last word also as the start
    // of a longer one), best first: title and keyword hits weigh more than
    // hits in the text, and rare words more than common ones. The contents
    // page is never a hit.
    std::vector<SearchHit> search(const std::string& query, std::size_t limit = 50) const;

    // Links that lead nowhere: a missing file, or an anchor the target page
    // lacks. Links to other sites and mail addresses are not checked.
    std::vector<BrokenLink> brokenLinks() const;
    // Whether "page.html#anchor" names a page (and anchor) of this index.
    bool resolves(const std::string& target) const;

private:
    void addPage(HelpPage page);
    bool fileExists(const std::string& path) const;

    std::string dir_;
    std::vector<HelpPage> pages_;
    std::map<std::string, std::size_t> byPath_;
    // word -> (page number, weighted count)
    std::map<std::string, std::map<std::size_t, double>> words_;
    std::vector<std::string> otherFiles_;  // images and the like, for tests without a directory
};

// Splits text into lowercase words (letters and digits; bytes of UTF-8
// characters count as letters).
std::vector<std::string> helpWords(const std::string& text);

// "dir/page.html" + "../other.html#a" -> "other.html#a".
std::string resolveHelpLink(const std::string& fromPage, const std::string& link);

}  // namespace tolvane
