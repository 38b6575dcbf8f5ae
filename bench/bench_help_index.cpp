// Indexing one big help page (about 550 KB) full of scripts, styles and
// entities: every part of it is read once, so the page takes milliseconds,
// and twice the page takes twice as long.
#include <benchmark/benchmark.h>

#include <string>

#include "help/help_index.h"

namespace tolvane {
namespace {

// `blocks` paragraphs, each with a script, a style and a few entities;
// about 147 bytes a block, 3700 blocks the size of the biggest page known.
std::string bigPage(int blocks) {
    std::string html = "<html><head><title>Big page</title></head><body>\n";
    for (int i = 0; i < blocks; ++i) {
        html += "<p id=\"p" + std::to_string(i) +
                "\">Pressure drop &amp; rate of flow at 20 &deg;C, block " + std::to_string(i) +
                " &&& more</p>\n<script>var x = \"<b>\";</script><STYLE>p { margin: 0 }</STYLE>\n";
    }
    return html + "</body></html>\n";
}

void BM_ParseHelpPage(benchmark::State& state) {
    const std::string html = bigPage(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(parseHelpPage("big.html", html));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(html.size()));
    state.counters["page_bytes"] = static_cast<double>(html.size());
}
BENCHMARK(BM_ParseHelpPage)->Arg(1850)->Arg(3700)->Unit(benchmark::kMillisecond);

void BM_IndexHelpPage(benchmark::State& state) {
    const std::string html = bigPage(3700);
    for (auto _ : state)
        benchmark::DoNotOptimize(HelpIndex::fromPages({{"big.html", html}}).search("pressure"));
}
BENCHMARK(BM_IndexHelpPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
