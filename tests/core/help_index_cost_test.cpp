// Reading a help page costs in proportion to its size, however many scripts
// and styles it holds. Counted in bytes the page's reading asks for, not in
// time: a reader that copies the rest of the page at every script asks for
// the square of it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "help/help_index.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<std::size_t> requested{0};

}  // namespace

void* operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed))
        requested.fetch_add(size, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
// The replacement pair is malloc and free; GCC takes free in a delete for a
// mismatch all the same.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace tolvane {
namespace {

std::string pageWithScripts(int blocks) {
    std::string html = "<html><head><title>Scripts</title></head><body>\n";
    for (int i = 0; i < blocks; ++i)
        html += "<p>Block " + std::to_string(i) +
                " &amp; text</p><script>var s = \"<p>hidden</p>\";</script>"
                "<STYLE>p { margin: 0 }</Style>\n";
    return html + "</body></html>\n";
}

std::size_t bytesRequestedReading(const std::string& html, HelpPage& page) {
    requested = 0;
    counting = true;
    page = parseHelpPage("scripts.html", html);
    counting = false;
    return requested;
}

TEST(HelpPageCost, GrowsWithThePageNotWithItsSquare) {
    const std::string small = pageWithScripts(500), large = pageWithScripts(2000);
    HelpPage smallPage, largePage;
    const double smallCost = static_cast<double>(bytesRequestedReading(small, smallPage));
    const double largeCost = static_cast<double>(bytesRequestedReading(large, largePage));
    const double growth = static_cast<double>(large.size()) / static_cast<double>(small.size());
    EXPECT_LT(largeCost / smallCost, 1.5 * growth);
    EXPECT_LT(largeCost, 20.0 * static_cast<double>(large.size()));

    // Scripts and styles in any letter case are still left out.
    EXPECT_NE(largePage.text.find("Block 1999 & text"), std::string::npos);
    EXPECT_EQ(largePage.text.find("hidden"), std::string::npos);
    EXPECT_EQ(largePage.text.find("margin"), std::string::npos);
}

}  // namespace
}  // namespace tolvane
