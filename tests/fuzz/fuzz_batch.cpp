// The batch tool's JSON through a whole run: malformed input is an InputError
// (exit status 2), anything else runs, and every number cell of the table
// reads as a finite number no wider than its row.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_run.h"
#include "base/input_number.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;  // a run per step: keep each input quick
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const cli::BatchInput input = cli::readBatchInput(text);
        if (input.steps.size() > 64) return 0;
        const cli::BatchRun run = cli::runBatch(input);
        const CalculationTable& t = run.session.table;
        const int widths[kTableRows] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                        10, 11, 10, 11, 0, 0, 10, 0, 0, 11, 11, 11};
        for (int c = 1; c < t.trailingColumn(); ++c) {
            for (int row : {Row::RateOfFlow, Row::Density, Row::Viscosity, Row::Velocity,
                            Row::Reynolds, Row::Velocity2, Row::Reynolds2, Row::Roughness,
                            Row::FrictionFactor, Row::Zeta, Row::Zeta2, Row::PressureDrop2,
                            Row::PressureDrop, Row::PressureDropLarge}) {
                const std::string& cell = t.cell(c, row);
                if (cell.empty()) continue;
                const auto v = readNumber(cell);
                if (!v || !std::isfinite(*v)) std::abort();
                if (widths[row] > 0 && cell.size() > static_cast<std::size_t>(widths[row]))
                    std::abort();
            }
        }
        if (!std::isfinite(t.total())) std::abort();
    } catch (const cli::InputError&) {
        // Malformed: the tool says so and exits with 2.
    }
    return 0;
}
