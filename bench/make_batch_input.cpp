// Writes the batch benchmark's random steps as a file for tolvane-cli:
//   tolvane_batch_input [STEPS [SEED]] > steps.json   (10000 steps, seed 25)
#include <cstdio>
#include <cstdlib>

#include "batch_steps.h"

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::atoi(argv[1]) : 10000;
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 25);
    const std::string text = tolvane::bench::randomBatchInput(steps, seed);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
