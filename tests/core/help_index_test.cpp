// The help index over small made-up pages: titles, keywords, anchors, links,
// the table of contents, the keyword index and the ranked search.
#include <gtest/gtest.h>

#include "help/help_index.h"

namespace tolvane {
namespace {

const char* const kBend = R"(<html><head><meta charset="utf-8">
<title>Circular bend</title>
<meta name="keywords" content="bend, Elbow , radius of curvature">
<style>p { color: red }</style></head>
<body><h1 id="top">Circular bend</h1>
<p>The resistance coefficient &zeta; of a bend depends on R/d and the angle&nbsp;&#948;.</p>
<a name="sources"></a><p>See <a href="../main_window.html#calculate">Calculate</a> and
<a href='#top'>top</a>, <a href="https://example.org/x">a site</a>.
<img src="../images/bend.png" alt=""><!-- <a href="gone.html"> --></p>
<script>var a = "<a href='nowhere.html'>";</script></body></html>)";

const char* const kMain = R"(<html><head><title>The main window</title>
<meta name="keywords" content="calculate, Elbow"></head><body>
<h2 id="calculate">Calculate</h2><p>Press F3 to calculate the pressure drop of the element.
The pressure drop appears in the table. Pressure pressure pressure. Each bend adds one.</p>
<p><a href="missing.html">x</a> <a href="elements/bend.html#nosuch">y</a>
<img src="images/none.png"></p></body></html>)";

const char* const kContents = R"(<html><head><title>Contents</title></head><body>
<ul><li><a href="main_window.html">The main window</a>
  <ul><li><a href="main_window.html#calculate">Calculate</a></li></ul></li>
<li><a href="elements/bend.html">Circular
   bend</a></li></ul></body></html>)";

HelpIndex sample() {
    return HelpIndex::fromPages({{"elements/bend.html", kBend},
                                 {"main_window.html", kMain},
                                 {"contents.html", kContents},
                                 {"images/bend.png", ""}});
}

TEST(HelpIndex, ReadsTitleKeywordsAnchorsAndLinks) {
    const HelpPage p = parseHelpPage("elements/bend.html", kBend);
    EXPECT_EQ(p.title, "Circular bend");
    EXPECT_EQ(p.keywords, (std::vector<std::string>{"bend", "Elbow", "radius of curvature"}));
    EXPECT_EQ(p.anchors, (std::vector<std::string>{"top", "sources"}));
    // Links in comments and scripts are not links.
    EXPECT_EQ(p.links, (std::vector<std::string>{"../main_window.html#calculate", "#top",
                                                 "https://example.org/x", "../images/bend.png"}));
    EXPECT_NE(p.text.find("coefficient \u03B6 of a bend"), std::string::npos);
    EXPECT_NE(p.text.find("angle \u03B4."), std::string::npos);
    EXPECT_EQ(p.text.find("color"), std::string::npos);
}

TEST(HelpIndex, PageWithoutTitleIsNamedByItsFile) {
    EXPECT_EQ(parseHelpPage("a/npsh.html", "<p>x</p>").title, "npsh");
}

TEST(HelpIndex, DecodesEntities) {
    EXPECT_EQ(decodeEntities("a &lt;b&gt; &amp; 10&#179; &#xB0;C &unknown; & x"),
              "a <b> & 10\u00B3 \u00B0C &unknown; & x");
}

TEST(HelpIndex, SlugOfVariantNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Bend, circular", "bend_circular"},
        {"Check valve, Y-pattern globe lift", "check_valve_y_pattern_globe_lift"},
        {"Orifice DIN 1952", "orifice_din_1952"},
        {"  Lyra-bend ", "lyra_bend"},
    };
    for (const auto& [name, slug] : cases) EXPECT_EQ(helpSlug(name), slug) << name;
}

TEST(HelpIndex, ResolvesRelativeLinks) {
    EXPECT_EQ(resolveHelpLink("elements/bend.html", "../main_window.html#a"), "main_window.html#a");
    EXPECT_EQ(resolveHelpLink("elements/bend.html", "#top"), "elements/bend.html#top");
    EXPECT_EQ(resolveHelpLink("contents.html", "elements/nozzle.html"), "elements/nozzle.html");
}

TEST(HelpIndex, FindsExactlyTheBrokenLinks) {
    const HelpIndex index = sample();
    std::vector<std::string> broken;
    for (const BrokenLink& b : index.brokenLinks()) broken.push_back(b.page + " " + b.link);
    EXPECT_EQ(broken, (std::vector<std::string>{"main_window.html missing.html",
                                                "main_window.html elements/bend.html#nosuch",
                                                "main_window.html images/none.png"}));
    EXPECT_TRUE(index.resolves("main_window.html#calculate"));
    EXPECT_FALSE(index.resolves("main_window.html#Calculate"));
    EXPECT_FALSE(index.resolves("../outside.html"));
}

TEST(HelpIndex, ContentsKeepNestingAndTitles) {
    const std::vector<ContentsEntry> entries = parseContents(kContents);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].level, 0);
    EXPECT_EQ(entries[1].level, 1);
    EXPECT_EQ(entries[1].target, "main_window.html#calculate");
    EXPECT_EQ(entries[2].level, 0);
    EXPECT_EQ(entries[2].title, "Circular bend");
}

TEST(HelpIndex, KeywordIndexIsSortedAndMergesPages) {
    const std::vector<IndexEntry> index = sample().keywordIndex();
    std::vector<std::string> keywords;
    for (const IndexEntry& e : index) keywords.push_back(e.keyword);
    EXPECT_EQ(keywords,
              (std::vector<std::string>{"bend", "calculate", "Elbow", "radius of curvature"}));
    EXPECT_EQ(index[2].targets,
              (std::vector<std::string>{"elements/bend.html", "main_window.html"}));
}

TEST(HelpIndex, SearchNeedsEveryWordAndRanksTitlesHigher) {
    const HelpIndex index = sample();
    // "bend" is in the title of one page and in the text of another (and in
    // the contents, which are no hit).
    std::vector<SearchHit> hits = index.search("Bend");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].path, "elements/bend.html");
    EXPECT_EQ(hits[0].title, "Circular bend");
    EXPECT_EQ(hits[1].path, "main_window.html");
    // Both words must be on the page.
    hits = index.search("pressure table");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].path, "main_window.html");
    EXPECT_TRUE(index.search("pressure coefficient").empty());
    // The last word may be the start of a longer one.
    hits = index.search("resist");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].path, "elements/bend.html");
    EXPECT_TRUE(index.search("resist bend x").empty());
    EXPECT_TRUE(index.search("  ,; ").empty());
}

}  // namespace
}  // namespace tolvane
